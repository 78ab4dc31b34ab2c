#include "platform/qt/QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {
// How long OpenDocument waits for the opener's verdict.
constexpr int OpenerVerdictMs = 1500;

std::string Utf8(const QString& S) { return S.toStdString(); }

uint32_t ToTColor(const QColor& C) {
  return static_cast<uint32_t>(C.red()) | (static_cast<uint32_t>(C.green()) << 8) |
         (static_cast<uint32_t>(C.blue()) << 16);
}
}  // namespace

int TQtPlatform::CompareTextIgnoreCase(const std::string& A, const std::string& B) const {
  return QString::fromStdString(A).compare(QString::fromStdString(B), Qt::CaseInsensitive);
}

std::string TQtPlatform::ProgramFolder() const {
  if (!QCoreApplication::instance()) return TLinuxPlatform::ProgramFolder();
  return Utf8(QCoreApplication::applicationDirPath());
}

std::string TQtPlatform::DocumentsFolder() const {
  const QString Docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (Docs.isEmpty() || !QFileInfo(Docs).isDir()) return {};
  return Utf8(Docs);
}

uint32_t TQtPlatform::SystemColorRGB(int Index) const {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return TLinuxPlatform::SystemColorRGB(Index);
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

bool TQtPlatform::OpenDocument(const std::string& PathOrUrl) {
  const QString S = QString::fromStdString(PathOrUrl);
  const QString Opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (Opener.isEmpty())
    return QDesktopServices::openUrl(S.startsWith('/') ? QUrl::fromLocalFile(S) : QUrl(S));

  auto* Process = new QProcess;
  Process->setProcessChannelMode(QProcess::ForwardedChannels);
  Process->start(Opener, {S});
  if (!Process->waitForStarted()) {
    delete Process;
    return false;
  }
  if (Process->waitForFinished(OpenerVerdictMs)) {
    const bool Opened = Process->exitStatus() == QProcess::NormalExit && Process->exitCode() == 0;
    delete Process;
    return Opened;
  }
  // Left to run on its own; it is freed when it ends, and never stopped.
  QObject::connect(Process, &QProcess::finished, Process, &QObject::deleteLater);
  return true;
}
