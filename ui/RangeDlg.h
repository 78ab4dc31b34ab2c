#pragma once
// The days of an iCalendar import or feed: a small dialog with a first and a
// last day, each a date field with a calendar to pick from, under a line that
// says what the days are for. OK is enabled only while the last day is not
// before the first. The dialog exists only for one ExecuteRangeDialog.

#include <QDialog>

#include <optional>

#include "model/CalDate.h"

class QDateEdit;
class QLabel;
class QPushButton;

class TfrmRange : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmRange(QWidget* Parent = nullptr);

  void SetRange(const TDayRange& Range);
  TDayRange Range() const;
  // OK is enabled exactly when the range does not end before it begins.
  void UpdateOKButton();

  QLabel* lblPrompt;
  QLabel* lblFrom;
  QDateEdit* edtFrom;
  QLabel* lblTo;
  QDateEdit* edtTo;
  QPushButton* btnOK;
  QPushButton* btnCancel;
};

// A date field in the locale's short form, always with the whole year, with a
// calendar to pick from, for the days 1 January 0001 to 31 December 9999.
QDateEdit* MakeDateEdit(QWidget* Parent);

// Asks for a range of days, proposing Proposed; nothing when cancelled.
std::optional<TDayRange> ExecuteRangeDialog(QWidget* Parent, const QString& Title, const QString& Prompt,
                                            const TDayRange& Proposed);
