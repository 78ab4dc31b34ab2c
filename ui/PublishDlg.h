#pragma once
// The Publish site dialog: the site's folder, its months, its public address,
// the days that "Coming up" lists and the feed's window, remembered in the
// document (which it does not own) when a publish goes through. Publishing
// shows a progress bar with Cancel, asks before replacing files that
// Quillbay did not write, and ends with a message that offers to open the
// site or its folder. The dialog exists only for one ExecutePublishDialog.

#include <QDialog>
#include <string>

#include "site/Publish.h"

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

 private:
  // Runs the publish with a progress bar; false when it was cancelled.
  bool Run(TPublishOptions Options, TPublishResult& Result);
  // The end message with "Open site" and "Open folder".
  void ShowResult(const TPublishResult& Result, const std::string& Folder);
  TEventList& FEventList;
  std::string FDocumentFileName;
};

void ExecutePublishDialog(QWidget* Owner, TEventList& EventList, const std::string& DocumentFileName);
