// The Publish site dialog: what it publishes and remembers in the document,
// and the question before it replaces a file that Quillbay did not write.

#include "ui/PublishDlg.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QGroupBox>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

#include "model/EventList.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/WhenModal.h"
#include "ui/Translations.h"

namespace {
namespace fs = std::filesystem;

class PublishDlgTest : public ::testing::Test {
 protected:
  PublishDlgTest() : PlatformScope(Fake) {
    Doc.Style().ResetToDefaults();
    Doc.FindEvent(true, EncodeDate(2026, 3, 14))->Text = "Spring fair";
  }
  TFakePlatform Fake;
  TScopedPlatform PlatformScope;
  TTempFolder Temp;
  TEventList Doc;
};

TEST_F(PublishDlgTest, PublishesAndRemembersTheSiteInTheDocument) {
  TfrmPublish Dialog(nullptr, Doc, Temp / "club.qby");
  EXPECT_FALSE(Dialog.btnPublish->isEnabled()) << "no folder yet";
  EXPECT_EQ(Dialog.edtFrom->placeholderText(), "2026-01");
  EXPECT_EQ(Dialog.edtUpcoming->value(), 60);
  Dialog.edtFolder->setText(QString::fromStdString(Temp / "site"));
  Dialog.edtFrom->setText("2026-03");
  Dialog.edtTo->setText("2026-04");
  Dialog.edtAddress->setText("https://example.org/club/");
  Dialog.edtUpcoming->setValue(30);
  QString Message;
  WhenModal<QMessageBox>([&Message](QMessageBox& Box) {
    Message = Box.text();
    Box.button(QMessageBox::Close)->click();
  });
  Dialog.btnPublish->click();
  EXPECT_EQ(Message, "Site published: 6 pages written, 0 unchanged, 0 removed");
  EXPECT_EQ(Dialog.result(), QDialog::Accepted);
  for (const char* Name :
       {"3_2026.html", "4_2026.html", "2026.html", "index.html", "club.ics", "sitemap.xml"})
    EXPECT_TRUE(fs::exists(Temp / "site/" + Name)) << Name;
  EXPECT_EQ(Doc.SiteFolder, Temp / "site");
  EXPECT_EQ(Doc.SiteFrom + " " + Doc.SiteTo, "2026-03 2026-04");
  EXPECT_EQ(Doc.SiteAddress, "https://example.org/club/");
  EXPECT_EQ(Doc.SiteUpcomingDays, 30);
}

TEST_F(PublishDlgTest, AsksBeforeReplacingAFileQuillbayDidNotWrite) {
  fs::create_directory(Temp / "site");
  WriteFileBytes(Temp / "site/index.html", "mine");
  TfrmPublish Dialog(nullptr, Doc, Temp / "club.qby");
  Dialog.edtFolder->setText(QString::fromStdString(Temp / "site"));
  QString Question;
  WhenModal<QMessageBox>([&Question](QMessageBox& Box) {
    Question = Box.text();
    Box.button(QMessageBox::No)->click();
  });
  Dialog.btnPublish->click();
  EXPECT_TRUE(Question.contains("\n\nindex.html\n\n")) << Question.toStdString();
  EXPECT_EQ(ReadFileBytes(Temp / "site/index.html"), "mine");
  EXPECT_EQ(std::distance(fs::directory_iterator(Temp / "site"), {}), 1);
  EXPECT_TRUE(Doc.SiteFolder.empty()) << "nothing remembered without a publish";
}

// Not a test of behaviour: with QUILLBAY_SCREENSHOT set to a PNG path, saves a
// picture of the Publish site dialog uploading to a club's web host, for the
// help pages, in the locale's language.
TEST_F(PublishDlgTest, Screenshot) {
  const QString Target = qEnvironmentVariable("QUILLBAY_SCREENSHOT");
  if (Target.isEmpty()) GTEST_SKIP() << "QUILLBAY_SCREENSHOT not set";
  InstallTranslations(QLocale::system(), {QUILLBAY_QM_DIR});
  {
    TfrmPublish Dialog(nullptr, Doc, Temp / "club.qby");
    Dialog.edtFolder->setText("/home/club/calendar-site");
    Dialog.edtAddress->setText("https://example.org/calendar/");
    Dialog.grpUpload->setChecked(true);
    Dialog.edtServer->setText("example.org");
    Dialog.edtUser->setText("club");
    Dialog.edtRemoteFolder->setText("htdocs/calendar/");
    Dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
    QTest::qWait(200);
    EXPECT_TRUE(Dialog.grab().save(Target));
  }
  RemoveTranslations();
}

}  // namespace
