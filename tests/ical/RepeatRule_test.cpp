// The days of repeat rules, each checked day by day against an independent
// reader of the same RRULE (python3-icalendar with recurring-ical-events,
// given the first day as DTSTART), and the first day against the calendar.

#include "ical/RepeatRule.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>

#include "model/CalDate.h"
#include "tests/support/TestFiles.h"

namespace {
TDateTime Day(const char* Iso) {
  int Y = 0, M = 0, D = 0;
  std::sscanf(Iso, "%d-%d-%d", &Y, &M, &D);
  return EncodeDate(Y, M, D);
}

std::string Compact(TDateTime D) {
  std::string Iso = IsoDate(D);
  return Iso.substr(0, 4) + Iso.substr(5, 2) + Iso.substr(8, 2);
}

std::vector<std::string> IsoDays(const std::vector<TDateTime>& Days) {
  std::vector<std::string> Out;
  for (TDateTime D : Days) Out.push_back(IsoDate(D));
  return Out;
}

// The occurrences that the independent reader finds for an all-day event
// starting on First with the rule's RRULE and its left-out days as EXDATE.
std::vector<std::string> ReaderDays(const TRepeatRule& Rule, TDateTime First) {
  TTempFolder Dir;
  std::string Ics =
      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:r@test\r\n"
      "DTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:" +
      Compact(First) + "\r\nRRULE:" + RepeatRRule(Rule) + "\r\n";
  for (TDateTime D : Rule.Excluded) Ics += "EXDATE;VALUE=DATE:" + Compact(D) + "\r\n";
  Ics += "SUMMARY:Rehearsal\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
  WriteFileBytes(Dir / "r.ics", Ics);
  const std::string Command = "/usr/bin/python3 " QUILLBAY_TEST_SOURCE_DIR "/tests/ical/rrule_reader.py " +
                              Dir / "r.ics" + " > " + Dir / "out.txt";
  EXPECT_EQ(std::system(Command.c_str()), 0) << Command;
  std::vector<std::string> Days;
  std::istringstream Lines(ReadFileBytes(Dir / "out.txt"));
  for (std::string Line; std::getline(Lines, Line);) Days.push_back(Line);
  return Days;
}

struct TRuleCase {
  const char* Name;
  const char* From;   // the day the repeat is made on
  const char* First;  // the first day on or after it that the pattern matches
  std::function<void(TRepeatRule&)> Set;
  size_t Count;  // how many days
};
}  // namespace

TEST(RepeatRuleTest, DaysAreWhatAnIndependentReaderReadsFromTheSameRule) {
  using F = TRepeatFrequency;
  const TRuleCase Cases[] = {
      {"every day", "2026-03-05", "2026-03-05",
       [](TRepeatRule& R) { R.Frequency = F::Daily, R.Until = Day("2026-03-12"); }, 8},
      {"Tuesdays from a Thursday", "2026-01-08", "2026-01-13",
       [](TRepeatRule& R) { R.WeekDays = 1 << 2, R.Until = Day("2026-02-28"); }, 7},
      {"every 2 weeks, Sunday and Tuesday, weeks from Sunday", "2026-01-07", "2026-01-11",
       [](TRepeatRule& R) {
         R.Interval = 2, R.WeekDays = 1 << 0 | 1 << 2, R.WeekStart = 1, R.Until = Day("2026-03-31");
       },
       12},
      {"every 2 weeks, Sunday and Tuesday, weeks from Monday", "2026-01-07", "2026-01-11",
       [](TRepeatRule& R) {
         R.Interval = 2, R.WeekDays = 1 << 0 | 1 << 2, R.WeekStart = 2, R.Until = Day("2026-03-31");
       },
       12},
      {"the 31st skips short months", "2026-01-31", "2026-01-31",
       [](TRepeatRule& R) {
         R.Frequency = F::Monthly, R.MonthDay = 31, R.End = TRepeatEnd::Count, R.Count = 7;
       },
       7},
      {"the 31st from the middle of a month", "2026-04-15", "2026-05-31",
       [](TRepeatRule& R) { R.Frequency = F::Monthly, R.MonthDay = 31, R.Until = Day("2026-12-31"); }, 5},
      {"the fifth Tuesday, which some months lack", "2026-03-31", "2026-03-31",
       [](TRepeatRule& R) {
         R.Frequency = F::Monthly, R.Monthly = TMonthlyDay::WeekDayOfMonth, R.WeekDay = 3, R.Ordinal = 5,
         R.Until = Day("2026-12-31");
       },
       4},
      {"every second month on the last Friday", "2026-01-15", "2026-01-30",
       [](TRepeatRule& R) {
         R.Frequency = F::Monthly, R.Interval = 2, R.Monthly = TMonthlyDay::WeekDayOfMonth, R.WeekDay = 6,
         R.Ordinal = -1, R.End = TRepeatEnd::Count, R.Count = 6;
       },
       6},
      {"the second Tuesday every 3 months", "2026-01-14", "2026-02-10",
       [](TRepeatRule& R) {
         R.Frequency = F::Monthly, R.Interval = 3, R.Monthly = TMonthlyDay::WeekDayOfMonth, R.WeekDay = 3,
         R.Ordinal = 2, R.End = TRepeatEnd::Count, R.Count = 4;
       },
       4},
      {"the last day of the month", "2026-01-15", "2026-01-31",
       [](TRepeatRule& R) {
         R.Frequency = F::Monthly, R.Monthly = TMonthlyDay::LastDay, R.Until = Day("2026-12-31");
       },
       12},
      {"29 February every year", "2024-02-29", "2024-02-29",
       [](TRepeatRule& R) {
         R.Frequency = F::Yearly, R.Month = 2, R.MonthDay = 29, R.Until = Day("2034-02-28");
       },
       3},
      {"left-out days count toward the number of times", "2026-09-01", "2026-09-01",
       [](TRepeatRule& R) {
         R.WeekDays = 1 << 2, R.End = TRepeatEnd::Count, R.Count = 10,
         R.Excluded = {Day("2026-10-13"), Day("2026-10-20"), Day("2026-10-21")};
       },
       8},
  };
  for (const TRuleCase& Case : Cases) {
    TRepeatRule Rule = DefaultRepeatRule(Day(Case.From), 2);
    Case.Set(Rule);
    const TRepeatDays Got = ExpandRepeat(Rule, Day(Case.From));
    EXPECT_EQ(Got.Limit, TRepeatLimit::None) << Case.Name;
    ASSERT_FALSE(Got.Days.empty()) << Case.Name;
    EXPECT_EQ(IsoDate(Got.Days.front()), Case.First) << Case.Name << ", " << RepeatRRule(Rule);
    EXPECT_EQ(Got.Days.size(), Case.Count) << Case.Name << ", " << RepeatRRule(Rule);
    EXPECT_EQ(IsoDays(Got.Days), ReaderDays(Rule, Day(Case.First))) << Case.Name << ", " << RepeatRRule(Rule);
  }
}

