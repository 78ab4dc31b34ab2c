#include "platform/qt/QtPlatform.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QStandardPaths>
#include <QUrl>

namespace {
std::string Utf8(const QString& S) { return S.toStdString(); }

// Qt numbers week days from 1 Monday to 7 Sunday; ours go from 1 Sunday.
int QtDay(int Day) { return Day == 1 ? 7 : Day - 1; }

uint32_t ToTColor(const QColor& C) {
  return static_cast<uint32_t>(C.red()) | (static_cast<uint32_t>(C.green()) << 8) |
         (static_cast<uint32_t>(C.blue()) << 16);
}
}  // namespace

TQtPlatform::TQtPlatform() = default;

std::string TQtPlatform::LongDayName(int Day) const {
  if (Day < 1 || Day > 7) return {};
  return Utf8(QLocale::system().standaloneDayName(QtDay(Day), QLocale::LongFormat));
}

std::string TQtPlatform::ShortDayName(int Day) const {
  if (Day < 1 || Day > 7) return {};
  return Utf8(QLocale::system().standaloneDayName(QtDay(Day), QLocale::ShortFormat));
}

std::string TQtPlatform::LongMonthName(int Month) const {
  if (Month < 1 || Month > 12) return {};
  return Utf8(QLocale::system().standaloneMonthName(Month, QLocale::LongFormat));
}

int TQtPlatform::CompareTextIgnoreCase(const std::string& A, const std::string& B) const {
  return QString::fromStdString(A).compare(QString::fromStdString(B), Qt::CaseInsensitive);
}

uint32_t TQtPlatform::SystemColorRGB(int Index) const {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return TFakePlatform::SystemColorRGB(Index);
  const QPalette P = QGuiApplication::palette();
  using R = QPalette::ColorRole;
  auto Active = [&](R Role) { return ToTColor(P.color(QPalette::Active, Role)); };
  auto Inactive = [&](R Role) { return ToTColor(P.color(QPalette::Inactive, Role)); };
  auto Disabled = [&](R Role) { return ToTColor(P.color(QPalette::Disabled, Role)); };
  switch (Index) {
    case 0: return Active(R::Mid);                 // clScrollBar
    case 1: return Active(R::Dark);                // clBackground (desktop)
    case 2: return Active(R::Highlight);           // clActiveCaption
    case 3: return Inactive(R::Mid);               // clInactiveCaption
    case 4: return Active(R::Window);              // clMenu
    case 5: return Active(R::Base);                // clWindow
    case 6: return Active(R::Shadow);              // clWindowFrame
    case 7: return Active(R::WindowText);          // clMenuText
    case 8: return Active(R::Text);                // clWindowText
    case 9: return Active(R::HighlightedText);     // clCaptionText
    case 10: return Active(R::Window);             // clActiveBorder
    case 11: return Inactive(R::Window);           // clInactiveBorder
    case 12: return Active(R::Dark);               // clAppWorkSpace
    case 13: return Active(R::Highlight);          // clHighlight
    case 14: return Active(R::HighlightedText);    // clHighlightText
    case 15: return Active(R::Button);             // clBtnFace
    case 16: return Active(R::Dark);               // clBtnShadow
    case 17: return Disabled(R::Text);             // clGrayText
    case 18: return Active(R::ButtonText);         // clBtnText
    case 19: return Inactive(R::HighlightedText);  // clInactiveCaptionText
    case 20: return Active(R::Light);              // clBtnHighlight
    case 21: return Active(R::Shadow);             // cl3DDkShadow
    case 22: return Active(R::Midlight);           // cl3DLight
    case 23: return Active(R::ToolTipText);        // clInfoText
    case 24: return Active(R::ToolTipBase);        // clInfoBk
    default: return 0;
  }
}

std::string TQtPlatform::ProgramFolder() const {
  if (!QCoreApplication::instance()) return TFakePlatform::ProgramFolder();
  return Utf8(QCoreApplication::applicationDirPath());
}

std::string TQtPlatform::SharedDataFolder() const {
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

std::string TQtPlatform::DocumentsFolder() const {
  if (!FDocumentsFolder.empty()) return FDocumentsFolder;
  const QString Docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (Docs.isEmpty() || !QFileInfo(Docs).isDir()) return {};
  return Utf8(Docs);
}

double TQtPlatform::Now() const {
  const QDateTime T = QDateTime::currentDateTime();
  const qint64 Days = QDate(1899, 12, 30).daysTo(T.date());
  const int Ms = T.time().msecsSinceStartOfDay();
  return static_cast<double>(Days) + Ms / 86400000.0;
}

void TQtPlatform::OpenDocument(const std::string& PathOrUrl) {
  const QString S = QString::fromStdString(PathOrUrl);
  const QUrl Url = S.startsWith('/') ? QUrl::fromLocalFile(S) : QUrl(S);
  QDesktopServices::openUrl(Url);
}
