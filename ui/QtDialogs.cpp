#include "ui/QtDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <utility>

#include "platform/Errors.h"
#include "ui/CoreMessages.h"
#include "ui/QtText.h"

namespace {

// The core's answers, icons and button sets beside Qt's.
constexpr std::pair<TMsgResult, QMessageBox::StandardButton> Results[] = {
    {TMsgResult::OK, QMessageBox::Ok},
    {TMsgResult::Yes, QMessageBox::Yes},
    {TMsgResult::No, QMessageBox::No},
    {TMsgResult::Cancel, QMessageBox::Cancel}};
constexpr std::pair<TMsgIcon, QMessageBox::Icon> Icons[] = {{TMsgIcon::Information, QMessageBox::Information},
                                                            {TMsgIcon::Warning, QMessageBox::Warning},
                                                            {TMsgIcon::Question, QMessageBox::Question},
                                                            {TMsgIcon::Error, QMessageBox::Critical}};
const std::pair<TMsgButtons, QMessageBox::StandardButtons> ButtonSets[] = {
    {TMsgButtons::OK, QMessageBox::Ok},
    {TMsgButtons::YesNo, QMessageBox::Yes | QMessageBox::No},
    {TMsgButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel}};

// The value paired with Key, or Missing.
template <class TKey, class TValue, size_t N>
TValue Lookup(const std::pair<TKey, TValue> (&Table)[N], TKey Key, TValue Missing) {
  for (const auto& [Each, Value] : Table)
    if (Each == Key) return Value;
  return Missing;
}

QMessageBox::StandardButton ToQt(TMsgResult Result) { return Lookup(Results, Result, QMessageBox::NoButton); }

// "Calendar Files|*.qby|All Files|*.*" as Qt's name filters
// ("Calendar Files (*.qby)", "All Files (*)"); a trailing odd entry is dropped.
QStringList FilterToNameFilters(const std::string& Filter) {
  const QStringList Parts = ToQString(Filter).split('|');
  QStringList Result;
  for (int i = 0; i + 1 < Parts.size(); i += 2) {
    QStringList Patterns = Parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& P : Patterns) {
      P = P.trimmed();
      if (P == "*.*") P = "*";
    }
    Result << QStringLiteral("%1 (%2)").arg(Parts[i], Patterns.join(' '));
  }
  return Result;
}

// The window that the program's dialogs belong to and are centred on: the
// open modal dialog, else the main window. Not the find dialog, which is
// often the active window, and not the middle of the screen.
QWidget* DialogParent() {
  if (QWidget* Modal = QApplication::activeModalWidget()) return Modal;
  for (QWidget* Window : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(Window) && Window->isVisible()) return Window;
  return QApplication::activeWindow();
}

// A file dialog starts in the requested folder when there is one, else in the
// user's home folder (never in the folder the program was started from).
QString StartFolder(const std::string& InitialDir) {
  const QString Folder = ToQString(InitialDir);
  if (!Folder.isEmpty() && QFileInfo(Folder).isDir()) return Folder;
  return QDir::homePath();
}

// Prepares a file dialog with the request's title, filter, folder and name.
void Configure(QFileDialog& D, const TFileDialogRequest& R) {
  if (!R.Title.empty()) D.setWindowTitle(ToQString(R.Title));
  const QStringList Filters = FilterToNameFilters(R.Filter);
  if (!Filters.isEmpty()) {
    D.setNameFilters(Filters);
    const int Index = R.FilterIndex >= 1 && R.FilterIndex <= Filters.size() ? R.FilterIndex - 1 : 0;
    D.selectNameFilter(Filters[Index]);
  }
  D.setDefaultSuffix(ToQString(R.DefaultExt));
  D.setDirectory(StartFolder(R.InitialDir));
  if (!R.FileName.empty()) D.selectFile(ToQString(R.FileName));
  D.setSizeGripEnabled(R.Resizable);
}

std::optional<std::string> Run(QFileDialog& D) {
  if (D.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList Files = D.selectedFiles();
  if (Files.isEmpty()) return std::nullopt;
  return ToStdString(Files.first());
}
}  // namespace

