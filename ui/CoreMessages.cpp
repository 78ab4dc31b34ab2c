#include "ui/CoreMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <functional>
#include <optional>

#include "ui/QtText.h"

const std::vector<const char*>& CoreMessageFormats() {
  static const std::vector<const char*> Formats = {
      // Documents, pages and the gallery.
      QT_TRANSLATE_NOOP("Core", "The file is not valid"),
      QT_TRANSLATE_NOOP("Core", "The file is not valid\n%s, line %s"),
      QT_TRANSLATE_NOOP("Core", "The file is not valid\n%s, larger than %s MB"),
      QT_TRANSLATE_NOOP("Core", "Cannot open file %s"),
      QT_TRANSLATE_NOOP("Core", "Cannot create file %s"),
      QT_TRANSLATE_NOOP("Core", "Stream write error"),
      QT_TRANSLATE_NOOP("Core", "List index out of bounds (%s)"),
      QT_TRANSLATE_NOOP("Core", "Invalid argument to date encode"),
      QT_TRANSLATE_NOOP("Core", "Date is outside the calendar's range"),
      // The browser preview.
      QT_TRANSLATE_NOOP("Core", "The preview folder %s is a symbolic link; remove it and try again"),
      QT_TRANSLATE_NOOP("Core", "The preview folder %s is not a folder; remove it and try again"),
      QT_TRANSLATE_NOOP("Core", "The preview folder %s belongs to another user"),
      QT_TRANSLATE_NOOP("Core", "The preview folder %s can be changed by other users"),
      // Settings.
      QT_TRANSLATE_NOOP("Core", "Invalid data type for '%s'"),
      QT_TRANSLATE_NOOP("Core", "Failed to get data for '%s'"),
      QT_TRANSLATE_NOOP("Core", "Failed to set data for '%s'"),
      QT_TRANSLATE_NOOP(
          "Core",
          "The settings file %s is damaged. It was renamed to %s, and Quillbay starts with fresh "
          "settings."),
      QT_TRANSLATE_NOOP(
          "Core",
          "The settings file %s could not be read. It was renamed to %s, and Quillbay starts with "
          "fresh settings."),
      QT_TRANSLATE_NOOP(
          "Core",
          "The settings file %s is damaged and cannot be set aside. Recently used calendars and "
          "window positions will not be kept in this session."),
      QT_TRANSLATE_NOOP(
          "Core",
          "The settings file %s could not be read and cannot be set aside. Recently used calendars "
          "and window positions will not be kept in this session."),
      // iCalendar files: what is wrong, after the file's name and line.
      QT_TRANSLATE_NOOP("Core", "this is not an iCalendar file"),
      QT_TRANSLATE_NOOP("Core", "this line cannot be read"),
      QT_TRANSLATE_NOOP("Core", "the value of %s cannot be read"),
      QT_TRANSLATE_NOOP("Core", "%s is not ended"),
      QT_TRANSLATE_NOOP("Core", "a date of this event is not valid"),
      QT_TRANSLATE_NOOP("Core", "the time zone cannot be used"),
      QT_TRANSLATE_NOOP("Core", "the repeat rule of this event cannot be used"),
      QT_TRANSLATE_NOOP("Core", "this event repeats too often to be imported"),
      QT_TRANSLATE_NOOP("Core", "the file is too large"),
      QT_TRANSLATE_NOOP("Core", "The range of days ends before it begins"),
      QT_TRANSLATE_NOOP("Core", "The range of days is not valid"),
      QT_TRANSLATE_NOOP("Core", "A range of more than %s years cannot be imported"),
      // Calendars fetched from a web address.
      QT_TRANSLATE_NOOP("Core",
                        "Not a web address: a calendar's address begins with https://, http:// or webcal://"),
      QT_TRANSLATE_NOOP("Core", "Cannot find the server %s"),
      QT_TRANSLATE_NOOP("Core", "The server %s refused the connection"),
      QT_TRANSLATE_NOOP("Core", "Timed out: the server %s sent nothing for %s seconds"),
      QT_TRANSLATE_NOOP("Core", "The secure connection to %s failed: %s"),
      QT_TRANSLATE_NOOP("Core", "The server of %s answered %s"),
      QT_TRANSLATE_NOOP("Core", "The calendar at %s is larger than %s MB"),
      QT_TRANSLATE_NOOP("Core", "The connection to %s broke off before the calendar was complete"),
      QT_TRANSLATE_NOOP("Core", "The address %s is redirected more than %s times"),
      QT_TRANSLATE_NOOP("Core", "The address %s is redirected to one that is not followed"),
      QT_TRANSLATE_NOOP("Core", "The address %s does not give an iCalendar file"),
      QT_TRANSLATE_NOOP("Core", "The download was cancelled"),
      QT_TRANSLATE_NOOP("Core", "Cannot fetch %s: %s"),
      QT_TRANSLATE_NOOP("Core", "Cannot compute a SHA-256 digest"),
      QT_TRANSLATE_NOOP("Core", "Cannot start the network library"),
      QT_TRANSLATE_NOOP("Core", "Cannot make a random salt"),
      // Publishing a site.
      QT_TRANSLATE_NOOP("Core", "The site's manifest is not valid (line %s)"),
      QT_TRANSLATE_NOOP("Core", "Cannot replace %s: it is a symbolic link or not a regular file"),
      QT_TRANSLATE_NOOP("Core", "Cannot remove file %s"),
      QT_TRANSLATE_NOOP("Core", "Another publish of the site in %s is running"),
      QT_TRANSLATE_NOOP("Core", "The range of months is not valid"),
      QT_TRANSLATE_NOOP("Core", "The Coming-up days or the feed's months are not valid"),
      QT_TRANSLATE_NOOP(
          "Core",
          "The feed %s is larger than 1 MB; some calendar services (Google Calendar) ignore such "
          "feeds"),
      // Questions and the program's own troubles.
      QT_TRANSLATE_NOOP("Core", "No program could be started to open %s"),
      QT_TRANSLATE_NOOP("Core", "Confirm"),
      QT_TRANSLATE_NOOP("Core", "No dialogs are available to ask the user"),
      QT_TRANSLATE_NOOP("Core", "An unexpected error occurred"),
  };
  return Formats;
}

