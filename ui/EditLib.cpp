#include "ui/EditLib.h"

#include <QColorDialog>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QToolButton>

#include <limits>

#include "platform/Platform.h"

QString ItemValue(const QComboBox& Box, int Index) {
  const QVariant Data = Box.itemData(Index);
  return Data.isValid() ? Data.toString() : Box.itemText(Index);
}

int FindItemIgnoringCase(const QComboBox& Box, const QString& Value) {
  for (int I = 0; I < Box.count(); ++I)
    if (ItemValue(Box, I).compare(Value, Qt::CaseInsensitive) == 0) return I;
  return -1;
}

QString SelectedValue(const QComboBox& Box) {
  return Box.currentIndex() < 0 ? QString() : ItemValue(Box, Box.currentIndex());
}

QColor ColorToQColor(TColor Color) {
  uint32_t Value = static_cast<uint32_t>(Color);
  if (Value >= 0x80000000u) Value = Platform().SystemColorRGB(static_cast<int>(Value & 0xFFu));
  return QColor(Value & 0xFF, (Value >> 8) & 0xFF, (Value >> 16) & 0xFF);
}

TColor QColorToColor(const QColor& Color) {
  const QColor Rgb = Color.toRgb();
  return static_cast<TColor>(Rgb.red() | (Rgb.green() << 8) | (Rgb.blue() << 16));
}

int32_t ReadNaturalValue(const QString& Text, int32_t MinValue, int32_t MaxValue) {
  int64_t Number = 0;
  int Pos = 0;
  const int Length = Text.size();
  while (Pos < Length && Text[Pos] == u' ') ++Pos;
  bool Negative = false;
  if (Pos < Length && (Text[Pos] == u'-' || Text[Pos] == u'+')) {
    Negative = Text[Pos] == u'-';
    ++Pos;
  }
  bool Valid = Pos < Length;
  for (; Valid && Pos < Length; ++Pos) {
    const char16_t Ch = Text[Pos].unicode();
    if (Ch < u'0' || Ch > u'9') {
      Valid = false;
      break;
    }
    Number = Number * 10 + (Ch - u'0');
    if (Number > int64_t{std::numeric_limits<int32_t>::max()} + 1) Valid = false;
  }
  if (Valid) {
    if (Negative) Number = -Number;
    if (Number < std::numeric_limits<int32_t>::min() || Number > std::numeric_limits<int32_t>::max())
      Valid = false;
  }
  int32_t Result = Valid ? static_cast<int32_t>(Number) : 0;
  if (Result < MinValue) Result = MinValue;
  if (Result > MaxValue) Result = MaxValue;
  return Result;
}

namespace {

constexpr int NaturalEditHeight = 20;
constexpr int StepperWidth = 15;

// Keys that a dialog or the edit box handles and that never reach the
// character filter.
bool IsDialogOrEditingKey(int Key) {
  switch (Key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return false;
    default:
      return true;
  }
}

// The character that a key press types, or a null character when it types
// none. Control with a letter types the control character (Ctrl+V is 22),
// whatever text the platform attaches.
QChar TypedCharacter(const QKeyEvent& Event) {
  const int Key = Event.key();
  if (!IsDialogOrEditingKey(Key)) return QChar();
  if (Key == Qt::Key_Backspace) return QChar(8);
  const Qt::KeyboardModifiers Mods = Event.modifiers();
  if ((Mods & Qt::ControlModifier) && !(Mods & Qt::AltModifier) && Key >= Qt::Key_A && Key <= Qt::Key_Z)
    return QChar(Key - Qt::Key_A + 1);
  const QString Text = Event.text();
  if (Text.isEmpty()) return QChar();
  return Text[0];
}

}  // namespace

TNaturalEdit::TNaturalEdit(QWidget* Parent) : QLineEdit(Parent) {
  setText(QStringLiteral("0"));
  FUpButton = new QToolButton(this);
  FDownButton = new QToolButton(this);
  for (QToolButton* Button : {FUpButton, FDownButton}) {
    Button->setFocusPolicy(Qt::NoFocus);
    Button->setAutoRepeat(true);
    Button->setCursor(Qt::ArrowCursor);
    Button->setIconSize(QSize(7, 5));
  }
  FUpButton->setArrowType(Qt::UpArrow);
  FDownButton->setArrowType(Qt::DownArrow);
  FUpButton->setAccessibleName(tr("Step up"));
  FDownButton->setAccessibleName(tr("Step down"));
  connect(FUpButton, &QToolButton::clicked, this, [this] { StepperClicked(true); });
  connect(FDownButton, &QToolButton::clicked, this, [this] { StepperClicked(false); });
  setTextMargins(0, 0, StepperWidth, 0);
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (OnChange) OnChange(*this);
  });
  resize(121, NaturalEditHeight);
}

void TNaturalEdit::SetMinValue(int32_t Value) {
  FMinValue = Value;
  if (this->Value() < FMinValue) SetValue(FMinValue);
}

void TNaturalEdit::SetMaxValue(int32_t Value) {
  FMaxValue = Value;
  if (this->Value() > FMaxValue) SetValue(FMaxValue);
}

int32_t TNaturalEdit::Value() const { return ReadNaturalValue(text(), FMinValue, FMaxValue); }

void TNaturalEdit::SetValue(int32_t Value) { setText(QString::number(Value)); }

bool TNaturalEdit::StepUp() {
  const int32_t Current = Value();
  if (Current >= FMaxValue) return false;
  SetValue(Current + 1);
  return true;
}

bool TNaturalEdit::StepDown() {
  const int32_t Current = Value();
  if (Current <= FMinValue) return false;
  SetValue(Current - 1);
  return true;
}

