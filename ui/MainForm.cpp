#include "ui/MainForm.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <ctime>

#include "Version.h"
#include "generator/CalGen.h"
#include "generator/Globals.h"
#include "ical/ICalendar.h"
#include "model/DayEdits.h"
#include "model/EventList.h"
#include "model/EventSearch.h"
#include "net/Fetch.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"
#include "project/ShellLib.h"
#include "site/Fragment.h"
#include "ui/About.h"
#include "ui/CaptionLabel.h"
#include "ui/Contrast.h"
#include "ui/CoreMessages.h"
#include "ui/DateChooser.h"
#include "ui/ExportDlg.h"
#include "ui/FetchDlg.h"
#include "ui/FormKeeperQt.h"
#include "ui/PublishDlg.h"
#include "ui/QtDialogs.h"
#include "ui/QtText.h"
#include "ui/RangeDlg.h"
#include "ui/RemoveLineDlg.h"
#include "ui/RepeatDlg.h"
#include "ui/StyleDlg.h"
#include "ui/Translations.h"

// The drawings live in the library's resources, which a static library must
// register itself.
static void InitUiResources() { Q_INIT_RESOURCE(ui); }

namespace {
// The main window's help topic; topic 0 is the contents.
constexpr int MainWindowHelpTopic = 40;

// The page of a help topic in the help folder.
std::string HelpPageOfTopic(int Topic) {
  return Topic == MainWindowHelpTopic ? "main-window.html" : "index.html";
}

// An SVG drawing of the resources as an icon, drawn at every size it is shown.
QIcon DrawnIcon(const QString& Name, std::initializer_list<int> Sizes) {
  QSvgRenderer Renderer(QStringLiteral(":/icons/%1.svg").arg(Name));
  QIcon Icon;
  for (int Size : Sizes) {
    QPixmap Pixmap(Size, Size);
    Pixmap.fill(Qt::transparent);
    QPainter Painter(&Pixmap);
    Painter.setRenderHint(QPainter::Antialiasing);
    Renderer.render(&Painter);
    Painter.end();
    Icon.addPixmap(Pixmap);
  }
  return Icon;
}

QIcon ToolIcon(const QString& Name) { return DrawnIcon(Name, {24, 30, 36, 48, 72}); }

// A layout without margins or spacing.
template <class TLayout>
TLayout* TightLayout(TLayout* Layout) {
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->setSpacing(0);
  return Layout;
}
}  // namespace

// The Reopen submenu as the project controller fills it.
class TQtReopenMenu : public TReopenMenu {
 public:
  TQtReopenMenu(TfrmMain& Window, QMenu& Menu) : FWindow(Window), FMenu(Menu) {}

  void ClearItems() override { FMenu.clear(); }
  void AddItem(const TReopenMenuItem& Item) override {
    QAction* Action = FMenu.addAction(ToQString(Item.Caption));
    Action->setObjectName(ToQString(Item.Name));
    Action->setEnabled(Item.Enabled);
    Action->setCheckable(Item.Checked);
    Action->setChecked(Item.Checked);
    Action->setData(Item.Tag);
    const int Tag = Item.Tag;
    TfrmMain* Window = &FWindow;
    // Reopening rebuilds this very menu, so the click is handled after the
    // menu has finished with the item.
    QObject::connect(Action, &QAction::triggered, Window, [Window, Tag] {
      QMetaObject::invokeMethod(
          Window,
          [Window, Tag] { Window->RunCommand([Window, Tag] { Window->Project.ReopenItemClick(Tag); }); },
          Qt::QueuedConnection);
    });
  }
  int ItemCount() const override { return static_cast<int>(FMenu.actions().size()); }
  void SetEnabled(bool Enabled) override { FMenu.menuAction()->setEnabled(Enabled); }

 private:
  TfrmMain& FWindow;
  QMenu& FMenu;
};

TfrmMain::TfrmMain(QWidget* Parent)
    : QMainWindow(Parent),
      FKeptForm(std::make_unique<TQtKeptForm>(*this, "frmMain")),
      FFormKeeper(*FKeptForm) {
  InitUiResources();
  SetUpWindow();
  SetUpProject();
  CreatePanels();
  CreateEventBox();
  CreateStatusBar();
  CreateFindDialog();
  CreateMenus();
  CreateToolBar();
  ConnectProject();
  CreateDocument();
  CreateDateChooser();
  // A damaged geometry record is reported and the window still starts.
  RunCommand([this] { FFormKeeper.LoadSettings(false); });
  RunCommand([this] { ProjectNew(); });
  RunCommand([this] { ProjectProjectListAdd(); });
}

TfrmMain::~TfrmMain() {
  if (fdgEvent) fdgEvent->OnFind = nullptr;
  RunCommand([this] { Project.Close(); });
  RunCommand([this] { FFormKeeper.SaveSettings(); });
}

void TfrmMain::SetUpWindow() {
  setObjectName("frmMain");
  setWindowTitle("Quillbay");
  setWindowIcon(DrawnIcon("quillbay", {16, 24, 32, 48, 64, 128, 256}));
  setMinimumSize(500, 360);
  move(244, 107);
  resize(696, 480);
}

void TfrmMain::SetUpProject() {
  Project.RegistryAddress = {hkeyCurrentUser, "\\Software\\tolvsoft\\Quillbay"};
  Project.DefaultExt = "qby";
  Project.FileFilter = ToStdString(tr("Calendar Files") + "|*.qby|" + tr("All Files") + "|*.*");
  Project.SaveAlert = ToStdString(tr("The calendar has been changed. Save?"));
  Project.MaxListSize = 10;
  FFormKeeper.Project = &Project;
  FFormKeeper.FormName = "frmMain";
  FFormKeeper.FormStore = true;
  FFormKeeper.ComponentsStore = false;
  FFormKeeper.OnLoad = [this](TFormKeeper&, TRegistry& Reg) {
    if (Reg.ValueExists("MarkDays")) miMarkDays->setChecked(Reg.ReadInteger("MarkDays") != 0);
  };
  FFormKeeper.OnSave = [this](TFormKeeper&, TRegistry& Reg) {
    Reg.WriteInteger("MarkDays", miMarkDays->isChecked() ? 1 : 0);
  };
}

