#include "ui/StyleDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "generator/Globals.h"
#include "model/CalStyle.h"
#include "model/DataLib.h"
#include "model/EventList.h"
#include "platform/FileIO.h"
#include "platform/TextUtil.h"
#include "project/UserDialogs.h"
#include "ui/EditLib.h"
#include "ui/ParaEdit.h"
#include "ui/QtDialogs.h"
#include "ui/QtText.h"

using namespace StylePreview;

namespace {

// The preview's paint box: hands its painting and mouse presses to the dialog.
class TPaintBox : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void(QPainter&)> OnPaint;
  std::function<void(int X, int Y)> OnMouseDown;

  QSize sizeHint() const override { return {PaintBoxWidth, PaintBoxHeight}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter Canvas(this);
    if (OnPaint) OnPaint(Canvas);
  }
  void mousePressEvent(QMouseEvent* Event) override {
    const QPoint P = Event->position().toPoint();
    if (OnMouseDown) OnMouseDown(P.x(), P.y());
  }
};

QRect ToQRect(const TRect& R) { return QRect(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }

bool Confirm(const std::string& Question) {
  return AskToConfirm(Question, TMsgButtons::YesNo) == TMsgResult::Yes;
}

void Warn(const std::string& Text) {
  UserDialogs().MessageBox({.Caption = ToStdString(TStyleForm::tr("Warning")),
                            .Text = Text,
                            .Icon = TMsgIcon::Warning,
                            .Buttons = TMsgButtons::OK});
}

// MaxLength limits typing only: a longer value set by the program shows whole
// and reads clamped to MaxValue.
TNaturalEdit* NewNumberEdit(QWidget* Parent, int32_t MaxValue, int MaxLength) {
  auto* Edit = new TNaturalEdit(Parent);
  Edit->SetMinValue(0);
  Edit->SetMaxValue(MaxValue);
  Edit->SetMaxLength(MaxLength);
  Edit->setMaximumWidth(MaxLength > 0 ? 60 : 100);
  return Edit;
}

QLabel* NewLabel(const QString& Caption, QWidget* Buddy, QWidget* Parent) {
  auto* Label = new QLabel(Caption, Parent);
  Label->setBuddy(Buddy);
  return Label;
}

// A page with a column of options on the left and a paragraph editor at the
// top beside it.
QWidget* OptionsBesideEditor(QWidget* Page, QVBoxLayout* Options, TParaEditor* Editor) {
  Options->addStretch(1);
  auto* Box = new QHBoxLayout(Page);
  Box->addLayout(Options);
  Box->addWidget(Editor, 0, Qt::AlignTop);
  Box->addStretch(1);
  return Page;
}

QVBoxLayout* Column(std::initializer_list<QWidget*> Widgets) {
  auto* Layout = new QVBoxLayout;
  for (QWidget* Widget : Widgets) Layout->addWidget(Widget);
  return Layout;
}

// Whether two styles carry the same scheme: the colours a scheme sets, but for
// the days' background, which the dialog takes from the events'.
bool SameSchemeColors(const TCalStyle& A, const TCalStyle& B) {
  const auto Colors = [](const TCalStyle& S) {
    return std::vector<TColor>{S.Caption().FontColor, S.Caption().BGColor, S.WeekDays().FontColor,
                               S.WeekDays().BGColor,  S.Days().FontColor,  S.Events().FontColor,
                               S.Events().BGColor,    S.BorderColor,       S.BGColor};
  };
  return Colors(A) == Colors(B);
}

}  // namespace

void ExecuteStyleDialog(QWidget* Owner, TEventList& Document, TCalStyle& Style, TDateTime Date) {
  TStyleForm Form(Owner, Document, Style, Date);
  Form.LoadFromStyle(Style, false);
  Form.ShowPage(spGeneral);
  if (Form.exec() == QDialog::Accepted) Form.StoreToStyle(Style);
}

