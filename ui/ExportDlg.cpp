#include "ui/ExportDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>
#include <filesystem>
#include <system_error>

#include "generator/CalGen.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"
#include "project/UserDialogs.h"
#include "ui/EditLib.h"
#include "ui/QtDialogs.h"
#include "ui/QtText.h"

namespace {

bool FileExists(const std::string& FileName) {
  std::error_code Error;
  const std::filesystem::path Path(FileName);
  return std::filesystem::exists(Path, Error) && !std::filesystem::is_directory(Path, Error);
}

TNaturalEdit* MakeNumberEdit(QWidget* Parent, int32_t MinValue, int32_t MaxValue, int32_t Value,
                             int MaxLength) {
  auto* Edit = new TNaturalEdit(Parent);
  Edit->SetMinValue(MinValue);
  Edit->SetMaxValue(MaxValue);
  Edit->SetValue(Value);
  Edit->SetMaxLength(MaxLength);
  Edit->setFixedWidth(70);
  return Edit;
}

QPushButton* MakeButton(QWidget* Parent, const QString& Caption) {
  auto* Button = new QPushButton(Caption, Parent);
  Button->setAutoDefault(false);
  return Button;
}

}  // namespace

TfrmExport::TfrmExport(QWidget* Parent) : QDialog(Parent) {
  setObjectName(QStringLiteral("frmExport"));
  setWindowTitle(tr("Export"));
  setFixedSize(442, 284);
  CreateControls();
  LayOutControls();
  ConnectHandlers();
  UpdateExportButton();
}

void TfrmExport::CreateControls() {
  Label1 = new QLabel(tr("&File"), this);
  edtFile = new QLineEdit(this);
  btnBrowse = MakeButton(this, tr("&Browse"));
  Label4 = new QLabel(tr("&Year"), this);
  edtYear = MakeNumberEdit(this, 0, 9999, 0, 4);
  Label2 = new QLabel(tr("&Months"), this);
  lvwMonths = new QListWidget(this);
  lvwMonths->setViewMode(QListView::ListMode);
  lvwMonths->setFlow(QListView::TopToBottom);
  lvwMonths->setWrapping(true);
  lvwMonths->setResizeMode(QListView::Adjust);
  lvwMonths->setSpacing(1);
  btnSelectAll = MakeButton(this, tr("&Select All"));
  btnSelectAll->setProperty("Tag", 0);
  btnUnselect = MakeButton(this, tr("&Unselect"));
  btnUnselect->setProperty("Tag", 1);
  Label6 = new QLabel(tr("Bottom margin of month &tables"), this);
  edtRowSpacing = MakeNumberEdit(this, 0, 999, 15, 3);
  // Kept in the document and carried through the dialog, not shown.
  Label3 = new QLabel(tr("Columns"), this);
  edtColumns = MakeNumberEdit(this, 1, 12, 1, 2);
  Label5 = new QLabel(tr("Col spacing"), this);
  edtColSpacing = MakeNumberEdit(this, 0, 999, 30, 3);
  for (QWidget* Hidden : std::initializer_list<QWidget*>{Label3, edtColumns, Label5, edtColSpacing})
    Hidden->hide();
  btnExport = MakeButton(this, tr("&Export"));
  btnCancel = MakeButton(this, tr("&Cancel"));

  Label1->setBuddy(edtFile);
  Label4->setBuddy(edtYear);
  Label2->setBuddy(lvwMonths);
  Label6->setBuddy(edtRowSpacing);
}

void TfrmExport::LayOutControls() {
  auto* Grid = new QGridLayout;
  Grid->addWidget(Label1, 0, 0);
  auto* FileRow = new QHBoxLayout;
  FileRow->addWidget(edtFile, 1);
  FileRow->addWidget(btnBrowse);
  Grid->addLayout(FileRow, 0, 1);
  Grid->addWidget(Label4, 1, 0);
  Grid->addWidget(edtYear, 1, 1, Qt::AlignLeft);
  Grid->addWidget(Label2, 2, 0, Qt::AlignTop);
  auto* MonthsRow = new QHBoxLayout;
  MonthsRow->addWidget(lvwMonths, 1);
  auto* MonthButtons = new QVBoxLayout;
  MonthButtons->addWidget(btnSelectAll);
  MonthButtons->addWidget(btnUnselect);
  MonthButtons->addStretch(1);
  MonthsRow->addLayout(MonthButtons);
  Grid->addLayout(MonthsRow, 2, 1);
  Grid->setRowStretch(2, 1);
  auto* SpacingRow = new QHBoxLayout;
  SpacingRow->addWidget(Label6);
  SpacingRow->addWidget(edtRowSpacing);
  SpacingRow->addStretch(1);
  Grid->addLayout(SpacingRow, 3, 0, 1, 2);

  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch(1);
  Buttons->addWidget(btnExport);
  Buttons->addWidget(btnCancel);

  auto* Main = new QVBoxLayout(this);
  Main->addLayout(Grid, 1);
  Main->addLayout(Buttons);

  setTabOrder(edtFile, btnBrowse);
  setTabOrder(btnBrowse, edtYear);
  setTabOrder(edtYear, lvwMonths);
  setTabOrder(lvwMonths, btnSelectAll);
  setTabOrder(btnSelectAll, btnUnselect);
  setTabOrder(btnUnselect, edtRowSpacing);
  setTabOrder(edtRowSpacing, btnExport);
  setTabOrder(btnExport, btnCancel);
  edtFile->setFocus();
}

