#include "ui/MainForm.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
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

#include "Version.h"
#include "generator/CalGen.h"
#include "generator/Globals.h"
#include "model/EventList.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"
#include "project/ShellLib.h"
#include "ui/About.h"
#include "ui/DateChooser.h"
#include "ui/ExportDlg.h"
#include "ui/FormKeeperQt.h"
#include "ui/QtDialogs.h"
#include "ui/StyleDlg.h"

// The drawings live in the library's resources, which a static library must
// register itself.
static void InitUiResources() { Q_INIT_RESOURCE(ui); }

namespace {
QString Q(const std::string& S) { return QString::fromStdString(S); }

// Event texts keep CR LF between lines; the text box keeps line feeds.
QString StoredToBox(const std::string& Text) { return Q(Text).replace("\r\n", "\n"); }
std::string BoxToStored(QString Text) {
  Text.replace("\r\n", "\n");
  return Text.replace("\n", "\r\n").toStdString();
}

// The box's text with line feeds between lines; unlike toPlainText it keeps
// non-breaking spaces as they were typed.
QString BoxText(const QPlainTextEdit& Box) {
  return Box.document()->toRawText().replace(QChar(0x2029), '\n').replace(QChar(0x2028), '\n');
}

// Only the letters a to z change; every other character is compared as it is.
QString UpperAsciiLetters(QString Text) {
  for (QChar& C : Text)
    if (C >= 'a' && C <= 'z') C = QChar(C.unicode() - 'a' + 'A');
  return Text;
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
}  // namespace

// The Reopen submenu as the project controller fills it.
class TQtReopenMenu : public TReopenMenu {
 public:
  TQtReopenMenu(TfrmMain& Window, QMenu& Menu) : FWindow(Window), FMenu(Menu) {}

