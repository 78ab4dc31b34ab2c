// How it works: the dialog moves the document's site options and upload
// target into its fields and back (LoadFromDocument, StoreToDocument). Publish
// checks the fields, publishes with a progress bar (asking before it replaces
// a file that Quillbay did not write), stores the options in the document and,
// when the upload group is ticked, confirms a target that came with the
// document (UploadTrust.h) and hands the upload to UploadWithPrompts, whose
// summary joins the end message. Questions and progress go to the dialog, or
// to its owner while the dialog is hidden (RepublishSite).
#include "ui/PublishDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/EventList.h"
#include "net/Keyring.h"
#include "net/KnownHosts.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "project/UploadTrust.h"
#include "ui/CoreMessages.h"
#include "ui/QtDialogs.h"
#include "ui/QtText.h"

namespace {
QSpinBox* MakeSpinBox(QWidget* Parent, const char* Name, int Maximum) {
  auto* Box = new QSpinBox(Parent);
  Box->setObjectName(QString::fromLatin1(Name));
  Box->setRange(0, Maximum);
  return Box;
}

QLineEdit* MakeLineEdit(QWidget* Parent, const char* Name) {
  auto* Edit = new QLineEdit(Parent);
  Edit->setObjectName(QString::fromLatin1(Name));
  return Edit;
}

// The protocol list's rows, in the order of TUploadScheme.
TUploadScheme SchemeOfRow(int Row) {
  return Row == 2 ? TUploadScheme::Ftp : Row == 1 ? TUploadScheme::Ftps : TUploadScheme::Sftp;
}

QLineEdit* MakeMonthEdit(QWidget* Parent, const char* Name) {
  auto* Edit = new QLineEdit(Parent);
  Edit->setObjectName(QString::fromLatin1(Name));
  Edit->setMaxLength(7);
  Edit->setInputMask(QString());
  return Edit;
}
}  // namespace

