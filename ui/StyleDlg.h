#pragma once
// The "Calendar Style" dialog: spreads the properties of a document's style
// over six pages, paints a small calendar that follows every change (a click
// on it jumps to the page of the area clicked), and keeps the gallery of named
// colour schemes for as long as it is open. It never copies a style as a
// whole: it loads its controls from a style and writes its controls into one,
// so everything it shows, the preview included, comes from its controls. The
// document's style changes only on OK and Apply; the gallery file is written
// when the dialog closes, whatever button closed it.

#include <QDialog>

#include <memory>

#include "model/CalDate.h"
#include "ui/StylePreview.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;
class QWidget;
class TCalStyle;
class TCalStyleGallery;
class TColorEdit;
class TEventList;
class TNaturalEdit;
class TParaEditor;

// Runs the dialog on the document's style: Style holds the dialog's values
// when the user pressed Apply or OK. The caller learns whether the document
// changed by comparing its checksum before and after.
void ExecuteStyleDialog(QWidget* Owner, TEventList& Document, TCalStyle& Style, TDateTime Date);

class TStyleForm : public QDialog {
  Q_OBJECT
 public:
  // Loads the gallery (an unreadable file is reported and the dialog still
  // opens). Controls start empty: LoadFromStyle fills them.
  TStyleForm(QWidget* Owner, TEventList& Document, TCalStyle& Style, TDateTime Date);
  // Saves the gallery; a failure is reported and changes nothing else.
  ~TStyleForm() override;

  // Moves the style's values into the controls; with ColorsOnly only the ten
  // colours. Ends with Apply and Reset disabled.
  void LoadFromStyle(const TCalStyle& Style, bool ColorsOnly);
  // Writes every control into Style; into the document's style it also makes
  // the Apply state clean.
  void StoreToStyle(TCalStyle& Style);
  void UpdateCaptionSample();
  void UpdateControlStates();
  // Repaints the preview at once, moves the arrow and enables Apply and Reset.
  void StyleChanged();
  void EnableApply();
  // 0 full names, 1 short names, 2 one-character names.
  int WeekDaysLengthChoice() const;
  // The first day of the week: 1 Sunday .. 7 Saturday.
  int WeekStartChoice() const;
  // The language of the names as the style keeps it ("English", "Default").
  std::string LanguageChoice() const;
  // Shows page Index and places the arrow for it.
  void ShowPage(int Index);

  // The areas recorded by the last painting of the preview.
  const StylePreview::TRecordedAreas& Areas() const { return FAreas; }
  TCalStyleGallery& Gallery() { return *FGallery; }

  // The controls' handlers, named after them.
  void cbxStyleChange();
  void btnAddStyleClick();
  void btnDeleteStyleClick();
  void btnPreviewClick();
  void btnApplyClick();
  void btnResetClick();
  void PageControlChange();
  void pbxPreviewMouseDown(int X, int Y);
  void PaintPreview(QPainter& Canvas);

  QTabWidget* PageControl = nullptr;
  // General
  QComboBox* cbxLanguage = nullptr;
  QLineEdit* edtTitle = nullptr;
  QLineEdit* edtWidth = nullptr;
  QCheckBox* cbxCellWidth = nullptr;
  TNaturalEdit* edtCellWidth = nullptr;
  TNaturalEdit* edtBorderWidth = nullptr;
  QCheckBox* cbxCellHeight = nullptr;
  TNaturalEdit* edtCellHeight = nullptr;
  TNaturalEdit* edtCellPadding = nullptr;
  TColorEdit* cetBorderColor = nullptr;
  TColorEdit* cetBGColor = nullptr;
  QComboBox* cbxPageForm = nullptr;  // Classic, Modern
  QComboBox* cbxStyle = nullptr;
  QPushButton* btnAddStyle = nullptr;
  QPushButton* btnDeleteStyle = nullptr;
  // Caption
  QCheckBox* cbxShowCaption = nullptr;
  QRadioButton* rbnStrMonth = nullptr;
  QRadioButton* rbnNumMonth = nullptr;
  QCheckBox* cbxShowYear = nullptr;
  TNaturalEdit* edtCaptionBottomMargin = nullptr;
  TParaEditor* petCaption = nullptr;
  // Week Days
  QRadioButton* rbnFullNames = nullptr;
  QRadioButton* rbnShortNames = nullptr;
  QRadioButton* rbnCharNames = nullptr;
  QComboBox* cbxWeekStart = nullptr;  // Sunday .. Saturday
  TParaEditor* petWeekDays = nullptr;
  // Days
  TParaEditor* petDays = nullptr;
  // Events
  QLineEdit* edtBlankEventsText = nullptr;
  QCheckBox* cbxWarpEvents = nullptr;
  QCheckBox* cbxEventsAsText = nullptr;
  TParaEditor* petEvents = nullptr;
  // HTML
  QPlainTextEdit* mmHeader = nullptr;
  QPlainTextEdit* mmFooter = nullptr;
  QCheckBox* cbxHideBanner = nullptr;
  // Preview and buttons
  QWidget* pnlPreview = nullptr;
  QWidget* pbxPreview = nullptr;
  QLabel* lblArrow = nullptr;
  QPushButton* btnPreview = nullptr;
  QPushButton* btnReset = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
  QPushButton* btnApply = nullptr;

 private:
  void CreateControls();
  QWidget* CreateGeneralPage();
  void AddSchemeControls(QVBoxLayout& Box, QWidget* Page);
  QWidget* CreateCaptionPage();
  QWidget* CreateWeekDaysPage();
  QWidget* CreateDaysPage();
  QWidget* CreateEventsPage();
  QWidget* CreateHtmlPage();
  QWidget* CreatePreviewPanel();
  void ConnectHandlers();
  void LoadGalleryNames();
  // Shows in the scheme list the scheme whose colours Style carries, or none.
  void SelectMatchingScheme(const TCalStyle& Style);
  void SaveGalleryFile();
  // The preview's layout with the values in the controls, recorded as the areas.
  StylePreview::TLayout LayoutAndRecord();
  void PlaceArrow(const StylePreview::TRect& Area);
  void SetWeekDaysLength(int Value);
  // The day names of the week-start choice in the language chosen.
  void UpdateWeekStartNames();
  void SetApplyState(bool Changed);

  TEventList& FDocument;
  TCalStyle& FStyle;
  TDateTime FDate;
  std::unique_ptr<TCalStyleGallery> FGallery;
  // The user's gallery file could not be read: it is kept aside before it is
  // rewritten, so schemes that failed to load can still be recovered.
  bool FGalleryUnreadable = false;
  StylePreview::TRecordedAreas FAreas;
  // The language text of the style last loaded and the item it showed as.
  static constexpr int DefaultLanguageIndex = 1;
  std::string FLoadedLanguage;
  int FLoadedLanguageIndex = -1;
};