void TfrmMain::CreatePanels() {
  auto* Central = new QWidget(this);
  auto* Outer = TightLayout(new QVBoxLayout(Central));
  pnlTop = new QWidget(Central);
  pnlTop->setObjectName("pnlTop");
  pnlTop->setFixedHeight(2);
  Outer->addWidget(pnlTop);

  auto* Body = TightLayout(new QHBoxLayout);
  Outer->addLayout(Body, 1);
  pnlTools = new QFrame(Central);
  pnlTools->setObjectName("pnlTools");
  pnlTools->setFixedWidth(240);
  auto* ToolsLayout = new QVBoxLayout(pnlTools);
  ToolsLayout->setContentsMargins(1, 1, 1, 1);
  ToolsLayout->addStretch(1);
  Body->addWidget(pnlTools);

  pnlClient = new QWidget(Central);
  pnlClient->setObjectName("pnlClient");
  TightLayout(new QVBoxLayout(pnlClient))->setContentsMargins(0, 1, 1, 1);
  Body->addWidget(pnlClient, 1);
  setCentralWidget(Central);
}

void TfrmMain::CreateEventBox() {
  pnlEventsCaption = new QWidget(pnlClient);
  pnlEventsCaption->setObjectName("pnlEventsCaption");
  pnlEventsCaption->setFixedHeight(24);
  lblEventDate = new TCaptionLabel(pnlEventsCaption);
  lblEventDate->setObjectName("lblEventDate");
  lblEventDate->setAlignment(Qt::AlignCenter);
  lblEventDate->setAutoFillBackground(true);
  QFont CaptionFont = lblEventDate->font();
  CaptionFont.setPointSize(12);
  CaptionFont.setBold(true);
  lblEventDate->setFont(CaptionFont);
  ApplyCaptionColors();
  TightLayout(new QHBoxLayout(pnlEventsCaption))->addWidget(lblEventDate);
  auto* ClientLayout = static_cast<QVBoxLayout*>(pnlClient->layout());
  ClientLayout->addWidget(pnlEventsCaption);

  mmEvent = new QPlainTextEdit(pnlClient);
  mmEvent->setObjectName("mmEvent");
  mmEvent->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  mmEvent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmEvent->setContextMenuPolicy(Qt::CustomContextMenu);
  // A hint while the day is empty; it is no part of the text, and screen
  // readers tell it as the box's description.
  const QString Hint = tr("Type the events of this day; pick another day on the left");
  mmEvent->setPlaceholderText(Hint);
  mmEvent->setAccessibleDescription(Hint);
  mmEvent->installEventFilter(this);
  mmEvent->viewport()->installEventFilter(this);
  ClientLayout->addWidget(mmEvent, 1);
  connect(mmEvent, &QPlainTextEdit::textChanged, this, [this] { RunCommand([this] { mmEventChange(); }); });
  connect(mmEvent, &QWidget::customContextMenuRequested, this, &TfrmMain::ShowContextMenu);
}

// White text on the palette's dark shade, deepened until the text reads at
// 4.5:1 whatever the desktop's palette.
void TfrmMain::ApplyCaptionColors() {
  QPalette CaptionPalette = palette();
  CaptionPalette.setColor(QPalette::Window, BackgroundFor(Qt::white, palette().color(QPalette::Dark)));
  CaptionPalette.setColor(QPalette::WindowText, Qt::white);
  lblEventDate->setPalette(CaptionPalette);
}

void TfrmMain::changeEvent(QEvent* Event) {
  QMainWindow::changeEvent(Event);
  if (Event->type() == QEvent::PaletteChange && lblEventDate) ApplyCaptionColors();
}

void TfrmMain::CreateStatusBar() {
  StatusPanel0 = new QLabel(this);
  StatusPanel0->setObjectName("StatusPanel0");
  StatusPanel0->setAlignment(Qt::AlignCenter);
  StatusPanel1 = new QLabel(this);
  StatusPanel1->setObjectName("StatusPanel1");
  const int PanelWidth = std::max(50, StatusPanel1->fontMetrics().horizontalAdvance(tr("Modified")) + 12);
  StatusPanel0->setMinimumWidth(PanelWidth);
  StatusPanel1->setMinimumWidth(PanelWidth);
  statusBar()->setObjectName("StatusBar");
  StatusPanel2 = new QLabel(this);
  StatusPanel2->setObjectName("StatusPanel2");
  statusBar()->addWidget(StatusPanel0);
  statusBar()->addWidget(StatusPanel1);
  statusBar()->addWidget(StatusPanel2, 1);
}

void TfrmMain::CreateFindDialog() {
  fdgEvent = new TFindDialog(this);
  fdgEvent->setObjectName("fdgEvent");
  fdgEvent->OnFind = [this](TFindDialog&) { fdgEventFind(); };
}

void TfrmMain::CreateDateChooser() {
  FDateChooser = new TDateChooser(pnlTools);
  FDateChooser->setObjectName("FDateChooser");
  FDateChooser->SetTodayHighlight(false);
  static_cast<QVBoxLayout*>(pnlTools->layout())->insertWidget(0, FDateChooser);
  // Wider where the language's short day names need it ("sam." in French).
  const QMargins Frame = pnlTools->layout()->contentsMargins();
  pnlTools->setFixedWidth(
      std::max(pnlTools->width(), FDateChooser->minimumSizeHint().width() + Frame.left() + Frame.right()));
  FDateChooser->OnSelect = [this](TDateChooser&, TDateTime Date) { LoadDay(Date); };
  FDateChooser->OnUnselect = [this](TDateChooser&, TDateTime Date) { StoreDay(Date); };
  // The day in the box counts as it stands, stored or not.
  FDateChooser->HasEvents = [this](TDateTime Date) {
    if (Date == FBoxDate) return FBoxHasText;
    return FEventList->FindEvent(false, Date) != nullptr;
  };
  FDateChooser->SetMarkDays(miMarkDays->isChecked());
  connect(miMarkDays, &QAction::toggled, FDateChooser, &TDateChooser::SetMarkDays);
  FDateChooser->Reset();
}

