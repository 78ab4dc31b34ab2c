// The core's English messages as the user reads them: every message raised
// below the windows is known, has a German translation with the same "%s"
// parts, and shows with its file names as they were.

#include "ui/CoreMessages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <set>
#include <string>

#include "ui/Translations.h"

namespace {
// The literal texts raised as errors or asked as questions in the program's
// own sources: EQuillbayError("..."), FormatMessage("...", message captions,
// and what the iCalendar reader's Fail(file, line, "...") says is wrong.
std::set<std::string> RaisedTexts() {
  const QRegularExpression Raised(
      R"re((?:EQuillbayError\(|FormatMessage\(|\.Caption = |\bFail\([^;"]*,\s*)"((?:[^"\\]|\\.)*)"(?:\)|,|\s*,))re");
  std::set<std::string> Texts;
  for (const char* Folder : {"model", "generator", "project", "platform", "net", "ui"}) {
    QDirIterator Files(QStringLiteral(QUILLBAY_SOURCE_DIR "/") + Folder, {"*.cpp", "*.h"}, QDir::Files);
    while (Files.hasNext()) {
      QFile File(Files.next());
      EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << File.fileName().toStdString();
      const QString Source = QString::fromUtf8(File.readAll());
      for (auto It = Raised.globalMatch(Source); It.hasNext();)
        Texts.insert(It.next().captured(1).replace(R"(\")", "\"").toStdString());
    }
  }
  return Texts;
}

class CoreMessagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(InstallTranslations(QLocale("de_DE"), {QUILLBAY_QM_DIR})); }
  void TearDown() override { RemoveTranslations(); }
};
}  // namespace

TEST_F(CoreMessagesTest, EveryRaisedMessageIsKnownAndTranslatedWithItsParts) {
  std::set<std::string> Known(CoreMessageFormats().begin(), CoreMessageFormats().end());
  const std::set<std::string> Raised = RaisedTexts();
  EXPECT_GT(Raised.size(), 10u) << "the sources were not found";
  for (const std::string& Text : Raised) {
    // Captions that the windows translate where they set them.
    if (Text == "Quillbay" || Text == "Information" || Text == "Warning") continue;
    EXPECT_TRUE(Known.count(Text)) << "not translatable: \"" << Text << "\"";
  }
  for (const char* Format : CoreMessageFormats()) {
    const QString German = QCoreApplication::translate("Core", Format);
    EXPECT_NE(German, QString::fromUtf8(Format)) << "untranslated: " << Format;
    EXPECT_EQ(German.count("%s"), QString::fromUtf8(Format).count("%s")) << Format;
  }
}

TEST_F(CoreMessagesTest, NamesStayAsTheyWereAndUnknownTextsPassUnchanged) {
  EXPECT_EQ(TranslateCoreMessage("Cannot create file /home/ann/März 2026 (neu).html"),
            QString::fromUtf8("Die Datei /home/ann/März 2026 (neu).html kann nicht erstellt werden"));
  EXPECT_EQ(
      TranslateCoreMessage("The settings file /c/settings.ini is damaged. It was renamed to "
                           "/c/settings.ini.bad, and Quillbay starts with fresh settings."),
      QString::fromUtf8("Die Einstellungsdatei /c/settings.ini ist beschädigt. Sie wurde in "
                        "/c/settings.ini.bad umbenannt, und Quillbay beginnt mit neuen Einstellungen."));
  EXPECT_EQ(TranslateCoreMessage("/tmp/Club: Sommer.ics, line 12: the value of DTSTART cannot be read"),
            "/tmp/Club: Sommer.ics, Zeile 12: der Wert von DTSTART kann nicht gelesen werden");
  EXPECT_EQ(TranslateCoreMessage("/tmp/Club: Sommer.ics: the file is too large"),
            QString::fromUtf8("/tmp/Club: Sommer.ics: die Datei ist zu groß"));
  EXPECT_EQ(TranslateCoreMessage("/tmp/club.ics: the file is too large"),
            QString::fromUtf8("/tmp/club.ics: die Datei ist zu groß"));
  EXPECT_EQ(TranslateCoreMessage("The file is not valid\n/home/ann/Club, line 3.qby, line 12"),
            QString::fromUtf8("Die Datei ist ungültig\n/home/ann/Club, line 3.qby, Zeile 12"));
  EXPECT_EQ(TranslateCoreMessage("The file is not valid, really"), "The file is not valid, really");
  EXPECT_EQ(TranslateCoreMessage("Die Datei ist ungültig"), QString::fromUtf8("Die Datei ist ungültig"));
  RemoveTranslations();
  EXPECT_EQ(TranslateCoreMessage("Cannot create file /tmp/a.html"), "Cannot create file /tmp/a.html");
}
