// Cost of a month page and of a year page of all twelve months, built in
// memory, for documents of 0, 10,000 and 100,000 events (one a day around
// 2026). A year page of the largest document should cost at most twice the
// empty document's: looking up a day's event must not grow with the document.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "generator/CalGen.h"
#include "model/EventList.h"
#include "tests/support/FakePlatform.h"

namespace {
TEventList& Document(int Events) {
  static std::map<int, std::unique_ptr<TEventList>> Documents;
  auto& Doc = Documents[Events];
  if (Doc) return *Doc;
  Doc = std::make_unique<TEventList>();
  Doc->Style().ResetToDefaults();
  Doc->Style().Language = "English";
  const TDateTime First = EncodeDate(2026, 1, 1) - Events / 2;
  for (int I = 0; I < Events; ++I)
    Doc->FindEvent(true, First + I)->Text = "Choir practice " + std::to_string(I) + "\r\nParish hall, 7 pm";
  Doc->ExportMonths = 0x1FFE;
  return *Doc;
}

enum class TPageKind { Month, Year };

void BM_Page(benchmark::State& State, TPageKind Kind) {
  TFakePlatform Platform;
  TScopedPlatform Scoped(Platform);
  TEventList& Doc = Document(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    TCalGen Gen(Doc, Doc.Style());
    if (Kind == TPageKind::Month)
      Gen.BuildMonthPage(3, 2026);
    else
      Gen.BuildYearPage(2026);
    benchmark::DoNotOptimize(Gen.PageText());
  }
  State.SetLabel("ns per page");
}
}  // namespace

BENCHMARK_CAPTURE(BM_Page, MonthPage, TPageKind::Month)->Arg(0)->Arg(10000)->Arg(100000);
BENCHMARK_CAPTURE(BM_Page, YearPage, TPageKind::Year)->Arg(0)->Arg(10000)->Arg(100000);
BENCHMARK_MAIN();