QAction* TfrmMain::AddCommand(QMenu* Menu, const char* Name, const QString& Caption,
                              void (TfrmMain::*Handler)(), const QKeySequence& Shortcut) {
  QAction* Action = Menu->addAction(Caption);
  Action->setObjectName(Name);
  Action->setShortcut(Shortcut);
  Action->setShortcutContext(Qt::WindowShortcut);
  connect(Action, &QAction::triggered, this,
          [this, Handler] { RunCommand([this, Handler] { (this->*Handler)(); }); });
  return Action;
}

void TfrmMain::CreateMenus() {
  QMenu* File = menuBar()->addMenu(tr("&File"));
  miNew = AddCommand(File, "miNew", tr("&New"), &TfrmMain::miNewClick);
  miOpen =
      AddCommand(File, "miOpen", tr("&Open..."), &TfrmMain::miOpenClick, QKeySequence(Qt::CTRL | Qt::Key_O));
  File->addSeparator();
  miReopen = File->addMenu(tr("&Reopen"));
  miReopen->setObjectName("miReopen");
  FReopenMenu = std::make_unique<TQtReopenMenu>(*this, *miReopen);
  File->addSeparator();
  miSave =
      AddCommand(File, "miSave", tr("&Save"), &TfrmMain::miSaveClick, QKeySequence(Qt::CTRL | Qt::Key_S));
  miSaveAs = AddCommand(File, "miSaveAs", tr("Save &As..."), &TfrmMain::miSaveAsClick);
  File->addSeparator();
  miImportICal = AddCommand(File, "miImportICal", tr("&Import iCalendar..."), &TfrmMain::miImportICalClick);
  miImportAddress =
      AddCommand(File, "miImportAddress", tr("Import from a&ddress..."), &TfrmMain::miImportAddressClick);
  File->addSeparator();
  miPublishSite = AddCommand(File, "miPublishSite", tr("P&ublish site..."), &TfrmMain::miPublishSiteClick);
  miPublishAgain = AddCommand(File, "miPublishAgain", tr("Publish a&gain"), &TfrmMain::miPublishAgainClick,
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  File->addSeparator();
  miExit =
      AddCommand(File, "miExit", tr("E&xit"), &TfrmMain::miExitClick, QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* Edit = menuBar()->addMenu(tr("&Edit"));
  miUndo =
      AddCommand(Edit, "miUndo", tr("&Undo"), &TfrmMain::miUndoClick, QKeySequence(Qt::CTRL | Qt::Key_Z));
  miUndoDays = AddCommand(Edit, "miUndoDays", tr("U&ndo Repeat"), &TfrmMain::miUndoDaysClick);
  miUndoDays->setEnabled(false);
  Edit->addSeparator();
  miCut = AddCommand(Edit, "miCut", tr("Cu&t"), &TfrmMain::miCutClick, QKeySequence(Qt::CTRL | Qt::Key_X));
  miCopy =
      AddCommand(Edit, "miCopy", tr("&Copy"), &TfrmMain::miCopyClick, QKeySequence(Qt::CTRL | Qt::Key_C));
  miPaste =
      AddCommand(Edit, "miPaste", tr("&Paste"), &TfrmMain::miPasteClick, QKeySequence(Qt::CTRL | Qt::Key_V));
  miCopyMonthHtml =
      AddCommand(Edit, "miCopyMonthHtml", tr("Copy month as &HTML"), &TfrmMain::miCopyMonthHtmlClick);
  Edit->addSeparator();
  miSearch = AddCommand(Edit, "miSearch", tr("&Search..."), &TfrmMain::miSearchClick,
                        QKeySequence(Qt::CTRL | Qt::Key_F));
  Edit->addSeparator();
  miRepeat = AddCommand(Edit, "miRepeat", tr("&Repeat..."), &TfrmMain::miRepeatClick);
  miRemoveFromDays =
      AddCommand(Edit, "miRemoveFromDays", tr("Remove from &days..."), &TfrmMain::miRemoveFromDaysClick);

  QMenu* View = menuBar()->addMenu(tr("&View"));
  miPrevMonth = AddCommand(View, "miPrevMonth", tr("Prev &Month"), &TfrmMain::miPrevMonthClick);
  miPrevDay = AddCommand(View, "miPrevDay", tr("&Prev Day"), &TfrmMain::miPrevDayClick,
                         QKeySequence(Qt::CTRL | Qt::Key_P));
  miNextDay = AddCommand(View, "miNextDay", tr("&Next Day"), &TfrmMain::miNextDayClick,
                         QKeySequence(Qt::CTRL | Qt::Key_N));
  miNextMonth = AddCommand(View, "miNextMonth", tr("Ne&xt Month"), &TfrmMain::miNextMonthClick);
  View->addSeparator();
  miMarkDays = View->addAction(tr("Mar&k Days with Events"));
  miMarkDays->setObjectName("miMarkDays");
  miMarkDays->setCheckable(true);
  miMarkDays->setChecked(true);

  QMenu* Tools = menuBar()->addMenu(tr("&Tools"));
  miPreview = AddCommand(Tools, "miPreview", tr("&Preview"), &TfrmMain::miPreviewClick);
  miPublish = AddCommand(Tools, "miPublish", tr("Export &month..."), &TfrmMain::miPublishClick);
  miExportYear = AddCommand(Tools, "miExportYear", tr("Export &year..."), &TfrmMain::miExportYearClick);
  miExportICal = AddCommand(Tools, "miExportICal", tr("Export &iCalendar..."), &TfrmMain::miExportICalClick);
  Tools->addSeparator();
  miStyle = AddCommand(Tools, "miStyle", tr("&Style..."), &TfrmMain::miStyleClick);

  QMenu* Help = menuBar()->addMenu(tr("&Help"));
  miHelpTopics = AddCommand(Help, "miHelpTopics", tr("&Help Topics"), &TfrmMain::miHelpTopicsClick);
  // F1 opens the help of the main window (below); the menu shows the key beside the item.
  miHelpTopics->setText(miHelpTopics->text() + '\t' +
                        QKeySequence(Qt::Key_F1).toString(QKeySequence::NativeText));
  Help->addSeparator();
  miAbout = AddCommand(Help, "miAbout", tr("&About"), &TfrmMain::miAboutClick);
  auto* HelpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
  HelpKey->setContext(Qt::WindowShortcut);
  connect(HelpKey, &QShortcut::activated, this,
          [this] { RunCommand([this] { ShowHelpTopic(MainWindowHelpTopic); }); });
}

QToolButton* TfrmMain::AddToolButton(const char* Name, const QString& Icon, const QString& Hint,
                                     void (TfrmMain::*Handler)()) {
  QAction* Action = ToolBar->addAction(ToolIcon(Icon), Hint);
  Action->setToolTip(Hint);
  connect(Action, &QAction::triggered, this,
          [this, Handler] { RunCommand([this, Handler] { (this->*Handler)(); }); });
  auto* Button = qobject_cast<QToolButton*>(ToolBar->widgetForAction(Action));
  Button->setObjectName(Name);
  Button->setAutoRaise(true);
  Button->setMinimumSize(34, 30);
  return Button;
}

void TfrmMain::CreateToolBar() {
  ToolBar = addToolBar(tr("Tool Bar"));
  ToolBar->setObjectName("ToolBar");
  ToolBar->setMovable(false);
  ToolBar->setFloatable(false);
  ToolBar->setIconSize(QSize(24, 24));
  ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  ToolBar->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);

  tbnNew = AddToolButton("tbnNew", "new", tr("New"), &TfrmMain::miNewClick);
  tbnOpen = AddToolButton("tbnOpen", "open", tr("Open"), &TfrmMain::miOpenClick);
  tbnOpen->setMenu(miReopen);
  tbnOpen->setPopupMode(QToolButton::MenuButtonPopup);
  tbnSave = AddToolButton("tbnSave", "save", tr("Save"), &TfrmMain::miSaveClick);
  tbnSave->defaultAction()->setEnabled(false);
  miSave->setEnabled(false);
  ToolBar->addSeparator();
  tbnStyle = AddToolButton("tbnStyle", "style", tr("Style"), &TfrmMain::miStyleClick);
  tbnPreview = AddToolButton("tbnPreview", "preview", tr("Preview"), &TfrmMain::miPreviewClick);
  tbnPublish = AddToolButton("tbnPublish", "publish", tr("Export month"), &TfrmMain::miPublishClick);
  tbnExportYear =
      AddToolButton("tbnExportYear", "exportyear", tr("Export year"), &TfrmMain::miExportYearClick);
}

void TfrmMain::ConnectProject() {
  Project.OnNew = [this](TProject&) { ProjectNew(); };
  Project.OnOpen = [this](TProject&) { ProjectOpen(); };
  Project.OnSave = [this](TProject&) { ProjectSave(); };
  Project.OnClose = [this](TProject&) { ProjectClose(); };
  Project.OnChanged = [this](TProject&) { ProjectChanged(); };
  Project.OnNameChanged = [this](TProject&) { ProjectNameChanged(); };
  Project.OnProjectListAdd = [this](TProject&) { ProjectProjectListAdd(); };
}

void TfrmMain::RunCommand(const std::function<void()>& Command) {
  RunGuarded(Command);
  if (!FOpenFailed) return;
  FOpenFailed = false;
  RunGuarded([this] { ReplaceFailedDocument(); });
}

void TfrmMain::ReplaceFailedDocument() {
  // The controller has already forgotten the file; the document that held the
  // failed read goes.
  Project.Close();
  ProjectNew();
  Project.SetModified(false);
}

// ---------------------------------------------------------------- document

void TfrmMain::CreateDocument() {
  DropDayEdit();
  FEventList.reset();
  FEventList = std::make_unique<TEventList>();
  int Year = 0, Month = 0, Day = 0;
  DecodeDate(Platform().Now(), Year, Month, Day);
  SetDocumentDefaults(*FEventList, GetPersonalFolder(), static_cast<uint16_t>(Year));
}

void TfrmMain::ProjectNew() {
  CreateDocument();
  FEventList->Style().ResetToDefaults();
  // The week of the user's country; Sunday, the default, is not written.
  FEventList->Style().WeekStart = Platform().FirstWeekDay();
  StatusPanel2->clear();
  ShowCurrentDay();
}

void TfrmMain::ProjectOpen() {
  CreateDocument();
  {
    const QSignalBlocker Blocker(mmEvent);
    mmEvent->clear();
  }
  try {
    FEventList->LoadFromFile(Project.FileName());
  } catch (...) {
    FOpenFailed = true;
    throw;
  }
  // The last event in document order; today when its day lies outside the
  // calendar (a file may keep such a date, but no day can show it).
  if (FEventList->Count() > 0) {
    const TDateTime Last = FEventList->Events(FEventList->Count() - 1).Date();
    FDateChooser->SelectDate(IsCalendarDay(Last) ? Last : Platform().Now());
  }
  ShowCurrentDay();
}

void TfrmMain::ProjectSave() {
  StoreCurrentDay();
  FEventList->SaveToFile(Project.FileName());
}

void TfrmMain::ProjectClose() {
  StoreCurrentDay();
  FDateChooser->Reset();
}

void TfrmMain::ProjectChanged() {
  ++FModifiedStamp;
  // The menu's Save and the tool bar's agree: there is something to save.
  miSave->setEnabled(Project.Modified());
  tbnSave->defaultAction()->setEnabled(Project.Modified());
  StatusPanel1->setText(Project.Modified() ? tr("Modified") : QString());
}

void TfrmMain::ProjectNameChanged() {
  QString Caption = "Quillbay";
  if (!Project.FileName().empty()) Caption += " - " + ToQString(Project.FileName());
  setWindowTitle(Caption);
}

void TfrmMain::ProjectProjectListAdd() { Project.FillReopenMenu(*FReopenMenu); }

// ---------------------------------------------------------------- day binding

void TfrmMain::LoadDay(TDateTime Date) {
  FBoxDate = Date;
  lblEventDate->setText(QLocale::system().toString(DateTimeToQDate(Date), QLocale::LongFormat));
  TEvent* Event = FEventList->FindEvent(false, Date);
  FLoading = true;
  struct TLoadingGuard {
    bool& Flag;
    ~TLoadingGuard() { Flag = false; }
  } Guard{FLoading};
  if (Event) {
    const QString Text = StoredToBox(Event->Text);
    if (Text != BoxText(*mmEvent)) mmEvent->setPlainText(Text);
    FBoxHasText = true;
    FDateChooser->RefreshMarks();
    return;
  }
  // Emptying the box for a day without an event is not a change of its own.
  {
    const QSignalBlocker Blocker(mmEvent);
    mmEvent->clear();
  }
  FBoxHasText = false;
  FDateChooser->RefreshMarks();
}

void TfrmMain::StoreDay(TDateTime Date) {
  const QString Text = BoxText(*mmEvent);
  TEvent* Event = FEventList->FindEvent(!Text.isEmpty(), Date);
  if (!Event) return;
  if (IsBlank(ToStdString(Text))) {
    delete Event;
    return;
  }
  const std::string Stored = BoxToStored(Text);
  if (Event->Text != Stored) Event->Text = Stored;
}

void TfrmMain::StoreCurrentDay() { StoreDay(FDateChooser->Date()); }

void TfrmMain::ShowCurrentDay() { FDateChooser->SelectDate(FDateChooser->Date()); }

void TfrmMain::mmEventChange() {
  if (!FUndoing) FUndoTakesBack = false;
  if (!FLoading) {
    // Any text change ends what Undo Repeat / Undo Remove could take back.
    DropDayEdit();
    Project.SetModified(true);
  }
  // The day's mark comes with its first character and goes with its last.
  if (const bool HasText = !IsBlank(ToStdString(BoxText(*mmEvent))); HasText != FBoxHasText) {
    FBoxHasText = HasText;
    FDateChooser->RefreshMarks();
  }
  mmEventClick();
}

void TfrmMain::mmEventClick() {
  const QTextCursor Cursor = mmEvent->textCursor();
  const int Position = Cursor.selectionEnd();
  const QTextBlock Block = mmEvent->document()->findBlock(Position);
  int Line = 0;
  for (QTextBlock B = mmEvent->document()->begin(); B.isValid() && B != Block; B = B.next())
    Line += std::max(1, B.layout() && B.layout()->lineCount() > 0 ? B.layout()->lineCount() : B.lineCount());
  int Column = Position - Block.position();
  if (QTextLayout* Layout = Block.layout(); Layout && Layout->lineCount() > 0) {
    const QTextLine TextLine = Layout->lineForTextPosition(Column);
    if (TextLine.isValid()) {
      Line += TextLine.lineNumber();
      Column -= TextLine.textStart();
    }
  }
  StatusPanel0->setText(QStringLiteral("%1:%2").arg(Column).arg(Line));
}

bool TfrmMain::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == mmEvent) {
    // Only the key events are key events: the box also sees paint, focus and
    // mouse events here.
    const auto AsKey = [Event] { return static_cast<QKeyEvent*>(Event); };
    switch (Event->type()) {
      case QEvent::ShortcutOverride:
        // Undo is the window's single-step undo; the box has no redo.
        if (AsKey()->matches(QKeySequence::Undo) || AsKey()->matches(QKeySequence::Redo)) return true;
        break;
      case QEvent::KeyPress:
        if (AsKey()->matches(QKeySequence::Undo)) {
          RunCommand([this] { miUndoClick(); });
          return true;
        }
        if (AsKey()->matches(QKeySequence::Redo)) return true;
        RunCommand([this] { mmEventClick(); });
        break;
      case QEvent::KeyRelease:
        RunCommand([this] { mmEventClick(); });
        break;
      default:
        break;
    }
  } else if (Watched == mmEvent->viewport() && Event->type() == QEvent::MouseButtonRelease) {
    RunCommand([this] { mmEventClick(); });
  }
  return QMainWindow::eventFilter(Watched, Event);
}

