#include "ui/ExportDlg.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>

#include "model/EventList.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"
#include "ui/EditLib.h"

namespace {

int CountOf(const std::string& Text, const std::string& Part) {
  int Count = 0;
  for (size_t Pos = Text.find(Part); Pos != std::string::npos; Pos = Text.find(Part, Pos + 1)) ++Count;
  return Count;
}

class ExportDlgTest : public ::testing::Test {
 protected:
  ExportDlgTest() : PlatformScope(Fake), DialogsScope(Dialogs) {
    Folder = Temp.Path();
    Fake.FTempFolder = Folder;
    Document.Style().ResetToDefaults();
    SetDocumentDefaults(Document, Folder, 2026);
  }

  std::string PathOf(const std::string& Name) const { return Folder + "/" + Name; }

  static void Tick(TfrmExport& Dialog, std::initializer_list<int> Months, bool Ticked = true) {
    for (int Month : Months)
      Dialog.lvwMonths->item(Month - 1)->setCheckState(Ticked ? Qt::Checked : Qt::Unchecked);
  }

  // Runs ExecuteExportDialog; Act works on the open dialog and must close it.
  void Execute(const std::function<void(TfrmExport&)>& Act) {
    bool Acted = false;
    QTimer::singleShot(0, [&] {
      auto* Dialog = qobject_cast<TfrmExport*>(QApplication::activeModalWidget());
      if (Dialog == nullptr) {
        ADD_FAILURE() << "no export dialog open";
        return;
      }
      Acted = true;
      Act(*Dialog);
      if (Dialog->isVisible()) {
        ADD_FAILURE() << "the dialog stayed open";
        Dialog->reject();
      }
    });
    ExecuteExportDialog(nullptr, Document);
    EXPECT_TRUE(Acted);
  }

  TTempFolder Temp;
  std::string Folder;
  TFakePlatform Fake;
  TScopedPlatform PlatformScope;
  TScriptedDialogs Dialogs;
  TScopedUserDialogs DialogsScope;
  TEventList Document;
};

TEST_F(ExportDlgTest, MonthsTickedInAnyOrderAreWrittenInCalendarOrder) {
  TfrmExport Dialog;
  Dialog.EventList = &Document;
  Dialog.LoadFromDocument();
  EXPECT_EQ(Dialog.lvwMonths->count(), 12);
  EXPECT_EQ(Dialog.lvwMonths->item(2)->text(), "March");
  Tick(Dialog, {12, 1, 3});
  EXPECT_EQ(Dialog.TickedMonths(), (1 << 1) | (1 << 3) | (1 << 12));
  Dialog.edtFile->setText(QString::fromStdString(PathOf("year.html")));
  Dialog.show();
  QTest::mouseClick(Dialog.btnExport, Qt::LeftButton);
  EXPECT_EQ(Dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(Dialogs.Messages.empty());

  const std::string Page = ReadFileBytes(PathOf("year.html"));
  const size_t January = Page.find("January"), March = Page.find("March"), December = Page.find("December");
  ASSERT_NE(January, std::string::npos) << Page;
  EXPECT_LT(January, March);
  EXPECT_LT(March, December);
  EXPECT_EQ(CountOf(Page, "<tr><td height=\"15\"></td></tr>"), 2) << Page;
  EXPECT_EQ(Document.ExportMonths, (1 << 1) | (1 << 3) | (1 << 12));
  EXPECT_EQ(Document.ExportFile, PathOf("year.html"));
}

TEST_F(ExportDlgTest, ExportNeedsAFileNameAndATickedMonth) {
  TfrmExport Dialog;
  Dialog.EventList = &Document;
  Dialog.LoadFromDocument();
  EXPECT_FALSE(Dialog.btnExport->isEnabled()) << "a fresh document has no month ticked";
  Tick(Dialog, {5});
  EXPECT_FALSE(Dialog.btnExport->isEnabled()) << "no file name";
  Dialog.edtFile->setText(" \t ");
  EXPECT_FALSE(Dialog.btnExport->isEnabled()) << "blanks only";
  Dialog.edtFile->setText(" a.html ");
  EXPECT_TRUE(Dialog.btnExport->isEnabled());
  EXPECT_TRUE(Dialog.btnExport->isDefault());
  QTest::mouseClick(Dialog.btnUnselect, Qt::LeftButton);
  EXPECT_EQ(Dialog.TickedMonths(), 0);
  EXPECT_FALSE(Dialog.btnExport->isEnabled());
  EXPECT_FALSE(Dialog.btnExport->isDefault());
  QTest::mouseClick(Dialog.btnSelectAll, Qt::LeftButton);
  EXPECT_EQ(Dialog.TickedMonths(), 0x1FFE);
  EXPECT_TRUE(Dialog.btnExport->isEnabled());
}

TEST_F(ExportDlgTest, OverwriteQuestionAnsweredNoKeepsTheFileAndTheDocument) {
  const std::string Name = PathOf("old.html");
  std::ofstream(Name) << "old page";
  TfrmExport Dialog;
  Dialog.EventList = &Document;
  Dialog.LoadFromDocument();
  Dialog.edtFile->setText(QString::fromStdString(Name));
  Tick(Dialog, {4});
  Dialogs.MessageAnswers = {TMsgResult::No};
  Dialog.btnExportClick();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "File \"" + Name + "\" already exists. Override?");
  EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Warning);
  EXPECT_EQ(Dialogs.Messages[0].Buttons, TMsgButtons::YesNo);
  EXPECT_EQ(ReadFileBytes(Name), "old page");
  EXPECT_EQ(Document.ExportFile, "") << "nothing stored";
  EXPECT_EQ(Document.ExportMonths, 0);
  EXPECT_NE(Dialog.result(), QDialog::Accepted);

