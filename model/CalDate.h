#pragma once
// Calendar dates: a day number held in a double, 0 = 30 December 1899,
// 1 = 31 December 1899, the Gregorian calendar for years 1 to 9999; and the
// one day arithmetic of the program (civil dates to day counts and back),
// which every layer uses.

#include <cstdint>
#include <string>

using TDateTime = double;

// A range of days, both ends included.
struct TDayRange {
  TDateTime From = 0, To = 0;
};

// The day number of 1 January 1970, the first day of Unix time.
constexpr int64_t UnixEpochDay = 25569;

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar:
// any year, a month 1..12, a day that may run past its month (32 January is
// 1 February).
int64_t DaysFromCivil(int64_t Year, int Month, int Day);
// The date of a count of days since 1 January 1970; any count.
void CivilFromDays(int64_t Days, int64_t& Year, int& Month, int& Day);

bool IsLeapYear(int Year);
// 28..31; the month must be 1..12.
int DaysInMonth(int Year, int Month);
// Raises "Invalid argument to date encode" for a year outside 1..9999, a month
// outside 1..12 or a day outside the month.
TDateTime EncodeDate(int Year, int Month, int Day);
// The date part of D (cut toward zero) as year, month and day. A date before
// 1 January 0001 decodes as that day; one after 9999 keeps its later year.
void DecodeDate(TDateTime D, int& Year, int& Month, int& Day);
// The day as YYYY-MM-DD (ISO 8601), as pages, feeds and the tool write it.
std::string IsoDate(int Year, int Month, int Day);
std::string IsoDate(TDateTime D);
// 1 Sunday .. 7 Saturday.
int DayOfWeek(TDateTime D);
// Whether the day of D lies in the years 1 to 9999, the days that can be
// shown and written in pages.
bool IsCalendarDay(TDateTime D);
// D with its fractional part cut toward zero (7.9 -> 7, -1.5 -> -1).
TDateTime DateOnly(TDateTime D);
// The same day number one month earlier or later, lowered to the last day of a
// shorter target month (31 March - 1 month = 28 or 29 February).
TDateTime IncMonth(TDateTime D, int Months);