void TfrmMain::ShowContextMenu(const QPoint& Pos) {
  std::unique_ptr<QMenu> Menu(mmEvent->createStandardContextMenu(Pos));
  for (QAction* Action : Menu->actions()) {
    if (Action->objectName() == "edit-redo") {
      Menu->removeAction(Action);
    } else if (Action->objectName() == "edit-undo") {
      Action->disconnect();
      Action->setEnabled(mmEvent->document()->isUndoAvailable() || mmEvent->document()->isRedoAvailable() ||
                         FDayEdit);
      connect(Action, &QAction::triggered, this, [this] { RunCommand([this] { miUndoClick(); }); });
    }
  }
  Menu->exec(mmEvent->viewport()->mapToGlobal(Pos));
}

// ---------------------------------------------------------------- commands

void TfrmMain::miNewClick() { Project.New(); }
void TfrmMain::miOpenClick() { Project.Open(); }
void TfrmMain::OpenNamedFile(const std::string& FileName) {
  RunCommand([this, &FileName] { Project.OpenFile(FileName); });
}
void TfrmMain::miSaveClick() { Project.Save(); }
void TfrmMain::miSaveAsClick() { Project.SaveAs(); }
void TfrmMain::miExitClick() { close(); }

void TfrmMain::miUndoClick() {
  QTextDocument* Doc = mmEvent->document();
  // The box's own history first; with none, the last Repeat or Remove.
  if (!Doc->isUndoAvailable() && !(FUndoTakesBack && Doc->isRedoAvailable()) && FDayEdit) {
    miUndoDaysClick();
    return;
  }
  FUndoing = true;
  struct TUndoGuard {
    bool& Flag;
    ~TUndoGuard() { Flag = false; }
  } Guard{FUndoing};
  if (FUndoTakesBack && Doc->isRedoAvailable()) {
    mmEvent->redo();
    FUndoTakesBack = false;
    return;
  }
  if (!Doc->isUndoAvailable()) return;
  mmEvent->undo();
  FUndoTakesBack = true;
}

