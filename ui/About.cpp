#include "ui/About.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/Platform.h"
#include "ui/QtDialogs.h"
#include "ui/QtText.h"

namespace {

QFont AddressFont() {
  QFont Font(QStringLiteral("Arial"));
  Font.setPointSize(10);
  return Font;
}

QLabel* MakeLabel(QWidget* Parent, const QString& Text, int Left, int Top) {
  auto* Label = new QLabel(Text, Parent);
  Label->setTextFormat(Qt::PlainText);
  Label->setFont(AddressFont());
  Label->move(Left, Top);
  Label->adjustSize();
  return Label;
}

QLabel* MakeLinkLabel(QWidget* Parent, int Left, int Top) {
  QLabel* Label = MakeLabel(Parent, QString(), Left, Top);
  QFont Font = Label->font();
  Font.setUnderline(true);
  Label->setFont(Font);
  QPalette Palette = Label->palette();
  Palette.setColor(QPalette::WindowText, Palette.color(QPalette::Link));
  Label->setPalette(Palette);
  Label->setCursor(Qt::PointingHandCursor);
  return Label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(tr("About"));
  setFixedSize(352, 172);

  ProductImage = new QLabel(this);
  ProductImage->setGeometry(18, 16, 32, 32);
  ProductImage->setScaledContents(true);

  lblProduct = new QLabel(this);
  lblProduct->setTextFormat(Qt::PlainText);
  lblProduct->move(70, 16);

  // The addresses follow the product line closely (it is at most 27 high).
  Label2 = MakeLabel(this, tr("Email:"), 70, 56);
  Label3 = MakeLabel(this, tr("Web:"), 70, 81);
  // The addresses start at 111 unless the captions are wider in the font at hand.
  const int AddressLeft = std::max(111, std::max(Label2->geometry().right(), Label3->geometry().right()) + 6);
  lblMail = MakeLinkLabel(this, AddressLeft, 56);
  lblSite = MakeLinkLabel(this, AddressLeft, 81);
  lblMail->installEventFilter(this);
  lblSite->installEventFilter(this);

  Bevel1 = new QFrame(this);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(26, 114, 300, 2);

  btnClose = new QPushButton(tr("Close"), this);
  btnClose->setGeometry(139, 132, 75, 25);
  btnClose->setDefault(true);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TAboutForm::SetProductImage(const QPixmap& Picture) { ProductImage->setPixmap(Picture); }

void TAboutForm::FillLabels() {
  lblProduct->setText(ProductText);
  QFont Font(QStringLiteral("Verdana"));
  Font.setPointSize(ProductStartPointSize);
  Font.setBold(true);
  lblProduct->setFont(Font);
  lblProduct->adjustSize();
  while ((lblProduct->width() > ProductMaxWidth || lblProduct->height() > ProductMaxHeight) &&
         Font.pointSize() > ProductMinPointSize) {
    Font.setPointSize(Font.pointSize() - 1);
    lblProduct->setFont(Font);
    lblProduct->adjustSize();
  }
  lblSite->setText(SiteAddress);
  lblSite->adjustSize();
  lblMail->setText(MailAddress);
  lblMail->adjustSize();
}

int TAboutForm::Execute() {
  FillLabels();
  return exec();
}

void TAboutForm::lblSiteClick() {
  RunGuarded([this] { ShellOpen(ToStdString(SiteAddress)); });
}

void TAboutForm::lblMailClick() {
  RunGuarded([this] { ShellOpen("mailto:" + ToStdString(MailAddress)); });
}

bool TAboutForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
    if (Watched == lblSite) lblSiteClick();
    if (Watched == lblMail) lblMailClick();
  }
  return QDialog::eventFilter(Watched, Event);
}
