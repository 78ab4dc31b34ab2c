#pragma once
// The Remove from days dialog: a line of text and a range of days, with how
// many days hold the line, counted again at every change, before anything
// changes. The dialog only asks; the window removes the line. It exists only
// for one ExecuteRemoveLineDialog.

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "model/CalDate.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// How many days of a range hold a line.
using TLineCounter = std::function<int(const std::string& Line, const TDayRange& Range)>;

class TfrmRemoveLine : public QDialog {
  Q_OBJECT
 public:
  TfrmRemoveLine(QWidget* Parent, TLineCounter Counter);

  void SetRange(const TDayRange& Range);
  TDayRange Range() const;

  QLineEdit* edtText;
  QDateEdit* edtFrom;
  QDateEdit* edtTo;
  QLabel* lblCount;
  QPushButton* btnOK;  // "Remove", enabled while some day holds the line
  QPushButton* btnCancel;

 private:
  void UpdateCount();
  TLineCounter FCounter;
};

struct TRemoveLineAnswer {
  std::string Line;
  TDayRange Range;
};

// Asks for the line (proposing Line) and the days to remove it from
// (proposing Proposed); nothing when cancelled.
std::optional<TRemoveLineAnswer> ExecuteRemoveLineDialog(QWidget* Parent, const QString& Line,
                                                         const TDayRange& Proposed, TLineCounter Counter);
