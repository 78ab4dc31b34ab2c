// The desktop program: sets up the application, the platform and the dialogs,
// shows the main window and runs until it is closed; the preview file goes
// when the window is gone. Every error that escapes a handler is shown in a
// message box and the program goes on. The program takes no arguments.

#include <QApplication>
#include <memory>

#include "Version.h"
#include "generator/Globals.h"
#include "platform/qt/QtPlatform.h"
#include "ui/MainForm.h"
#include "ui/QtDialogs.h"

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
}  // namespace

int main(int argc, char* argv[]) {
  QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  TQuillbayApplication App(argc, argv);
  QApplication::setApplicationName("Quillbay");
  QApplication::setApplicationVersion(QUILLBAY_VERSION_SHORT);

  TQtPlatform QtPlatform;
  SetPlatform(&QtPlatform);
  TQtDialogs Dialogs;
  SetUserDialogs(&Dialogs);

  int ExitCode = 0;
  {
    auto Window = std::make_unique<TfrmMain>();
    QApplication::setWindowIcon(Window->windowIcon());
    Window->show();
    ExitCode = QApplication::exec();
  }
  RunGuarded([] { DeletePreviewFile(); });
  SetUserDialogs(nullptr);
  SetPlatform(nullptr);
  return ExitCode;
}