TfrmPublish::TfrmPublish(QWidget* Parent, TEventList& EventList, const std::string& DocumentFileName)
    : QDialog(Parent), FEventList(EventList), FDocumentFileName(DocumentFileName) {
  setObjectName(QStringLiteral("frmPublish"));
  setWindowTitle(tr("Publish Site"));
  edtFolder = new QLineEdit(this);
  edtFolder->setObjectName(QStringLiteral("edtFolder"));
  btnBrowse = new QPushButton(tr("&Browse..."), this);
  edtFrom = MakeMonthEdit(this, "edtFrom");
  edtTo = MakeMonthEdit(this, "edtTo");
  edtAddress = new QLineEdit(this);
  edtAddress->setObjectName(QStringLiteral("edtAddress"));
  edtAddress->setPlaceholderText(QStringLiteral("https://example.org/calendar/"));
  edtUpcoming = MakeSpinBox(this, "edtUpcoming", MaxUpcomingDays);
  edtFeedBack = MakeSpinBox(this, "edtFeedBack", MaxFeedMonths);
  edtFeedAhead = MakeSpinBox(this, "edtFeedAhead", MaxFeedMonths);
  auto* Buttons = new QDialogButtonBox(this);
  btnPublish = Buttons->addButton(tr("&Publish"), QDialogButtonBox::AcceptRole);
  btnCancel = Buttons->addButton(QDialogButtonBox::Cancel);

  auto* FolderRow = new QHBoxLayout;
  FolderRow->addWidget(edtFolder, 1);
  FolderRow->addWidget(btnBrowse);
  auto* MonthRow = new QHBoxLayout;
  MonthRow->addWidget(edtFrom);
  MonthRow->addWidget(new QLabel(tr("to"), this));
  MonthRow->addWidget(edtTo);
  MonthRow->addStretch(1);
  auto* FeedRow = new QHBoxLayout;
  FeedRow->addWidget(edtFeedBack);
  FeedRow->addWidget(new QLabel(tr("months back,"), this));
  FeedRow->addWidget(edtFeedAhead);
  FeedRow->addWidget(new QLabel(tr("months ahead"), this));
  FeedRow->addStretch(1);
  auto* Form = new QFormLayout;
  auto* lblFolder = new QLabel(tr("&Folder:"));
  lblFolder->setBuddy(edtFolder);
  Form->addRow(lblFolder, FolderRow);
  auto* lblMonths = new QLabel(tr("&Months (YYYY-MM):"), this);
  lblMonths->setBuddy(edtFrom);
  Form->addRow(lblMonths, MonthRow);
  auto* lblDefault = new QLabel(tr("Leave the months empty for every month from the first to the last with "
                                   "text, always with this year."),
                                this);
  lblDefault->setWordWrap(true);
  Form->addRow(QString(), lblDefault);
  Form->addRow(tr("Public &address:"), edtAddress);
  Form->addRow(tr("&Coming up (days):"), edtUpcoming);
  auto* lblFeed = new QLabel(tr("Fee&d:"), this);
  lblFeed->setBuddy(edtFeedBack);
  Form->addRow(lblFeed, FeedRow);

  grpUpload = new QGroupBox(tr("&Upload to my web host"), this);
  grpUpload->setObjectName("grpUpload");
  grpUpload->setCheckable(true);
  grpUpload->setChecked(false);
  cbxProtocol = new QComboBox(grpUpload);
  cbxProtocol->setObjectName("cbxProtocol");
  cbxProtocol->addItems({tr("SFTP"), tr("FTP with TLS"), tr("FTP without encryption")});
  edtServer = MakeLineEdit(grpUpload, "edtServer");
  edtServer->setPlaceholderText(tr("host or host:port"));
  edtUser = MakeLineEdit(grpUpload, "edtUser");
  edtRemoteFolder = MakeLineEdit(grpUpload, "edtRemoteFolder");
  edtPassword = MakeLineEdit(grpUpload, "edtPassword");
  edtPassword->setEchoMode(QLineEdit::Password);
  chkKeepPassword = new QCheckBox(tr("&Keep the password in my keyring"), grpUpload);
  chkKeepPassword->setObjectName("chkKeepPassword");
  chkPlainFtp = new QCheckBox(tr("Send my password u&nencrypted"), grpUpload);
  chkPlainFtp->setObjectName("chkPlainFtp");
  lblPlainFtpWarning = new QLabel(tr("Anyone on the network path between you and the server can read your "
                                     "password and your pages."),
                                  grpUpload);
  lblPlainFtpWarning->setObjectName("lblPlainFtpWarning");
  lblPlainFtpWarning->setWordWrap(true);
  btnTestConnection = new QPushButton(tr("&Test connection"), grpUpload);
  btnTestConnection->setObjectName("btnTestConnection");
  btnForgetPassword = new QPushButton(tr("F&orget password"), grpUpload);
  btnForgetPassword->setObjectName("btnForgetPassword");
  btnForgetHostKey = new QPushButton(tr("Forget &host key"), grpUpload);
  btnForgetHostKey->setObjectName("btnForgetHostKey");
  auto* UploadForm = new QFormLayout;
  UploadForm->addRow(tr("Protoco&l:"), cbxProtocol);
  UploadForm->addRow(tr("&Server:"), edtServer);
  UploadForm->addRow(tr("Us&er:"), edtUser);
  UploadForm->addRow(tr("&Remote folder:"), edtRemoteFolder);
  UploadForm->addRow(tr("Pass&word:"), edtPassword);
  auto* UploadButtons = new QHBoxLayout;
  UploadButtons->addWidget(btnTestConnection);
  UploadButtons->addWidget(btnForgetPassword);
  UploadButtons->addWidget(btnForgetHostKey);
  UploadButtons->addStretch(1);
  auto* UploadLayout = new QVBoxLayout(grpUpload);
  UploadLayout->addLayout(UploadForm);
  UploadLayout->addWidget(chkKeepPassword);
  UploadLayout->addWidget(chkPlainFtp);
  UploadLayout->addWidget(lblPlainFtpWarning);
  UploadLayout->addLayout(UploadButtons);

  auto* Layout = new QVBoxLayout(this);
  // The group's rows come and go with the protocol: the dialog grows with them.
  Layout->setSizeConstraint(QLayout::SetMinimumSize);
  Layout->addLayout(Form);
  Layout->addWidget(grpUpload);
  Layout->addWidget(Buttons);

  connect(btnPublish, &QPushButton::clicked, this, [this] { RunGuarded([this] { btnPublishClick(); }); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnBrowse, &QPushButton::clicked, this, &TfrmPublish::btnBrowseClick);
  connect(edtFolder, &QLineEdit::textChanged, this, &TfrmPublish::UpdatePublishButton);
  connect(cbxProtocol, &QComboBox::currentIndexChanged, this, &TfrmPublish::UpdateUploadFields);
  connect(edtServer, &QLineEdit::textEdited, this, &TfrmPublish::ServerEdited);
  connect(edtServer, &QLineEdit::editingFinished, this, [this] {
    // What still looks like an address once the user leaves the field is not one.
    if (edtServer->text().contains(QLatin1String("://")))
      RunGuarded([this] { ParseUploadAddress(ToStdString(edtServer->text().trimmed())); });
  });
  connect(btnTestConnection, &QPushButton::clicked, this,
          [this] { RunGuarded([this] { btnTestConnectionClick(); }); });
  connect(btnForgetPassword, &QPushButton::clicked, this,
          [this] { RunGuarded([this] { btnForgetPasswordClick(); }); });
  connect(btnForgetHostKey, &QPushButton::clicked, this,
          [this] { RunGuarded([this] { btnForgetHostKeyClick(); }); });
  LoadFromDocument();
}

void TfrmPublish::LoadFromDocument() {
  edtFolder->setText(ToQString(FEventList.SiteFolder));
  edtFrom->setText(ToQString(FEventList.SiteFrom));
  edtTo->setText(ToQString(FEventList.SiteTo));
  int Year, Month, Day;
  DecodeDate(Platform().Now(), Year, Month, Day);
  TMonthIndex From, To;
  DefaultSiteMonths(FEventList, Year, From, To);
  edtFrom->setPlaceholderText(ToQString(SiteMonthText(From)));
  edtTo->setPlaceholderText(ToQString(SiteMonthText(To)));
  edtAddress->setText(ToQString(FEventList.SiteAddress));
  edtUpcoming->setValue(FEventList.SiteUpcomingDays);
  edtFeedBack->setValue(FEventList.SiteFeedMonthsBack);
  edtFeedAhead->setValue(FEventList.SiteFeedMonthsAhead);
  // The document's target in the form the fields give back, so that an
  // address written another way is still recognised as the document's.
  FDocumentTarget = FEventList.UploadAddress;
  grpUpload->setChecked(!FDocumentTarget.empty());
  if (!FDocumentTarget.empty()) {
    try {
      const TUploadTarget Target = ParseUploadAddress(FDocumentTarget);
      FDocumentTarget = UploadAddressText(Target);
      FillUploadFields(Target);
    } catch (const EQuillbayError& Error) {
      // Not shown in the fields (it may hold a password): refused at Publish.
      FDocumentTargetProblem = Error.Message();
    }
  }
  chkPlainFtp->setChecked(FEventList.UploadPlainFtp);
  UpdateUploadFields();
  UpdatePublishButton();
}

void TfrmPublish::FillUploadFields(const TUploadTarget& Target) {
  const bool Sftp = Target.Protocol == TUploadProtocol::Sftp;
  cbxProtocol->setCurrentIndex(Sftp ? 0 : Target.PlainFtpAsked ? 2 : 1);
  QString Server = ToQString(Target.HostInAddress());
  if (Target.Port != (Sftp ? 22 : 21)) Server += ":" + QString::number(Target.Port);
  edtServer->setText(Server);
  edtUser->setText(ToQString(Target.User));
  // SFTP's folders under the login folder are written as a shell writes them.
  std::string Folder = Target.Folder;
  if (Sftp && Folder.starts_with("/~/")) Folder.erase(0, 1);
  edtRemoteFolder->setText(ToQString(Folder));
}

void TfrmPublish::ServerEdited() {
  const QString Text = edtServer->text().trimmed();
  if (!Text.contains(QLatin1String("://"))) return;
  try {
    FillUploadFields(ParseUploadAddress(ToStdString(Text)));
  } catch (const EQuillbayError&) {
    // Not (yet) an address; said when the user leaves the field.
  }
}

void TfrmPublish::UpdateUploadFields() {
  const bool Plain = cbxProtocol->currentIndex() == 2, Sftp = cbxProtocol->currentIndex() == 0;
  chkPlainFtp->setVisible(Plain);
  lblPlainFtpWarning->setVisible(Plain);
  btnForgetHostKey->setEnabled(Sftp);
  edtPassword->setPlaceholderText(Sftp ? tr("empty: SSH keys or the agent") : QString());
}

TUploadTarget TfrmPublish::FieldsTarget() const {
  return UploadTargetOf(SchemeOfRow(cbxProtocol->currentIndex()), ToStdString(edtServer->text()),
                        ToStdString(edtUser->text()), ToStdString(edtRemoteFolder->text()));
}

TUploadRequest TfrmPublish::UploadRequest() const {
  if (FDocumentTargetProblem && edtServer->text().trimmed().isEmpty())
    throw EQuillbayError(*FDocumentTargetProblem);
  TUploadRequest Request;
  Request.Target = FieldsTarget();
  Request.PlainFtp = Request.Target.PlainFtpAsked && chkPlainFtp->isChecked();
  if (Request.Target.PlainFtpAsked && !Request.PlainFtp)
    throw EQuillbayError(
        ToStdString(tr("FTP without encryption sends your password as it is. Tick \"Send my "
                       "password unencrypted\" to allow that, or choose another protocol.")));
  Request.Password = ToStdString(edtPassword->text());
  Request.KeepPassword = chkKeepPassword->isChecked();
  return Request;
}

QWidget* TfrmPublish::Owner() { return isVisible() ? this : parentWidget(); }

void TfrmPublish::btnTestConnectionClick() {
  const TUploadRequest Request = UploadRequest();
  size_t Listed = 0;
  if (!UploadWithPrompts(Owner(), windowTitle(), Request, TUploadJob::TMode::Test, {}, &Listed)) return;
  QMessageBox::information(Owner(), windowTitle(),
                           tr("Connected to %1: the login works and the folder holds %2 entries.")
                               .arg(ToQString(Request.Target.Display()))
                               .arg(Listed));
}

void TfrmPublish::btnForgetPasswordClick() {
  const std::string Address = FieldsTarget().Display();
  const bool Forgotten = ForgetUploadPassword(Address);
  QMessageBox::information(
      Owner(), windowTitle(),
      Forgotten ? tr("The password for %1 was removed from the keyring.").arg(ToQString(Address))
                : tr("The keyring holds no password for %1.").arg(ToQString(Address)));
}

void TfrmPublish::btnForgetHostKeyClick() {
  const TUploadTarget Target = FieldsTarget();
  const std::string File = UserKnownHostsFile();
  const QString Host = ToQString(KnownHostName(Target.Host, Target.Port));
  const bool Forgotten = RemoveKnownHost(File, Target.Host, Target.Port) > 0;
  QMessageBox::information(Owner(), windowTitle(),
                           Forgotten ? tr("The key of %1 was removed from %2.").arg(Host, ToQString(File))
                                     : tr("%2 holds no key for %1.").arg(Host, ToQString(File)));
}

void TfrmPublish::StoreToDocument() {
  FEventList.SiteFolder = ToStdString(edtFolder->text().trimmed());
  FEventList.SiteFrom = ToStdString(edtFrom->text().trimmed());
  FEventList.SiteTo = ToStdString(edtTo->text().trimmed());
  FEventList.SiteAddress = ToStdString(edtAddress->text().trimmed());
  FEventList.SiteUpcomingDays = edtUpcoming->value();
  FEventList.SiteFeedMonthsBack = edtFeedBack->value();
  FEventList.SiteFeedMonthsAhead = edtFeedAhead->value();
  FEventList.UploadAddress.clear();
  FEventList.UploadPlainFtp = false;
  if (!grpUpload->isChecked()) return;
  const TUploadRequest Request = UploadRequest();
  FEventList.UploadAddress = UploadAddressText(Request.Target);
  FEventList.UploadPlainFtp = Request.PlainFtp;
}

TPublishOptions TfrmPublish::Options() const {
  TPublishOptions O;
  O.Folder = ToStdString(edtFolder->text().trimmed());
  for (auto [Edit, Month] : {std::pair{edtFrom, &O.From}, std::pair{edtTo, &O.To}}) {
    const std::string Text = ToStdString(Edit->text().trimmed());
    if (!Text.empty() && !ParseSiteMonth(Text, *Month))
      throw EQuillbayError(
          ToStdString(tr("The month %1 is not valid; write it as YYYY-MM.").arg(Edit->text())));
  }
  O.Address = ToStdString(edtAddress->text().trimmed());
  O.UpcomingDays = edtUpcoming->value();
  O.FeedMonthsBack = edtFeedBack->value();
  O.FeedMonthsAhead = edtFeedAhead->value();
  return O;
}

void TfrmPublish::UpdatePublishButton() {
  btnPublish->setEnabled(!edtFolder->text().trimmed().isEmpty());
  btnPublish->setDefault(btnPublish->isEnabled());
}

void TfrmPublish::btnBrowseClick() {
  const QString Folder = QFileDialog::getExistingDirectory(this, tr("Folder of the Site"), edtFolder->text());
  if (!Folder.isEmpty()) edtFolder->setText(Folder);
}

bool TfrmPublish::Run(TPublishOptions O, TPublishResult& Result) {
  QProgressDialog Progress(tr("Publishing the site..."), tr("Cancel"), 0, 1, Owner());
  Progress.setWindowTitle(windowTitle());
  Progress.setWindowModality(Qt::WindowModal);
  Progress.setMinimumDuration(500);
  O.Progress = [&Progress](int Done, int Total) {
    Progress.setMaximum(Total);
    Progress.setValue(Done);
    QApplication::processEvents();
    return !Progress.wasCanceled();
  };
  Result = PublishSite(FEventList, FDocumentFileName, O);
  return !Result.Cancelled;
}

bool TfrmPublish::UploadSite(const std::string& Folder, QString& Upload) {
  if (!grpUpload->isChecked()) return true;
  const TUploadRequest Request = UploadRequest();
  const std::string Address = UploadAddressText(Request.Target);
  // A target that came with the document may be someone else's choice; one
  // the user typed here is the user's own.
  if (Address != FDocumentTarget)
    TrustUploadTarget(Address);
  else if (!ConfirmUploadTarget(Address, [&] {
             return QMessageBox::question(Owner(), windowTitle(),
                                          tr("This document uploads to %1. Upload there?")
                                              .arg(ToQString(Request.Target.Display())),
                                          QMessageBox::Yes | QMessageBox::No,
                                          QMessageBox::No) == QMessageBox::Yes;
           }))
    return false;
  const std::optional<TUploadResult> Result =
      UploadWithPrompts(Owner(), windowTitle(), Request, TUploadJob::TMode::Upload, Folder);
  if (!Result) return false;
  Upload = UploadSummaryText(*Result);
  return true;
}

void TfrmPublish::btnPublishClick() {
  TPublishOptions O = Options();
  if (grpUpload->isChecked()) UploadRequest();  // the fields are checked before anything is written
  TPublishResult Result;
  if (!Run(O, Result)) return;
  if (!Result.Foreign.empty()) {
    QStringList Names;
    for (const std::string& Name : Result.Foreign) Names << ToQString(Name);
    const auto Answer = QMessageBox::question(Owner(), windowTitle(),
                                              tr("These files in the folder were not written by "
                                                 "Quillbay:\n\n%1\n\nReplace them with the site's pages?")
                                                  .arg(Names.join(QLatin1Char('\n'))),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (Answer != QMessageBox::Yes) return;
    O.Replace = true;
    if (!Run(O, Result)) return;
  }
  StoreToDocument();
  QString Upload;
  if (!UploadSite(O.Folder, Upload)) return;
  accept();
  ShowResult(Result, O.Folder, Upload);
}

void TfrmPublish::ShowResult(const TPublishResult& Result, const std::string& Folder, const QString& Upload) {
  QString Text = tr("Site published: %1 pages written, %2 unchanged, %3 removed")
                     .arg(Result.Written.size())
                     .arg(Result.Unchanged.size())
                     .arg(Result.Removed.size());
  if (!Upload.isEmpty()) Text += "\n" + Upload;
  for (const TMessage& Warning : Result.Warnings) Text += "\n\n" + CoreMessageText(Warning);
  QMessageBox Box(Result.Warnings.empty() ? QMessageBox::Information : QMessageBox::Warning, windowTitle(),
                  Text, QMessageBox::Close, parentWidget());
  QPushButton* OpenSite = Box.addButton(tr("Open &Site"), QMessageBox::ActionRole);
  QPushButton* OpenFolder = Box.addButton(tr("Open &Folder"), QMessageBox::ActionRole);
  Box.exec();
  if (Box.clickedButton() == OpenSite) RunGuarded([&] { ShellOpen(Folder + "/index.html"); });
  if (Box.clickedButton() == OpenFolder) RunGuarded([&] { ShellOpen(Folder); });
}

void ExecutePublishDialog(QWidget* Owner, TEventList& EventList, const std::string& DocumentFileName) {
  TfrmPublish Dialog(Owner, EventList, DocumentFileName);
  Dialog.exec();
}

void RepublishSite(QWidget* Owner, TEventList& EventList, const std::string& DocumentFileName) {
  if (EventList.SiteFolder.empty()) return ExecutePublishDialog(Owner, EventList, DocumentFileName);
  TfrmPublish Dialog(Owner, EventList, DocumentFileName);
  Dialog.btnPublishClick();
}