void TfrmMain::miCutClick() { mmEvent->cut(); }
void TfrmMain::miCopyClick() { mmEvent->copy(); }
void TfrmMain::miPasteClick() { mmEvent->paste(); }

// The month of the chosen day as a fragment for another site's page: as HTML
// for editors that take formatted text, and as its source for the HTML
// blocks of a CMS.
void TfrmMain::miCopyMonthHtmlClick() {
  StoreCurrentDay();
  int Year = 0, Month = 0, Day = 0;
  DecodeDate(FDateChooser->Date(), Year, Month, Day);
  const QString Html = ToQString(MonthFragment(*FEventList, Year, Month));
  auto* Data = new QMimeData;
  Data->setHtml(Html);
  Data->setText(Html);
  QGuiApplication::clipboard()->setMimeData(Data);
}

void TfrmMain::miPrevMonthClick() { FDateChooser->SelectDate(IncMonth(FDateChooser->Date(), -1)); }
void TfrmMain::miPrevDayClick() { FDateChooser->SelectDate(FDateChooser->Date() - 1); }
void TfrmMain::miNextDayClick() { FDateChooser->SelectDate(FDateChooser->Date() + 1); }
void TfrmMain::miNextMonthClick() { FDateChooser->SelectDate(IncMonth(FDateChooser->Date(), 1)); }

