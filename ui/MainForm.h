#pragma once
// The main window: one open calendar document shown one day at a time. The
// date chooser on the left picks the day, the text box on the right holds the
// day's event text, and the menu, tool bar and status bar carry the commands.
// The window owns the document, the date chooser, the project controller (which
// runs new, open, save and close and calls back through its notifications) and
// the form keeper. It moves data between the document and the controls; the
// document is written back from the text box whenever a day is left and before
// every command that reads or writes the document as a whole. Every command
// runs guarded: an error is shown in a message box and the window goes on.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "model/CalDate.h"
#include "model/EventSearch.h"
#include "project/FormKeeper.h"
#include "project/PrjLib.h"

class QAction;
struct TICalImportResult;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QToolButton;
class TDateChooser;
class TDayEditUndo;
class TEventList;
class TFindDialog;
class TQtKeptForm;
class TQtReopenMenu;

class TfrmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit TfrmMain(QWidget* Parent = nullptr);
  // Closes the document (recording it in the recently used list) and saves
  // the window geometry.
  ~TfrmMain() override;

  TEventList& Document() const { return *FEventList; }
  TDateChooser& DateChooser() const { return *FDateChooser; }

  // Commands.
  // Opens a named file as Open opens a chosen one (the document given to the
  // program at start-up); a file that cannot be read is reported and a new
  // untitled document takes its place.
  void OpenNamedFile(const std::string& FileName);
  void miNewClick();
  void miOpenClick();
  void miSaveClick();
  void miSaveAsClick();
  void miExitClick();
  void miUndoClick();
  void miCutClick();
  void miCopyClick();
  void miPasteClick();
  void miCopyMonthHtmlClick();
  void miSearchClick();
  // Appends a line to the days of a rule, from the day on show on.
  void miRepeatClick();
  // Removes a line from the days of a range that hold it.
  void miRemoveFromDaysClick();
  // Takes back the last Repeat or Remove from days.
  void miUndoDaysClick();
  void miPrevMonthClick();
  void miPrevDayClick();
  void miNextDayClick();
  void miNextMonthClick();
  void miPreviewClick();
  void miPublishClick();
  void miExportYearClick();
  void miPublishSiteClick();
  // Publishes and uploads again as the document remembers (Ctrl+Shift+P).
  void miPublishAgainClick();
  // Merges the events of an iCalendar file into the document for a range of
  // days and shows the first day that received one.
  void miImportICalClick();
  // The same for a calendar fetched from a web address; the address is
  // asked for each time and never kept.
  void miImportAddressClick();
  // Writes the document's iCalendar feed for a range of days.
  void miExportICalClick();
  void miStyleClick();
  void miHelpTopicsClick();
  void miAboutClick();
  // Opens the help page of a topic in the user's browser.
  void ShowHelpTopic(int Topic);
  void fdgEventFind();

  // The project controller's notifications.
  void ProjectNew();
  void ProjectOpen();
  void ProjectSave();
  void ProjectClose();
  void ProjectChanged();
  void ProjectNameChanged();
  void ProjectProjectListAdd();

  // The day binding.
  void LoadDay(TDateTime Date);
  void StoreDay(TDateTime Date);
  void StoreCurrentDay();
  void ShowCurrentDay();
  void mmEventChange();
  void mmEventClick();

  // Runs a command with the application's error display; a failed open is
  // followed by a fresh untitled document.
  void RunCommand(const std::function<void()>& Command);

  TProject Project;

  QToolBar* ToolBar = nullptr;
  QWidget* pnlTop = nullptr;
  QFrame* pnlTools = nullptr;
  QWidget* pnlClient = nullptr;
  QWidget* pnlEventsCaption = nullptr;
  QLabel* lblEventDate = nullptr;
  QPlainTextEdit* mmEvent = nullptr;
  QLabel* StatusPanel0 = nullptr;  // the caret as "column:line"
  QLabel* StatusPanel1 = nullptr;  // "Modified" while the document has unsaved changes
  QLabel* StatusPanel2 = nullptr;  // what the last import added or export wrote
  TFindDialog* fdgEvent = nullptr;

  QAction *miNew = nullptr, *miOpen = nullptr, *miSave = nullptr, *miSaveAs = nullptr, *miExit = nullptr;
  QAction *miImportICal = nullptr, *miImportAddress = nullptr, *miExportICal = nullptr,
          *miPublishSite = nullptr, *miPublishAgain = nullptr;
  QMenu* miReopen = nullptr;
  QAction *miUndoDays = nullptr, *miRepeat = nullptr, *miRemoveFromDays = nullptr;
  QAction *miUndo = nullptr, *miCut = nullptr, *miCopy = nullptr, *miPaste = nullptr, *miSearch = nullptr;
  QAction* miCopyMonthHtml = nullptr;
  QAction *miPrevMonth = nullptr, *miPrevDay = nullptr, *miNextDay = nullptr, *miNextMonth = nullptr;
  QAction* miMarkDays = nullptr;  // marks in the date chooser; kept in the settings
  QAction *miPreview = nullptr, *miPublish = nullptr, *miExportYear = nullptr, *miStyle = nullptr;
  QAction *miHelpTopics = nullptr, *miAbout = nullptr;
  QToolButton *tbnNew = nullptr, *tbnOpen = nullptr, *tbnSave = nullptr, *tbnStyle = nullptr,
              *tbnPreview = nullptr, *tbnPublish = nullptr, *tbnExportYear = nullptr;

 protected:
  void closeEvent(QCloseEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void changeEvent(QEvent* Event) override;

 private:
  void SetUpWindow();
  void SetUpProject();
  void CreatePanels();
  void CreateEventBox();
  void CreateStatusBar();
  // The date caption's colours from the palette, readable on light and dark desktops.
  void ApplyCaptionColors();
  void CreateFindDialog();
  void CreateDateChooser();
  void CreateMenus();
  void CreateToolBar();
  void ConnectProject();
  // In place of the open document, an empty one with the defaults that New and
  // Open start from.
  void CreateDocument();
  // After a document could not be read: a new untitled one instead, so that
  // the next Save cannot overwrite the file that failed.
  void ReplaceFailedDocument();
  QAction* AddCommand(QMenu* Menu, const char* Name, const QString& Caption, void (TfrmMain::*Handler)(),
                      const QKeySequence& Shortcut = {});
  QToolButton* AddToolButton(const char* Name, const QString& Icon, const QString& Hint,
                             void (TfrmMain::*Handler)());
  void ShowContextMenu(const QPoint& Pos);
  // A file chosen in another folder makes that folder the document's export
  // folder, which marks the document modified.
  void RememberExportFolder(const std::string& FileName);
  // Says in the status bar that a file was written, What holding %1 for its name.
  void ShowWritten(const QString& What, const std::string& FileName);
  // The year of the day on show.
  int ShownYear() const;
  // The file dialog of an iCalendar import or feed.
  TFileDialogRequest ICalendarFileRequest(const QString& Title) const;
  // Shows what an import of the days Days added and left out in the status
  // bar, or where the file's events lie when none is in Days, and the first
  // day that received a line; marks the document modified when a day changed.
  void ShowImportResult(const TICalImportResult& Added, const TDayRange& Days);
  // The line under the caret, or the first line of the selection.
  QString LineAtCaret() const;
  // Keeps the record of a Repeat or Remove from days that changed the texts,
  // marks the document modified and shows the day on show afresh.
  void KeepDayEdit(std::unique_ptr<TDayEditUndo> Undo, const QString& UndoCaption);
  // Forgets the record: the texts changed otherwise.
  void DropDayEdit();
  // The day on show from the document, with the text box's own undo
  // history started afresh.
  void ReloadDay();
  // Runs a document dialog; a changed checksum marks the project modified.
  void RunDocumentDialog(const std::function<void()>& Dialog);

  std::unique_ptr<TEventList> FEventList;
  TDateChooser* FDateChooser = nullptr;
  bool FLoading = false;
  // Whether the day in the box has text, as its mark in the date chooser shows.
  bool FBoxHasText = false;
  TDateTime FBoxDate = 0;
  TEventSearch FSearch;
  // The find dialog opens below the date chooser the first time, then where
  // the user left it.
  bool FFindDialogPlaced = false;
  // Single-step undo: the next Undo takes back the last Undo.
  bool FUndoTakesBack = false;
  bool FUndoing = false;
  bool FOpenFailed = false;
  // The one Repeat or Remove from days that Undo can take back, whether the
  // document was unmodified before it, and the count of modified-mark
  // changes just after it: when the count has not moved since, nothing else
  // changed or was saved, and the undo may clear the mark again.
  std::unique_ptr<TDayEditUndo> FDayEdit;
  bool FDayEditFromClean = false;
  uint64_t FDayEditStamp = 0;
  uint64_t FModifiedStamp = 0;
  std::unique_ptr<TQtReopenMenu> FReopenMenu;
  // Keeps the window's geometry in the settings through FKeptForm, which is
  // declared first so that it is made first.
  std::unique_ptr<TQtKeptForm> FKeptForm;
  TFormKeeper FFormKeeper;
};
