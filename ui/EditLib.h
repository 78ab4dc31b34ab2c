#pragma once
// The small inputs of the dialogs. TNaturalEdit is a one-line edit box that
// takes only decimal digits, reads its number clamped between two bounds and
// steps it with the arrow keys or its small up/down stepper; its text is the
// only storage of the number. TColorEdit is a painted colour swatch that opens
// a colour dialog when clicked or, with the focus, on Space or Enter, and
// reports a confirmed choice. Neither control
// reports errors: a text that is not a number reads as 0 (clamped), and a
// cancelled colour dialog changes nothing.

#include <QColor>
#include <QLineEdit>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/CalStyle.h"

class QComboBox;
class QToolButton;

// What a list item stands for in a style: its data when it shows a
// translated caption, else its text.
QString ItemValue(const QComboBox& Box, int Index);
// The item whose value equals Value, letter case ignored; -1 for none.
int FindItemIgnoringCase(const QComboBox& Box, const QString& Value);
// The value of the chosen item; empty when none is chosen.
QString SelectedValue(const QComboBox& Box);

// A colour value as painted: system colours (0x80000000 + index) take their
// current value from the platform.
QColor ColorToQColor(TColor Color);
// 0x00BBGGRR of an RGB colour.
TColor QColorToColor(const QColor& Color);

// The number that Text reads as: optional leading blanks and a sign, then
// decimal digits; anything else, or a number outside 32 bits, reads 0. The
// result is raised to MinValue, then lowered to MaxValue (so MaxValue wins
// when the bounds cross).
int32_t ReadNaturalValue(const QString& Text, int32_t MinValue, int32_t MaxValue);

class TNaturalEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TNaturalEdit(QWidget* Parent = nullptr);

  int32_t MinValue() const { return FMinValue; }
  // Rewrites the text with the new bound only when the value then reads below it.
  void SetMinValue(int32_t Value);
  int32_t MaxValue() const { return FMaxValue; }
  // Rewrites the text with the new bound only when the value then reads above it.
  void SetMaxValue(int32_t Value);
  // The text read as a number, clamped to the bounds.
  int32_t Value() const;
  // Writes the decimal form without clamping: 99 with a maximum of 12 shows 99, reads 12.
  void SetValue(int32_t Value);

  // Each answers whether it stepped; never leaves the bounds.
  bool StepUp();
  bool StepDown();

  // Fired by every change of the text, stepping and SetValue included.
  std::function<void(TNaturalEdit&)> OnChange;
  // Runs before the arrow keys step; setting Key to 0 swallows the key.
  std::function<void(TNaturalEdit&, int& Key, Qt::KeyboardModifiers Shift)> OnKeyDown;
  // Runs before a typed character is filtered; setting Key to 0 discards it.
  std::function<void(TNaturalEdit&, QChar& Key)> OnKeyPress;

  // The most characters that typing may produce; 0 means no limit. Unlike
  // QLineEdit::setMaxLength it never cuts a text set by the program.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value) { FMaxLength = Value; }

  // The two arrows of the stepper (the upper steps up).
  QToolButton* UpButton() const { return FUpButton; }
  QToolButton* DownButton() const { return FDownButton; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void keyPressEvent(QKeyEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  // The caret as the stepping keys and arrows see it: the start of the selection.
  int CaretPosition() const;
  void RestoreCaret(int Position);
  void StepperClicked(bool Up);

  int32_t FMinValue = 0;
  int32_t FMaxValue = 2147483647;
  int FMaxLength = 0;
  QToolButton* FUpButton = nullptr;
  QToolButton* FDownButton = nullptr;
};

// The colour dialog behind every TColorEdit: answers the chosen colour or
// nothing when the user cancelled. Tests replace it; unset means Qt's dialog.
using TColorDialogHook = std::function<std::optional<TColor>(QWidget* Owner, TColor Initial)>;

// The fill of a colour swatch: the colour itself, or washed out toward the
// window's background while the swatch is disabled.
QColor SwatchColor(const QColor& Color, bool Enabled, const QColor& Background);

class TColorEdit : public QWidget {
  Q_OBJECT
 public:
  explicit TColorEdit(QWidget* Parent = nullptr);

  TColor Color() const { return FColor; }
  // Repaints; fires nothing.
  void SetColor(TColor Value);

  // Fired after the user confirmed a colour in the dialog, even the same one.
  std::function<void(TColorEdit&)> OnChange;

  // Opens the colour dialog as a click does.
  void Click();

  static TColorDialogHook ColorDialogHook;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  TColor FColor = clWindow;
  bool FPressed = false;
};