// Messages that say where before what: the last part is another of the
// core's messages.
const std::vector<const char*>& PlacedMessageFormats() {
  static const std::vector<const char*> Formats = {
      QT_TRANSLATE_NOOP("Core", "%s, line %s: %s"),
      QT_TRANSLATE_NOOP("Core", "%s: %s"),
  };
  return Formats;
}

namespace {
// The format as a pattern that matches the whole text, one group per "%s".
// The first part (a file's name, which may hold ", line " or ": " itself) is
// as long as it can be, the middle ones as short, the last one takes the rest.
QRegularExpression Pattern(const QString& Format) {
  QStringList Pieces = Format.split("%s");
  for (QString& Piece : Pieces) Piece = QRegularExpression::escape(Piece);
  QString Expression = Pieces.first();
  for (qsizetype I = 1; I < Pieces.size(); ++I)
    Expression += (I == 1 || I + 1 == Pieces.size() ? "(.*)" : "(.*?)") + Pieces[I];
  return QRegularExpression("^" + Expression + "$", QRegularExpression::DotMatchesEverythingOption);
}

// The translation of Format with the parts of Match put in its "%s" places;
// the last part through Last.
QString Fill(const char* Format, const QRegularExpressionMatch& Match,
             const std::function<QString(const QString&)>& Last) {
  const QStringList Pieces = QCoreApplication::translate("Core", Format).split("%s");
  QString Result = Pieces.first();
  for (qsizetype I = 1; I < Pieces.size(); ++I) {
    const QString Part = Match.captured(static_cast<int>(I));
    Result += (I + 1 == Pieces.size() ? Last(Part) : Part) + Pieces[I];
  }
  return Result;
}

std::optional<QString> TranslateKnown(const QString& Text) {
  for (const char* Format : CoreMessageFormats()) {
    const QRegularExpressionMatch Match = Pattern(QString::fromUtf8(Format)).match(Text);
    if (Match.hasMatch()) return Fill(Format, Match, [](const QString& Part) { return Part; });
  }
  return std::nullopt;
}
}  // namespace

QString TranslateCoreMessage(const std::string& Text) {
  const QString Original = ToQString(Text);
  if (std::optional<QString> Known = TranslateKnown(Original)) return *Known;
  for (const char* Format : PlacedMessageFormats()) {
    const QRegularExpressionMatch Match = Pattern(QString::fromUtf8(Format)).match(Original);
    if (!Match.hasMatch()) continue;
    const std::optional<QString> What = TranslateKnown(Match.captured(Match.lastCapturedIndex()));
    if (What) return Fill(Format, Match, [&](const QString&) { return *What; });
  }
  return Original;
}
