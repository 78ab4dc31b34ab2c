#include "generator/MonthFacts.h"

#include "model/CalStyle.h"

std::string MonthCaption(const TCalStyle& Style, int Year, int Month) {
  const std::string Y = std::to_string(Year), M = std::to_string(Month);
  if (Style.MonthAsString) {
    std::string Text = TCalStyle::MonthName(static_cast<uint16_t>(Month), Style.Language);
    return Style.ShowYear ? Text + " " + Y : Text;
  }
  return Style.ShowYear ? M + "/" + Y : M;
}

TMonthFacts MonthFacts(const TCalStyle& Style, int Year, int Month) {
  TMonthFacts F;
  F.FirstDay = EncodeDate(Year, Month, 1);  // raises before anything else
  F.Year = Year;
  F.Month = Month;
  F.Caption = MonthCaption(Style, Year, Month);
  F.MonthName = TCalStyle::MonthName(static_cast<uint16_t>(Month), Style.Language);
  F.Days = DaysInMonth(Year, Month);
  F.WeekStart = Style.FirstWeekDay();
  F.FirstColumn = (DayOfWeek(F.FirstDay) - F.WeekStart + 7) % 7 + 1;
  F.Rows = (F.FirstColumn - 1 + F.Days + 6) / 7;
  for (int I = 0; I < 7; ++I) {
    F.WeekDays[I] = (F.WeekStart - 1 + I) % 7 + 1;
    const auto Day = static_cast<uint16_t>(F.WeekDays[I]);
    F.ShownDayNames[I] = TCalStyle::WeekDayName(Day, Style.Language, Style.WeekDaysLength);
    F.ShortDayNames[I] = TCalStyle::WeekDayName(Day, Style.Language, 1);
    F.FullDayNames[I] = TCalStyle::WeekDayName(Day, Style.Language, 0);
  }
  return F;
}