TStyleForm::TStyleForm(QWidget* Owner, TEventList& Document, TCalStyle& Style, TDateTime Date)
    : QDialog(Owner), FDocument(Document), FStyle(Style), FDate(Date) {
  setObjectName("StyleForm");
  setWindowTitle(tr("Calendar Style"));
  CreateControls();

  FGallery = std::make_unique<TCalStyleGallery>();
  try {
    FGallery->LoadGallery();
  } catch (const std::exception& E) {
    // A user's file that cannot be read is kept aside before it is rewritten.
    std::error_code Ignored;
    FGalleryUnreadable = std::filesystem::exists(TCalStyleGallery::GalleryFileName(), Ignored);
    ShowError(E);
  }
  LoadGalleryNames();
  ConnectHandlers();
  SetApplyState(false);
}

TStyleForm::~TStyleForm() { SaveGalleryFile(); }

void TStyleForm::SaveGalleryFile() {
  try {
    const std::string FileName = TCalStyleGallery::GalleryFileName();
    if (FGalleryUnreadable) WriteStringToFile(FileName + ".bak", ReadFileToString(FileName));
    FGallery->SaveGallery();
  } catch (const std::exception& E) {
    try {
      ShowError(E);
    } catch (...) {
      // Nothing may leave a destructor; the error has nowhere else to go.
    }
  }
}

void TStyleForm::LoadGalleryNames() {
  std::vector<std::string> Names;
  FGallery->ListNames(Names);
  cbxStyle->clear();
  for (const std::string& Name : Names) cbxStyle->addItem(ToQString(Name));
  cbxStyle->setCurrentIndex(-1);
}

// ---------------------------------------------------------------------------
// Controls

void TStyleForm::CreateControls() {
  PageControl = new QTabWidget(this);
  // Every page's tab stays in sight; longer titles widen the dialog.
  PageControl->setUsesScrollButtons(false);
  PageControl->addTab(CreateGeneralPage(), tr("&General"));
  PageControl->addTab(CreateCaptionPage(), tr("Ca&ption"));
  PageControl->addTab(CreateWeekDaysPage(), tr("Wee&k Days"));
  PageControl->addTab(CreateDaysPage(), tr("&Days"));
  PageControl->addTab(CreateEventsPage(), tr("E&vents"));
  PageControl->addTab(CreateHtmlPage(), tr("&HTML"));

  btnReset = new QPushButton(tr("&Reset"), this);
  btnOK = new QPushButton(tr("&OK"), this);
  btnOK->setDefault(true);
  btnCancel = new QPushButton(tr("Ca&ncel"), this);
  btnApply = new QPushButton(tr("Appl&y"), this);

  auto* Top = new QHBoxLayout;
  Top->addWidget(PageControl, 1);
  Top->addWidget(CreatePreviewPanel(), 0, Qt::AlignTop);
  auto* Buttons = new QHBoxLayout;
  Buttons->addWidget(btnReset);
  Buttons->addStretch(1);
  Buttons->addWidget(btnOK);
  Buttons->addWidget(btnCancel);
  Buttons->addWidget(btnApply);
  auto* Main = new QVBoxLayout(this);
  Main->addLayout(Top, 1);
  Main->addLayout(Buttons);

  // A fixed dialog frame: the designed size, or what the fonts of this
  // desktop need when that is more.
  setFixedSize(sizeHint().expandedTo(QSize(592, 423)));
}

