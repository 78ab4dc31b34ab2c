#include "ui/PublishDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/EventList.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
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
  Form->addRow(tr("&Folder:"), FolderRow);
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
  auto* Layout = new QVBoxLayout(this);
  Layout->addLayout(Form);
  Layout->addWidget(Buttons);

  connect(btnPublish, &QPushButton::clicked, this, [this] { RunGuarded([this] { btnPublishClick(); }); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnBrowse, &QPushButton::clicked, this, &TfrmPublish::btnBrowseClick);
  connect(edtFolder, &QLineEdit::textChanged, this, &TfrmPublish::UpdatePublishButton);
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
  UpdatePublishButton();
}

void TfrmPublish::StoreToDocument() {
  FEventList.SiteFolder = ToStdString(edtFolder->text().trimmed());
  FEventList.SiteFrom = ToStdString(edtFrom->text().trimmed());
  FEventList.SiteTo = ToStdString(edtTo->text().trimmed());
  FEventList.SiteAddress = ToStdString(edtAddress->text().trimmed());
  FEventList.SiteUpcomingDays = edtUpcoming->value();
  FEventList.SiteFeedMonthsBack = edtFeedBack->value();
  FEventList.SiteFeedMonthsAhead = edtFeedAhead->value();
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
  QProgressDialog Progress(tr("Publishing the site..."), tr("Cancel"), 0, 1, this);
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

void TfrmPublish::btnPublishClick() {
  TPublishOptions O = Options();
  TPublishResult Result;
  if (!Run(O, Result)) return;
  if (!Result.Foreign.empty()) {
    QStringList Names;
    for (const std::string& Name : Result.Foreign) Names << ToQString(Name);
    const auto Answer = QMessageBox::question(this, windowTitle(),
                                              tr("These files in the folder were not written by "
                                                 "Quillbay:\n\n%1\n\nReplace them with the site's pages?")
                                                  .arg(Names.join(QLatin1Char('\n'))),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (Answer != QMessageBox::Yes) return;
    O.Replace = true;
    if (!Run(O, Result)) return;
  }
  StoreToDocument();
  accept();
  ShowResult(Result, O.Folder);
}

void TfrmPublish::ShowResult(const TPublishResult& Result, const std::string& Folder) {
  QString Text = tr("Site published: %1 pages written, %2 unchanged, %3 removed")
                     .arg(Result.Written.size())
                     .arg(Result.Unchanged.size())
                     .arg(Result.Removed.size());
  for (const std::string& Warning : Result.Warnings) Text += "\n\n" + TranslateCoreMessage(Warning);
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
