#pragma once
// The Publish site dialog: the site's folder, its months, its public address,
// the days that "Coming up" lists and the feed's window, remembered in the
// document (which it does not own) when a publish goes through. Publishing
// shows a progress bar with Cancel, asks before replacing files that
// Quillbay did not write, and ends with a message that offers to open the
// site or its folder. The dialog exists only for one ExecutePublishDialog.
//
// The group "Upload to my web host" then sends the site over SFTP or FTP
// (with TLS, or plainly when the user allows it) and adds the upload's
// summary to the end message. The target (without any secret) is
// remembered in the document; the password is never: it comes from the
// field, the keyring or a question each time. A target that came with the
// document is confirmed once by the user (UploadTrust.h) before anything
// goes there. RepublishSite runs the same publish and upload without showing
// the dialog.

#include <QDialog>
#include <optional>
#include <string>

#include "site/Publish.h"
#include "ui/UploadDlg.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TEventList;

class TfrmPublish : public QDialog {
  Q_OBJECT
 public:
  TfrmPublish(QWidget* Parent, TEventList& EventList, const std::string& DocumentFileName);

  void LoadFromDocument();
  void StoreToDocument();
  // The options of the fields; raises EQuillbayError for a month that does
  // not read.
  TPublishOptions Options() const;
  // Publishes with the fields' options; the dialog closes when the site was
  // published. Errors are shown and the dialog stays open.
  void btnPublishClick();
  void btnBrowseClick();
  void UpdatePublishButton();
  // The upload target of the group's fields; raises EQuillbayError for fields
  // that make no valid address, and for plain FTP not allowed.
  TUploadRequest UploadRequest() const;
  // The target alone, for forgetting its password or host key.
  TUploadTarget FieldsTarget() const;
  // A whole address pasted or typed into Server fills the other fields.
  void ServerEdited();
  void UpdateUploadFields();
  void btnTestConnectionClick();
  void btnForgetPasswordClick();
  void btnForgetHostKeyClick();

  QLineEdit* edtFolder = nullptr;
  QPushButton* btnBrowse = nullptr;
  QLineEdit* edtFrom = nullptr;
  QLineEdit* edtTo = nullptr;
  QLineEdit* edtAddress = nullptr;
  QSpinBox* edtUpcoming = nullptr;
  QSpinBox* edtFeedBack = nullptr;
  QSpinBox* edtFeedAhead = nullptr;
  QPushButton* btnPublish = nullptr;
  QPushButton* btnCancel = nullptr;
  QGroupBox* grpUpload = nullptr;
  QComboBox* cbxProtocol = nullptr;  // SFTP, FTP with TLS, FTP without encryption
  QLineEdit* edtServer = nullptr;
  QLineEdit* edtUser = nullptr;
  QLineEdit* edtRemoteFolder = nullptr;
  QLineEdit* edtPassword = nullptr;
  QCheckBox* chkKeepPassword = nullptr;
  QCheckBox* chkPlainFtp = nullptr;
  QLabel* lblPlainFtpWarning = nullptr;
  QPushButton* btnTestConnection = nullptr;
  QPushButton* btnForgetPassword = nullptr;
  QPushButton* btnForgetHostKey = nullptr;

 private:
  // Runs the publish with a progress bar; false when it was cancelled.
  bool Run(TPublishOptions Options, TPublishResult& Result);
  // The end message with "Open site" and "Open folder".
  void ShowResult(const TPublishResult& Result, const std::string& Folder, const QString& Upload);
  // Uploads the published site when the group is checked; false when the
  // user stopped it at a question. Upload receives the summary.
  bool UploadSite(const std::string& Folder, QString& Upload);
  void FillUploadFields(const TUploadTarget& Target);
  // Where questions and progress show: the dialog, or its owner while hidden.
  QWidget* Owner();
  TEventList& FEventList;
  std::string FDocumentFileName;
  std::string FDocumentTarget;                     // the upload address the document came with
  std::optional<TMessage> FDocumentTargetProblem;  // why that address was refused
};

void ExecutePublishDialog(QWidget* Owner, TEventList& EventList, const std::string& DocumentFileName);
// Publishes and uploads again with the options the document remembers; a
// document never published opens the dialog instead.
void RepublishSite(QWidget* Owner, TEventList& EventList, const std::string& DocumentFileName);
