#pragma once
// The form keeper's view of a Qt top-level window: its normal bounds (frame
// position and client size, so that storing and restoring give back the same
// window), its window state, and the texts of its named one-line edit boxes.
// The adapter does not own the window; it must not outlive it.

#include <QList>
#include <QRect>
#include <QString>

#include "project/FormKeeper.h"

class QLineEdit;
class QWidget;

// Bounds brought onto the screen that holds most of them (the first screen,
// the primary, when none does): no larger than that screen's available area
// and wholly inside it. Screens lists the available areas.
QRect FitToScreens(const QRect& Bounds, const QList<QRect>& Screens);

class TQtKeptForm : public TKeptForm {
 public:
  TQtKeptForm(QWidget& Form, std::string ComponentName);

  std::string ComponentName() const override { return FComponentName; }
  int Top() const override;
  int Left() const override;
  int Width() const override;
  int Height() const override;
  void SetTop(int Value) override;
  void SetLeft(int Value) override;
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;
  void FitToScreens() override;
  TFormWindowState WindowState() const override;
  void SetWindowState(TFormWindowState Value) override;
  std::vector<std::string> EditBoxNames() const override;
  std::string EditBoxText(const std::string& Name) const override;
  void SetEditBoxText(const std::string& Name, const std::string& Text) override;

 private:
  // The named plain line edits of the window, not those inside spin boxes or
  // combo boxes.
  QList<QLineEdit*> EditBoxes() const;
  QLineEdit* EditBox(const std::string& Name) const;

  QWidget& FForm;
  std::string FComponentName;
};
