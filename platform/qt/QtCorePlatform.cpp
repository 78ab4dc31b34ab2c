#include "platform/qt/QtCorePlatform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace {
std::string Utf8(const QString& S) { return S.toStdString(); }

// Qt numbers week days from 1 Monday to 7 Sunday; ours go from 1 Sunday.
int QtDay(int Day) { return Day == 1 ? 7 : Day - 1; }
}  // namespace

std::string TQtCorePlatform::LongDayName(int Day) const {
  if (Day < 1 || Day > 7) return {};
  return Utf8(QLocale::system().standaloneDayName(QtDay(Day), QLocale::LongFormat));
}

std::string TQtCorePlatform::ShortDayName(int Day) const {
  if (Day < 1 || Day > 7) return {};
  return Utf8(QLocale::system().standaloneDayName(QtDay(Day), QLocale::ShortFormat));
}

std::string TQtCorePlatform::LongMonthName(int Month) const {
  if (Month < 1 || Month > 12) return {};
  return Utf8(QLocale::system().standaloneMonthName(Month, QLocale::LongFormat));
}

int TQtCorePlatform::CompareTextIgnoreCase(const std::string& A, const std::string& B) const {
  return QString::fromStdString(A).compare(QString::fromStdString(B), Qt::CaseInsensitive);
}

std::string TQtCorePlatform::LanguageTag() const {
  // The C and POSIX locales name days and months in English.
  const QLocale Locale = QLocale::system();
  if (Locale.language() == QLocale::C) return "en";
  return Utf8(Locale.bcp47Name());
}

std::string TQtCorePlatform::ProgramFolder() const {
  if (!QCoreApplication::instance()) return TLinuxPlatform::ProgramFolder();
  return Utf8(QCoreApplication::applicationDirPath());
}

std::string TQtCorePlatform::DocumentsFolder() const {
  const QString Docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (Docs.isEmpty() || !QFileInfo(Docs).isDir()) return {};
  return Utf8(Docs);
}