QWidget* TStyleForm::CreateGeneralPage() {
  auto* Page = new QWidget;
  cbxLanguage = new QComboBox(Page);
  // The style keeps the English value whatever the language of the window.
  cbxLanguage->addItem(tr("English"), QStringLiteral("English"));
  cbxLanguage->addItem(tr("Default"), QStringLiteral("Default"));
  edtTitle = new QLineEdit(Page);
  edtWidth = new QLineEdit(Page);
  cbxCellWidth = new QCheckBox(tr("Cell &width"), Page);
  edtCellWidth = NewNumberEdit(Page, 2147483647, 0);
  edtBorderWidth = NewNumberEdit(Page, 20, 2);
  cbxCellHeight = new QCheckBox(tr("&Cell height"), Page);
  edtCellHeight = NewNumberEdit(Page, 2147483647, 0);
  edtCellPadding = NewNumberEdit(Page, 20, 2);
  cetBorderColor = new TColorEdit(Page);
  cetBGColor = new TColorEdit(Page);
  cbxPageForm = new QComboBox(Page);
  cbxPageForm->addItems({tr("Classic"), tr("Modern")});

  auto* Grid = new QGridLayout;
  Grid->setColumnStretch(4, 1);
  Grid->addWidget(NewLabel(tr("&Language"), cbxLanguage, Page), 0, 0);
  Grid->addWidget(cbxLanguage, 0, 1, 1, 2);
  Grid->addWidget(NewLabel(tr("&Title"), edtTitle, Page), 1, 0);
  Grid->addWidget(edtTitle, 1, 1, 1, 4);
  Grid->addWidget(NewLabel(tr("Table width (pi&xels or %)"), edtWidth, Page), 2, 0);
  Grid->addWidget(edtWidth, 2, 1, 1, 2);
  Grid->addWidget(cbxCellWidth, 3, 0);
  Grid->addWidget(edtCellWidth, 3, 1);
  Grid->addWidget(cbxCellHeight, 3, 2);
  Grid->addWidget(edtCellHeight, 3, 3);
  Grid->addWidget(NewLabel(tr("Border si&ze"), edtBorderWidth, Page), 4, 0);
  Grid->addWidget(edtBorderWidth, 4, 1);
  Grid->addWidget(NewLabel(tr("Cell padd&ing"), edtCellPadding, Page), 4, 2);
  Grid->addWidget(edtCellPadding, 4, 3);
  Grid->addWidget(NewLabel(tr("&Border color"), cetBorderColor, Page), 5, 0);
  Grid->addWidget(cetBorderColor, 5, 1, Qt::AlignLeft);
  Grid->addWidget(NewLabel(tr("Backgro&und"), cetBGColor, Page), 5, 2);
  Grid->addWidget(cetBGColor, 5, 3, Qt::AlignLeft);
  Grid->addWidget(NewLabel(tr("Page &form"), cbxPageForm, Page), 6, 0);
  Grid->addWidget(cbxPageForm, 6, 1, 1, 2);

  auto* Line = new QFrame(Page);
  Line->setFrameShape(QFrame::HLine);
  Line->setFrameShadow(QFrame::Sunken);
  auto* Box = new QVBoxLayout(Page);
  Box->addLayout(Grid);
  Box->addSpacing(8);
  Box->addWidget(Line);
  AddSchemeControls(*Box, Page);
  Box->addStretch(1);
  return Page;
}

// The scheme list with its Add and Delete buttons, under their caption.
void TStyleForm::AddSchemeControls(QVBoxLayout& Box, QWidget* Page) {
  cbxStyle = new QComboBox(Page);
  btnAddStyle = new QPushButton(tr("&Add"), Page);
  btnDeleteStyle = new QPushButton(tr("D&elete"), Page);
  auto* Schemes = new QHBoxLayout;
  Schemes->addWidget(cbxStyle, 1);
  Schemes->addWidget(btnAddStyle);
  Schemes->addWidget(btnDeleteStyle);
  Box.addWidget(NewLabel(tr("Color sche&mes"), cbxStyle, Page));
  Box.addLayout(Schemes);
}

QWidget* TStyleForm::CreateCaptionPage() {
  auto* Page = new QWidget;
  cbxShowCaption = new QCheckBox(tr("Sho&w"), Page);
  rbnStrMonth = new QRadioButton(tr("Month as te&xt"), Page);
  rbnNumMonth = new QRadioButton(tr("&Month as number"), Page);
  cbxShowYear = new QCheckBox(tr("Show y&ear"), Page);
  edtCaptionBottomMargin = NewNumberEdit(Page, 50, 2);
  edtCaptionBottomMargin->setMaximumWidth(60);
  petCaption = new TParaEditor(Page);

  QVBoxLayout* Options = Column({cbxShowCaption, rbnStrMonth, rbnNumMonth, cbxShowYear});
  Options->addSpacing(8);
  Options->addWidget(NewLabel(tr("Bo&ttom margin"), edtCaptionBottomMargin, Page));
  Options->addWidget(edtCaptionBottomMargin);
  return OptionsBesideEditor(Page, Options, petCaption);
}