void TfrmMain::miSearchClick() {
  FSearch.Restart();
  if (!FFindDialogPlaced) {
    fdgEvent->adjustSize();
    fdgEvent->move(FDateChooser->mapToGlobal(QPoint(0, FDateChooser->height())));
    FFindDialogPlaced = true;
  }
  fdgEvent->show();
  fdgEvent->raise();
  fdgEvent->activateWindow();
  fdgEvent->edtFind->setFocus();
  fdgEvent->edtFind->selectAll();
}

void TfrmMain::fdgEventFind() {
  const TMatchCase Case = fdgEvent->MatchCase() ? TMatchCase::Respect : TMatchCase::Ignore;
  const std::optional<TEventMatch> Match =
      FSearch.FindNext(*FEventList, ToStdString(fdgEvent->FindText()), Case);
  if (!Match) {
    fdgEvent->close();
    UserDialogs().MessageBox({.Caption = ToStdString(tr("Information")),
                              .Text = ToStdString(tr("Finished searching")),
                              .Icon = TMsgIcon::Information,
                              .Buttons = TMsgButtons::OK});
    return;
  }
  FDateChooser->SelectDate(Match->Event->Date());
  const int Last = mmEvent->document()->characterCount() - 1;
  QTextCursor Cursor(mmEvent->document());
  Cursor.setPosition(std::min(Match->BoxStart, Last));
  Cursor.setPosition(std::min(Match->BoxEnd, Last), QTextCursor::KeepAnchor);
  mmEvent->setTextCursor(Cursor);
  mmEvent->ensureCursorVisible();
  mmEventClick();
}

void TfrmMain::miPreviewClick() {
  StoreCurrentDay();
  PreviewMonth(*FEventList, FEventList->Style(), FDateChooser->Date());
}

void TfrmMain::miPublishClick() {
  StoreCurrentDay();
  int Year = 0, Month = 0, Day = 0;
  DecodeDate(FDateChooser->Date(), Year, Month, Day);
  TFileDialogRequest Request;
  Request.Title = ToStdString(tr("Export"));
  Request.DefaultExt = "html";
  Request.Filter = ToStdString(tr("HTML Files") + "|*.html;*.htm|" + tr("All Files") + "|*.*");
  Request.InitialDir = FEventList->DefaultFolder;
  Request.FileName = std::to_string(Month) + "_" + std::to_string(Year) + ".html";
  Request.PromptOverwrite = true;
  Request.HideReadOnly = true;
  Request.Resizable = true;
  const std::optional<std::string> Chosen = UserDialogs().SaveFile(Request);
  if (!Chosen) return;
  RememberExportFolder(*Chosen);
  TCalGen Generator(*FEventList, FEventList->Style());
  Generator.WriteMonthPage(static_cast<uint16_t>(Month), static_cast<uint16_t>(Year), *Chosen);
  ShowWritten(tr("Month page written to %1"), *Chosen);
}

void TfrmMain::ShowWritten(const QString& What, const std::string& FileName) {
  StatusPanel2->setText(
      What.arg(QDir::toNativeSeparators(QFileInfo(ToQString(FileName)).absoluteFilePath())));
}

void TfrmMain::RememberExportFolder(const std::string& FileName) {
  const std::string Folder = ExtractFolder(FileName);
  if (Folder == FEventList->DefaultFolder) return;
  FEventList->DefaultFolder = Folder;
  Project.SetModified(true);
}

