#pragma once
// The paragraph style editor: a panel that edits one TCalItemStyle (alignment,
// font name, size, colour, bold, italic, underline, background colour) and
// paints a sample text with the values currently in its controls, unsaved
// changes included. It keeps no reference to any style: the owner passes one
// to each LoadStyle and StoreStyle. Every change in a control is reported
// through OnChange. Hidden controls still hold and deliver their values.

#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

#include "model/CalStyle.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class TColorEdit;
class TNaturalEdit;

// Where the sample text goes in a rectangle with exclusive Right and Bottom:
// vertically centred; "left" and "center" (exact letter case) as named, any
// other alignment to the right. Divisions truncate toward zero.
int SampleTextTop(int Top, int Bottom, int TextHeight);
int SampleTextLeft(const QString& Align, int Left, int Right, int TextWidth);

class TParaEditor : public QWidget {
  Q_OBJECT
 public:
  explicit TParaEditor(QWidget* Parent = nullptr);

  // Sets the colours; unless ColorsOnly, also alignment, font name, size and
  // style. Names not in the lists leave the list with no selection.
  void LoadStyle(const TCalItemStyle& Style, bool ColorsOnly);
  // Writes every control into Style; an unselected list gives an empty text.
  void StoreStyle(TCalItemStyle& Style) const;
  // Paints SampleText into Rect with the controls' values, clipped to Rect.
  void DrawSample(QPainter& Canvas, const QRect& Rect) const;

  const QString& SampleText() const { return FSampleText; }
  void SetSampleText(const QString& Value) { FSampleText = Value; }

  // Disables or enables the eight editing controls; labels stay as they are.
  void SetDisabled(bool Value);

  // The font that DrawSample paints with.
  QFont SampleFont() const;

  std::function<void(TParaEditor&)> OnChange;

  // Alignment, then the font group, then the background colour.
  QLabel* Label2 = nullptr;
  QComboBox* cbxAlign = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label5 = nullptr;
  QComboBox* cbxFontName = nullptr;
  QLabel* Label6 = nullptr;
  TNaturalEdit* edtFontSize = nullptr;
  QLabel* Label7 = nullptr;
  TColorEdit* cetFontColor = nullptr;
  QCheckBox* cbxFontBold = nullptr;
  QCheckBox* cbxFontItalic = nullptr;
  QCheckBox* cbxFontUnderline = nullptr;
  QLabel* Label4 = nullptr;
  TColorEdit* cetBGColor = nullptr;

 private:
  void CreateFontControls();
  // Widens what a long caption or font name would cut.
  void FitToTexts();
  void ConnectHandlers();
  // Every control's change ends here.
  void cetBGColorChange();

  QString FSampleText;
};
