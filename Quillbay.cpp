// The desktop program: sets up the application, the platform and the dialogs,
// shows the main window and runs until it is closed; the preview file goes
// when the window is gone. Every error that escapes a handler is shown in a
// message box and the program goes on. The one argument, when given, names a
// document to open at start-up (the file manager's double-click); one that
// cannot be read is reported as a failed Open and a new document stays. The
// window texts are in the user's language when there is a catalogue for it.

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Version.h"
#include "generator/Globals.h"
#include "platform/qt/QtPlatform.h"
#include "ui/MainForm.h"
#include "ui/QtDialogs.h"
#include "ui/Translations.h"

namespace {
// The application's default error display, for anything that a window did
// not already show.
class TQuillbayApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* Receiver, QEvent* Event) override {
    bool Result = false;
    RunGuarded([&] { Result = QApplication::notify(Receiver, Event); });
    return Result;
  }
};

// The document named on the command line as an absolute path, empty when
// there is none. --help and --version answer and end the program here.
QString DocumentArgument(const QApplication& App) {
  QCommandLineParser Parser;
  Parser.setApplicationDescription(QCoreApplication::translate(
      "main", "Quillbay turns a list of dated events into calendar pages for a web site."));
  Parser.addHelpOption();
  Parser.addVersionOption();
  Parser.addPositionalArgument(
      "FILE.qby", QCoreApplication::translate("main", "The calendar document to open."), "[FILE.qby]");
  Parser.process(App);
  const QStringList Files = Parser.positionalArguments();
  if (Files.size() > 1) {
    std::fprintf(stderr, "quillbay: %s\n",
                 qPrintable(QCoreApplication::translate("main", "give at most one document to open")));
    std::exit(2);
  }
  return Files.isEmpty() ? QString() : QFileInfo(Files.first()).absoluteFilePath();
}
}  // namespace

int main(int argc, char* argv[]) {
  QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  TQuillbayApplication App(argc, argv);
  QApplication::setApplicationName("Quillbay");
  QApplication::setApplicationVersion(QUILLBAY_VERSION_SHORT);
  // Ties the windows to the installed desktop entry (Wayland's app id).
  QGuiApplication::setDesktopFileName("org.quillbay.Quillbay");
  TQtPlatform QtPlatform;
  SetPlatform(&QtPlatform);
  InstallTranslations(QLocale::system(), TranslationFolders());
  const QString Document = DocumentArgument(App);
  TQtDialogs Dialogs;
  SetUserDialogs(&Dialogs);

  int ExitCode = 0;
  {
    auto Window = std::make_unique<TfrmMain>();
    QApplication::setWindowIcon(Window->windowIcon());
    Window->show();
    if (!Document.isEmpty()) Window->OpenNamedFile(Document.toStdString());
    ExitCode = QApplication::exec();
  }
  RunGuarded([] { DeletePreviewFile(); });
  RemoveTranslations();
  SetUserDialogs(nullptr);
  SetPlatform(nullptr);
  return ExitCode;
}
