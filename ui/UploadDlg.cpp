#include "ui/UploadDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "net/Keyring.h"
#include "net/KnownHosts.h"
#include "ui/CoreMessages.h"
#include "ui/JobProgress.h"
#include "ui/QtText.h"

namespace {

// Waits for the job with a progress dialog; Cancel ends the upload after the
// file being sent.
void WaitForUpload(QWidget* Parent, const QString& Title, TUploadJob& Job, const QString& Address,
                   TUploadJob::TMode Mode) {
  TJobWatch Watch;
  Watch.Done = [&Job] { return Job.Done(); };
  Watch.Cancel = [&Job] { Job.Cancel(); };
  Watch.Update = [&](QProgressDialog& Progress) {
    const TUploadProgress Now = Job.Progress();
    if (Mode == TUploadJob::TMode::Test || Now.FilesTotal == 0) return;
    const QLocale Locale;
    QString Text = QCoreApplication::translate("UploadDlg", "Uploading to %1\n%2 of %3 files, %4 of %5")
                       .arg(Address)
                       .arg(Now.FilesDone)
                       .arg(Now.FilesTotal)
                       .arg(Locale.formattedDataSize(static_cast<qint64>(Now.BytesDone)),
                            Locale.formattedDataSize(static_cast<qint64>(Now.BytesTotal)));
    if (Job.Cancelled())
      Text += "\n" + QCoreApplication::translate("UploadDlg", "Cancelling after the current file...");
    Progress.setLabelText(Text);
    // Bytes in kilobytes, so that a large site fits the bar's range.
    Progress.setRange(0, static_cast<int>(std::max<uint64_t>(Now.BytesTotal / 1024, 1)));
    Progress.setValue(static_cast<int>(std::min(Now.BytesDone, Now.BytesTotal) / 1024));
  };
  WaitWithProgress(Parent, "dlgUpload", Title,
                   QCoreApplication::translate("UploadDlg", "Connecting to %1...").arg(Address),
                   QCoreApplication::translate("UploadDlg", "Cancel"), Watch);
}

// Asks whether to trust an SSH server seen for the first time.
bool AskHostTrust(QWidget* Parent, const QString& Title, const TUploadTarget& Target,
                  const std::string& Fingerprint) {
  QMessageBox Box(QMessageBox::Question, Title,
                  QCoreApplication::translate(
                      "UploadDlg",
                      "The server %1 is not known yet. Its key's SHA-256 fingerprint is\n\n%2\n\nCompare it "
                      "with the fingerprint that your web host gives you. Trust this server?")
                      .arg(ToQString(KnownHostName(Target.Host, Target.Port)), ToQString(Fingerprint)),
                  QMessageBox::NoButton, Parent);
  Box.setObjectName("dlgHostKey");
  QPushButton* Trust =
      Box.addButton(QCoreApplication::translate("UploadDlg", "&Trust this server"), QMessageBox::AcceptRole);
  Box.addButton(QMessageBox::Cancel);
  Box.setDefaultButton(QMessageBox::Cancel);
  Box.exec();
  return Box.clickedButton() == Trust;
}

struct TAskedPassword {
  std::string Password;
  bool Keep = false;
};

std::optional<TAskedPassword> AskPassword(QWidget* Parent, const TUploadTarget& Target,
                                          const QString& Problem, const QString& KeyringProblem) {
  TfrmUploadPassword Dialog(Parent, ToQString(Target.Display()), Problem, KeyringProblem);
  if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TAskedPassword{ToStdString(Dialog.edtPassword->text()), Dialog.chkKeepPassword->isChecked()};
}

}  // namespace

