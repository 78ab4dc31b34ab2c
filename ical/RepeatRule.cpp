#include "ical/RepeatRule.h"

#include <libical/ical.h>

#include <algorithm>
#include <memory>

namespace {
const char* const WeekDayCodes[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

struct TIteratorFree {
  void operator()(icalrecur_iterator* I) const { icalrecur_iterator_free(I); }
};
using TIterator = std::unique_ptr<icalrecur_iterator, TIteratorFree>;

icaltimetype DayTime(TDateTime Day) {
  int Year = 0, Month = 0, Date = 0;
  DecodeDate(Day, Year, Month, Date);
  icaltimetype Time{};  // icaltime_null_date() leaves the time fields at -1
  Time.is_date = 1;
  Time.year = Year;
  Time.month = Month;
  Time.day = Date;
  return Time;
}

std::string CompactDate(TDateTime Day) {
  std::string Iso = IsoDate(Day);
  Iso.erase(std::remove(Iso.begin(), Iso.end(), '-'), Iso.end());
  return Iso;
}

// The rule's pattern without its end: FREQ, INTERVAL, the BY parts and WKST.
std::string Pattern(const TRepeatRule& Rule, int Interval) {
  std::string Text;
  switch (Rule.Frequency) {
    case TRepeatFrequency::Daily:
      Text = "FREQ=DAILY";
      break;
    case TRepeatFrequency::Weekly:
      Text = "FREQ=WEEKLY";
      break;
    case TRepeatFrequency::Monthly:
      Text = "FREQ=MONTHLY";
      break;
    case TRepeatFrequency::Yearly:
      Text = "FREQ=YEARLY";
      break;
  }
  if (Interval > 1) Text += ";INTERVAL=" + std::to_string(Interval);
  switch (Rule.Frequency) {
    case TRepeatFrequency::Daily:
      break;
    case TRepeatFrequency::Weekly: {
      std::string Days;
      for (int D = 0; D < 7; ++D)
        if (Rule.WeekDays & (1u << D)) Days += (Days.empty() ? "" : ",") + std::string(WeekDayCodes[D]);
      Text += ";BYDAY=" + Days;
      break;
    }
    case TRepeatFrequency::Monthly:
      if (Rule.Monthly == TMonthlyDay::SameDate) Text += ";BYMONTHDAY=" + std::to_string(Rule.MonthDay);
      if (Rule.Monthly == TMonthlyDay::LastDay) Text += ";BYMONTHDAY=-1";
      if (Rule.Monthly == TMonthlyDay::WeekDayOfMonth)
        Text += ";BYDAY=" + std::to_string(Rule.Ordinal) + WeekDayCodes[(Rule.WeekDay + 6) % 7];
      break;
    case TRepeatFrequency::Yearly:
      Text += ";BYMONTH=" + std::to_string(Rule.Month) + ";BYMONTHDAY=" + std::to_string(Rule.MonthDay);
      break;
  }
  const int WeekStart = Rule.WeekStart >= 1 && Rule.WeekStart <= 7 ? Rule.WeekStart : 1;
  return Text + ";WKST=" + WeekDayCodes[WeekStart - 1];
}

// The days of an RRULE from Start on, up to and including Last; stops after
// Most days.
std::vector<TDateTime> Occurrences(const std::string& RRule, TDateTime Start, TDateTime Last, size_t Most) {
  std::vector<TDateTime> Days;
  const icalrecurrencetype Recurrence = icalrecurrencetype_from_string(RRule.c_str());
  if (Recurrence.freq == ICAL_NO_RECURRENCE) return Days;
  TIterator Iterator(icalrecur_iterator_new(Recurrence, DayTime(Start)));
  if (!Iterator) return Days;
  for (icaltimetype T = icalrecur_iterator_next(Iterator.get()); !icaltime_is_null_time(T);
       T = icalrecur_iterator_next(Iterator.get())) {
    if (T.year > 9999) break;
    const TDateTime Day = EncodeDate(T.year, T.month, T.day);
    if (Day > Last) break;
    if (Day < Start) continue;
    Days.push_back(Day);
    if (Days.size() >= Most) break;
  }
  return Days;
}
// Whether some day can match the rule's pattern: a weekly rule names a week
// day, a date exists in some month (29 February in leap years).
bool CanMatch(const TRepeatRule& Rule) {
  if (Rule.Interval < 1) return false;
  switch (Rule.Frequency) {
    case TRepeatFrequency::Daily:
      return true;
    case TRepeatFrequency::Weekly:
      return (Rule.WeekDays & 0x7F) != 0;
    case TRepeatFrequency::Monthly:
      if (Rule.Monthly == TMonthlyDay::SameDate) return Rule.MonthDay >= 1 && Rule.MonthDay <= 31;
      if (Rule.Monthly == TMonthlyDay::WeekDayOfMonth)
        return Rule.WeekDay >= 1 && Rule.WeekDay <= 7 &&
               (Rule.Ordinal == -1 || (Rule.Ordinal >= 1 && Rule.Ordinal <= 5));
      return true;
    case TRepeatFrequency::Yearly:
      return Rule.Month >= 1 && Rule.Month <= 12 && Rule.MonthDay >= 1 &&
             Rule.MonthDay <= DaysInMonth(2000, Rule.Month);
  }
  return false;
}
}  // namespace

uint8_t WeekDayBit(TDateTime Day) { return static_cast<uint8_t>(1u << (DayOfWeek(Day) - 1)); }

bool IsLastWeekDayOfMonth(TDateTime Day) {
  int Year = 0, Month = 0, Date = 0;
  DecodeDate(Day, Year, Month, Date);
  return Date + 7 > DaysInMonth(Year, Month);
}

TRepeatRule DefaultRepeatRule(TDateTime Day, int WeekStart) {
  int Year = 0, Month = 0, Date = 0;
  DecodeDate(Day, Year, Month, Date);
  TRepeatRule Rule;
  Rule.WeekDays = WeekDayBit(Day);
  Rule.MonthDay = Date;
  Rule.Month = Month;
  Rule.WeekDay = DayOfWeek(Day);
  Rule.Ordinal = (Date - 1) / 7 + 1;
  Rule.Until = EncodeDate(Year, 12, 31);
  Rule.Count = 10;
  Rule.WeekStart = WeekStart;
  return Rule;
}

std::string RepeatRRule(const TRepeatRule& Rule) {
  std::string Text = Pattern(Rule, Rule.Interval);
  if (Rule.End == TRepeatEnd::Count) return Text + ";COUNT=" + std::to_string(Rule.Count);
  return Text + ";UNTIL=" + CompactDate(Rule.Until);
}

TRepeatDays ExpandRepeat(const TRepeatRule& Rule, TDateTime From) {
  TRepeatDays Result;
  From = DateOnly(From);
  if (Rule.End == TRepeatEnd::Count && Rule.Count > MaxRepeatDays) {
    Result.Limit = TRepeatLimit::TooManyDays;
    return Result;
  }
  int Year = 0, Month = 0, Date = 0;
  DecodeDate(From, Year, Month, Date);
  const TDateTime Bound =
      Year + MaxRepeatYears > 9999 ? EncodeDate(9999, 12, 31) : IncMonth(From, 12 * MaxRepeatYears);
  if (Rule.End == TRepeatEnd::Until && Rule.Until > Bound) {
    Result.Limit = TRepeatLimit::TooManyYears;
    return Result;
  }
  if (!CanMatch(Rule) || (Rule.End == TRepeatEnd::Count && Rule.Count < 1)) return Result;
  const TDateTime Last = Rule.End == TRepeatEnd::Until ? DateOnly(Rule.Until) : Bound;
  if (Last < From) return Result;

  // The first day the pattern matches, every week, month or year counting,
  // so that the repeat starts there and its interval counts from there.
  const std::vector<TDateTime> First = Occurrences(Pattern(Rule, 1), From, Last, 1);
  if (First.empty()) {
    if (Rule.End == TRepeatEnd::Count) Result.Limit = TRepeatLimit::TooManyYears;
    return Result;
  }
  TRepeatRule Rest = Rule;
  if (Rest.End == TRepeatEnd::Until) Rest.Until = Last;
  std::vector<TDateTime> Days = Occurrences(RepeatRRule(Rest), First.front(), Bound, MaxRepeatDays);
  if (Rule.End == TRepeatEnd::Count && Days.size() < static_cast<size_t>(Rule.Count)) {
    Result.Limit = TRepeatLimit::TooManyYears;
    return Result;
  }
  std::vector<TDateTime> Excluded = Rule.Excluded;
  for (TDateTime& Day : Excluded) Day = DateOnly(Day);
  std::sort(Excluded.begin(), Excluded.end());
  std::erase_if(Days,
                [&](TDateTime Day) { return std::binary_search(Excluded.begin(), Excluded.end(), Day); });
  Result.Days = std::move(Days);
  return Result;
}
