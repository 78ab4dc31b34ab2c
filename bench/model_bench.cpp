// The document layer at 1,000, 10,000 and 100,000 events: load and save
// throughput, the checksum, and FindEvent per call. The documents are made
// here: one event a day or two, texts of one to three lines of club news.
//
// Peak memory of a load is measured in a process of its own:
//   model_bench --write-document 100000 /tmp/big.qby
//   model_bench --load-peak /tmp/big.qby
// prints the file size, the resident size before the load and the peak after.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "bench/ClubDocument.h"
#include "model/CalDate.h"
#include "model/DataLib.h"
#include "model/EventList.h"
#include "model/ObjectText.h"
#include "platform/FileIO.h"

namespace {

// One document per size, made once.
const std::string& DocumentText(int Events) {
  static std::map<int, std::string> Texts;
  auto It = Texts.find(Events);
  if (It != Texts.end()) return It->second;
  TEventList Doc;
  MakeClubDocument(Doc, Events);
  return Texts[Events] = WriteObjectText(Doc, Doc.ClassName());
}

std::string TempName(const char* Stem, int Events) {
  return (std::filesystem::temp_directory_path() /
          (std::string("quillbay-bench-") + Stem + "-" + std::to_string(Events) + ".qby"))
      .string();
}

void BM_LoadFromFile(benchmark::State& State) {
  const int Events = static_cast<int>(State.range(0));
  const std::string& Text = DocumentText(Events);
  const std::string Name = TempName("load", Events);
  WriteStringToFile(Name, Text);
  for (auto _ : State) {
    auto Doc = std::make_unique<TEventList>();
    Doc->LoadFromFile(Name);
    benchmark::DoNotOptimize(Doc->Count());
    State.PauseTiming();  // freeing the document is not part of the load
    Doc.reset();
    State.ResumeTiming();
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Text.size()));
  State.counters["file_bytes"] = static_cast<double>(Text.size());
  std::filesystem::remove(Name);
}

void BM_ReadObjectText(benchmark::State& State) {
  const int Events = static_cast<int>(State.range(0));
  const std::string& Text = DocumentText(Events);
  for (auto _ : State) {
    auto Doc = std::make_unique<TEventList>();
    ReadObjectText(*Doc, Text);
    benchmark::DoNotOptimize(Doc->Count());
    State.PauseTiming();
    Doc.reset();
    State.ResumeTiming();
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Text.size()));
}

void BM_WriteObjectText(benchmark::State& State) {
  const int Events = static_cast<int>(State.range(0));
  TEventList Doc;
  MakeClubDocument(Doc, Events);
  size_t Bytes = 0;
  for (auto _ : State) {
    std::string Text = WriteObjectText(Doc, Doc.ClassName());
    Bytes = Text.size();
    benchmark::DoNotOptimize(Text.data());
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Bytes));
}

// A whole save: the text, a temporary file flushed to disk, the rename.
void BM_SaveToFile(benchmark::State& State) {
  const int Events = static_cast<int>(State.range(0));
  TEventList Doc;
  MakeClubDocument(Doc, Events);
  const std::string Name = TempName("save", Events);
  const size_t Bytes = WriteObjectText(Doc, Doc.ClassName()).size();
  for (auto _ : State) Doc.SaveToFile(Name);
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Bytes));
  std::filesystem::remove(Name);
}

void BM_Checksum(benchmark::State& State) {
  TEventList Doc;
  MakeClubDocument(Doc, static_cast<int>(State.range(0)));
  for (auto _ : State) benchmark::DoNotOptimize(Doc.Checksum());
}

// A year page's worth of look-ups: 365 consecutive days, most of them with an
// event, some without.
void BM_FindEvent(benchmark::State& State) {
  const int Events = static_cast<int>(State.range(0));
  TEventList Doc;
  MakeClubDocument(Doc, Events);
  const TDateTime First = Doc.Events(Events / 2).Date();
  int64_t Found = 0;
  for (auto _ : State) {
    for (int D = 0; D < 365; ++D) Found += Doc.FindEvent(false, First + D) != nullptr;
  }
  benchmark::DoNotOptimize(Found);
  State.SetItemsProcessed(static_cast<int64_t>(State.iterations()) * 365);
  State.counters["ns_per_call"] =
      benchmark::Counter(static_cast<double>(State.iterations()) * 365,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_LoadFromFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadObjectText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteObjectText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Checksum)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindEvent)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

long PeakKilobytes() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return Usage.ru_maxrss;
}

long CurrentKilobytes() {
  std::ifstream Status("/proc/self/status");
  std::string Key;
  long Value = 0;
  while (Status >> Key) {
    if (Key == "VmRSS:") {
      Status >> Value;
      return Value;
    }
    Status.ignore(1 << 20, '\n');
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--write-document") == 0) {
    TEventList Doc;
    MakeClubDocument(Doc, std::atoi(argv[2]));
    Doc.SaveToFile(argv[3]);
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "--load-peak") == 0) {
    const long Before = CurrentKilobytes();
    auto Doc = std::make_unique<TEventList>();
    Doc->LoadFromFile(argv[2]);
    const long Peak = PeakKilobytes();
    const double FileKb = static_cast<double>(std::filesystem::file_size(argv[2])) / 1024.0;
    std::printf(
        "events %d, file %.0f KiB, resident before load %ld KiB, peak %ld KiB, "
        "peak growth %.2f x file, peak %.2f x file\n",
        Doc->Count(), FileKb, Before, Peak, static_cast<double>(Peak - Before) / FileKb,
        static_cast<double>(Peak) / FileKb);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