int TNaturalEdit::CaretPosition() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void TNaturalEdit::RestoreCaret(int Position) {
  if (CaretPosition() != Position || hasSelectedText()) setCursorPosition(Position);
}

void TNaturalEdit::StepperClicked(bool Up) {
  const int Noted = CaretPosition();
  if (Up)
    StepUp();
  else
    StepDown();
  if (CaretPosition() != Noted) RestoreCaret(Noted);
}

void TNaturalEdit::keyPressEvent(QKeyEvent* Event) {
  const int Noted = CaretPosition();
  int Key = Event->key();
  if (OnKeyDown) OnKeyDown(*this, Key, Event->modifiers());
  bool Stepped = false;
  if (Key == Qt::Key_Up) Stepped = StepUp();
  if (Key == Qt::Key_Down) Stepped = StepDown();
  if (CaretPosition() != Noted) RestoreCaret(Noted);
  if (Key == 0 || Stepped) {
    Event->accept();
    return;
  }

  const QChar Typed = TypedCharacter(*Event);
  if (Typed.isNull()) {
    QLineEdit::keyPressEvent(Event);
    return;
  }
  QChar Ch = Typed;
  if (OnKeyPress) OnKeyPress(*this, Ch);
  Event->accept();
  const bool IsDigit = Ch >= u'0' && Ch <= u'9';
  if (Ch == QChar(8)) {
    if (isReadOnly()) return;
    if (Ch == Typed) {
      QLineEdit::keyPressEvent(Event);
      return;
    }
    backspace();
    return;
  }
  if (!IsDigit || isReadOnly()) return;
  if (FMaxLength > 0 && text().size() - selectedText().size() >= FMaxLength) return;
  insert(QString(Ch));
}

void TNaturalEdit::resizeEvent(QResizeEvent* Event) {
  QLineEdit::resizeEvent(Event);
  const int Frame = 1;
  const int Inner = height() - 2 * Frame;
  const int UpHeight = Inner / 2;
  FUpButton->setGeometry(width() - StepperWidth - Frame, Frame, StepperWidth, UpHeight);
  FDownButton->setGeometry(width() - StepperWidth - Frame, Frame + UpHeight, StepperWidth, Inner - UpHeight);
}

QSize TNaturalEdit::sizeHint() const {
  const QSize Base = QLineEdit::sizeHint();
  return QSize(Base.width(), std::max(NaturalEditHeight, Base.height()));
}

QSize TNaturalEdit::minimumSizeHint() const {
  const QSize Base = QLineEdit::minimumSizeHint();
  return QSize(Base.width() + StepperWidth, std::max(NaturalEditHeight, Base.height()));
}

TColorDialogHook TColorEdit::ColorDialogHook;

TColorEdit::TColorEdit(QWidget* Parent) : QWidget(Parent) {
  // Tab reaches the swatch; Space or Enter opens the dialog as a click does.
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  resize(50, 21);
}

void TColorEdit::SetColor(TColor Value) {
  FColor = Value;
  update();
}

QSize TColorEdit::sizeHint() const { return QSize(50, 21); }

QColor SwatchColor(const QColor& Color, bool Enabled, const QColor& Background) {
  if (Enabled) return Color;
  // A third of the colour over the window's background, as disabled text is.
  const auto Mix = [](int C, int B) { return (C + 2 * B) / 3; };
  return QColor(Mix(Color.red(), Background.red()), Mix(Color.green(), Background.green()),
                Mix(Color.blue(), Background.blue()));
}

void TColorEdit::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  Painter.fillRect(rect(),
                   SwatchColor(ColorToQColor(FColor), isEnabled(), palette().color(QPalette::Window)));
  // The frame in the palette's text colour, so that it shows on dark desktops too.
  Painter.setPen(
      QPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText), 1));
  Painter.setBrush(Qt::NoBrush);
  Painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (hasFocus()) {
    // A dotted ring inside the frame while the swatch has the focus.
    Painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    Painter.drawRect(rect().adjusted(2, 2, -3, -3));
  }
}

void TColorEdit::keyPressEvent(QKeyEvent* Event) {
  switch (Event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Event->accept();
      Click();
      return;
    default:
      QWidget::keyPressEvent(Event);
  }
}

void TColorEdit::mousePressEvent(QMouseEvent* Event) {
  QWidget::mousePressEvent(Event);
  if (Event->button() != Qt::LeftButton) return;
  FPressed = true;
  setFocus(Qt::MouseFocusReason);
}

void TColorEdit::mouseReleaseEvent(QMouseEvent* Event) {
  QWidget::mouseReleaseEvent(Event);
  if (Event->button() != Qt::LeftButton || !FPressed) return;
  FPressed = false;
  if (rect().contains(Event->position().toPoint())) Click();
}

void TColorEdit::Click() {
  std::optional<TColor> Chosen;
  if (ColorDialogHook) {
    Chosen = ColorDialogHook(this, FColor);
  } else {
    // The custom colours start empty each time.
    for (int I = 0; I < QColorDialog::customCount(); ++I) QColorDialog::setCustomColor(I, Qt::white);
    QPointer<QColorDialog> Dialog = new QColorDialog(ColorToQColor(FColor), this);
    Dialog->setWindowTitle(tr("Color"));
    const bool Confirmed = Dialog->exec() == QDialog::Accepted;
    if (!Dialog) return;
    if (Confirmed) Chosen = QColorToColor(Dialog->selectedColor());
    delete Dialog;
  }
  if (!Chosen) return;
  SetColor(*Chosen);
  if (OnChange) OnChange(*this);
}
