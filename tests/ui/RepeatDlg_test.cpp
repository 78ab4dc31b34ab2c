// The Repeat and Remove from days dialogs, alone and from the main window
// (offscreen, with the settings, folders and file dialogs of the test's own).

#include "ui/RepeatDlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>

#include "model/EventList.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/CaptionCheck.h"
#include "tests/ui/WhenModal.h"
#include "ui/DateChooser.h"
#include "ui/MainForm.h"
#include "ui/RemoveLineDlg.h"
#include "ui/Translations.h"

namespace {
TDateTime Day(int Y, int M, int D) { return EncodeDate(Y, M, D); }

std::vector<TDateTime> Tuesdays(std::initializer_list<int> MarchDays) {
  std::vector<TDateTime> Days;
  for (int D : MarchDays) Days.push_back(Day(2026, 3, D));
  return Days;
}

// The access keys ("&x") of a dialog's labels and buttons that are repeated.
QStringList RepeatedAccessKeys(const QWidget& Dialog) {
  QStringList Keys, Repeated;
  QStringList Captions;
  for (const QLabel* Label : Dialog.findChildren<QLabel*>()) Captions << Label->text();
  for (const QAbstractButton* Button : Dialog.findChildren<QAbstractButton*>()) Captions << Button->text();
  for (const QString& Caption : Captions) {
    const qsizetype At = Caption.indexOf('&');
    if (At < 0 || At + 1 >= Caption.size()) continue;
    const QString Key = Caption.mid(At + 1, 1).toLower();
    if (Keys.contains(Key)) Repeated << Caption;
    Keys << Key;
  }
  return Repeated;
}

// Picks the combo box entry whose data is Data.
void Choose(QComboBox& Box, int Data) { Box.setCurrentIndex(Box.findData(Data)); }
}  // namespace

TEST(RepeatDialogTest, ListsTheRulesDaysAndLeavesOutTheUntickedOnes) {
  // Tuesday 3 March 2026, weeks from Monday: every Tuesday to the end of the year.
  TfrmRepeat Dialog(nullptr, Day(2026, 3, 3), 2);
  Dialog.edtText->setText("Choir");
  EXPECT_TRUE(Dialog.chkWeekDay[2]->isChecked());
  EXPECT_EQ(Dialog.edtUntil->date(), QDate(2026, 12, 31));
  ASSERT_EQ(Dialog.lstDays->count(), 44);
  EXPECT_EQ(Dialog.lblDays->text(), "44 days");
  EXPECT_TRUE(Dialog.btnOK->isEnabled());

  Dialog.rbtCount->setChecked(true);
  Dialog.spnCount->setValue(4);
  Dialog.lstDays->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(Dialog.lblDays->text(), "4 days, 1 of them left out");
  EXPECT_EQ(Dialog.Days(), Tuesdays({3, 17, 24}));
  // A left-out day stays out while the rule changes around it.
  Dialog.chkWeekDay[4]->setChecked(true);
  EXPECT_EQ(Dialog.Days(), (std::vector<TDateTime>{Day(2026, 3, 3), Day(2026, 3, 5), Day(2026, 3, 12)}));
  Dialog.chkWeekDay[4]->setChecked(false);
  EXPECT_EQ(Dialog.Days(), Tuesdays({3, 17, 24}));

  // Every month on the first Tuesday; the fifth is on offer only on a fifth.
  Dialog.cbxFrequency->setCurrentIndex(static_cast<int>(TRepeatFrequency::Monthly));
  Choose(*Dialog.cbxMonthly, 1);
  EXPECT_EQ(Dialog.cbxMonthly->currentText(), "On the first Tuesday");
  EXPECT_EQ(Dialog.Days(),
            (std::vector<TDateTime>{Day(2026, 3, 3), Day(2026, 4, 7), Day(2026, 5, 5), Day(2026, 6, 2)}));
  EXPECT_EQ(Dialog.cbxMonthly->count(), 3) << "3 March is not the last Tuesday";

  Dialog.spnCount->setValue(MaxRepeatDays + 1);
  EXPECT_EQ(Dialog.lstDays->count(), 0);
  EXPECT_EQ(Dialog.lblDays->text(), "A repeat reaches at most 5,000 days; choose fewer times.");
  EXPECT_FALSE(Dialog.btnOK->isEnabled());
  Dialog.spnCount->setValue(200);
  EXPECT_EQ(Dialog.lblDays->text(),
            "A repeat reaches at most 10 years ahead; choose an earlier end or fewer times.");
  Dialog.spnCount->setValue(2);
  Dialog.edtText->setText(" ");
  EXPECT_FALSE(Dialog.btnOK->isEnabled()) << "no text to repeat";
}