TEST(RepeatRuleTest, TheRuleOfADayIsItsWeekDayUntilTheEndOfItsYear) {
  // Tuesday 31 March 2026 is the fifth and last Tuesday of March.
  const TRepeatRule Rule = DefaultRepeatRule(Day("2026-03-31"), 2);
  EXPECT_EQ(RepeatRRule(Rule), "FREQ=WEEKLY;BYDAY=TU;WKST=MO;UNTIL=20261231");
  EXPECT_EQ(Rule.Ordinal, 5);
  EXPECT_TRUE(IsLastWeekDayOfMonth(Day("2026-03-31")));
  EXPECT_EQ(DefaultRepeatRule(Day("2026-03-10"), 1).Ordinal, 2);
  EXPECT_FALSE(IsLastWeekDayOfMonth(Day("2026-03-24")));
}

TEST(RepeatRuleTest, TenYearsAndFiveThousandDaysAreTheLimits) {
  struct TLimitCase {
    const char* Name;
    std::function<void(TRepeatRule&)> Set;
    TRepeatLimit Limit;
    size_t Count;
  };
  using F = TRepeatFrequency;
  const TLimitCase Cases[] = {
      {"every day for ten years", [](TRepeatRule& R) { R.Frequency = F::Daily, R.Until = Day("2036-03-05"); },
       TRepeatLimit::None, 3654},
      {"one day more", [](TRepeatRule& R) { R.Frequency = F::Daily, R.Until = Day("2036-03-06"); },
       TRepeatLimit::TooManyYears, 0},
      {"eleven times a year",
       [](TRepeatRule& R) { R.Frequency = F::Yearly, R.End = TRepeatEnd::Count, R.Count = 11; },
       TRepeatLimit::None, 11},
      {"twelve times a year",
       [](TRepeatRule& R) { R.Frequency = F::Yearly, R.End = TRepeatEnd::Count, R.Count = 12; },
       TRepeatLimit::TooManyYears, 0},
      {"5,001 times",
       [](TRepeatRule& R) { R.Frequency = F::Daily, R.End = TRepeatEnd::Count, R.Count = 5001; },
       TRepeatLimit::TooManyDays, 0},
      {"an end before the start", [](TRepeatRule& R) { R.Until = Day("2026-03-04"); }, TRepeatLimit::None, 0},
      {"no week day", [](TRepeatRule& R) { R.WeekDays = 0; }, TRepeatLimit::None, 0},
  };
  for (const TLimitCase& Case : Cases) {
    TRepeatRule Rule = DefaultRepeatRule(Day("2026-03-05"), 2);
    Case.Set(Rule);
    const TRepeatDays Got = ExpandRepeat(Rule, Day("2026-03-05"));
    EXPECT_EQ(Got.Limit, Case.Limit) << Case.Name;
    EXPECT_EQ(Got.Days.size(), Case.Count) << Case.Name;
  }
}
