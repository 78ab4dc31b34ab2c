#pragma once
// The Repeat dialog: a line of text and the rule of the days it goes to,
// from a given day on, with the resulting days listed before anything
// changes; unticking a day leaves it out. The dialog only asks: the window
// adds the line to the days it answers. It exists only for one
// ExecuteRepeatDialog.

#include <QDialog>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ical/RepeatRule.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TfrmRepeat : public QDialog {
  Q_OBJECT
 public:
  // The rule proposed for From, weeks beginning on WeekStart (1 Sunday ..
  // 7 Saturday).
  TfrmRepeat(QWidget* Parent, TDateTime From, int WeekStart);

  // The rule the controls give, with the unticked days left out.
  TRepeatRule Rule() const;
  // The ticked days, rising.
  std::vector<TDateTime> Days() const;

  QLineEdit* edtText;
  QSpinBox* spnInterval;
  QComboBox* cbxFrequency;  // day, week, month, year
  QWidget* pnlWeekDays;
  QCheckBox* chkWeekDay[7];  // by week day: [0] Sunday .. [6] Saturday
  QComboBox* cbxMonthly;     // on the date, on the nth or last week day, on the last day
  QLabel* lblYearly;
  QRadioButton* rbtUntil;
  QDateEdit* edtUntil;
  QRadioButton* rbtCount;
  QSpinBox* spnCount;
  QLabel* lblDays;  // how many days, or why there are none
  QListWidget* lstDays;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 private:
  void FillMonthlyChoices();
  // The list and its caption after a change of the rule; a day unticked
  // before stays unticked.
  void UpdateDays();
  void DayTicked(QListWidgetItem* Item);
  void UpdateCaption();

  TDateTime FFrom;
  TRepeatRule FProposed;
  std::set<TDateTime> FLeftOut;
  TRepeatLimit FLimit = TRepeatLimit::None;
};

struct TRepeatAnswer {
  std::string Line;
  std::vector<TDateTime> Days;
};

// Asks for the line (proposing Line) and the days to repeat it on from From
// on; nothing when cancelled.
std::optional<TRepeatAnswer> ExecuteRepeatDialog(QWidget* Parent, const QString& Line, TDateTime From,
                                                 int WeekStart);
