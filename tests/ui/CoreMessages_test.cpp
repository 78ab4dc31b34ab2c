// The core's messages as the user reads them: every message identity has a
// translation with the same arguments in every catalogue, and a message shows
// with its file names and values as they were, its place before it.

#include "ui/CoreMessages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <map>
#include <string>

#include "platform/Errors.h"
#include "ui/Translations.h"

namespace {
// How often each "%1" ... "%9" occurs in Text.
std::map<QString, int> Arguments(const QString& Text) {
  std::map<QString, int> Count;
  for (auto It = QRegularExpression("%[1-9]").globalMatch(Text); It.hasNext();) ++Count[It.next().captured()];
  return Count;
}

class CoreMessagesTest : public ::testing::Test {
 protected:
  void TearDown() override { RemoveTranslations(); }
};
}  // namespace

TEST_F(CoreMessagesTest, EveryMessageIdentityIsTranslatedWithItsArgumentsInEveryLanguage) {
  for (const char* Language : {"de_DE", "es_ES", "fr_FR", "it_IT", "nl_NL"}) {
    ASSERT_TRUE(InstallTranslations(QLocale(Language), {QUILLBAY_QM_DIR})) << Language;
    for (const char* Format : MessageFormats()) {
      const QString English = QString::fromUtf8(Format);
      const QString Translated = QCoreApplication::translate("Core", Format);
      // A message of nothing but its parts ("%1: %2") may read the same.
      if (!English.contains(QRegularExpression("^[%0-9 ,:]*$"))) {
        EXPECT_NE(Translated, English) << Language << ", untranslated: " << Format;
      }
      EXPECT_EQ(Arguments(Translated), Arguments(English)) << Language << ": " << Format;
    }
  }
}

TEST_F(CoreMessagesTest, NamesStayAsTheyWereAndTheToolGetsEnglish) {
  const struct {
    TMessage Message;
    const char* English;
    const char* German;
  } Cases[] = {
      {{TMessageId::CannotCreateFile, {"/home/ann/März 2026 (neu).html"}},
       "Cannot create file /home/ann/März 2026 (neu).html",
       "Die Datei /home/ann/März 2026 (neu).html kann nicht erstellt werden"},
      {{TMessageId::SettingsDamagedRenamed, {"/c/settings.ini", "/c/settings.ini.bad"}},
       "The settings file /c/settings.ini is damaged. It was renamed to /c/settings.ini.bad, and Quillbay "
       "starts with fresh settings.",
       "Die Einstellungsdatei /c/settings.ini ist beschädigt. Sie wurde in /c/settings.ini.bad umbenannt, "
       "und "
       "Quillbay beginnt mit neuen Einstellungen."},
      {TMessage{TMessageId::ICalValueUnreadable, {"DTSTART"}}.At("/tmp/Club: Sommer.ics", 12),
       "/tmp/Club: Sommer.ics, line 12: the value of DTSTART cannot be read",
       "/tmp/Club: Sommer.ics, Zeile 12: der Wert von DTSTART kann nicht gelesen werden"},
      {TMessage{TMessageId::ICalFileTooLarge}.At("/tmp/club.ics", 0), "/tmp/club.ics: the file is too large",
       "/tmp/club.ics: die Datei ist zu groß"},
      // A name that holds what a message says, or an argument's number, stays as it is.
      {{TMessageId::FileNotValidAtLine, {"/home/ann/Club, line 3 %2.qby", "12"}},
       "The file is not valid\n/home/ann/Club, line 3 %2.qby, line 12",
       "Die Datei ist ungültig\n/home/ann/Club, line 3 %2.qby, Zeile 12"},
      // The upload's messages: the host, its key, the files and the library's
      // detail are put in as they are, in the tool's English and in German.
      {{TMessageId::HostKeyChanged,
        {"[127.0.0.1]:2222", "SHA256:nThbg6kXUpJWGl7E1IGOCspRomTxdCARLviKw6E5SY8",
         "/home/ann/.ssh/known_hosts"}},
       "WARNING: the key of host [127.0.0.1]:2222 has changed (it now shows "
       "SHA256:nThbg6kXUpJWGl7E1IGOCspRomTxdCARLviKw6E5SY8). Someone may be intercepting the connection, so "
       "the upload is refused. If the host's administrator confirms the new key, remove the old one from "
       "/home/ann/.ssh/known_hosts.",
       "WARNUNG: Der Schlüssel des Hosts [127.0.0.1]:2222 hat sich geändert (er zeigt jetzt "
       "SHA256:nThbg6kXUpJWGl7E1IGOCspRomTxdCARLviKw6E5SY8). Jemand könnte die Verbindung abfangen, darum "
       "wird das Hochladen verweigert. Wenn der Administrator des Hosts den neuen Schlüssel bestätigt, "
       "entfernen Sie den alten aus /home/ann/.ssh/known_hosts."},
      {{TMessageId::ConnectionFailedRenaming,
        {"sftp://ann@example.org:22/www/", ".quillbay-manifest.new", ".quillbay-manifest",
         "Timeout was reached"}},
       "The connection to sftp://ann@example.org:22/www/ failed (renaming .quillbay-manifest.new to "
       ".quillbay-manifest): Timeout was reached",
       "Die Verbindung zu sftp://ann@example.org:22/www/ ist fehlgeschlagen (Umbenennen von "
       ".quillbay-manifest.new in .quillbay-manifest): Timeout was reached"},
      {{TMessageId::PasswordFileOpenToOthers, {"/home/ann/ftp password"}},
       "The password file /home/ann/ftp password is refused: others may read or change it (chmod 600)",
       "Die Passwortdatei /home/ann/ftp password wird abgelehnt: andere können sie lesen oder ändern (chmod "
       "600)"},
      {{TMessageId::Text, {"Couldn't resolve host name"}},
       "Couldn't resolve host name",
       "Couldn't resolve host name"},
  };
  ASSERT_TRUE(InstallTranslations(QLocale("de_DE"), {QUILLBAY_QM_DIR}));
  for (const auto& C : Cases) {
    EXPECT_EQ(EQuillbayError(C.Message).what(), std::string(C.English));
    EXPECT_EQ(CoreMessageText(C.Message), QString::fromUtf8(C.German)) << C.English;
  }
  RemoveTranslations();
  for (const auto& C : Cases) EXPECT_EQ(CoreMessageText(C.Message), QString::fromUtf8(C.English));
}