void TfrmExport::ConnectHandlers() {
  connect(edtFile, &QLineEdit::textChanged, this, &TfrmExport::edtFileChange);
  connect(lvwMonths, &QListWidget::itemChanged, this, &TfrmExport::edtFileChange);
  connect(btnBrowse, &QPushButton::clicked, this, &TfrmExport::btnBrowseClick);
  connect(btnSelectAll, &QPushButton::clicked, this, [this] { btnSelectAllClick(btnSelectAll); });
  connect(btnUnselect, &QPushButton::clicked, this, [this] { btnSelectAllClick(btnUnselect); });
  connect(btnExport, &QPushButton::clicked, this, &TfrmExport::btnExportClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmExport::LoadFromDocument() {
  FillMonths();
  edtFile->setText(ToQString(EventList->ExportFile));
  edtYear->SetValue(EventList->ExportYear);
  edtColumns->SetValue(EventList->ExportCols);
  edtColSpacing->SetValue(EventList->ColSpacing);
  edtRowSpacing->SetValue(EventList->RowSpacing);
  UpdateExportButton();
}

void TfrmExport::StoreToDocument() {
  EventList->ExportFile = ToStdString(edtFile->text());
  EventList->ExportYear = static_cast<uint16_t>(edtYear->Value());
  EventList->ExportMonths = TickedMonths();
  EventList->ExportCols = edtColumns->Value();
  EventList->ColSpacing = edtColSpacing->Value();
  EventList->RowSpacing = edtRowSpacing->Value();
}

uint16_t TfrmExport::TickedMonths() const {
  uint16_t Months = 0;
  for (int M = 1; M <= 12 && M <= lvwMonths->count(); ++M)
    if (lvwMonths->item(M - 1)->checkState() == Qt::Checked) Months |= static_cast<uint16_t>(1u << M);
  return Months;
}

void TfrmExport::FillMonths() {
  const QSignalBlocker Blocker(lvwMonths);
  lvwMonths->clear();
  for (int M = 1; M <= 12; ++M) {
    auto* Item = new QListWidgetItem(ToQString(Platform().LongMonthName(M)), lvwMonths);
    Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    Item->setCheckState((EventList->ExportMonths >> M) & 1u ? Qt::Checked : Qt::Unchecked);
  }
}

void TfrmExport::UpdateExportButton() {
  const bool CanExport = !IsBlank(ToStdString(edtFile->text())) && TickedMonths() != 0;
  btnExport->setEnabled(CanExport);
  btnExport->setDefault(CanExport);
}

void TfrmExport::edtFileChange() { UpdateExportButton(); }

void TfrmExport::btnBrowseClick() {
  TFileDialogRequest Request;
  Request.DefaultExt = "html";
  Request.Filter = ToStdString(tr("HTML Files") + "|*.html;*.htm|" + tr("All Files") + "|*.*");
  Request.FileName = ToStdString(edtFile->text());
  if (Request.FileName.empty()) Request.InitialDir = EventList->DefaultFolder;
  Request.PromptOverwrite = false;
  const std::optional<std::string> Chosen = UserDialogs().SaveFile(Request);
  if (!Chosen) return;
  EventList->DefaultFolder = std::filesystem::path(*Chosen).parent_path().string();
  edtFile->setText(ToQString(*Chosen));
}

void TfrmExport::btnSelectAllClick(QPushButton* Sender) {
  const Qt::CheckState State = Sender->property("Tag").toInt() == 0 ? Qt::Checked : Qt::Unchecked;
  {
    const QSignalBlocker Blocker(lvwMonths);
    for (int I = 0; I < lvwMonths->count(); ++I) lvwMonths->item(I)->setCheckState(State);
  }
  UpdateExportButton();
}

void TfrmExport::btnExportClick() {
  // A bare name gets the page's extension, as Save As gives a document its own.
  if (std::filesystem::path(ToStdString(edtFile->text())).extension().empty())
    edtFile->setText(edtFile->text() + QStringLiteral(".html"));
  const std::string FileName = ToStdString(edtFile->text());
  if (FileExists(FileName)) {
    const TMessageRequest Question{
        .Caption = ToStdString(tr("Warning")),
        .Text = ToStdString(tr("File \"%1\" already exists. Override?").arg(edtFile->text())),
        .Icon = TMsgIcon::Warning,
        .Buttons = TMsgButtons::YesNo,
        .DefaultButton = TMsgResult::No,
        .EscapeResult = TMsgResult::No};
    if (UserDialogs().MessageBox(Question) != TMsgResult::Yes) return;
  }
  StoreToDocument();
  try {
    TCalGen Generator(*EventList, EventList->Style());
    Generator.WriteYearPage(static_cast<uint16_t>(edtYear->Value()), FileName);
  } catch (const std::exception& Error) {
    ShowError(Error);  // the dialog stays open
    return;
  }
  accept();
}

bool ExecuteExportDialog(QWidget* Owner, TEventList& EventList) {
  TfrmExport Dialog(Owner);
  Dialog.EventList = &EventList;
  Dialog.LoadFromDocument();
  if (Dialog.exec() != QDialog::Accepted) return false;
  Dialog.StoreToDocument();
  return true;
}
