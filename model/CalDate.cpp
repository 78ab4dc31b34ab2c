#include "model/CalDate.h"

#include <cmath>
#include <cstdio>

#include "platform/Errors.h"

namespace {
// Days from 1 January of year 1 (day 0) to the date, proleptic Gregorian.
int64_t DaysFromCivilStart(int Year, int Month, int Day) {
  int64_t Y = Year - 1;
  int64_t Days = Y * 365 + Y / 4 - Y / 100 + Y / 400;
  for (int M = 1; M < Month; ++M) Days += DaysInMonth(Year, M);
  return Days + Day - 1;
}
// Day number of 30 December 1899 counted from 1 January of year 1.
const int64_t Epoch = DaysFromCivilStart(1899, 12, 30);

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

bool IsLeapYear(int Year) { return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0; }

int DaysInMonth(int Year, int Month) {
  static const int Table[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month == 2 && IsLeapYear(Year)) return 29;
  return Table[(Month - 1) % 12];
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month))
    throw EQuillbayError("Invalid argument to date encode");
  return static_cast<TDateTime>(DaysFromCivilStart(Year, Month, Day) - Epoch);
}

void DecodeDate(TDateTime D, int& Year, int& Month, int& Day) {
  int64_t N = WholeDay(D) + Epoch;  // days since 1 Jan 0001
  if (N < 0) N = 0;
  // 400-year cycles of 146097 days.
  int64_t Cycles = N / 146097;
  int64_t Rest = N % 146097;
  int64_t Centuries = Rest / 36524;
  if (Centuries == 4) Centuries = 3;
  Rest -= Centuries * 36524;
  int64_t Quads = Rest / 1461;
  Rest -= Quads * 1461;
  int64_t Years = Rest / 365;
  if (Years == 4) Years = 3;
  Rest -= Years * 365;
  Year = static_cast<int>(Cycles * 400 + Centuries * 100 + Quads * 4 + Years + 1);
  Month = 1;
  while (Rest >= DaysInMonth(Year, Month)) {
    Rest -= DaysInMonth(Year, Month);
    ++Month;
  }
  Day = static_cast<int>(Rest) + 1;
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
  return Day >= -693593 && Day <= 2958465;  // 1 January 0001 to 31 December 9999
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