  void ClearItems() override { FMenu.clear(); }
  void AddItem(const TReopenMenuItem& Item) override {
    QAction* Action = FMenu.addAction(Q(Item.Caption));
    Action->setObjectName(Q(Item.Name));
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

std::string HelpPageOfTopic(int Topic) {
  if (Topic == MainWindowHelpTopic) return "main-window.html";
  return "index.html";
}

TfrmMain::TfrmMain(QWidget* Parent)
    : QMainWindow(Parent),
      FKeptForm(std::make_unique<TQtKeptForm>(*this, "frmMain")),
      FormKeeper(*FKeptForm) {
  InitUiResources();
  setObjectName("frmMain");
  setWindowTitle("Quillbay");
  setWindowIcon(DrawnIcon("quillbay", {16, 24, 32, 48, 64, 128, 256}));
  setMinimumSize(500, 360);
  move(244, 107);
  resize(696, 480);

  Project.AppName = "Quillbay";
  Project.RegistryAddress = {hkeyCurrentUser, "\\Software\\tolvsoft\\Quillbay"};
  Project.DefaultExt = "qby";
  Project.FileFilter = "Calendar Files|*.qby|All Files|*.*";
  Project.SaveAlert = "The calendar have been changed. Save?";
  Project.MaxListSize = 10;
  FormKeeper.Project = &Project;
  FormKeeper.FormName = "frmMain";
  FormKeeper.FormStore = true;
  FormKeeper.ComponentsStore = false;

  CreateControls();
  CreateMenus();
  CreateToolBar();
  ConnectProject();

  // The creation handler.
  CreateDocument();
  FDateChooser = new TDateChooser(pnlTools);
  FDateChooser->setObjectName("FDateChooser");
  FDateChooser->SetTodayHighlight(false);
  static_cast<QVBoxLayout*>(pnlTools->layout())->insertWidget(0, FDateChooser);
  FDateChooser->OnSelect = [this](TDateChooser&, TDateTime Date) { LoadDay(Date); };
  FDateChooser->OnUnselect = [this](TDateChooser&, TDateTime Date) { StoreDay(Date); };
  FDateChooser->Reset();
  // A damaged geometry record is reported and the window still starts.
  RunCommand([this] { FormKeeper.LoadSettings(false); });
  RunCommand([this] { ProjectNew(); });
  RunCommand([this] { ProjectProjectListAdd(); });
}

TfrmMain::~TfrmMain() {
  if (fdgEvent) fdgEvent->OnFind = nullptr;
  RunCommand([this] { Project.Close(); });
  RunCommand([this] { FormKeeper.SaveSettings(); });
}

void TfrmMain::CreateControls() {
  auto* Central = new QWidget(this);
  auto* Outer = new QVBoxLayout(Central);
  Outer->setContentsMargins(0, 0, 0, 0);
  Outer->setSpacing(0);

  pnlTop = new QWidget(Central);
  pnlTop->setObjectName("pnlTop");
  pnlTop->setFixedHeight(2);
  Outer->addWidget(pnlTop);

  auto* Body = new QHBoxLayout;
  Body->setContentsMargins(0, 0, 0, 0);
  Body->setSpacing(0);
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
  auto* ClientLayout = new QVBoxLayout(pnlClient);
  ClientLayout->setContentsMargins(0, 1, 1, 1);
  ClientLayout->setSpacing(0);
  Body->addWidget(pnlClient, 1);

  pnlEventsCaption = new QWidget(pnlClient);
  pnlEventsCaption->setObjectName("pnlEventsCaption");
  pnlEventsCaption->setFixedHeight(24);
  auto* CaptionLayout = new QHBoxLayout(pnlEventsCaption);
  CaptionLayout->setContentsMargins(0, 0, 0, 0);
  lblEventDate = new QLabel(pnlEventsCaption);
  lblEventDate->setObjectName("lblEventDate");
  lblEventDate->setAlignment(Qt::AlignCenter);
  lblEventDate->setAutoFillBackground(true);
  QFont CaptionFont = lblEventDate->font();
  CaptionFont.setPointSize(12);
  CaptionFont.setBold(true);
  lblEventDate->setFont(CaptionFont);
  QPalette CaptionPalette = lblEventDate->palette();
  CaptionPalette.setColor(QPalette::Window, palette().color(QPalette::Dark));
  CaptionPalette.setColor(QPalette::WindowText, Qt::white);
  lblEventDate->setPalette(CaptionPalette);
  CaptionLayout->addWidget(lblEventDate);
  ClientLayout->addWidget(pnlEventsCaption);

  mmEvent = new QPlainTextEdit(pnlClient);
  mmEvent->setObjectName("mmEvent");
  mmEvent->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  mmEvent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmEvent->setContextMenuPolicy(Qt::CustomContextMenu);
  mmEvent->installEventFilter(this);
  mmEvent->viewport()->installEventFilter(this);
  ClientLayout->addWidget(mmEvent, 1);
  connect(mmEvent, &QPlainTextEdit::textChanged, this, [this] { RunCommand([this] { mmEventChange(); }); });
  connect(mmEvent, &QWidget::customContextMenuRequested, this, &TfrmMain::ShowContextMenu);

  setCentralWidget(Central);

  StatusPanel0 = new QLabel(this);
  StatusPanel0->setObjectName("StatusPanel0");
  StatusPanel0->setAlignment(Qt::AlignCenter);
  StatusPanel1 = new QLabel(this);
  StatusPanel1->setObjectName("StatusPanel1");
  const int PanelWidth = std::max(50, StatusPanel1->fontMetrics().horizontalAdvance("Modified") + 12);
  StatusPanel0->setMinimumWidth(PanelWidth);
  StatusPanel1->setMinimumWidth(PanelWidth);
  statusBar()->setObjectName("StatusBar");
  statusBar()->addWidget(StatusPanel0);
  statusBar()->addWidget(StatusPanel1);

  fdgEvent = new TFindDialog(this);
  fdgEvent->setObjectName("fdgEvent");
  fdgEvent->OnFind = [this](TFindDialog&) { fdgEventFind(); };

  auto* Help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  Help->setContext(Qt::WindowShortcut);
  connect(Help, &QShortcut::activated, this,
          [this] { RunCommand([this] { ShowHelpTopic(MainWindowHelpTopic); }); });
}

QAction* TfrmMain::AddCommand(QMenu* Menu, const QString& Caption, void (TfrmMain::*Handler)(),
                              const QKeySequence& Shortcut) {
  QAction* Action = Menu->addAction(Caption);
  Action->setShortcut(Shortcut);
  Action->setShortcutContext(Qt::WindowShortcut);
  connect(Action, &QAction::triggered, this,
          [this, Handler] { RunCommand([this, Handler] { (this->*Handler)(); }); });
  return Action;
}

void TfrmMain::CreateMenus() {
  QMenu* File = menuBar()->addMenu(tr("&File"));
  miNew = AddCommand(File, "New", &TfrmMain::miNewClick);
  miOpen = AddCommand(File, "Open...", &TfrmMain::miOpenClick, QKeySequence(Qt::CTRL | Qt::Key_O));
  File->addSeparator();
  miReopen = File->addMenu("Reopen");
  miReopen->setObjectName("miReopen");
  FReopenMenu = std::make_unique<TQtReopenMenu>(*this, *miReopen);
  File->addSeparator();
  miSave = AddCommand(File, "Save", &TfrmMain::miSaveClick, QKeySequence(Qt::CTRL | Qt::Key_S));
  miSaveAs = AddCommand(File, "Save As...", &TfrmMain::miSaveAsClick);
  File->addSeparator();
  miExit = AddCommand(File, "Exit", &TfrmMain::miExitClick);

  QMenu* Edit = menuBar()->addMenu(tr("&Edit"));
  miUndo = AddCommand(Edit, "Undo", &TfrmMain::miUndoClick, QKeySequence(Qt::CTRL | Qt::Key_Z));
  Edit->addSeparator();
  miCut = AddCommand(Edit, "Cut", &TfrmMain::miCutClick, QKeySequence(Qt::CTRL | Qt::Key_X));
  miCopy = AddCommand(Edit, "Copy", &TfrmMain::miCopyClick, QKeySequence(Qt::CTRL | Qt::Key_C));
  miPaste = AddCommand(Edit, "Paste", &TfrmMain::miPasteClick, QKeySequence(Qt::CTRL | Qt::Key_V));
  Edit->addSeparator();
  miSearch = AddCommand(Edit, "Search...", &TfrmMain::miSearchClick, QKeySequence(Qt::CTRL | Qt::Key_F));

  QMenu* View = menuBar()->addMenu(tr("&View"));
  miPrevMonth = AddCommand(View, "Prev Month", &TfrmMain::miPrevMonthClick);
  miPrevDay = AddCommand(View, "Prev Day", &TfrmMain::miPrevDayClick, QKeySequence(Qt::CTRL | Qt::Key_P));
  miNextDay = AddCommand(View, "Next Day", &TfrmMain::miNextDayClick, QKeySequence(Qt::CTRL | Qt::Key_N));
  miNextMonth = AddCommand(View, "Next Month", &TfrmMain::miNextMonthClick);

  QMenu* Tools = menuBar()->addMenu(tr("&Tools"));
  miPreview = AddCommand(Tools, "Preview", &TfrmMain::miPreviewClick);
  miPublish = AddCommand(Tools, "Export month...", &TfrmMain::miPublishClick);
  miExportYear = AddCommand(Tools, "Export year...", &TfrmMain::miExportYearClick);
  Tools->addSeparator();
  miStyle = AddCommand(Tools, "Style...", &TfrmMain::miStyleClick);

  QMenu* Help = menuBar()->addMenu(tr("&Help"));
  miHelpTopics = AddCommand(Help, "Help Topics", &TfrmMain::miHelpTopicsClick);
  Help->addSeparator();
  miAbout = AddCommand(Help, "About", &TfrmMain::miAboutClick);

  const std::pair<QAction*, const char*> Names[] = {{miNew, "miNew"},
                                                    {miOpen, "miOpen"},
                                                    {miSave, "miSave"},
                                                    {miSaveAs, "miSaveAs"},
                                                    {miExit, "miExit"},
                                                    {miUndo, "miUndo"},
                                                    {miCut, "miCut"},
                                                    {miCopy, "miCopy"},
                                                    {miPaste, "miPaste"},
                                                    {miSearch, "miSearch"},
                                                    {miPrevMonth, "miPrevMonth"},
                                                    {miPrevDay, "miPrevDay"},
                                                    {miNextDay, "miNextDay"},
                                                    {miNextMonth, "miNextMonth"},
                                                    {miPreview, "miPreview"},
                                                    {miPublish, "miPublish"},
                                                    {miExportYear, "miExportYear"},
                                                    {miStyle, "miStyle"},
                                                    {miHelpTopics, "miHelpTopics"},
                                                    {miAbout, "miAbout"}};
  for (const auto& [Action, Name] : Names) Action->setObjectName(Name);
}

QToolButton* TfrmMain::AddToolButton(const QString& Icon, const QString& Hint, void (TfrmMain::*Handler)()) {
  QAction* Action = ToolBar->addAction(ToolIcon(Icon), Hint);
  Action->setToolTip(Hint);
  connect(Action, &QAction::triggered, this,
          [this, Handler] { RunCommand([this, Handler] { (this->*Handler)(); }); });
  auto* Button = qobject_cast<QToolButton*>(ToolBar->widgetForAction(Action));
  Button->setAutoRaise(true);
  Button->setMinimumSize(34, 30);
  return Button;
}

void TfrmMain::CreateToolBar() {
  ToolBar = addToolBar("ToolBar");
  ToolBar->setObjectName("ToolBar");
  ToolBar->setMovable(false);
  ToolBar->setFloatable(false);
  ToolBar->setIconSize(QSize(24, 24));
  ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  ToolBar->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);

  tbnNew = AddToolButton("new", "New", &TfrmMain::miNewClick);
  tbnOpen = AddToolButton("open", "Open", &TfrmMain::miOpenClick);
  tbnOpen->setMenu(miReopen);
  tbnOpen->setPopupMode(QToolButton::MenuButtonPopup);
  tbnSave = AddToolButton("save", "Save", &TfrmMain::miSaveClick);
  tbnSave->defaultAction()->setEnabled(false);
  ToolBar->addSeparator();
  tbnStyle = AddToolButton("style", "Style", &TfrmMain::miStyleClick);
  tbnPreview = AddToolButton("preview", "Preview", &TfrmMain::miPreviewClick);
  tbnPublish = AddToolButton("publish", "Export month", &TfrmMain::miPublishClick);
  tbnExportYear = AddToolButton("exportyear", "Export year", &TfrmMain::miExportYearClick);

  const std::pair<QToolButton*, const char*> Names[] = {{tbnNew, "tbnNew"},
                                                        {tbnOpen, "tbnOpen"},
                                                        {tbnSave, "tbnSave"},
                                                        {tbnStyle, "tbnStyle"},
                                                        {tbnPreview, "tbnPreview"},
                                                        {tbnPublish, "tbnPublish"},
                                                        {tbnExportYear, "tbnExportYear"}};
  for (const auto& [Button, Name] : Names) Button->setObjectName(Name);
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
  // Close forgets the file name; the document that held the failed read goes.
  Project.Close();
  ProjectNew();
  Project.SetModified(false);
}

// ---------------------------------------------------------------- document

void TfrmMain::CreateDocument() {
  FEventList.reset();
  FEventList = std::make_unique<TEventList>();
  FEventList->DefaultFolder = GetPersonalFolder();
  int Year = 0, Month = 0, Day = 0;
  DecodeDate(Platform().Now(), Year, Month, Day);
  FEventList->ExportYear = static_cast<uint16_t>(Year);
  FEventList->ExportCols = 1;
  FEventList->ColSpacing = 30;
  FEventList->RowSpacing = 15;
}

void TfrmMain::ProjectNew() {
  CreateDocument();
  FEventList->Items().Clear();
  FEventList->Style().ResetToDefaults();
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
  if (FEventList->Count() > 0) FDateChooser->SelectDate(FEventList->Events(FEventList->Count() - 1).Date());
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
  tbnSave->defaultAction()->setEnabled(Project.Modified());
  StatusPanel1->setText(Project.Modified() ? "Modified" : "");
}

void TfrmMain::ProjectNameChanged() {
  QString Caption = "Quillbay";
  if (!Project.FileName().empty()) Caption += " - " + Q(Project.FileName());
  setWindowTitle(Caption);
}

void TfrmMain::ProjectProjectListAdd() { Project.FillReopenMenu(*FReopenMenu); }

// ---------------------------------------------------------------- day binding

void TfrmMain::LoadDay(TDateTime Date) {
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
    return;
  }
  // Emptying the box for a day without an event is not a change of its own.
  const QSignalBlocker Blocker(mmEvent);
  mmEvent->clear();
}

void TfrmMain::StoreDay(TDateTime Date) {
  const QString Text = BoxText(*mmEvent);
  TEvent* Event = FEventList->FindEvent(!Text.isEmpty(), Date);
  if (!Event) return;
  if (IsBlank(Text.toStdString())) {
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
  if (!FLoading) Project.SetModified(true);
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

QString TfrmMain::CaretPanelText() const { return StatusPanel0->text(); }
QString TfrmMain::ModifiedPanelText() const { return StatusPanel1->text(); }

bool TfrmMain::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == mmEvent) {
    auto* Key = static_cast<QKeyEvent*>(Event);
    switch (Event->type()) {
      case QEvent::ShortcutOverride:
        // Undo is the window's single-step undo; the box has no redo.
        if (Key->matches(QKeySequence::Undo) || Key->matches(QKeySequence::Redo)) return true;
        break;
      case QEvent::KeyPress:
        if (Key->matches(QKeySequence::Undo)) {
          RunCommand([this] { miUndoClick(); });
          return true;
        }
        if (Key->matches(QKeySequence::Redo)) return true;
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
      Action->setEnabled(mmEvent->document()->isUndoAvailable() || mmEvent->document()->isRedoAvailable());
      connect(Action, &QAction::triggered, this, [this] { RunCommand([this] { miUndoClick(); }); });
    }
  }
  Menu->exec(mmEvent->viewport()->mapToGlobal(Pos));
}

// ---------------------------------------------------------------- commands

void TfrmMain::miNewClick() { Project.New(); }
void TfrmMain::miOpenClick() { Project.Open(); }
void TfrmMain::miSaveClick() { Project.Save(); }
void TfrmMain::miSaveAsClick() { Project.SaveAs(); }
void TfrmMain::miExitClick() { close(); }

void TfrmMain::miUndoClick() {
  QTextDocument* Doc = mmEvent->document();
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

void TfrmMain::miPrevMonthClick() { FDateChooser->SelectDate(IncMonth(FDateChooser->Date(), -1)); }
void TfrmMain::miPrevDayClick() { FDateChooser->SelectDate(FDateChooser->Date() - 1); }
void TfrmMain::miNextDayClick() { FDateChooser->SelectDate(FDateChooser->Date() + 1); }
void TfrmMain::miNextMonthClick() { FDateChooser->SelectDate(IncMonth(FDateChooser->Date(), 1)); }

void TfrmMain::miSearchClick() {
  FSearchIndex = 0;
  FSearchPos = 0;
  if (fdgEvent->Tag == 0) {
    fdgEvent->adjustSize();
    fdgEvent->move(FDateChooser->mapToGlobal(QPoint(0, FDateChooser->height())));
    fdgEvent->Tag = 1;
  }
  fdgEvent->show();
  fdgEvent->raise();
  fdgEvent->activateWindow();
  fdgEvent->edtFind->setFocus();
  fdgEvent->edtFind->selectAll();
}

void TfrmMain::fdgEventFind() {
  const bool MatchCase = fdgEvent->MatchCase();
  const QString Find = MatchCase ? fdgEvent->FindText() : UpperAsciiLetters(fdgEvent->FindText());
  while (FSearchIndex < FEventList->Count()) {
    TEvent& Event = FEventList->Events(FSearchIndex);
    QString Text = Q(Event.Text);
    int Skip = 0;
    if (FSearchPos > 0) {
      Skip = FSearchPos + static_cast<int>(Find.size()) - 1;
      Text = Text.mid(Skip);
    }
    if (!MatchCase) Text = UpperAsciiLetters(Text);
    const int Found = Find.isEmpty() ? -1 : static_cast<int>(Text.indexOf(Find));
    FSearchPos = Found + 1;
    if (FSearchPos > 0) {
      FSearchPos += Skip;
      FDateChooser->SelectDate(Event.Date());
      // The box holds one line feed where the stored text has CR LF.
      const QString Stored = Q(Event.Text);
      const int Start = FSearchPos - 1 - static_cast<int>(Stored.left(FSearchPos - 1).count("\r\n"));
      QTextCursor Cursor(mmEvent->document());
      Cursor.setPosition(std::min(Start, mmEvent->document()->characterCount() - 1));
      Cursor.setPosition(
          std::min(Start + static_cast<int>(Find.size()), mmEvent->document()->characterCount() - 1),
          QTextCursor::KeepAnchor);
      mmEvent->setTextCursor(Cursor);
      mmEvent->ensureCursorVisible();
      return;
    }
    ++FSearchIndex;
  }
  fdgEvent->close();
  TMessageRequest Request;
  Request.Caption = "Information";
  Request.Text = "Finished searching";
  Request.Icon = TMsgIcon::Information;
  Request.Buttons = TMsgButtons::OK;
  UserDialogs().MessageBox(Request);
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
  Request.Title = "Export";
  Request.DefaultExt = "html";
  Request.Filter = "HTML Files|*.html;*.htm|All Files|*.*";
  Request.InitialDir = FEventList->DefaultFolder;
  Request.FileName = std::to_string(Month) + "_" + std::to_string(Year) + ".html";
  Request.PromptOverwrite = true;
  Request.HideReadOnly = true;
  Request.Resizable = true;
  const std::optional<std::string> Chosen = UserDialogs().SaveFile(Request);
  if (!Chosen) return;
  const std::string Folder = ExtractFolder(*Chosen);
  if (Folder != FEventList->DefaultFolder) {
    FEventList->DefaultFolder = Folder;
    Project.SetModified(true);
  }
  TCalGen Generator(*FEventList, FEventList->Style());
  Generator.WriteMonthPage(static_cast<uint16_t>(Month), static_cast<uint16_t>(Year), *Chosen);
}

void TfrmMain::RunDocumentDialog(const std::function<void()>& Dialog) {
  StoreCurrentDay();
  const uint32_t Before = FEventList->Checksum();
  Dialog();
  if (FEventList->Checksum() != Before) Project.SetModified(true);
}

void TfrmMain::miExportYearClick() {
  RunDocumentDialog([this] { ExecuteExportDialog(this, *FEventList); });
}

void TfrmMain::miStyleClick() {
  RunDocumentDialog(
      [this] { ExecuteStyleDialog(this, *FEventList, FEventList->Style(), FDateChooser->Date()); });
}

void TfrmMain::ShowHelpTopic(int Topic) {
  const std::string Page = Platform().SharedDataFolder() + "/help/" + HelpPageOfTopic(Topic);
  if (!QFileInfo(Q(Page)).isFile()) throw EQuillbayError(FormatMessage("Cannot open file %s", Page));
  Platform().OpenDocument(Page);
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