  Dialogs.MessageAnswers = {TMsgResult::Yes};
  Dialog.btnExportClick();
  EXPECT_EQ(Dialog.result(), QDialog::Accepted);
  EXPECT_NE(ReadFileBytes(Name).find("April"), std::string::npos);
  EXPECT_EQ(Document.ExportFile, Name);
}

TEST_F(ExportDlgTest, BrowseSetsTheFolderAtOnceAndCancelKeepsIt) {
  Document.ExportFile = "kept.html";
  std::filesystem::create_directory(PathOf("site"));
  Execute([&](TfrmExport& Dialog) {
    Dialog.edtFile->clear();
    Dialogs.SaveAnswers = {PathOf("site/2027.html")};
    QTest::mouseClick(Dialog.btnBrowse, Qt::LeftButton);
    EXPECT_EQ(Dialog.edtFile->text().toStdString(), PathOf("site/2027.html"));
    EXPECT_EQ(Document.DefaultFolder, PathOf("site"));
    QTest::keyClick(&Dialog, Qt::Key_Escape);
  });
  ASSERT_EQ(Dialogs.SaveRequests.size(), 1u);
  const TFileDialogRequest& Request = Dialogs.SaveRequests[0];
  EXPECT_EQ(Request.DefaultExt, "html");
  EXPECT_EQ(Request.Filter, "HTML Files|*.html;*.htm|All Files|*.*");
  EXPECT_EQ(Request.InitialDir, Folder) << "an empty file name starts in DefaultFolder";
  EXPECT_FALSE(Request.PromptOverwrite);
  EXPECT_EQ(Document.DefaultFolder, PathOf("site"));
  EXPECT_EQ(Document.ExportFile, "kept.html") << "Cancel stores nothing else";
}

TEST_F(ExportDlgTest, BrowseProposesTheTypedNameAndACancelledBrowseChangesNothing) {
  TfrmExport Dialog;
  Dialog.EventList = &Document;
  Dialog.LoadFromDocument();
  Dialog.edtFile->setText("/srv/www/cal.html");
  Dialogs.SaveAnswers = {std::nullopt};
  Dialog.btnBrowseClick();
  ASSERT_EQ(Dialogs.SaveRequests.size(), 1u);
  EXPECT_EQ(Dialogs.SaveRequests[0].FileName, "/srv/www/cal.html");
  EXPECT_EQ(Dialogs.SaveRequests[0].InitialDir, "");
  EXPECT_EQ(Dialog.edtFile->text(), "/srv/www/cal.html");
  EXPECT_EQ(Document.DefaultFolder, Folder);
}

