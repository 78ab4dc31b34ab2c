#include "ui/RemoveLineDlg.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DateChooser.h"
#include "ui/QtText.h"
#include "ui/RangeDlg.h"

TfrmRemoveLine::TfrmRemoveLine(QWidget* Parent, TLineCounter Counter)
    : QDialog(Parent), FCounter(std::move(Counter)) {
  setObjectName(QStringLiteral("frmRemoveLine"));
  setWindowTitle(tr("Remove from Days"));
  edtText = new QLineEdit(this);
  edtText->setObjectName(QStringLiteral("edtText"));
  edtText->setMinimumWidth(260);
  edtFrom = MakeDateEdit(this);
  edtFrom->setObjectName(QStringLiteral("edtFrom"));
  edtTo = MakeDateEdit(this);
  edtTo->setObjectName(QStringLiteral("edtTo"));
  lblCount = new QLabel(this);
  lblCount->setObjectName(QStringLiteral("lblCount"));
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  btnOK = Buttons->button(QDialogButtonBox::Ok);
  btnOK->setText(tr("&Remove"));
  btnCancel = Buttons->button(QDialogButtonBox::Cancel);

  auto* Form = new QFormLayout;
  const auto AddRow = [&](const QString& Caption, QWidget* Field) {
    auto* Label = new QLabel(Caption, this);
    Label->setBuddy(Field);
    Form->addRow(Label, Field);
  };
  AddRow(tr("&Line:"), edtText);
  AddRow(tr("&From:"), edtFrom);
  AddRow(tr("&To:"), edtTo);
  auto* Layout = new QVBoxLayout(this);
  Layout->addLayout(Form);
  Layout->addWidget(lblCount);
  Layout->addWidget(Buttons);
  Layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(edtText, &QLineEdit::textChanged, this, &TfrmRemoveLine::UpdateCount);
  connect(edtFrom, &QDateEdit::dateChanged, this, &TfrmRemoveLine::UpdateCount);
  connect(edtTo, &QDateEdit::dateChanged, this, &TfrmRemoveLine::UpdateCount);
}

void TfrmRemoveLine::SetRange(const TDayRange& Range) {
  edtFrom->setDate(DateTimeToQDate(Range.From));
  edtTo->setDate(DateTimeToQDate(Range.To));
  UpdateCount();
}

TDayRange TfrmRemoveLine::Range() const {
  return {QDateToDateTime(edtFrom->date()), QDateToDateTime(edtTo->date())};
}

void TfrmRemoveLine::UpdateCount() {
  const int Count = FCounter(ToStdString(edtText->text()), Range());
  btnOK->setEnabled(Count > 0);
  if (Count == 0)
    lblCount->setText(tr("No day of the range holds this line."));
  else if (Count == 1)
    lblCount->setText(tr("It will be removed from 1 day."));
  else
    lblCount->setText(tr("It will be removed from %1 days.").arg(QLocale().toString(Count)));
}

std::optional<TRemoveLineAnswer> ExecuteRemoveLineDialog(QWidget* Parent, const QString& Line,
                                                         const TDayRange& Proposed, TLineCounter Counter) {
  TfrmRemoveLine Dialog(Parent, std::move(Counter));
  Dialog.edtText->setText(Line);
  Dialog.SetRange(Proposed);
  if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TRemoveLineAnswer{ToStdString(Dialog.edtText->text()), Dialog.Range()};
}
