// Importing a calendar of 5,000 events, a fifth of them repeating, into a
// document for one year, as a club secretary imports the calendar she keeps
// in her phone: once into an empty document and once more into the document
// that already holds it (every line is then found and nothing is added).
//
//   ical_bench --write-calendar /tmp/club.ics   writes the calendar it imports
//
// The calendar is made here: timed events in a zone with summer time, all-day
// and multi-day events, and weekly, monthly, daily and yearly rules with
// exception dates and moved occurrences.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>

#include "model/CalDate.h"
#include "model/EventList.h"
#include "ical/ICalendar.h"

namespace {

constexpr int EventCount = 5000;

std::string Stamp(std::mt19937& Random, int Year, bool WithTime) {
  const int Month = 1 + static_cast<int>(Random() % 12), Day = 1 + static_cast<int>(Random() % 28);
  char Out[32];
  if (WithTime)
    std::snprintf(Out, sizeof Out, "%04d%02d%02dT%02d%02d00", Year, Month, Day, 8 + static_cast<int>(Random() % 13),
                  static_cast<int>(Random() % 4) * 15);
  else
    std::snprintf(Out, sizeof Out, "%04d%02d%02d", Year, Month, Day);
  return Out;
}

std::string MakeCalendar() {
  static const char* const Titles[] = {"Rehearsal", "Committee", "Youth choir", "Parents' evening",
                                       "Bus to the museum", "Caf\xC3\xA9 & cake", "Summer fair",
                                       "Organ concert", "Training", "Working party"};
  static const char* const Rules[] = {"FREQ=WEEKLY;BYDAY=TU", "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH",
                                      "FREQ=MONTHLY;BYDAY=2TU", "FREQ=MONTHLY;BYMONTHDAY=15",
                                      "FREQ=DAILY;COUNT=10", "FREQ=YEARLY", "FREQ=WEEKLY;UNTIL=20261231T230000Z;BYDAY=SA"};
  std::mt19937 Random(2026);
  std::string C =
      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Quillbay//Benchmark//EN\r\n"
      "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"
      "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nDTSTART:19700329T020000\r\n"
      "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
      "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nDTSTART:19701025T030000\r\n"
      "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
  for (int I = 0; I < EventCount; ++I) {
    const std::string Uid = "UID:" + std::to_string(I) + "@bench\r\n";
    const std::string Summary = std::string("SUMMARY:") + Titles[I % 10] + " " + std::to_string(I) + "\r\n";
    C += "BEGIN:VEVENT\r\n" + Uid + "DTSTAMP:20260101T000000Z\r\n" + Summary;
    if (I % 5 == 0) {  // a series that began up to two years ago
      const std::string Start = Stamp(Random, 2024 + static_cast<int>(Random() % 3), true);
      C += "DTSTART;TZID=Europe/Berlin:" + Start + "\r\nDURATION:PT1H30M\r\n";
      C += std::string("RRULE:") + Rules[(I / 5) % 7] + "\r\n";
      C += "EXDATE;TZID=Europe/Berlin:" + Start.substr(0, 4) + "1222" + Start.substr(8) + "\r\n";
      C += "END:VEVENT\r\n";
      if (I % 10 == 0) {  // one occurrence moved by a day
        C += "BEGIN:VEVENT\r\n" + Uid + "DTSTAMP:20260101T000000Z\r\n" + Summary;
        C += "RECURRENCE-ID;TZID=Europe/Berlin:" + Start + "\r\n";
        C += "DTSTART;TZID=Europe/Berlin:" + Start.substr(0, 6) + "28" + Start.substr(8) + "\r\n";
        C += "DURATION:PT2H\r\nEND:VEVENT\r\n";
      }
    } else if (I % 5 == 1) {  // all day, one to four days
      const std::string Start = Stamp(Random, 2026, false);
      C += "DTSTART;VALUE=DATE:" + Start + "\r\nDURATION:P" + std::to_string(1 + Random() % 4) + "D\r\n";
      C += "END:VEVENT\r\n";
    } else {
      const std::string Start = Stamp(Random, 2026, true);
      C += "DTSTART;TZID=Europe/Berlin:" + Start + "\r\nDTEND;TZID=Europe/Berlin:" + Start.substr(0, 9) + "235000\r\n";
      C += "DESCRIPTION:Bring the music for the second half\\, please.\r\nLOCATION:Parish hall\r\nEND:VEVENT\r\n";
    }
  }
  return C + "END:VCALENDAR\r\n";
}

const std::string& Calendar() {
  static const std::string C = MakeCalendar();
  return C;
}

void BM_ImportIntoEmptyDocument(benchmark::State& State) {
  ::setenv("TZ", "Europe/Berlin", 1);
  int Lines = 0;
  for (auto _ : State) {
    TEventList Doc;
    const TICalImportResult R = ImportICalendar(Doc, Calendar(), "club.ics", EncodeDate(2026, 1, 1),
                                                EncodeDate(2026, 12, 31), TEventTextForm::Html);
    Lines = R.Events;
    benchmark::DoNotOptimize(Doc.Count());
  }
  State.counters["occurrences"] = Lines;
  State.counters["bytes"] = static_cast<double>(Calendar().size());
}
BENCHMARK(BM_ImportIntoEmptyDocument)->Unit(benchmark::kMillisecond);

void BM_ImportAgain(benchmark::State& State) {
  ::setenv("TZ", "Europe/Berlin", 1);
  TEventList Doc;
  ImportICalendar(Doc, Calendar(), "club.ics", EncodeDate(2026, 1, 1), EncodeDate(2026, 12, 31),
                  TEventTextForm::Html);
  for (auto _ : State) {
    const TICalImportResult R = ImportICalendar(Doc, Calendar(), "club.ics", EncodeDate(2026, 1, 1),
                                                EncodeDate(2026, 12, 31), TEventTextForm::Html);
    if (R.Days != 0) State.SkipWithError("a second import added lines");
  }
}
BENCHMARK(BM_ImportAgain)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-calendar") == 0) {
    std::ofstream(argv[2], std::ios::binary) << Calendar();
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
