#pragma once
// The year export dialog: the output file, the year, the months and the gap
// between months, written as one page by the page generator. The dialog
// shows and changes the export settings of a document it does not own; it
// exists only for one ExecuteExportDialog. Errors while writing the page are
// shown in a message box and the dialog stays open.

#include <QDialog>

#include <cstdint>

#include "model/EventList.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TNaturalEdit;

class TfrmExport : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmExport(QWidget* Parent = nullptr);

  // Not owned; set before LoadFromDocument.
  TEventList* EventList = nullptr;

  void LoadFromDocument();
  void StoreToDocument();
  // Bit m for each ticked month m (1..12).
  uint16_t TickedMonths() const;
  // The twelve months with the locale's long names, ticked as in ExportMonths.
  void FillMonths();
  // Export is enabled, and the default button, exactly when the file name is
  // not blank and a month is ticked.
  void UpdateExportButton();

  void edtFileChange();
  void btnBrowseClick();
  // Select All (Tag 0) ticks every month, Unselect (Tag 1) clears them.
  void btnSelectAllClick(QPushButton* Sender);
  void btnExportClick();

  // Every control with its caption; the column controls are never shown.
  QLabel* Label1 = nullptr;
  QLineEdit* edtFile = nullptr;
  QPushButton* btnBrowse = nullptr;
  QLabel* Label4 = nullptr;
  TNaturalEdit* edtYear = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* lvwMonths = nullptr;
  QPushButton* btnSelectAll = nullptr;
  QPushButton* btnUnselect = nullptr;
  QLabel* Label6 = nullptr;
  TNaturalEdit* edtRowSpacing = nullptr;
  QLabel* Label3 = nullptr;
  TNaturalEdit* edtColumns = nullptr;
  QLabel* Label5 = nullptr;
  TNaturalEdit* edtColSpacing = nullptr;
  QPushButton* btnExport = nullptr;
  QPushButton* btnCancel = nullptr;

 private:
  void CreateControls();
  void LayOutControls();
  void ConnectHandlers();
};

// Shows the dialog modally on EventList and stores its values when it closes
// after a successful export, which it answers with true (the page is the
// document's ExportFile then). Changes are seen through the document's Checksum.
bool ExecuteExportDialog(QWidget* Owner, TEventList& EventList);
