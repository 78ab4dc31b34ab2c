#include "model/CalDate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Errors.h"

// Day numbers: 0 is 30 December 1899, 46086 is 5 March 2026.
TEST(CalDateTest, EncodeAndDecodeAgreeOverTheWholeCalendar) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(2026, 3, 5), 46086);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
  for (int Year : {1, 4, 100, 400, 1600, 1899, 1900, 2000, 2024, 2026, 2100, 9999}) {
    for (int Month = 1; Month <= 12; ++Month) {
      for (int Day : {1, DaysInMonth(Year, Month)}) {
        int Y = 0, M = 0, D = 0;
        // The time of day lies away from zero: before 1900 the value is negative.
        TDateTime Date = EncodeDate(Year, Month, Day);
        DecodeDate(Date + (Date < 0 ? -0.75 : 0.75), Y, M, D);
        EXPECT_EQ(Y * 10000 + M * 100 + D, Year * 10000 + Month * 100 + Day);
      }
    }
  }
}

TEST(CalDateTest, InvalidDatesRaiseTheEncodeError) {
  for (auto [Y, M, D] :
       {std::tuple{0, 1, 1}, {10000, 1, 1}, {2026, 0, 1}, {2026, 13, 1}, {2026, 2, 29}, {2024, 2, 30}}) {
    try {
      EncodeDate(Y, M, D);
      ADD_FAILURE() << Y << "-" << M << "-" << D;
    } catch (const EQuillbayError& E) {
      EXPECT_STREQ(E.what(), "Invalid argument to date encode");
    }
  }
}

TEST(CalDateTest, WeekDaysAndMonthSteps) {
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 2, 1)), 1);  // Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 8, 1)), 7);  // Saturday
  EXPECT_EQ(DayOfWeek(0), 7);
  EXPECT_EQ(DayOfWeek(-1), 6);
  EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2026, 1, 31), 1), EncodeDate(2026, 2, 28));
  EXPECT_EQ(IncMonth(EncodeDate(2026, 12, 15), 1), EncodeDate(2027, 1, 15));
  EXPECT_EQ(IncMonth(EncodeDate(2026, 1, 15), -1), EncodeDate(2025, 12, 15));
}

TEST(CalDateTest, ValuesOutsideTheCalendarStayOutsideWithoutOverflow) {
  int Y = 0, M = 0, D = 0;
  DecodeDate(EncodeDate(9999, 12, 31) + 1, Y, M, D);
  EXPECT_EQ(Y * 10000 + M * 100 + D, 100000101);
  for (double Huge : {1e19, std::numeric_limits<double>::infinity()}) {
    DecodeDate(Huge, Y, M, D);
    EXPECT_GT(Y, 9999);
    EXPECT_GE(DayOfWeek(Huge), 1);
    EXPECT_THROW(EncodeDate(Y, M, D), EQuillbayError);
  }
  for (double Tiny : {-1e19, std::nan("")}) {
    DecodeDate(Tiny, Y, M, D);
    EXPECT_EQ(Y * 10000 + M * 100 + D, 10101);
  }
}

// Unix time counts days from 1 January 1970; the proleptic Gregorian calendar
// runs on before year 1 (year 0 is a leap year) and after 9999.
TEST(CalDateTest, DayCountsOfUnixTime) {
  EXPECT_EQ(UnixEpochDay, EncodeDate(1970, 1, 1));
  const struct {
    int64_t Year;
    int Month, Day;
    int64_t Days;
  } Cases[] = {{1970, 1, 1, 0},     {2000, 3, 1, 11017},    {1, 1, 1, -719162},
               {0, 2, 29, -719469}, {10000, 1, 1, 2932897}, {1969, 12, 31, -1}};
  for (const auto& C : Cases) {
    EXPECT_EQ(DaysFromCivil(C.Year, C.Month, C.Day), C.Days) << C.Year << "-" << C.Month << "-" << C.Day;
    int64_t Year = 0;
    int Month = 0, Day = 0;
    CivilFromDays(C.Days, Year, Month, Day);
    EXPECT_EQ(Year, C.Year);
    EXPECT_EQ(Month, C.Month);
    EXPECT_EQ(Day, C.Day);
  }
}
