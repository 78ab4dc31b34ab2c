// Opening a document of 100,000 events in the main window on Qt's offscreen
// platform, until its last event's day is shown with its text: reading the
// file, building the day index and the window's first look at the day.
// Goal: at most 150 ms. Settings, folders and dialogs point at a temporary
// place, as in the window tests.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

#include "bench/ClubDocument.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"
#include "ui/DateChooser.h"
#include "ui/MainForm.h"

namespace {
void BM_OpenInMainWindow(benchmark::State& State) {
  TTempFolder Folder;
  TFakePlatform Fake;
  Fake.FConfigFolder = Folder.Path();
  Fake.FDocumentsFolder = Folder.Path();
  Fake.FTempFolder = Folder.Path();
  Fake.FDataFolder = Folder.Path();
  TScopedPlatform ScopedPlatform(Fake);
  TScriptedDialogs Dialogs;
  TScopedUserDialogs ScopedDialogs(Dialogs);

  const std::string Path = Folder.Path("club.qby");
  TDateTime Last = 0;
  {
    TEventList Doc;
    MakeClubDocument(Doc, static_cast<int>(State.range(0)));
    Last = Doc.Events(Doc.Count() - 1).Date();
    Doc.SaveToFile(Path);
  }
  TfrmMain Window;
  Window.show();
  QApplication::processEvents();
  for (auto _ : State) {
    Dialogs.OpenAnswers.push_back(Path);
    Window.miOpen->trigger();
    QApplication::processEvents();  // the day is painted
    State.PauseTiming();
    if (Window.DateChooser().Date() != Last || Window.mmEvent->toPlainText().isEmpty())
      State.SkipWithError("the last event's day is not shown");
    Window.miNew->trigger();  // the document goes outside the timing
    QApplication::processEvents();
    State.ResumeTiming();
  }
}
}  // namespace

BENCHMARK(BM_OpenInMainWindow)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
