#include "ui/QtDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

namespace {
QString Q(const std::string& S) { return QString::fromStdString(S); }

QMessageBox::StandardButton ToQt(TMsgResult R) {
  switch (R) {
    case TMsgResult::OK:
      return QMessageBox::Ok;
    case TMsgResult::Yes:
      return QMessageBox::Yes;
    case TMsgResult::No:
      return QMessageBox::No;
    case TMsgResult::Cancel:
      return QMessageBox::Cancel;
  }
  return QMessageBox::NoButton;
}

QMessageBox::Icon ToQt(TMsgIcon I) {
  switch (I) {
    case TMsgIcon::Information:
      return QMessageBox::Information;
    case TMsgIcon::Warning:
      return QMessageBox::Warning;
    case TMsgIcon::Question:
      return QMessageBox::Question;
    case TMsgIcon::Error:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// Prepares a file dialog with the request's title, filter, folder and name.
void Configure(QFileDialog& D, const TFileDialogRequest& R) {
  if (!R.Title.empty()) D.setWindowTitle(Q(R.Title));
  const QStringList Filters = FilterToNameFilters(R.Filter);
  if (!Filters.isEmpty()) {
    D.setNameFilters(Filters);
    const int Index = R.FilterIndex >= 1 && R.FilterIndex <= Filters.size() ? R.FilterIndex - 1 : 0;
    D.selectNameFilter(Filters[Index]);
  }
  D.setDefaultSuffix(Q(R.DefaultExt));
  if (!R.InitialDir.empty()) D.setDirectory(Q(R.InitialDir));
  if (!R.FileName.empty()) D.selectFile(Q(R.FileName));
  D.setSizeGripEnabled(R.Resizable);
}

std::optional<std::string> Run(QFileDialog& D) {
  if (D.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList Files = D.selectedFiles();
  if (Files.isEmpty()) return std::nullopt;
  return Files.first().toStdString();
}
}  // namespace

QStringList FilterToNameFilters(const std::string& Filter) {
  const QStringList Parts = Q(Filter).split('|');
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

TMsgResult TQtDialogs::MessageBox(const TMessageRequest& Request) {
  QMessageBox Box(QApplication::activeWindow());
  Box.setWindowTitle(Q(Request.Caption));
  Box.setText(Q(Request.Text));
  Box.setIcon(ToQt(Request.Icon));
  switch (Request.Buttons) {
    case TMsgButtons::OK:
      Box.setStandardButtons(QMessageBox::Ok);
      break;
    case TMsgButtons::YesNo:
      Box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case TMsgButtons::YesNoCancel:
      Box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  if (QAbstractButton* Default = Box.button(ToQt(Request.DefaultButton)))
    Box.setDefaultButton(static_cast<QPushButton*>(Default));
  if (QAbstractButton* Escape = Box.button(ToQt(Request.EscapeResult))) Box.setEscapeButton(Escape);
  Box.exec();
  QAbstractButton* Clicked = Box.clickedButton();
  if (!Clicked) return Request.EscapeResult;
  switch (Box.standardButton(Clicked)) {
    case QMessageBox::Yes:
      return TMsgResult::Yes;
    case QMessageBox::No:
      return TMsgResult::No;
    case QMessageBox::Cancel:
      return TMsgResult::Cancel;
    case QMessageBox::Ok:
      return TMsgResult::OK;
    default:
      return Request.EscapeResult;
  }
}

std::optional<std::string> TQtDialogs::OpenFile(const TFileDialogRequest& Request) {
  QFileDialog D(QApplication::activeWindow());
  D.setAcceptMode(QFileDialog::AcceptOpen);
  D.setFileMode(Request.MustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  Configure(D, Request);
  return Run(D);
}

std::optional<std::string> TQtDialogs::SaveFile(const TFileDialogRequest& Request) {
  QFileDialog D(QApplication::activeWindow());
  D.setAcceptMode(QFileDialog::AcceptSave);
  D.setFileMode(QFileDialog::AnyFile);
  D.setOption(QFileDialog::DontConfirmOverwrite, !Request.PromptOverwrite);
  Configure(D, Request);
  return Run(D);
}

std::optional<std::string> TQtDialogs::InputBox(const std::string& Title, const std::string& Prompt,
                                                const std::string& Initial) {
  bool Ok = false;
  const QString Text = QInputDialog::getText(QApplication::activeWindow(), Q(Title), Q(Prompt),
                                             QLineEdit::Normal, Q(Initial), &Ok);
  if (!Ok) return std::nullopt;
  return Text.toStdString();
}

void TQtDialogs::ProcessMessages() { QCoreApplication::processEvents(); }

void ShowError(const std::exception& Error) {
  TMessageRequest R;
  R.Caption = "Quillbay";
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
    ShowError(std::runtime_error("An unexpected error occurred"));
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
void TFindDialog::SetFindText(const QString& Text) { edtFind->setText(Text); }
bool TFindDialog::MatchCase() const { return cbxMatchCase->isChecked(); }
void TFindDialog::SetMatchCase(bool Value) { cbxMatchCase->setChecked(Value); }
