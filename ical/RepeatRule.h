#pragma once
// The rule of a repeated line: which days, from a given day on, receive a
// line of text that the user repeats in one step. The rule is a value; its
// days come from libical's recurrence (RFC 5545 RRULE), which stays private
// to this unit, so the days are what any calendar program reads from the same
// rule. A month or year that lacks the chosen date (the 31st, 29 February, a
// fifth Tuesday) has no day of the rule, as RFC 5545 says. Nothing here
// touches a document.

#include <cstdint>
#include <string>
#include <vector>

#include "model/CalDate.h"

enum class TRepeatFrequency { Daily, Weekly, Monthly, Yearly };
// The day of the month of a monthly repeat.
enum class TMonthlyDay {
  SameDate,        // MonthDay
  WeekDayOfMonth,  // the Ordinal-th WeekDay, or the last one (Ordinal -1)
  LastDay,         // the last day of the month
};
enum class TRepeatEnd { Until, Count };
// Why a rule gives no days to repeat on.
enum class TRepeatLimit { None, TooManyDays, TooManyYears };

// A repeat reaches at most this many days, all within this many years from
// the day it starts from.
constexpr int MaxRepeatDays = 5000;
constexpr int MaxRepeatYears = 10;

struct TRepeatRule {
  TRepeatFrequency Frequency = TRepeatFrequency::Weekly;
  int Interval = 1;  // every Interval days, weeks, months or years; 1 or more
  // Weekly: bit (d - 1) for the week day d (1 Sunday .. 7 Saturday).
  uint8_t WeekDays = 0;
  TMonthlyDay Monthly = TMonthlyDay::SameDate;
  int MonthDay = 1;  // monthly on a date, and yearly: 1..31
  int Month = 1;     // yearly: 1..12
  int WeekDay = 1;   // monthly on a week day: 1 Sunday .. 7 Saturday
  int Ordinal = 1;   // its place among those of the month: 1..5, -1 the last
  TRepeatEnd End = TRepeatEnd::Until;
  TDateTime Until = 0;  // the last day that may be one of the rule's
  int Count = 1;        // how many days, the left-out ones included
  int WeekStart = 1;    // the first day of the week (WKST): 1 Sunday .. 7 Saturday
  // Days the rule gives that are left out, as EXDATE leaves them out: they
  // still count toward Count.
  std::vector<TDateTime> Excluded;
};

// The bit of WeekDays for the week day of Day.
uint8_t WeekDayBit(TDateTime Day);
// The rule that a day proposes: every week on its week day until 31 December
// of its year, the monthly and yearly forms on its date, its month and its
// place among the same week days of its month (1..5), weeks beginning on
// WeekStart.
TRepeatRule DefaultRepeatRule(TDateTime Day, int WeekStart);
// Whether Day is the last of its week day in its month.
bool IsLastWeekDayOfMonth(TDateTime Day);

// The rule as an RRULE value of RFC 5545 for an all-day start
// ("FREQ=WEEKLY;INTERVAL=2;BYDAY=TU,TH;WKST=MO;UNTIL=20261231"); without its
// left-out days.
std::string RepeatRRule(const TRepeatRule& Rule);

struct TRepeatDays {
  std::vector<TDateTime> Days;              // rising, without the left-out ones
  TRepeatLimit Limit = TRepeatLimit::None;  // when not None, Days is empty
};

// The days of the rule from the day From on: the first is the first day on or
// after From that the rule's pattern matches (every N weeks, months or years
// counts from it), the others follow as RFC 5545 reads the rule with that
// first day as DTSTART. A rule whose Count exceeds MaxRepeatDays, or whose
// days would reach more than MaxRepeatYears beyond From (or beyond the year
// 9999), gives no days and says so in Limit. A weekly rule without week days
// and an Until before From give no days.
TRepeatDays ExpandRepeat(const TRepeatRule& Rule, TDateTime From);
