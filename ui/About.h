#pragma once
// The modal About box: a picture, the product line fitted into 260 x 27 pixels
// by shrinking its font, and the support mail and web site addresses, which
// open the user's mail program or browser through the platform when clicked.
// The caller fills in the inputs, calls Execute and destroys the box.

#include <QDialog>
#include <QPixmap>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

constexpr const char* QuillbaySupportMail = "support@quillbay.org";

class TAboutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(QWidget* Parent = nullptr);

  void SetProductImage(const QPixmap& Picture);
  QString ProductText, SiteAddress, MailAddress;

  // Fills the labels, fits the product line and shows the box modally.
  int Execute();
  // What Execute does before it shows the box: fills the labels and fits the
  // product line.
  void FillLabels();

  void lblSiteClick();
  void lblMailClick();
  // Passes a left click on an address to its handler.
  bool eventFilter(QObject* Watched, QEvent* Event) override;

  // The box the product line must fit into, and the size at which shrinking
  // stops for a line that can never fit.
  static constexpr int ProductMaxWidth = 260;
  static constexpr int ProductMaxHeight = 27;
  static constexpr int ProductStartPointSize = 20;
  static constexpr int ProductMinPointSize = 6;

  // The picture, the product line, the two addresses with their captions, the
  // rule above the button.
  QLabel* ProductImage = nullptr;
  QLabel* lblProduct = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* lblMail = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* lblSite = nullptr;
  QFrame* Bevel1 = nullptr;
  QPushButton* btnClose = nullptr;
};