TfrmUploadPassword::TfrmUploadPassword(QWidget* Parent, const QString& Target, const QString& Problem,
                                       const QString& KeyringProblem)
    : QDialog(Parent) {
  setObjectName("frmUploadPassword");
  setWindowTitle(tr("Password"));
  auto* Layout = new QVBoxLayout(this);
  if (!Problem.isEmpty()) {
    auto* lblProblem = new QLabel(Problem, this);
    lblProblem->setObjectName("lblProblem");
    lblProblem->setWordWrap(true);
    Layout->addWidget(lblProblem);
  }
  auto* lblTarget = new QLabel(tr("The password for %1").arg(Target), this);
  lblTarget->setWordWrap(true);
  Layout->addWidget(lblTarget);
  edtPassword = new QLineEdit(this);
  edtPassword->setObjectName("edtPassword");
  edtPassword->setEchoMode(QLineEdit::Password);
  auto* Form = new QFormLayout;
  Form->addRow(tr("&Password:"), edtPassword);
  Layout->addLayout(Form);
  chkKeepPassword = new QCheckBox(tr("&Keep the password in my keyring"), this);
  chkKeepPassword->setObjectName("chkKeepPassword");
  Layout->addWidget(chkKeepPassword);
  if (!KeyringProblem.isEmpty()) {
    chkKeepPassword->setEnabled(false);
    auto* lblKeyring = new QLabel(KeyringProblem, this);
    lblKeyring->setObjectName("lblKeyring");
    lblKeyring->setWordWrap(true);
    Layout->addWidget(lblKeyring);
  }
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  Layout->addWidget(Buttons);
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<TUploadResult> UploadWithPrompts(QWidget* Parent, const QString& Title,
                                               const TUploadRequest& Request, TUploadJob::TMode Mode,
                                               const std::string& SiteFolder, size_t* Listed) {
  const TUploadTarget& Target = Request.Target;
  const std::string KeyringName = Target.Display();
  const QString Address = ToQString(KeyringName);
  TUploadOptions Options;
  Options.InsecureFtp = Request.PlainFtp;
  Options.Password = Request.Password;
  bool KeepPassword = Request.KeepPassword && !Request.Password.empty();
  bool KeyringTried = false;
  QString KeyringProblem;
  // The keyring's password for the target, once; its failure is said when
  // the password is asked for.
  auto FromKeyring = [&]() -> bool {
    if (KeyringTried) return false;
    KeyringTried = true;
    try {
      if (std::optional<std::string> Stored = FindUploadPassword(KeyringName)) {
        Options.Password = *Stored;
        KeepPassword = false;
        return true;
      }
    } catch (const EQuillbayError& Error) {
      KeyringProblem = CoreMessageText(Error.Message());
    }
    return false;
  };
  auto Ask = [&](const QString& Problem) -> bool {
    std::optional<TAskedPassword> Asked = AskPassword(Parent, Target, Problem, KeyringProblem);
    if (!Asked) return false;
    Options.Password = Asked->Password;
    KeepPassword = Asked->Keep && !Asked->Password.empty();
    return true;
  };
  // SFTP tries keys and the agent first; FTP always needs a password.
  if (Options.Password.empty() && Target.Protocol != TUploadProtocol::Sftp && !FromKeyring() &&
      !Ask(QString()))
    return std::nullopt;

  for (;;) {
    TUploadJob Job(Target, Options, Mode, SiteFolder);
    WaitForUpload(Parent, Title, Job, Address, Mode);
    // A test cancelled while it connects has nothing to tell.
    if (Mode == TUploadJob::TMode::Test && Job.Cancelled()) return std::nullopt;
    try {
      TUploadResult Result = Job.Take();
      if (Listed) *Listed = Job.Listed();
      if (Job.KnownHostsProblem())
        QMessageBox::warning(
            Parent, Title,
            QCoreApplication::translate(
                "UploadDlg", "The server's key was accepted for this upload but could not be kept: %1")
                .arg(CoreMessageText(*Job.KnownHostsProblem())));
      if (KeepPassword) {
        try {
          StoreUploadPassword(KeyringName, Options.Password);
        } catch (const EQuillbayError& Error) {
          QMessageBox::warning(
              Parent, Title,
              QCoreApplication::translate("UploadDlg", "The password could not be kept in the keyring: %1")
                  .arg(CoreMessageText(Error.Message())));
        }
      }
      return Result;
    } catch (const EUploadError& Error) {
      if (Error.Kind() == TUploadFailure::HostKey && !Error.Fingerprint().empty() &&
          Options.AcceptedHostKey.empty()) {
        if (!AskHostTrust(Parent, Title, Target, Error.Fingerprint())) return std::nullopt;
        Options.AcceptedHostKey = Error.Fingerprint();
        continue;
      }
      if (Error.Kind() != TUploadFailure::Login) throw;
      // Keys and the agent did not do: the keyring's password, else the user's.
      if (Options.Password.empty() && FromKeyring()) continue;
      if (!Ask(CoreMessageText(Error.Message()))) return std::nullopt;
    }
  }
}

QString UploadSummaryText(const TUploadResult& Result) {
  if (Result.Cancelled)
    return Result.Sent == 1 ? QCoreApplication::translate(
                                  "UploadDlg", "Cancelled after uploading 1 file, %1 unchanged, %2 removed")
                                  .arg(Result.Unchanged)
                                  .arg(Result.Removed)
                            : QCoreApplication::translate(
                                  "UploadDlg", "Cancelled after uploading %1 files, %2 unchanged, %3 removed")
                                  .arg(Result.Sent)
                                  .arg(Result.Unchanged)
                                  .arg(Result.Removed);
  return Result.Sent == 1
             ? QCoreApplication::translate("UploadDlg", "Uploaded 1 file, %1 unchanged, %2 removed")
                   .arg(Result.Unchanged)
                   .arg(Result.Removed)
             : QCoreApplication::translate("UploadDlg", "Uploaded %1 files, %2 unchanged, %3 removed")
                   .arg(Result.Sent)
                   .arg(Result.Unchanged)
                   .arg(Result.Removed);
}