TEST(RepeatDialogTest, BothDialogsShowWholeCaptionsAndDistinctAccessKeysInEveryLanguage) {
  const QLocale Before;
  for (const QLocale& Locale : {QLocale::c(), QLocale("de_DE"), QLocale("es_ES"), QLocale("fr_FR"),
                                QLocale("it_IT"), QLocale("nl_NL")}) {
    QLocale::setDefault(Locale);
    InstallTranslations(Locale, {QUILLBAY_QM_DIR});
    const std::string Language = Locale.name().toStdString();
    TfrmRepeat Repeat(nullptr, Day(2026, 3, 31), 2);
    Repeat.show();
    EXPECT_EQ(CutCaptions(Repeat).join(", ").toStdString(), "") << Language;
    EXPECT_EQ(RepeatedAccessKeys(Repeat).join(", ").toStdString(), "") << Language;
    Repeat.cbxFrequency->setCurrentIndex(static_cast<int>(TRepeatFrequency::Monthly));
    Repeat.rbtCount->setChecked(true);
    Repeat.spnCount->setValue(MaxRepeatDays + 1);
    EXPECT_EQ(CutCaptions(Repeat).join(", ").toStdString(), "") << Language << ", the limit's message";
    TfrmRemoveLine Remove(nullptr, [](const std::string&, const TDayRange&) { return 12; });
    Remove.SetRange({Day(2026, 1, 1), Day(2026, 12, 31)});
    Remove.show();
    EXPECT_EQ(CutCaptions(Remove).join(", ").toStdString(), "") << Language;
    EXPECT_EQ(RepeatedAccessKeys(Remove).join(", ").toStdString(), "") << Language;
  }
  RemoveTranslations();
  QLocale::setDefault(Before);
}

class RepeatWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* Sub : {"config", "docs", "tmp", "data", "share"})
      ASSERT_TRUE(std::filesystem::create_directories(Dir.Path(Sub)));
    Fake.FConfigFolder = Dir / "config";
    Fake.FDocumentsFolder = Dir / "docs";
    Fake.FTempFolder = Dir / "tmp";
    Fake.FDataFolder = Dir / "data";
    Fake.FSharedDataFolder = Dir / "share";
    Fake.FProgramFolder = Dir.Path();
  }

  // Opens a saved document whose only event, on Tuesday 3 March 2026 (on
  // show), holds Text, with the caret on its first line; Saved holds its
  // bytes.
  std::unique_ptr<TfrmMain> OpenWindow(const std::string& Text) {
    TEventList Document;
    Document.Style().ResetToDefaults();
    Document.Style().WeekStart = 2;
    Document.FindEvent(true, Day(2026, 3, 3))->Text = Text;
    File = Dir / "docs/choir.qby";
    Document.SaveToFile(File);
    auto W = std::make_unique<TfrmMain>();
    W->show();
    Dialogs.OpenAnswers.push_back(File);
    W->miOpenClick();
    // As the window saves it (with the folder it proposes for pages).
    W->miSaveClick();
    Saved = ReadFileBytes(File);
    W->mmEvent->moveCursor(QTextCursor::Start);
    return W;
  }

  std::string TextOf(TfrmMain& W, int MarchDay) {
    const TEvent* Event = W.Document().FindEvent(false, Day(2026, 3, MarchDay));
    return Event ? Event->Text : "<none>";
  }

  TTempFolder Dir;
  std::string File, Saved;
  TFakePlatform Fake;
  TScopedPlatform ScopedPlatform{Fake};
  TScriptedDialogs Dialogs;
  TScopedUserDialogs ScopedDialogs{Dialogs};
};

