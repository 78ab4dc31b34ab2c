#include "ui/About.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "generator/CalGen.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

// Whether a label with Text in the product font at Points fits 260 x 27.
bool FitsAt(const QString& Text, int Points) {
  QLabel Label;
  Label.setTextFormat(Qt::PlainText);
  QFont Font(QStringLiteral("Verdana"));
  Font.setPointSize(Points);
  Font.setBold(true);
  Font.setUnderline(true);
  Label.setFont(Font);
  Label.setText(Text);
  Label.adjustSize();
  return Label.width() <= TAboutForm::ProductMaxWidth && Label.height() <= TAboutForm::ProductMaxHeight;
}

int FittedSize(const QString& Text) {
  TAboutForm Form;
  Form.ProductText = Text;
  Form.FillLabels();
  return Form.lblProduct->font().pointSize();
}

TEST(AboutForm, ProductLineEndsAtTheLargestSizeThatFits) {
  for (const QString& Text : {QStringLiteral("Quillbay 1.3"), QStringLiteral("Q"),
                              QStringLiteral("Quillbay 1.3 for clubs, schools and parishes")}) {
    const int Size = FittedSize(Text);
    EXPECT_LE(Size, TAboutForm::ProductStartPointSize) << Text.toStdString();
    EXPECT_TRUE(FitsAt(Text, Size)) << Text.toStdString() << " at " << Size;
    if (Size < TAboutForm::ProductStartPointSize) {
      EXPECT_FALSE(FitsAt(Text, Size + 1)) << Text.toStdString() << " would fit at " << Size + 1;
    }
  }
}

TEST(AboutForm, ShortLineKeepsItsSizeOnlyWhenItsHeightFits) {
  // Both limits count: at 20 points a line is higher than 27 pixels in most
  // faces, so even one letter may shrink.
  const int Size = FittedSize("Q");
  EXPECT_EQ(Size == TAboutForm::ProductStartPointSize, FitsAt("Q", TAboutForm::ProductStartPointSize));
  EXPECT_GE(Size, 14) << "a short line shrinks only for its height";
}

TEST(AboutForm, LongLineShrinksUntilItFitsAndAnUnfittableOneStopsAtTheSmallestSize) {
  TAboutForm Form;
  Form.ProductText = "Quillbay 1.3 for clubs, schools and parishes";
  Form.FillLabels();
  EXPECT_LT(Form.lblProduct->font().pointSize(), FittedSize("Quillbay 1.3"));
  EXPECT_LE(Form.lblProduct->width(), 260);
  EXPECT_LE(Form.lblProduct->height(), 27);
  EXPECT_TRUE(Form.lblProduct->font().bold());
  EXPECT_FALSE(Form.lblProduct->font().underline());
  EXPECT_EQ(FittedSize(QString(400, QChar(u'W'))), TAboutForm::ProductMinPointSize);
}

TEST(AboutForm, AddressLabelsOpenTheSiteAndANewMessage) {
  TFakePlatform Fake;
  TScopedPlatform Scope(Fake);
  TAboutForm Form;
  Form.ProductText = "Quillbay 1.3";
  Form.SiteAddress = QuillbayWebSite;
  Form.MailAddress = QuillbaySupportMail;
  Form.FillLabels();
  Form.show();
  EXPECT_EQ(Form.lblSite->text(), QuillbayWebSite);
  EXPECT_EQ(Form.lblMail->text(), QuillbaySupportMail);
  QTest::mouseClick(Form.lblSite, Qt::LeftButton);
  QTest::mouseClick(Form.lblMail, Qt::LeftButton);
  QTest::mouseClick(Form.lblProduct, Qt::LeftButton);
  EXPECT_EQ(Fake.Opened,
            (std::vector<std::string>{QuillbayWebSite, std::string("mailto:") + QuillbaySupportMail}));
}

TEST(AboutForm, AnAddressThatNoProgramOpensIsNamedInAnError) {
  TFakePlatform Fake;
  Fake.FOpenerFails = true;
  TScopedPlatform Scope(Fake);
  TScriptedDialogs Dialogs;
  TScopedUserDialogs ScopedDialogs(Dialogs);
  Dialogs.MessageAnswers = {TMsgResult::OK, TMsgResult::OK};
  TAboutForm Form;
  Form.SiteAddress = QuillbayWebSite;
  Form.MailAddress = QuillbaySupportMail;
  Form.FillLabels();
  Form.show();
  QTest::mouseClick(Form.lblSite, Qt::LeftButton);
  QTest::mouseClick(Form.lblMail, Qt::LeftButton);
  ASSERT_EQ(Dialogs.Messages.size(), 2u);
  EXPECT_EQ(Dialogs.Messages[0].Text, std::string("No program could be started to open ") + QuillbayWebSite);
  EXPECT_EQ(Dialogs.Messages[1].Text,
            std::string("No program could be started to open mailto:") + QuillbaySupportMail);
  EXPECT_EQ(Dialogs.Messages[1].Icon, TMsgIcon::Error);
  EXPECT_TRUE(Form.isVisible());
}

TEST(AboutForm, EscapeEnterAndCloseAllCloseTheBox) {
  for (int Way = 0; Way < 3; ++Way) {
    TAboutForm Form;
    Form.ProductText = "Quillbay 1.3";
    QTimer::singleShot(0, &Form, [&Form, Way] {
      if (Way == 0) QTest::keyClick(&Form, Qt::Key_Escape);
      if (Way == 1) QTest::keyClick(&Form, Qt::Key_Return);
      if (Way == 2) QTest::mouseClick(Form.btnClose, Qt::LeftButton);
    });
    Form.Execute();
    EXPECT_FALSE(Form.isVisible()) << Way;
  }
}

TEST(AboutForm, FixedLayout) {
  TAboutForm Form;
  EXPECT_EQ(Form.size(), QSize(352, 172));
  EXPECT_EQ(Form.windowTitle(), "About");
  EXPECT_EQ(Form.btnClose->geometry(), QRect(139, 132, 75, 25));
  EXPECT_TRUE(Form.btnClose->isDefault());
  EXPECT_EQ(Form.lblProduct->pos(), QPoint(70, 16));
}

TEST(AboutForm, TheProductLineIsNoLinkAndTheAddressesFollowIt) {
  TAboutForm Form;
  Form.ProductText = "Quillbay 1.3";
  Form.FillLabels();
  EXPECT_FALSE(Form.lblProduct->font().underline()) << "only the addresses are links";
  EXPECT_TRUE(Form.lblSite->font().underline());
  const int Gap = Form.Label2->y() - (Form.lblProduct->y() + TAboutForm::ProductMaxHeight);
  EXPECT_GE(Gap, 8);
  EXPECT_LE(Gap, 16) << "no large gap under the product line";
}

}  // namespace