TMsgResult TQtDialogs::MessageBox(const TMessageRequest& Request) {
  QMessageBox Box(DialogParent());
  Box.setWindowTitle(Request.CaptionMessage ? CoreMessageText(*Request.CaptionMessage)
                                            : ToQString(Request.Caption));
  Box.setText(Request.TextMessage ? CoreMessageText(*Request.TextMessage) : ToQString(Request.Text));
  Box.setIcon(Lookup(Icons, Request.Icon, QMessageBox::NoIcon));
  Box.setStandardButtons(Lookup(ButtonSets, Request.Buttons, QMessageBox::StandardButtons()));
  if (QAbstractButton* Default = Box.button(ToQt(Request.DefaultButton)))
    Box.setDefaultButton(static_cast<QPushButton*>(Default));
  if (QAbstractButton* Escape = Box.button(ToQt(Request.EscapeResult))) Box.setEscapeButton(Escape);
  Box.exec();
  const QMessageBox::StandardButton Clicked =
      Box.clickedButton() ? Box.standardButton(Box.clickedButton()) : QMessageBox::NoButton;
  for (const auto& [Result, Button] : Results)
    if (Button == Clicked) return Result;
  return Request.EscapeResult;
}

std::optional<std::string> TQtDialogs::OpenFile(const TFileDialogRequest& Request) {
  QFileDialog D(DialogParent());
  D.setAcceptMode(QFileDialog::AcceptOpen);
  D.setFileMode(Request.MustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  Configure(D, Request);
  return Run(D);
}

std::optional<std::string> TQtDialogs::SaveFile(const TFileDialogRequest& Request) {
  QFileDialog D(DialogParent());
  D.setAcceptMode(QFileDialog::AcceptSave);
  D.setFileMode(QFileDialog::AnyFile);
  D.setOption(QFileDialog::DontConfirmOverwrite, !Request.PromptOverwrite);
  Configure(D, Request);
  return Run(D);
}

std::optional<std::string> TQtDialogs::InputBox(const std::string& Title, const std::string& Prompt,
                                                const std::string& Initial) {
  bool Ok = false;
  const QString Text = QInputDialog::getText(DialogParent(), ToQString(Title), ToQString(Prompt),
                                             QLineEdit::Normal, ToQString(Initial), &Ok);
  if (!Ok) return std::nullopt;
  return ToStdString(Text);
}

void TQtDialogs::ProcessMessages() { QCoreApplication::processEvents(); }

void ShowError(const std::exception& Error) {
  TMessageRequest R;
  R.Caption = "Quillbay";
  if (const auto* Core = dynamic_cast<const EQuillbayError*>(&Error))
    R.SetText(Core->Message());
  else
    R.Text = Error.what();
  R.Icon = TMsgIcon::Error;
  R.Buttons = TMsgButtons::OK;
  try {
    UserDialogs().MessageBox(R);
  } catch (...) {
    // Showing must not fail in turn: the text still reaches the terminal.
    std::fprintf(stderr, "Quillbay: %s\n", Error.what());
  }
}

bool RunGuarded(const std::function<void()>& Handler) {
  try {
    Handler();
    return true;
  } catch (const std::exception& E) {
    ShowError(E);
  } catch (...) {
    ShowError(EQuillbayError(TMessageId::UnexpectedError));
  }
  return false;
}

TFindDialog::TFindDialog(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(tr("Find"));
  setModal(false);
  auto* lblFind = new QLabel(tr("Fi&nd what:"), this);
  edtFind = new QLineEdit(this);
  lblFind->setBuddy(edtFind);
  cbxMatchCase = new QCheckBox(tr("Match &case"), this);
  btnFindNext = new QPushButton(tr("&Find Next"), this);
  btnFindNext->setDefault(true);
  btnFindNext->setEnabled(false);
  btnCancel = new QPushButton(tr("Cancel"), this);

  auto* Fields = new QGridLayout;
  Fields->addWidget(lblFind, 0, 0);
  Fields->addWidget(edtFind, 0, 1);
  Fields->addWidget(cbxMatchCase, 1, 0, 1, 2);
  auto* Buttons = new QVBoxLayout;
  Buttons->addWidget(btnFindNext);
  Buttons->addWidget(btnCancel);
  Buttons->addStretch();
  auto* Main = new QHBoxLayout(this);
  Main->addLayout(Fields, 1);
  Main->addLayout(Buttons);
  edtFind->setMinimumWidth(220);

  connect(edtFind, &QLineEdit::textChanged, this,
          [this](const QString& Text) { btnFindNext->setEnabled(!Text.isEmpty()); });
  connect(btnFindNext, &QPushButton::clicked, this, [this] {
    if (OnFind) RunGuarded([this] { OnFind(*this); });
  });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
}

QString TFindDialog::FindText() const { return edtFind->text(); }
bool TFindDialog::MatchCase() const { return cbxMatchCase->isChecked(); }
