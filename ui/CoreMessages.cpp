#include "ui/CoreMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "ui/QtText.h"

const std::vector<const char*>& CoreMessageFormats() {
  static const std::vector<const char*> Formats = {
      // Documents, pages and the gallery.
      QT_TRANSLATE_NOOP("Core", "The file is not valid"),
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
      QT_TRANSLATE_NOOP("Core",
                        "The settings file %s is damaged. It was renamed to %s, and Quillbay starts with fresh "
                        "settings."),
      QT_TRANSLATE_NOOP("Core",
                        "The settings file %s could not be read. It was renamed to %s, and Quillbay starts with "
                        "fresh settings."),
      QT_TRANSLATE_NOOP("Core",
                        "The settings file %s is damaged and cannot be set aside. Recently used calendars and "
                        "window positions will not be kept in this session."),
      QT_TRANSLATE_NOOP("Core",
                        "The settings file %s could not be read and cannot be set aside. Recently used calendars "
                        "and window positions will not be kept in this session."),
      // Questions and the program's own troubles.
      QT_TRANSLATE_NOOP("Core", "Confirm"),
      QT_TRANSLATE_NOOP("Core", "No dialogs are available to ask the user"),
      QT_TRANSLATE_NOOP("Core", "An unexpected error occurred"),
  };
  return Formats;
}

namespace {
// The format as a pattern that matches the whole text, one group per "%s".
QRegularExpression Pattern(const QString& Format) {
  QStringList Pieces = Format.split("%s");
  for (QString& Piece : Pieces) Piece = QRegularExpression::escape(Piece);
  return QRegularExpression("^" + Pieces.join("(.*)") + "$", QRegularExpression::DotMatchesEverythingOption);
}
}  // namespace

QString TranslateCoreMessage(const std::string& Text) {
  const QString Original = ToQString(Text);
  for (const char* Format : CoreMessageFormats()) {
    const QRegularExpressionMatch Match = Pattern(QString::fromUtf8(Format)).match(Original);
    if (!Match.hasMatch()) continue;
    const QStringList Translated = QCoreApplication::translate("Core", Format).split("%s");
    QString Result = Translated.first();
    for (qsizetype I = 1; I < Translated.size(); ++I) Result += Match.captured(static_cast<int>(I)) + Translated[I];
    return Result;
  }
  return Original;
}
