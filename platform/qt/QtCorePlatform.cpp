#include "platform/qt/QtCorePlatform.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace {
std::string Utf8(const QString& S) { return S.toStdString(); }

// Qt numbers week days from 1 Monday to 7 Sunday; ours go from 1 Sunday.
int QtDay(int Day) { return Day == 1 ? 7 : Day - 1; }
}  // namespace

TQtCorePlatform::TQtCorePlatform() = default;

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

std::string TQtCorePlatform::ProgramFolder() const {
  if (!QCoreApplication::instance()) return TFakePlatform::ProgramFolder();
  return Utf8(QCoreApplication::applicationDirPath());
}

std::string TQtCorePlatform::SharedDataFolder() const {
  if (!FSharedDataFolder.empty()) return FSharedDataFolder;
  // Installed: <prefix>/bin/quillbay and <prefix>/share/quillbay.
  const QString Installed = QDir(QString::fromStdString(ProgramFolder())).absoluteFilePath("../share/quillbay");
  if (QFileInfo(Installed).isDir()) return Utf8(QDir::cleanPath(Installed));
#ifdef QUILLBAY_SOURCE_DIR
  return QUILLBAY_SOURCE_DIR;  // running from the build tree
#else
  return {};
#endif
}

std::string TQtCorePlatform::DocumentsFolder() const {
  if (!FDocumentsFolder.empty()) return FDocumentsFolder;
  const QString Docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (Docs.isEmpty() || !QFileInfo(Docs).isDir()) return {};
  return Utf8(Docs);
}

double TQtCorePlatform::Now() const {
  const QDateTime T = QDateTime::currentDateTime();
  const qint64 Days = QDate(1899, 12, 30).daysTo(T.date());
  const int Ms = T.time().msecsSinceStartOfDay();
  return static_cast<double>(Days) + Ms / 86400000.0;
}