TEST_F(ExportDlgTest, TicksSurviveAnotherOpeningButNotASaveAndReopen) {
  Document.ExportFile = PathOf("year.html");
  Execute([&](TfrmExport& Dialog) {
    Tick(Dialog, {2, 6});
    Dialog.btnExportClick();
  });
  EXPECT_EQ(Document.ExportMonths, (1 << 2) | (1 << 6));
  Execute([&](TfrmExport& Dialog) {
    EXPECT_EQ(Dialog.TickedMonths(), (1 << 2) | (1 << 6));
    EXPECT_TRUE(Dialog.btnExport->isEnabled());
    QTest::mouseClick(Dialog.btnUnselect, Qt::LeftButton);
    QTest::mouseClick(Dialog.btnCancel, Qt::LeftButton);
  });
  EXPECT_EQ(Document.ExportMonths, (1 << 2) | (1 << 6)) << "after Cancel the earlier ticks come back";

  Document.SaveToFile(PathOf("doc.qby"));
  TEventList Reopened;
  Reopened.LoadFromFile(PathOf("doc.qby"));
  TfrmExport Dialog;
  Dialog.EventList = &Reopened;
  Dialog.LoadFromDocument();
  EXPECT_EQ(Dialog.TickedMonths(), 0);
  EXPECT_FALSE(Dialog.btnExport->isEnabled());
  EXPECT_EQ(Dialog.edtFile->text().toStdString(), PathOf("year.html"));
  EXPECT_EQ(Dialog.edtYear->Value(), 2026);
}

TEST_F(ExportDlgTest, YearZeroFailsInAMessageAndWritesNothing) {
  Execute([&](TfrmExport& Dialog) {
    Dialog.edtFile->setText(QString::fromStdString(PathOf("zero.html")));
    Dialog.edtYear->SetValue(0);
    Tick(Dialog, {1});
    Dialogs.MessageAnswers = {TMsgResult::OK};
    QTest::mouseClick(Dialog.btnExport, Qt::LeftButton);
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_EQ(Dialogs.Messages[0].Text, "Invalid argument to date encode");
    EXPECT_TRUE(Dialog.isVisible()) << "the dialog stays open";
    EXPECT_EQ(Document.ExportYear, 0) << "the values were stored before writing";
    Dialog.reject();
  });
  EXPECT_FALSE(std::filesystem::exists(PathOf("zero.html")));
  EXPECT_EQ(std::filesystem::directory_iterator(Folder), std::filesystem::directory_iterator());
}

TEST_F(ExportDlgTest, UnwritableFileFailsInAMessage) {
  TfrmExport Dialog;
  Dialog.EventList = &Document;
  Dialog.LoadFromDocument();
  Dialog.edtFile->setText(QString::fromStdString(PathOf("missing/year.html")));
  Tick(Dialog, {1});
  Dialogs.MessageAnswers = {TMsgResult::OK};
  Dialog.btnExportClick();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text.rfind("Cannot create file", 0), 0u) << Dialogs.Messages[0].Text;
  EXPECT_NE(Dialog.result(), QDialog::Accepted);
}

TEST_F(ExportDlgTest, ChangingOnlyTheTicksLeavesTheChecksumAsItWas) {
  Document.ExportFile = PathOf("year.html");
  const uint32_t Before = Document.Checksum();
  Execute([&](TfrmExport& Dialog) {
    Tick(Dialog, {7, 8});
    Dialog.btnExportClick();
  });
  EXPECT_EQ(Document.ExportMonths, (1 << 7) | (1 << 8));
  EXPECT_EQ(Document.Checksum(), Before);
  Execute([&](TfrmExport& Dialog) {
    Dialog.edtYear->SetValue(2027);
    Dialogs.MessageAnswers = {TMsgResult::Yes};  // the page of the first export
    Dialog.btnExportClick();
  });
  EXPECT_NE(Document.Checksum(), Before);
}

TEST_F(ExportDlgTest, HiddenFieldsCarryTheirValues) {
  Document.ExportCols = 3;
  Document.ColSpacing = 44;
  Document.RowSpacing = 0;
  Document.ExportFile = PathOf("year.html");
  Document.ExportMonths = (1 << 1) | (1 << 2);
  Execute([&](TfrmExport& Dialog) {
    EXPECT_FALSE(Dialog.edtColumns->isVisible());
    EXPECT_FALSE(Dialog.edtColSpacing->isVisible());
    EXPECT_TRUE(Dialog.edtRowSpacing->isVisible());
    Dialog.btnExportClick();
  });
  EXPECT_EQ(Document.ExportCols, 3);
  EXPECT_EQ(Document.ColSpacing, 44);
  EXPECT_EQ(Document.RowSpacing, 0);
  EXPECT_EQ(CountOf(ReadFileBytes(PathOf("year.html")), "<tr><td height=\"0\"></td></tr>"), 1);
}

}  // namespace
