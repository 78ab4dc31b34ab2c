#include "ui/RangeDlg.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DateChooser.h"

QDateEdit* MakeDateEdit(QWidget* Parent) {
  auto* Edit = new QDateEdit(Parent);
  QString Format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!Format.contains(QLatin1String("yyyy"))) Format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  Edit->setDisplayFormat(Format);
  Edit->setCalendarPopup(true);
  Edit->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
  return Edit;
}

TfrmRange::TfrmRange(QWidget* Parent) : QDialog(Parent) {
  setObjectName(QStringLiteral("frmRange"));
  lblPrompt = new QLabel(this);
  lblFrom = new QLabel(tr("&From:"), this);
  edtFrom = MakeDateEdit(this);
  edtFrom->setObjectName(QStringLiteral("edtFrom"));
  lblFrom->setBuddy(edtFrom);
  lblTo = new QLabel(tr("&To:"), this);
  edtTo = MakeDateEdit(this);
  edtTo->setObjectName(QStringLiteral("edtTo"));
  lblTo->setBuddy(edtTo);
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  btnOK = Buttons->button(QDialogButtonBox::Ok);
  btnCancel = Buttons->button(QDialogButtonBox::Cancel);
  btnOK->setText(tr("&OK"));
  btnCancel->setText(tr("&Cancel"));

  auto* Grid = new QGridLayout;
  Grid->addWidget(lblFrom, 0, 0);
  Grid->addWidget(edtFrom, 0, 1);
  Grid->addWidget(lblTo, 1, 0);
  Grid->addWidget(edtTo, 1, 1);
  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(lblPrompt);
  Layout->addLayout(Grid);
  Layout->addWidget(Buttons);
  Layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(edtFrom, &QDateEdit::dateChanged, this, &TfrmRange::UpdateOKButton);
  connect(edtTo, &QDateEdit::dateChanged, this, &TfrmRange::UpdateOKButton);
}

void TfrmRange::SetRange(const TDayRange& Range) {
  edtFrom->setDate(DateTimeToQDate(Range.From));
  edtTo->setDate(DateTimeToQDate(Range.To));
  UpdateOKButton();
}

TDayRange TfrmRange::Range() const {
  return {QDateToDateTime(edtFrom->date()), QDateToDateTime(edtTo->date())};
}

void TfrmRange::UpdateOKButton() { btnOK->setEnabled(edtFrom->date() <= edtTo->date()); }

std::optional<TDayRange> ExecuteRangeDialog(QWidget* Parent, const QString& Title, const QString& Prompt,
                                            const TDayRange& Proposed) {
  TfrmRange Dialog(Parent);
  Dialog.setWindowTitle(Title);
  Dialog.lblPrompt->setText(Prompt);
  Dialog.SetRange(Proposed);
  if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
  return Dialog.Range();
}