QWidget* TStyleForm::CreateWeekDaysPage() {
  auto* Page = new QWidget;
  rbnFullNames = new QRadioButton(tr("Full na&mes"), Page);
  rbnShortNames = new QRadioButton(tr("Shor&t names"), Page);
  rbnCharNames = new QRadioButton(tr("On&e char names"), Page);
  auto* Group = new QButtonGroup(Page);
  Group->addButton(rbnFullNames);
  Group->addButton(rbnShortNames);
  Group->addButton(rbnCharNames);
  cbxWeekStart = new QComboBox(Page);
  for (int Day = 1; Day <= 7; ++Day) cbxWeekStart->addItem(QString());
  UpdateWeekStartNames();
  petWeekDays = new TParaEditor(Page);

  QVBoxLayout* Options = Column({rbnFullNames, rbnShortNames, rbnCharNames});
  Options->addSpacing(8);
  Options->addWidget(NewLabel(tr("&Week starts on"), cbxWeekStart, Page));
  Options->addWidget(cbxWeekStart);
  return OptionsBesideEditor(Page, Options, petWeekDays);
}

QWidget* TStyleForm::CreateDaysPage() {
  auto* Page = new QWidget;
  petDays = new TParaEditor(Page);
  // The day number sits on the cell's Events background.
  petDays->Label4->hide();
  petDays->cetBGColor->hide();
  auto* Box = new QHBoxLayout(Page);
  Box->addWidget(petDays, 0, Qt::AlignTop | Qt::AlignLeft);
  return Page;
}

QWidget* TStyleForm::CreateEventsPage() {
  auto* Page = new QWidget;
  edtBlankEventsText = new QLineEdit(Page);
  cbxWarpEvents = new QCheckBox(tr("&Wrap the event words"), Page);
  cbxEventsAsText = new QCheckBox(tr("Show &event text as written (not HTML)"), Page);
  petEvents = new TParaEditor(Page);
  auto* Box = new QVBoxLayout(Page);
  Box->addWidget(NewLabel(tr("&Text for blank events"), edtBlankEventsText, Page));
  Box->addWidget(edtBlankEventsText);
  Box->addWidget(cbxWarpEvents);
  Box->addWidget(cbxEventsAsText);
  Box->addWidget(petEvents, 0, Qt::AlignTop | Qt::AlignLeft);
  Box->addStretch(1);
  return Page;
}

QWidget* TStyleForm::CreateHtmlPage() {
  auto* Page = new QWidget;
  auto NewMemo = [Page] {
    auto* Memo = new QPlainTextEdit(Page);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    Memo->setMinimumHeight(60);
    // Tab moves on to the next control, as everywhere in the dialog.
    Memo->setTabChangesFocus(true);
    return Memo;
  };
  mmHeader = NewMemo();
  mmFooter = NewMemo();
  cbxHideBanner = new QCheckBox(tr("Hide '&Created by' line"), Page);
  auto* Box = new QVBoxLayout(Page);
  Box->addWidget(NewLabel(tr("H&eader"), mmHeader, Page));
  Box->addWidget(mmHeader, 1);
  Box->addWidget(NewLabel(tr("&Footer"), mmFooter, Page));
  Box->addWidget(mmFooter, 1);
  Box->addWidget(cbxHideBanner);
  return Page;
}

QWidget* TStyleForm::CreatePreviewPanel() {
  pnlPreview = new QWidget(this);
  lblArrow = new QLabel("->", pnlPreview);
  QFont Bold = lblArrow->font();
  Bold.setBold(true);
  lblArrow->setFont(Bold);
  lblArrow->resize(lblArrow->sizeHint());
  lblArrow->move(ArrowLeft, PaintBoxTop);
  lblArrow->hide();
  // The box moves right only as far as a wide arrow needs, and the panel
  // grows by as much.
  const int Left = PaintBoxLeft(lblArrow->width());
  pnlPreview->setFixedSize(230 + Left - 15, 351);

  auto* Caption = new QLabel(tr("Preview"), pnlPreview);
  Caption->move(Left, 8);
  auto* Box = new TPaintBox(pnlPreview);
  Box->setGeometry(Left, PaintBoxTop, PaintBoxWidth, PaintBoxHeight);
  Box->setCursor(Qt::PointingHandCursor);
  Box->OnPaint = [this](QPainter& Canvas) { PaintPreview(Canvas); };
  Box->OnMouseDown = [this](int X, int Y) { pbxPreviewMouseDown(X, Y); };
  pbxPreview = Box;
  lblArrow->raise();

  btnPreview = new QPushButton(tr("Preview in brow&ser"), pnlPreview);
  btnPreview->setGeometry(Left, PaintBoxTop + PaintBoxHeight + 12, PaintBoxWidth,
                          btnPreview->sizeHint().height());
  return pnlPreview;
}