int TfrmMain::ShownYear() const {
  int Year = 0, Month = 0, Day = 0;
  DecodeDate(FDateChooser->Date(), Year, Month, Day);
  return Year;
}

TFileDialogRequest TfrmMain::ICalendarFileRequest(const QString& Title) const {
  TFileDialogRequest Request;
  Request.Title = ToStdString(Title);
  Request.DefaultExt = "ics";
  Request.Filter = ToStdString(tr("iCalendar Files") + "|*.ics|" + tr("All Files") + "|*.*");
  return Request;
}

void TfrmMain::miImportICalClick() {
  StoreCurrentDay();
  TFileDialogRequest Request = ICalendarFileRequest(tr("Import iCalendar"));
  Request.MustExist = true;
  const std::optional<std::string> File = UserDialogs().OpenFile(Request);
  if (!File) return;
  // The days of the file's own events, when it can be read at all; the
  // import itself says what is wrong with one that cannot.
  const TDateTime Today = Platform().Now();
  TDayRange Proposed = DefaultImportRange(ShownYear());
  try {
    const TDayRange Span = ICalendarFileSpan(*File, Today);
    if (Span.From <= Span.To) Proposed = DefaultImportRangeFor(Span, Today);
  } catch (const EQuillbayError&) {
  }
  const std::optional<TDayRange> Days =
      ExecuteRangeDialog(this, tr("Import iCalendar"), tr("Import the events of these days:"), Proposed);
  if (!Days) return;
  ShowImportResult(ImportICalendarFile(*FEventList, *File, Days->From, Days->To, EventTextFormOf(*FEventList)),
                   *Days);
}

void TfrmMain::miImportAddressClick() {
  StoreCurrentDay();
  const QString Title = tr("Import from Address");
  const std::optional<std::string> Address = AskCalendarAddress(this, Title);
  if (!Address) return;
  const std::optional<std::string> Calendar = FetchCalendarWithProgress(this, Title, *Address);
  if (!Calendar) return;
  const std::string Name = AddressForMessages(*Address);
  const TDateTime Today = Platform().Now();
  TDayRange Proposed = DefaultImportRange(ShownYear());
  try {
    const TDayRange Span = ICalendarSpan(*Calendar, Name, Today);
    if (Span.From <= Span.To) Proposed = DefaultImportRangeFor(Span, Today);
  } catch (const EQuillbayError&) {
  }
  const std::optional<TDayRange> Days =
      ExecuteRangeDialog(this, Title, tr("Import the events of these days:"), Proposed);
  if (!Days) return;
  ShowImportResult(
      ImportICalendar(*FEventList, *Calendar, Name, Days->From, Days->To, EventTextFormOf(*FEventList)), *Days);
}

void TfrmMain::ShowImportResult(const TICalImportResult& Added, const TDayRange& Days) {
  QString Report;
  if (Added.Events == 0 && Added.Span.From <= Added.Span.To &&
      (Added.Span.To < Days.From || Added.Span.From > Days.To)) {
    auto Shown = [](TDateTime D) {
      return QLocale::system().toString(DateTimeToQDate(D), QStringLiteral("d MMM yyyy"));
    };
    Report = tr("No events between %1 and %2; this file's events lie between %3 and %4")
                 .arg(Shown(Days.From), Shown(Days.To), Shown(Added.Span.From), Shown(Added.Span.To));
  } else {
    const QString Events = Added.Events == 1 ? tr("1 event") : tr("%1 events").arg(Added.Events);
    const QString OnDays = Added.Days == 1 ? tr("1 day") : tr("%1 days").arg(Added.Days);
    Report = tr("Added %1 on %2").arg(Events, OnDays);
  }
  if (Added.Skipped == 1)
    Report += tr("; 1 event could not be read (%1)").arg(CoreMessageText(Added.FirstSkipped));
  else if (Added.Skipped > 1)
    Report += tr("; %1 events could not be read (first: %2)")
                  .arg(QString::number(Added.Skipped), CoreMessageText(Added.FirstSkipped));
  StatusPanel2->setText(Report);
  if (Added.Days == 0) return;
  DropDayEdit();
  Project.SetModified(true);
  // The day on show may have received lines: the box takes them before the
  // day is left, so that leaving it does not write the old text back.
  LoadDay(FDateChooser->Date());
  FDateChooser->SelectDate(Added.FirstDay);
}

void TfrmMain::miExportICalClick() {
  StoreCurrentDay();
  TFileDialogRequest Request = ICalendarFileRequest(tr("Export iCalendar"));
  Request.InitialDir = FEventList->DefaultFolder;
  Request.FileName = ICalFeedFileName(Project.FileName());
  Request.PromptOverwrite = true;
  const std::optional<std::string> Chosen = UserDialogs().SaveFile(Request);
  if (!Chosen) return;
  const std::optional<TDayRange> Days =
      ExecuteRangeDialog(this, tr("Export iCalendar"), tr("Put the days of this range into the feed:"),
                         DefaultFeedRange(ShownYear()));
  if (!Days) return;
  RememberExportFolder(*Chosen);
  TICalFeedOptions Feed;
  Feed.From = Days->From;
  Feed.To = Days->To;
  Feed.DocumentKey = ICalDocumentKey(Project.FileName());
  Feed.Form = EventTextFormOf(*FEventList);
  Feed.Stamp = static_cast<int64_t>(std::time(nullptr));
  SaveICalendarFeed(*FEventList, *Chosen, Feed);
  ShowWritten(tr("iCalendar feed written to %1"), *Chosen);
}

