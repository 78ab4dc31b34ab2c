#include "ui/RepeatDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/TextUtil.h"
#include "ui/DateChooser.h"
#include "ui/QtText.h"
#include "ui/RangeDlg.h"

namespace {
// Qt numbers the week days from Monday (1) to Sunday (7).
Qt::DayOfWeek QtDay(int WeekDay) { return static_cast<Qt::DayOfWeek>(WeekDay == 1 ? 7 : WeekDay - 1); }

// The monthly choices, as the combo box's data.
enum TMonthlyChoice { OnDate, OnWeekDay, OnLastWeekDay, OnLastDay };
}  // namespace

TfrmRepeat::TfrmRepeat(QWidget* Parent, TDateTime From, int WeekStart)
    : QDialog(Parent), FFrom(From), FProposed(DefaultRepeatRule(From, WeekStart)) {
  setObjectName(QStringLiteral("frmRepeat"));
  setWindowTitle(tr("Repeat"));
  edtText = new QLineEdit(this);
  edtText->setObjectName(QStringLiteral("edtText"));

  spnInterval = new QSpinBox(this);
  spnInterval->setObjectName(QStringLiteral("spnInterval"));
  spnInterval->setRange(1, 99);
  cbxFrequency = new QComboBox(this);
  cbxFrequency->setObjectName(QStringLiteral("cbxFrequency"));
  for (int I = 0; I < 4; ++I) cbxFrequency->addItem(QString());
  cbxFrequency->setCurrentIndex(static_cast<int>(TRepeatFrequency::Weekly));
  auto* Every = new QHBoxLayout;
  Every->addWidget(spnInterval);
  Every->addWidget(cbxFrequency, 1);

  pnlWeekDays = new QWidget(this);
  auto* WeekDays = new QHBoxLayout(pnlWeekDays);
  WeekDays->setContentsMargins(0, 0, 0, 0);
  for (int I = 0; I < 7; ++I) {
    const int WeekDay = (WeekStart - 1 + I) % 7 + 1;
    QCheckBox*& Box = chkWeekDay[WeekDay - 1];
    Box = new QCheckBox(QLocale().dayName(QtDay(WeekDay), QLocale::ShortFormat), pnlWeekDays);
    Box->setObjectName(QStringLiteral("chkWeekDay%1").arg(WeekDay));
    Box->setChecked(FProposed.WeekDays & (1u << (WeekDay - 1)));
    WeekDays->addWidget(Box);
    connect(Box, &QCheckBox::toggled, this, &TfrmRepeat::UpdateDays);
  }
  cbxMonthly = new QComboBox(this);
  cbxMonthly->setObjectName(QStringLiteral("cbxMonthly"));
  FillMonthlyChoices();
  lblYearly = new QLabel(tr("On %1").arg(QLocale().toString(DateTimeToQDate(From), tr("d MMMM"))), this);
  lblYearly->setObjectName(QStringLiteral("lblYearly"));

  rbtUntil = new QRadioButton(tr("&Until"), this);
  rbtUntil->setObjectName(QStringLiteral("rbtUntil"));
  rbtUntil->setChecked(true);
  edtUntil = MakeDateEdit(this);
  edtUntil->setObjectName(QStringLiteral("edtUntil"));
  edtUntil->setDate(DateTimeToQDate(FProposed.Until));
  rbtCount = new QRadioButton(tr("&Number of times"), this);
  rbtCount->setObjectName(QStringLiteral("rbtCount"));
  spnCount = new QSpinBox(this);
  spnCount->setObjectName(QStringLiteral("spnCount"));
  spnCount->setRange(1, 99999);
  spnCount->setValue(FProposed.Count);

  lblDays = new QLabel(this);
  lblDays->setObjectName(QStringLiteral("lblDays"));
  lblDays->setWordWrap(true);
  lstDays = new QListWidget(this);
  lstDays->setObjectName(QStringLiteral("lstDays"));
  lstDays->setMinimumHeight(180);
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  btnOK = Buttons->button(QDialogButtonBox::Ok);
  btnCancel = Buttons->button(QDialogButtonBox::Cancel);

  auto* Form = new QFormLayout;
  auto* TextLabel = new QLabel(tr("&Text:"), this);
  TextLabel->setBuddy(edtText);
  Form->addRow(TextLabel, edtText);
  auto* EveryLabel = new QLabel(tr("&Every"), this);
  EveryLabel->setBuddy(spnInterval);
  Form->addRow(EveryLabel, Every);
  Form->addRow(QString(), pnlWeekDays);
  Form->addRow(QString(), cbxMonthly);
  Form->addRow(QString(), lblYearly);
  Form->addRow(rbtUntil, edtUntil);
  Form->addRow(rbtCount, spnCount);
  auto* Layout = new QVBoxLayout(this);
  Layout->addLayout(Form);
  Layout->addWidget(lblDays);
  Layout->addWidget(lstDays, 1);
  Layout->addWidget(Buttons);

  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(edtText, &QLineEdit::textChanged, this, &TfrmRepeat::UpdateCaption);
  connect(spnInterval, &QSpinBox::valueChanged, this, &TfrmRepeat::UpdateDays);
  connect(cbxFrequency, &QComboBox::currentIndexChanged, this, &TfrmRepeat::UpdateDays);
  connect(cbxMonthly, &QComboBox::currentIndexChanged, this, &TfrmRepeat::UpdateDays);
  connect(rbtUntil, &QRadioButton::toggled, this, &TfrmRepeat::UpdateDays);
  connect(edtUntil, &QDateEdit::dateChanged, this, &TfrmRepeat::UpdateDays);
  connect(spnCount, &QSpinBox::valueChanged, this, &TfrmRepeat::UpdateDays);
  connect(lstDays, &QListWidget::itemChanged, this, &TfrmRepeat::DayTicked);
  UpdateDays();
}

