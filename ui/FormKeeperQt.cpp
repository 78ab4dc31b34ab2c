#include "ui/FormKeeperQt.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/QtText.h"

TQtKeptForm::TQtKeptForm(QWidget& Form, std::string ComponentName)
    : FForm(Form), FComponentName(std::move(ComponentName)) {}

int TQtKeptForm::Top() const { return FForm.y(); }
int TQtKeptForm::Left() const { return FForm.x(); }
int TQtKeptForm::Width() const { return FForm.width(); }
int TQtKeptForm::Height() const { return FForm.height(); }

void TQtKeptForm::SetTop(int Value) { FForm.move(FForm.x(), Value); }
void TQtKeptForm::SetLeft(int Value) { FForm.move(Value, FForm.y()); }
// The window's own minimum size still applies.
void TQtKeptForm::SetWidth(int Value) { FForm.resize(Value, FForm.height()); }
void TQtKeptForm::SetHeight(int Value) { FForm.resize(FForm.width(), Value); }

QRect FitToScreens(const QRect& Bounds, const QList<QRect>& Screens) {
  if (Screens.isEmpty()) return Bounds;
  QRect Screen = Screens.first();
  qint64 Most = 0;
  for (const QRect& S : Screens) {
    const QRect Shared = S.intersected(Bounds);
    const qint64 Area = qint64(Shared.width()) * Shared.height();
    if (Area > Most) {
      Most = Area;
      Screen = S;
    }
  }
  const QSize Size = Bounds.size().boundedTo(Screen.size());
  const int Left = std::clamp(Bounds.left(), Screen.left(), Screen.left() + Screen.width() - Size.width());
  const int Top = std::clamp(Bounds.top(), Screen.top(), Screen.top() + Screen.height() - Size.height());
  return QRect(QPoint(Left, Top), Size);
}

void TQtKeptForm::FitToScreens() {
  QList<QRect> Screens;
  for (QScreen* Screen : QGuiApplication::screens()) Screens << Screen->availableGeometry();
  if (QScreen* Primary = QGuiApplication::primaryScreen()) Screens.prepend(Primary->availableGeometry());
  const QRect Fitted = ::FitToScreens(QRect(Left(), Top(), Width(), Height()), Screens);
  FForm.move(Fitted.topLeft());
  FForm.resize(Fitted.size());
}

TFormWindowState TQtKeptForm::WindowState() const {
  const Qt::WindowStates S = FForm.windowState();
  if (S & Qt::WindowMinimized) return TFormWindowState::Minimized;
  if (S & (Qt::WindowMaximized | Qt::WindowFullScreen)) return TFormWindowState::Maximized;
  return TFormWindowState::Normal;
}

void TQtKeptForm::SetWindowState(TFormWindowState Value) {
  Qt::WindowStates S =
      FForm.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
  if (Value == TFormWindowState::Maximized) S |= Qt::WindowMaximized;
  if (Value == TFormWindowState::Minimized) S |= Qt::WindowMinimized;
  FForm.setWindowState(S);
}

QList<QLineEdit*> TQtKeptForm::EditBoxes() const {
  QList<QLineEdit*> Result;
  for (QLineEdit* Edit : FForm.findChildren<QLineEdit*>()) {
    if (Edit->objectName().isEmpty()) continue;
    bool Inner = false;
    for (QWidget* P = Edit->parentWidget(); P && P != &FForm; P = P->parentWidget())
      if (qobject_cast<QAbstractSpinBox*>(P) || qobject_cast<QComboBox*>(P)) Inner = true;
    if (!Inner) Result << Edit;
  }
  return Result;
}

QLineEdit* TQtKeptForm::EditBox(const std::string& Name) const {
  for (QLineEdit* Edit : EditBoxes())
    if (ToStdString(Edit->objectName()) == Name) return Edit;
  return nullptr;
}

std::vector<std::string> TQtKeptForm::EditBoxNames() const {
  std::vector<std::string> Names;
  for (QLineEdit* Edit : EditBoxes()) Names.push_back(ToStdString(Edit->objectName()));
  return Names;
}

std::string TQtKeptForm::EditBoxText(const std::string& Name) const {
  QLineEdit* Edit = EditBox(Name);
  return Edit ? ToStdString(Edit->text()) : std::string();
}

void TQtKeptForm::SetEditBoxText(const std::string& Name, const std::string& Text) {
  if (QLineEdit* Edit = EditBox(Name)) Edit->setText(ToQString(Text));
}
