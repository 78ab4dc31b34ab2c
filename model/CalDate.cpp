#include "model/CalDate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/Errors.h"

namespace {
// Day numbers of 1 January 0001 and 31 December 9999.
constexpr int64_t FirstCalendarDay = -693593;
constexpr int64_t LastCalendarDay = 2958465;

// The whole day number of D. Values far outside the calendar (and values that
// are not numbers) are held to a bound well beyond it, so that they still
// decode to a year outside 1..9999, which the encoder refuses, and never
// overflow.
int64_t WholeDay(TDateTime D) {
  constexpr double Bound = 1e9;  // about 2.7 million years
  if (std::isnan(D)) return static_cast<int64_t>(-Bound);
  if (D < -Bound) return static_cast<int64_t>(-Bound);
  if (D > Bound) return static_cast<int64_t>(Bound);
  return static_cast<int64_t>(std::trunc(D));
}
}  // namespace

int64_t DaysFromCivil(int64_t Year, int Month, int Day) {
  Year -= Month <= 2;
  const int64_t Era = (Year >= 0 ? Year : Year - 399) / 400;
  const int64_t YearOfEra = Year - Era * 400;
  const int64_t DayOfYear = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
  const int64_t DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
  return Era * 146097 + DayOfEra - 719468;
}

void CivilFromDays(int64_t Days, int64_t& Year, int& Month, int& Day) {
  Days += 719468;
  const int64_t Era = (Days >= 0 ? Days : Days - 146096) / 146097;
  const int64_t DayOfEra = Days - Era * 146097;
  const int64_t YearOfEra = (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
  const int64_t DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
  const int64_t MonthIndex = (5 * DayOfYear + 2) / 153;
  Day = static_cast<int>(DayOfYear - (153 * MonthIndex + 2) / 5 + 1);
  Month = static_cast<int>(MonthIndex < 10 ? MonthIndex + 3 : MonthIndex - 9);
  Year = YearOfEra + Era * 400 + (Month <= 2);
}

bool IsLeapYear(int Year) { return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0; }

int DaysInMonth(int Year, int Month) {
  static const int Table[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month == 2 && IsLeapYear(Year)) return 29;
  return Table[(Month - 1) % 12];
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month))
    throw EQuillbayError("Invalid argument to date encode");
  return static_cast<TDateTime>(DaysFromCivil(Year, Month, Day) + UnixEpochDay);
}

void DecodeDate(TDateTime D, int& Year, int& Month, int& Day) {
  int64_t Civil;
  CivilFromDays(std::max(WholeDay(D), FirstCalendarDay) - UnixEpochDay, Civil, Month, Day);
  Year = static_cast<int>(Civil);
}

std::string IsoDate(int Year, int Month, int Day) {
  char Buffer[24];
  std::snprintf(Buffer, sizeof Buffer, "%04d-%02d-%02d", Year, Month, Day);
  return Buffer;
}

std::string IsoDate(TDateTime D) {
  int Year, Month, Day;
  DecodeDate(D, Year, Month, Day);
  return IsoDate(Year, Month, Day);
}

int DayOfWeek(TDateTime D) {
  // Day 0 (30 December 1899) was a Saturday.
  int64_t N = WholeDay(D);
  int64_t W = ((N - 1) % 7 + 7) % 7;  // 0 = Sunday
  return static_cast<int>(W) + 1;
}

bool IsCalendarDay(TDateTime D) {
  const TDateTime Day = DateOnly(D);
  return Day >= FirstCalendarDay && Day <= LastCalendarDay;  // 1 January 0001 to 31 December 9999
}

TDateTime DateOnly(TDateTime D) { return std::trunc(D); }

TDateTime IncMonth(TDateTime D, int Months) {
  int Y, M, Day;
  DecodeDate(D, Y, M, Day);
  int Total = Y * 12 + (M - 1) + Months;
  Y = Total / 12;
  M = Total % 12 + 1;
  if (Day > DaysInMonth(Y, M)) Day = DaysInMonth(Y, M);
  return EncodeDate(Y, M, Day);
}