void TfrmRepeat::FillMonthlyChoices() {
  const QString Day = QLocale().dayName(QtDay(FProposed.WeekDay));
  const QString Nth[] = {tr("On the first %1"), tr("On the second %1"), tr("On the third %1"),
                         tr("On the fourth %1"), tr("On the fifth %1")};
  cbxMonthly->addItem(tr("On day %1").arg(FProposed.MonthDay), OnDate);
  cbxMonthly->addItem(Nth[FProposed.Ordinal - 1].arg(Day), OnWeekDay);
  if (IsLastWeekDayOfMonth(FFrom)) cbxMonthly->addItem(tr("On the last %1").arg(Day), OnLastWeekDay);
  cbxMonthly->addItem(tr("On the last day of the month"), OnLastDay);
}

TRepeatRule TfrmRepeat::Rule() const {
  TRepeatRule Rule = FProposed;
  Rule.Frequency = static_cast<TRepeatFrequency>(cbxFrequency->currentIndex());
  Rule.Interval = spnInterval->value();
  Rule.WeekDays = 0;
  for (int I = 0; I < 7; ++I)
    if (chkWeekDay[I]->isChecked()) Rule.WeekDays |= static_cast<uint8_t>(1u << I);
  switch (cbxMonthly->currentData().toInt()) {
    case OnDate:
      Rule.Monthly = TMonthlyDay::SameDate;
      break;
    case OnWeekDay:
      Rule.Monthly = TMonthlyDay::WeekDayOfMonth;
      break;
    case OnLastWeekDay:
      Rule.Monthly = TMonthlyDay::WeekDayOfMonth;
      Rule.Ordinal = -1;
      break;
    default:
      Rule.Monthly = TMonthlyDay::LastDay;
      break;
  }
  Rule.End = rbtUntil->isChecked() ? TRepeatEnd::Until : TRepeatEnd::Count;
  Rule.Until = QDateToDateTime(edtUntil->date());
  Rule.Count = spnCount->value();
  Rule.Excluded.assign(FLeftOut.begin(), FLeftOut.end());
  return Rule;
}

std::vector<TDateTime> TfrmRepeat::Days() const { return ExpandRepeat(Rule(), FFrom).Days; }

void TfrmRepeat::UpdateDays() {
  const bool Plural = spnInterval->value() > 1;
  const QString Units[] = {Plural ? tr("days") : tr("day"), Plural ? tr("weeks") : tr("week"),
                           Plural ? tr("months") : tr("month"), Plural ? tr("years") : tr("year")};
  for (int I = 0; I < 4; ++I) cbxFrequency->setItemText(I, Units[I]);
  const auto Frequency = static_cast<TRepeatFrequency>(cbxFrequency->currentIndex());
  pnlWeekDays->setVisible(Frequency == TRepeatFrequency::Weekly);
  cbxMonthly->setVisible(Frequency == TRepeatFrequency::Monthly);
  lblYearly->setVisible(Frequency == TRepeatFrequency::Yearly);
  edtUntil->setEnabled(rbtUntil->isChecked());
  spnCount->setEnabled(rbtCount->isChecked());

  TRepeatRule All = Rule();
  All.Excluded.clear();
  const TRepeatDays Expanded = ExpandRepeat(All, FFrom);
  FLimit = Expanded.Limit;
  const QSignalBlocker Blocker(lstDays);
  lstDays->clear();
  for (TDateTime Day : Expanded.Days) {
    auto* Item = new QListWidgetItem(QLocale().toString(DateTimeToQDate(Day), QLocale::LongFormat), lstDays);
    Item->setData(Qt::UserRole, Day);
    Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    Item->setCheckState(FLeftOut.contains(Day) ? Qt::Unchecked : Qt::Checked);
  }
  UpdateCaption();
}

void TfrmRepeat::DayTicked(QListWidgetItem* Item) {
  const TDateTime Day = Item->data(Qt::UserRole).toDouble();
  if (Item->checkState() == Qt::Checked)
    FLeftOut.erase(Day);
  else
    FLeftOut.insert(Day);
  UpdateCaption();
}

void TfrmRepeat::UpdateCaption() {
  int Ticked = 0;
  for (int I = 0; I < lstDays->count(); ++I)
    if (lstDays->item(I)->checkState() == Qt::Checked) ++Ticked;
  const int All = lstDays->count();
  btnOK->setEnabled(Ticked > 0 && !IsBlank(ToStdString(edtText->text())));
  if (FLimit == TRepeatLimit::TooManyDays) {
    lblDays->setText(
        tr("A repeat reaches at most %1 days; choose fewer times.").arg(QLocale().toString(MaxRepeatDays)));
    return;
  }
  if (FLimit == TRepeatLimit::TooManyYears) {
    lblDays->setText(tr("A repeat reaches at most %1 years ahead; choose an earlier end or fewer times.")
                         .arg(MaxRepeatYears));
    return;
  }
  if (All == 0) {
    lblDays->setText(tr("No day matches the rule."));
    return;
  }
  const QString Count = All == 1 ? tr("1 day") : tr("%1 days").arg(QLocale().toString(All));
  lblDays->setText(Ticked == All ? Count : tr("%1, %2 of them left out").arg(Count).arg(All - Ticked));
}

std::optional<TRepeatAnswer> ExecuteRepeatDialog(QWidget* Parent, const QString& Line, TDateTime From,
                                                 int WeekStart) {
  TfrmRepeat Dialog(Parent, From, WeekStart);
  Dialog.edtText->setText(Line);
  if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TRepeatAnswer{ToStdString(Dialog.edtText->text()), Dialog.Days()};
}