TEST_F(RepeatWindowTest, RepeatAddsTheLineAndCtrlZTakesItBackToTheSavedBytes) {
  auto W = OpenWindow("Choir\r\nFair");
  WhenModal<TfrmRepeat>([](TfrmRepeat& D) {
    EXPECT_EQ(D.edtText->text(), "Choir") << "the line under the caret";
    D.rbtCount->setChecked(true);
    D.spnCount->setValue(4);
    D.lstDays->item(2)->setCheckState(Qt::Unchecked);
    D.btnOK->click();
  });
  W->miRepeat->trigger();
  EXPECT_EQ(TextOf(*W, 3), "Choir\r\nFair") << "not added twice";
  EXPECT_EQ(TextOf(*W, 10), "Choir");
  EXPECT_EQ(TextOf(*W, 17), "<none>") << "unticked";
  EXPECT_EQ(TextOf(*W, 24), "Choir");
  EXPECT_EQ(W->StatusPanel2->text(), "Added to 2 days");
  EXPECT_TRUE(W->Project.Modified());
  EXPECT_TRUE(W->miUndoDays->isEnabled());
  EXPECT_EQ(W->miUndoDays->text(), "U&ndo Repeat");

  // The box has nothing of its own to undo: Ctrl+Z takes the Repeat back.
  QTest::keyClick(W->mmEvent, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(TextOf(*W, 10), "<none>");
  EXPECT_FALSE(W->Project.Modified()) << "nothing else changed since the save";
  EXPECT_FALSE(W->miUndoDays->isEnabled()) << "one level";
  W->miSaveClick();
  EXPECT_EQ(ReadFileBytes(File), Saved);

  // Saved in between: the undo gives the old bytes back, but not the mark.
  WhenModal<TfrmRepeat>([](TfrmRepeat& D) { D.btnOK->click(); });
  W->miRepeat->trigger();
  W->miSaveClick();
  EXPECT_NE(ReadFileBytes(File), Saved);
  W->miUndoDaysClick();
  EXPECT_TRUE(W->Project.Modified());
  W->miSaveClick();
  EXPECT_EQ(ReadFileBytes(File), Saved);
}

TEST_F(RepeatWindowTest, RemoveShowsTheCountAndTypingEndsItsUndo) {
  auto W = OpenWindow("Choir");
  for (int D : {10, 17}) W->Document().FindEvent(true, Day(2026, 3, D))->Text = "Fair\r\nChoir";
  W->Document().FindEvent(true, Day(2026, 3, 24))->Text = "Choir practice";
  W->Document().FindEvent(true, Day(2027, 1, 5))->Text = "Choir";
  WhenModal<TfrmRemoveLine>([](TfrmRemoveLine& D) {
    EXPECT_EQ(D.edtText->text(), "Choir");
    EXPECT_EQ(D.edtFrom->date(), QDate(2026, 1, 1)) << "the year on show";
    EXPECT_EQ(D.edtTo->date(), QDate(2026, 12, 31));
    EXPECT_EQ(D.lblCount->text(), "It will be removed from 3 days.");
    D.btnOK->click();
  });
  W->miRemoveFromDays->trigger();
  EXPECT_EQ(W->StatusPanel2->text(), "Removed from 3 days");
  EXPECT_EQ(TextOf(*W, 3), "<none>") << "left blank, so removed";
  EXPECT_EQ(W->mmEvent->toPlainText(), "");
  EXPECT_EQ(TextOf(*W, 10), "Fair");
  EXPECT_EQ(TextOf(*W, 24), "Choir practice");
  EXPECT_EQ(W->miUndoDays->text(), "U&ndo Remove");

  QTest::keyClicks(W->mmEvent, "x");
  EXPECT_FALSE(W->miUndoDays->isEnabled()) << "a later text change ends it";
  QTest::keyClick(W->mmEvent, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(W->mmEvent->toPlainText(), "") << "Ctrl+Z is the box's own undo again";
  EXPECT_EQ(TextOf(*W, 10), "Fair");
}

// Not a test of behaviour: with QUILLBAY_SCREENSHOT set to a PNG path, saves a
// picture of the Repeat dialog for the help pages (a choir's weekly
// rehearsal, a holiday left out), in the locale's language.
TEST(RepeatDialogTest, Screenshot) {
  const QString Target = qEnvironmentVariable("QUILLBAY_SCREENSHOT");
  if (Target.isEmpty()) GTEST_SKIP() << "QUILLBAY_SCREENSHOT not set";
  const bool Translated = InstallTranslations(QLocale::system(), {QUILLBAY_QM_DIR});
  {
    TfrmRepeat Dialog(nullptr, Day(2026, 9, 1), 2);
    Dialog.edtText->setText(Translated ? "19:30 Chorprobe" : "19:30 Choir rehearsal");
    Dialog.edtUntil->setDate(QDate(2026, 12, 15));
    Dialog.lstDays->item(8)->setCheckState(Qt::Unchecked);
    Dialog.resize(420, 520);
    Dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
    QTest::qWait(200);
    EXPECT_TRUE(Dialog.grab().save(Target));
  }
  RemoveTranslations();
}
