#pragma once
// The steps of an upload that need a window: the password dialog, the
// question about an SSH server seen for the first time, the wait for the
// upload with its progress (files and bytes) and Cancel, and the summary's
// text. The upload itself runs on a thread of its own (TUploadJob), so the
// window never freezes. Passwords go from the fields, the password dialog or
// the keyring to the connection and, when the user asks, to the keyring:
// never to the document, the settings or a log.

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

#include "net/UploadJob.h"

class QCheckBox;
class QLabel;
class QLineEdit;

// Asks for the password of a target, with "Keep the password in my keyring"
// (disabled, with the reason, when the keyring cannot be used).
class TfrmUploadPassword : public QDialog {
  Q_OBJECT
 public:
  TfrmUploadPassword(QWidget* Parent, const QString& Target, const QString& Problem,
                     const QString& KeyringProblem);
  QLineEdit* edtPassword = nullptr;
  QCheckBox* chkKeepPassword = nullptr;
};

// What an upload starts from: the target, whether plain FTP is allowed, and
// the password of the dialog's field (empty: the keyring, SSH keys and the
// agent, or the password dialog) with whether to keep it.
struct TUploadRequest {
  TUploadTarget Target;
  bool PlainFtp = false;
  std::string Password;
  bool KeepPassword = false;
};

// Runs an upload (or a connection test) with a progress dialog, asking for a
// password when the login needs one and about an unknown SSH server's key.
// Nothing when the user cancelled a question; a result with Cancelled when
// the upload was cancelled. Raises the upload's error (a changed or revoked
// host key among them, which no answer here can override).
std::optional<TUploadResult> UploadWithPrompts(QWidget* Parent, const QString& Title,
                                               const TUploadRequest& Request, TUploadJob::TMode Mode,
                                               const std::string& SiteFolder = {}, size_t* Listed = nullptr);

// "Uploaded 3 files, 361 unchanged, 1 removed", in the window's language.
QString UploadSummaryText(const TUploadResult& Result);