QString TfrmMain::LineAtCaret() const {
  const QTextCursor Cursor = mmEvent->textCursor();
  if (!Cursor.hasSelection()) {
    // A block may hold line separators (Shift+Enter), which are stored as
    // line breaks too.
    const QString Block = Cursor.block().text();
    const int At = Cursor.positionInBlock();
    const int Start = At == 0 ? 0 : Block.lastIndexOf(QChar(0x2028), At - 1) + 1;
    const int End = Block.indexOf(QChar(0x2028), At);
    return Block.mid(Start, End < 0 ? -1 : End - Start);
  }
  QString Selected = Cursor.selectedText();
  Selected.replace(QChar(0x2028), QChar(0x2029)).replace(QChar('\n'), QChar(0x2029));
  return Selected.section(QChar(0x2029), 0, 0);
}

void TfrmMain::miRepeatClick() {
  StoreCurrentDay();
  const std::optional<TRepeatAnswer> Answer =
      ExecuteRepeatDialog(this, LineAtCaret(), FDateChooser->Date(), FEventList->Style().FirstWeekDay());
  if (!Answer) return;
  auto Undo = std::make_unique<TDayEditUndo>(AppendLineToDays(*FEventList, Answer->Line, Answer->Days));
  const int Days = Undo->Days();
  StatusPanel2->setText(Days == 1 ? tr("Added to 1 day") : tr("Added to %1 days").arg(Days));
  if (Days > 0) KeepDayEdit(std::move(Undo), tr("U&ndo Repeat"));
}

void TfrmMain::miRemoveFromDaysClick() {
  StoreCurrentDay();
  const int Year = ShownYear();
  const std::optional<TRemoveLineAnswer> Answer =
      ExecuteRemoveLineDialog(this, LineAtCaret(), {EncodeDate(Year, 1, 1), EncodeDate(Year, 12, 31)},
                              [this](const std::string& Line, const TDayRange& Range) {
                                return CountDaysHoldingLine(*FEventList, Line, Range);
                              });
  if (!Answer) return;
  auto Undo = std::make_unique<TDayEditUndo>(RemoveLineFromDays(*FEventList, Answer->Line, Answer->Range));
  const int Days = Undo->Days();
  StatusPanel2->setText(Days == 1 ? tr("Removed from 1 day") : tr("Removed from %1 days").arg(Days));
  if (Days > 0) KeepDayEdit(std::move(Undo), tr("U&ndo Remove"));
}

void TfrmMain::KeepDayEdit(std::unique_ptr<TDayEditUndo> Undo, const QString& UndoCaption) {
  FSearch.Restart();
  FDayEdit = std::move(Undo);
  FDayEditFromClean = !Project.Modified();
  Project.SetModified(true);
  FDayEditStamp = FModifiedStamp;
  miUndoDays->setText(UndoCaption);
  miUndoDays->setEnabled(true);
  ReloadDay();
}

void TfrmMain::DropDayEdit() {
  if (!FDayEdit) return;
  FDayEdit.reset();
  miUndoDays->setEnabled(false);
}

void TfrmMain::ReloadDay() {
  LoadDay(FDateChooser->Date());
  mmEvent->document()->clearUndoRedoStacks();
  FUndoTakesBack = false;
}

void TfrmMain::miUndoDaysClick() {
  if (!FDayEdit) return;
  const std::unique_ptr<TDayEditUndo> Undo = std::move(FDayEdit);
  const bool Clean = FDayEditFromClean && FDayEditStamp == FModifiedStamp;
  miUndoDays->setEnabled(false);
  FSearch.Restart();
  Undo->Undo(*FEventList);
  Project.SetModified(!Clean);
  ReloadDay();
  StatusPanel2->setText(Undo->Days() == 1 ? tr("Restored 1 day") : tr("Restored %1 days").arg(Undo->Days()));
}

void TfrmMain::RunDocumentDialog(const std::function<void()>& Dialog) {
  StoreCurrentDay();
  const uint32_t Before = FEventList->Checksum();
  Dialog();
  if (FEventList->Checksum() != Before) Project.SetModified(true);
}

void TfrmMain::miPublishSiteClick() {
  RunDocumentDialog([this] { ExecutePublishDialog(this, *FEventList, Project.FileName()); });
}

void TfrmMain::miPublishAgainClick() {
  RunDocumentDialog([this] { RepublishSite(this, *FEventList, Project.FileName()); });
}

void TfrmMain::miExportYearClick() {
  RunDocumentDialog([this] {
    if (ExecuteExportDialog(this, *FEventList))
      ShowWritten(tr("Year page written to %1"), FEventList->ExportFile);
  });
}

void TfrmMain::miStyleClick() {
  RunDocumentDialog(
      [this] { ExecuteStyleDialog(this, *FEventList, FEventList->Style(), FDateChooser->Date()); });
}

void TfrmMain::ShowHelpTopic(int Topic) {
  // The pages in the windows' language where they exist, else the English ones.
  const std::string Folder = Platform().SharedDataFolder() + "/help/";
  const std::string Translated = Folder + ToStdString(TranslationLanguage()) + "/" + HelpPageOfTopic(Topic);
  const std::string Page = !TranslationLanguage().isEmpty() && QFileInfo(ToQString(Translated)).isFile()
                               ? Translated
                               : Folder + HelpPageOfTopic(Topic);
  if (!QFileInfo(ToQString(Page)).isFile()) throw EQuillbayError(TMessageId::CannotOpenFile, {Page});
  ShellOpen(Page);
}

void TfrmMain::miHelpTopicsClick() { ShowHelpTopic(0); }

void TfrmMain::miAboutClick() {
  TAboutForm About(this);
  About.SetProductImage(windowIcon().pixmap(32, 32));
  About.ProductText = "Quillbay " QUILLBAY_VERSION_SHORT;
  About.SiteAddress = QuillbayWebSite;
  About.MailAddress = QuillbaySupportMail;
  About.Execute();
}

void TfrmMain::closeEvent(QCloseEvent* Event) {
  bool CanClose = false;
  RunCommand([this, &CanClose] {
    StoreCurrentDay();
    CanClose = Project.QuerySave();
  });
  if (!CanClose) {
    Event->ignore();
    return;
  }
  fdgEvent->close();
  Event->accept();
}
