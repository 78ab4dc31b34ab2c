#pragma once
// A small site shared by the site tests and the browser checks: January to
// March 2026 and the year 2026 of a document with texts in February and
// March, its first page with a public address, written into a folder.

#include <string>
#include <vector>

#include "model/EventList.h"
#include "site/SitePages.h"
#include "tests/support/TestFiles.h"

inline const std::vector<std::pair<int, int>> SampleMonths = {{2026, 1}, {2026, 2}, {2026, 3}};

inline std::string MonthName(int Year, int Month) {
  return std::to_string(Month) + "_" + std::to_string(Year) + ".html";
}

// The links of the month at Index of SampleMonths, as a publisher gives them.
inline TSiteLinks SampleLinks(size_t Index) {
  TSiteLinks L;
  if (Index > 0) L.Prev = MonthName(SampleMonths[Index - 1].first, SampleMonths[Index - 1].second);
  if (Index + 1 < SampleMonths.size())
    L.Next = MonthName(SampleMonths[Index + 1].first, SampleMonths[Index + 1].second);
  L.Year = "2026.html";
  return L;
}

inline void FillSiteDocument(TEventList& Doc) {
  Doc.Style().ResetToDefaults();
  Doc.Style().Title = "Riverside Choir";
  auto Set = [&](int M, int D, const std::string& Text) {
    Doc.FindEvent(true, EncodeDate(2026, M, D))->Text = Text;
  };
  Set(2, 14, "Valentine's concert");
  Set(3, 5, "Spring fair");
  Set(3, 17, "Rehearsal\r\n7 pm, parish hall");
  Set(3, 28,
      "Seating plan: "
      "https://www.riverside-choir.example.org/calendar/2026/spring-concert-tickets-and-seating.html");
}

inline TSiteIndex SampleIndex(const std::string& Address = "https://example.org/choir-calendar/") {
  TSiteIndex I;
  I.Today = EncodeDate(2026, 3, 1);
  I.Address = Address;
  I.FeedName = "Riverside Choir.ics";
  I.Months = SampleMonths;
  I.Years = {2026};
  return I;
}

// Writes the pages of the sample site into Folder; returns their names.
inline std::vector<std::string> WriteSampleSite(const TEventList& Doc, const std::string& Folder,
                                                const TSiteIndex& Index) {
  std::vector<std::string> Names;
  for (size_t I = 0; I < SampleMonths.size(); ++I) {
    const auto [Y, M] = SampleMonths[I];
    Names.push_back(MonthName(Y, M));
    WriteFileBytes(Folder + "/" + Names.back(), SiteMonthPage(Doc, Y, M, SampleLinks(I)));
  }
  Names.push_back("2026.html");
  WriteFileBytes(Folder + "/2026.html", SiteYearPage(Doc, 2026, TSiteLinks{}));
  Names.push_back("index.html");
  WriteFileBytes(Folder + "/index.html", SiteIndexPage(Doc, Index));
  Names.push_back(Index.FeedName);
  WriteFileBytes(Folder + "/" + Index.FeedName, "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
  return Names;
}