void TStyleForm::ConnectHandlers() {
  // The caption sample and the day names follow the language, the caption
  // also the month form and the year.
  connect(cbxLanguage, &QComboBox::currentIndexChanged, this, [this] {
    UpdateWeekStartNames();
    UpdateCaptionSample();
  });
  for (QAbstractButton* Button :
       {static_cast<QAbstractButton*>(cbxShowYear), static_cast<QAbstractButton*>(rbnStrMonth),
        static_cast<QAbstractButton*>(rbnNumMonth)})
    connect(Button, &QAbstractButton::toggled, this, [this] { UpdateCaptionSample(); });

  // Whatever the preview shows repaints it and enables Apply.
  for (TNaturalEdit* Edit : {edtBorderWidth, edtCellPadding, edtCaptionBottomMargin})
    Edit->OnChange = [this](TNaturalEdit&) { StyleChanged(); };
  for (TColorEdit* Edit : {cetBorderColor, cetBGColor})
    Edit->OnChange = [this](TColorEdit&) { StyleChanged(); };
  for (QRadioButton* Button : {rbnFullNames, rbnShortNames, rbnCharNames})
    connect(Button, &QRadioButton::toggled, this, [this](bool Checked) {
      if (Checked) StyleChanged();
    });
  connect(cbxWeekStart, &QComboBox::currentIndexChanged, this, [this] { StyleChanged(); });
  for (TParaEditor* Editor : {petCaption, petWeekDays, petDays, petEvents})
    Editor->OnChange = [this](TParaEditor&) { StyleChanged(); };

  connect(cbxShowCaption, &QCheckBox::toggled, this, [this] {
    UpdateControlStates();
    StyleChanged();
  });
  for (QCheckBox* Box : {cbxCellWidth, cbxCellHeight})
    connect(Box, &QCheckBox::toggled, this, [this] { UpdateControlStates(); });

  // Values that do not show in the preview only enable Apply.
  for (QLineEdit* Edit : {edtTitle, edtWidth})
    connect(Edit, &QLineEdit::textChanged, this, [this] { EnableApply(); });
  for (QPlainTextEdit* Memo : {mmHeader, mmFooter})
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] { EnableApply(); });
  connect(cbxPageForm, &QComboBox::currentIndexChanged, this, [this] { EnableApply(); });
  connect(cbxEventsAsText, &QCheckBox::toggled, this, [this] { EnableApply(); });

  connect(cbxStyle, &QComboBox::activated, this, [this] { RunGuarded([this] { cbxStyleChange(); }); });
  connect(btnAddStyle, &QPushButton::clicked, this, [this] { RunGuarded([this] { btnAddStyleClick(); }); });
  connect(btnDeleteStyle, &QPushButton::clicked, this,
          [this] { RunGuarded([this] { btnDeleteStyleClick(); }); });
  connect(PageControl, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
  connect(btnPreview, &QPushButton::clicked, this, [this] { RunGuarded([this] { btnPreviewClick(); }); });
  connect(btnApply, &QPushButton::clicked, this, [this] { RunGuarded([this] { btnApplyClick(); }); });
  connect(btnReset, &QPushButton::clicked, this, [this] { RunGuarded([this] { btnResetClick(); }); });
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// ---------------------------------------------------------------------------
// Moving values between a style and the controls

void TStyleForm::LoadFromStyle(const TCalStyle& Style, bool ColorsOnly) {
  if (!ColorsOnly) {
    // An empty or unknown language gives the locale's names, as "Default" does;
    // the stored text comes back unchanged unless the user picks another item.
    const int Language = FindItemIgnoringCase(*cbxLanguage, ToQString(Style.Language));
    cbxLanguage->setCurrentIndex(Language >= 0 ? Language : DefaultLanguageIndex);
    FLoadedLanguage = Style.Language;
    FLoadedLanguageIndex = cbxLanguage->currentIndex();
    UpdateWeekStartNames();
    cbxPageForm->setCurrentIndex(Style.ModernPage ? 1 : 0);
    edtTitle->setText(ToQString(Style.Title));
    edtWidth->setText(ToQString(Style.Width));
    cbxCellWidth->setChecked(Style.IsCellWidth);
    cbxCellHeight->setChecked(Style.IsCellHeight);
    edtCellWidth->SetValue(Style.CellWidth);
    edtCellHeight->SetValue(Style.CellHeight);
    edtBorderWidth->SetValue(Style.BorderWidth);
    edtCellPadding->SetValue(Style.CellPadding);
    cbxShowCaption->setChecked(Style.ShowCaption);
    cbxShowYear->setChecked(Style.ShowYear);
    (Style.MonthAsString ? rbnStrMonth : rbnNumMonth)->setChecked(true);
    edtCaptionBottomMargin->SetValue(Style.CaptionBottomMargin);
    SetWeekDaysLength(Style.WeekDaysLength);
    cbxWeekStart->setCurrentIndex(Style.FirstWeekDay() - 1);
    cbxWarpEvents->setChecked(Style.WrapEvents);
    cbxEventsAsText->setChecked(Style.EventsAsText);
    edtBlankEventsText->setText(ToQString(Style.BlankEventsText));
    mmHeader->setPlainText(StoredToBox(Style.Header));
    mmFooter->setPlainText(StoredToBox(Style.Footer));
    cbxHideBanner->setChecked(Style.HideBanner);
  }
  petCaption->LoadStyle(Style.Caption(), ColorsOnly);
  petWeekDays->LoadStyle(Style.WeekDays(), ColorsOnly);
  petDays->LoadStyle(Style.Days(), ColorsOnly);
  petEvents->LoadStyle(Style.Events(), ColorsOnly);
  cetBorderColor->SetColor(Style.BorderColor);
  cetBGColor->SetColor(Style.BGColor);

  if (!ColorsOnly) SelectMatchingScheme(Style);
  UpdateCaptionSample();
  UpdateControlStates();
  SetApplyState(false);
}

void TStyleForm::SelectMatchingScheme(const TCalStyle& Style) {
  int Match = -1;
  for (int I = 0; I < cbxStyle->count() && Match < 0; ++I)
    if (TStyleGalleryItem* Item = FGallery->FindStyle(ToStdString(cbxStyle->itemText(I))))
      if (SameSchemeColors(Item->Style(), Style)) Match = I;
  cbxStyle->setCurrentIndex(Match);
}

void TStyleForm::SetWeekDaysLength(int Value) {
  QRadioButton* Buttons[] = {rbnFullNames, rbnShortNames, rbnCharNames};
  if (Value >= 0 && Value <= 2) {
    Buttons[Value]->setChecked(true);
    return;
  }
  // Another value ticks none of the three.
  QButtonGroup* Group = rbnFullNames->group();
  Group->setExclusive(false);
  for (QRadioButton* Button : Buttons) Button->setChecked(false);
  Group->setExclusive(true);
}

void TStyleForm::UpdateWeekStartNames() {
  const std::string Language = LanguageChoice();
  for (int Day = 1; Day <= 7; ++Day)
    cbxWeekStart->setItemText(Day - 1,
                              ToQString(TCalStyle::WeekDayName(static_cast<uint16_t>(Day), Language, 0)));
}

std::string TStyleForm::LanguageChoice() const { return ToStdString(SelectedValue(*cbxLanguage)); }

int TStyleForm::WeekStartChoice() const { return std::max(cbxWeekStart->currentIndex(), 0) + 1; }

int TStyleForm::WeekDaysLengthChoice() const {
  if (rbnCharNames->isChecked()) return 2;
  if (rbnShortNames->isChecked()) return 1;
  return 0;
}

void TStyleForm::StoreToStyle(TCalStyle& Style) {
  Style.Language = cbxLanguage->currentIndex() == FLoadedLanguageIndex ? FLoadedLanguage : LanguageChoice();
  Style.ModernPage = cbxPageForm->currentIndex() == 1;
  Style.Title = ToStdString(edtTitle->text());
  Style.Width = ToStdString(edtWidth->text());
  Style.IsCellWidth = cbxCellWidth->isChecked();
  Style.IsCellHeight = cbxCellHeight->isChecked();
  Style.CellWidth = edtCellWidth->Value();
  Style.CellHeight = edtCellHeight->Value();
  Style.BorderWidth = edtBorderWidth->Value();
  Style.CellPadding = edtCellPadding->Value();
  Style.BorderColor = cetBorderColor->Color();
  Style.BGColor = cetBGColor->Color();
  Style.ShowCaption = cbxShowCaption->isChecked();
  Style.ShowYear = cbxShowYear->isChecked();
  Style.MonthAsString = rbnStrMonth->isChecked();
  Style.CaptionBottomMargin = edtCaptionBottomMargin->Value();
  petCaption->StoreStyle(Style.Caption());
  petWeekDays->StoreStyle(Style.WeekDays());
  petDays->StoreStyle(Style.Days());
  Style.WeekDaysLength = WeekDaysLengthChoice();
  Style.WeekStart = WeekStartChoice();
  Style.WrapEvents = cbxWarpEvents->isChecked();
  Style.EventsAsText = cbxEventsAsText->isChecked();
  Style.BlankEventsText = ToStdString(edtBlankEventsText->text());
  petEvents->StoreStyle(Style.Events());
  Style.Header = StoredBoxText(*mmHeader);
  Style.Footer = StoredBoxText(*mmFooter);
  Style.HideBanner = cbxHideBanner->isChecked();
  if (&Style == &FStyle) SetApplyState(false);
}

// ---------------------------------------------------------------------------
// Reactions

void TStyleForm::UpdateCaptionSample() {
  const bool AsString = rbnStrMonth->isChecked();
  QString Sample = AsString ? ToQString(TCalStyle::MonthName(7, LanguageChoice())) : QString("07");
  if (cbxShowYear->isChecked()) Sample += QString(AsString ? " " : "/") + "2001";
  petCaption->SetSampleText(Sample);
  StyleChanged();
}

void TStyleForm::UpdateControlStates() {
  const bool Show = cbxShowCaption->isChecked();
  petCaption->SetDisabled(!Show);
  cbxShowYear->setEnabled(Show);
  rbnNumMonth->setEnabled(Show);
  rbnStrMonth->setEnabled(Show);
  btnDeleteStyle->setEnabled(cbxStyle->currentIndex() >= 0);
  edtWidth->setEnabled(!cbxCellWidth->isChecked());
  edtCellWidth->setEnabled(cbxCellWidth->isChecked());
  edtCellHeight->setEnabled(cbxCellHeight->isChecked());
}

void TStyleForm::StyleChanged() {
  // The areas are recorded before the paint box repaints, so that they are
  // current even while the dialog is not on screen.
  LayoutAndRecord();
  pbxPreview->repaint();
  PageControlChange();
  EnableApply();
}

void TStyleForm::EnableApply() { SetApplyState(true); }

void TStyleForm::SetApplyState(bool Changed) {
  btnApply->setEnabled(Changed);
  btnReset->setEnabled(Changed);
}

void TStyleForm::ShowPage(int Index) {
  PageControl->setCurrentIndex(Index);
  PageControlChange();
}

void TStyleForm::PageControlChange() {
  const int Page = PageControl->currentIndex();
  if (const TRect* Area = ArrowArea(FAreas, Page)) PlaceArrow(*Area);
  lblArrow->setVisible(ArrowVisible(Page, cbxShowCaption->isChecked()));
}

void TStyleForm::PlaceArrow(const TRect& Area) {
  lblArrow->move(lblArrow->x(), ArrowTop(Area, lblArrow->height()));
}

void TStyleForm::pbxPreviewMouseDown(int X, int Y) {
  ShowPage(PageAt(FAreas, cbxShowCaption->isChecked(), X, Y));
}

// ---------------------------------------------------------------------------
// The preview

TLayout TStyleForm::LayoutAndRecord() {
  const TLayout Layout = LayoutPreview(pbxPreview->width(), pbxPreview->height(), edtBorderWidth->Value(),
                                       cbxShowCaption->isChecked(), edtCaptionBottomMargin->Value());
  FAreas.Record(Layout);
  // The day numbers are painted on the cell's Events background, and that is
  // also the Days background that OK and Apply store.
  petDays->cetBGColor->SetColor(petEvents->cetBGColor->Color());
  return Layout;
}

void TStyleForm::PaintPreview(QPainter& Canvas) {
  const TLayout L = LayoutAndRecord();
  const QColor Page = ColorToQColor(cetBGColor->Color());
  Canvas.fillRect(ToQRect(L.Page), Page);
  if (L.HasCaption) petCaption->DrawSample(Canvas, ToQRect(L.CaptionArea));
  Canvas.fillRect(ToQRect(L.Grid), ColorToQColor(cetBorderColor->Color()));

  const std::string Language = LanguageChoice();
  const int Length = WeekDaysLengthChoice();
  // The excerpt's two columns are the first two days of the week.
  for (int Column = 0; Column < 2; ++Column) {
    const auto Day = static_cast<uint16_t>(WeekStartChoice() + Column);
    petWeekDays->SetSampleText(ToQString(TCalStyle::WeekDayName(Day, Language, Length)));
    petWeekDays->DrawSample(Canvas, ToQRect(L.Cell(L.WeekDaysArea, Column)));
  }
  // The real days of the sample month; a cell before its first day stays empty, as on a page.
  for (int Row = 0; Row < 2; ++Row) {
    for (int Column = 0; Column < 2; ++Column) {
      const int Day = SampleDay(WeekStartChoice(), Row, Column);
      petDays->SetSampleText(Day > 0 ? QString::number(Day) : QString());
      petDays->DrawSample(Canvas, ToQRect(L.Cell(L.DaysArea[Row], Column)));
      petEvents->SetSampleText(Day > 0 ? tr("Events %1").arg(Day) : QString());
      petEvents->DrawSample(Canvas, ToQRect(L.Cell(L.EventsArea[Row], Column)));
    }
  }
  Canvas.fillRect(ToQRect(L.Tail), Page);
}

// ---------------------------------------------------------------------------
// Schemes, preview in browser, Apply and Reset

void TStyleForm::cbxStyleChange() {
  UpdateControlStates();
  if (cbxStyle->currentIndex() < 0) return;
  if (TStyleGalleryItem* Item = FGallery->FindStyle(ToStdString(cbxStyle->currentText())))
    LoadFromStyle(Item->Style(), true);
  EnableApply();
}

void TStyleForm::btnAddStyleClick() {
  const std::optional<std::string> Typed =
      UserDialogs().InputBox(ToStdString(tr("Append scheme")), ToStdString(tr("Enter the scheme name")),
                             ToStdString(cbxStyle->currentText()));
  if (!Typed) return;
  const std::string Name = TrimControls(*Typed);
  if (Name.empty()) {
    Warn(ToStdString(tr("Invalid name")));
    return;
  }
  TStyleGalleryItem* Item = FGallery->FindStyle(Name);
  if (Item) {
    if (!Confirm(ToStdString(tr("Style \"%1\" already exists. Override?").arg(ToQString(Name))))) return;
  } else {
    const int Selected = cbxStyle->currentIndex();
    cbxStyle->addItem(ToQString(Name));
    cbxStyle->setCurrentIndex(Selected);  // adding to an empty list would select the new name
    Item = &FGallery->Items().Add();
  }
  Item->Name = Name;
  TCalStyle& Scheme = Item->Style();
  StoreToStyle(Scheme);
  Scheme.Title.clear();
  Scheme.Width.clear();
  Scheme.Language.clear();
  Scheme.Header.clear();
  Scheme.Footer.clear();
  // The page form and the text choices belong to a calendar, not to its colours.
  Scheme.ModernPage = false;
  Scheme.WeekStart = 1;
  Scheme.EventsAsText = false;
}

void TStyleForm::btnDeleteStyleClick() {
  if (!Confirm(ToStdString(tr("Do you want to delete \"%1\" scheme?").arg(cbxStyle->currentText())))) return;
  const int Selected = cbxStyle->currentIndex();
  if (Selected >= 0) {
    if (TStyleGalleryItem* Item = FGallery->FindStyle(ToStdString(cbxStyle->currentText())))
      FGallery->Items().Delete(Item->Index());
    cbxStyle->removeItem(Selected);
    cbxStyle->setCurrentIndex(-1);
  }
  UpdateControlStates();
}

void TStyleForm::btnPreviewClick() {
  TCalStyle Edited;
  StoreToStyle(Edited);
  PreviewMonth(FDocument, Edited, FDate);
}

void TStyleForm::btnApplyClick() { StoreToStyle(FStyle); }

void TStyleForm::btnResetClick() { LoadFromStyle(FStyle, false); }
