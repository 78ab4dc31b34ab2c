#pragma once
// A one-line caption that stays readable however narrow it becomes: its text
// is drawn at the label's own font while that fits, else at a smaller size
// down to a floor, and only below that is it shortened in the middle. The
// label's text itself never changes (screen readers get all of it), and the
// caption never asks the layout for more width than a few letters.

#include <QFont>
#include <QLabel>

// The font and text that fit Width pixels: Font as it is when the text fits,
// else the largest point size from Font's down to MinPointSize at which it
// fits, else MinPointSize with the text elided in the middle.
struct TFittedCaption {
  QFont Font;
  QString Text;
};
TFittedCaption FitCaption(const QString& Text, const QFont& Font, int Width, int MinPointSize);

class TCaptionLabel : public QLabel {
  Q_OBJECT
 public:
  static constexpr int MinPointSize = 8;

  explicit TCaptionLabel(QWidget* Parent = nullptr);
  // What paintEvent draws at the present width.
  TFittedCaption Fitted() const;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* Event) override;
};
