#include "ical/ICalRecurrence.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "ical/ICalParse.h"
#include "ical/ICalZones.h"

namespace ICal {
namespace {

size_t ListSize(const short* List, size_t Size) {
  size_t N = 0;
  while (N < Size && List[N] != ICAL_RECURRENCE_ARRAY_MAX) ++N;
  return N;
}

// Whether the calendar alone rules out every date of a rule: a sixth
// Tuesday of a month, a 30 February, the sixth of at most five Mondays. Such
// a rule gives no dates (only DTSTART remains), and libical would search
// centuries for one before giving up.
bool NeverMatches(const icalrecurrencetype& R) {
  const size_t Days = ListSize(R.by_day, ICAL_BY_DAY_SIZE), Months = ListSize(R.by_month, ICAL_BY_MONTH_SIZE),
               MonthDays = ListSize(R.by_month_day, ICAL_BY_MONTHDAY_SIZE),
               Positions = ListSize(R.by_set_pos, ICAL_BY_SETPOS_SIZE);
  const bool InMonth = R.freq == ICAL_MONTHLY_RECURRENCE || (R.freq == ICAL_YEARLY_RECURRENCE && Months > 0);
  if (Days > 0 && (InMonth || R.freq == ICAL_YEARLY_RECURRENCE)) {
    const int Most = InMonth ? 5 : 53;  // a weekday comes at most this often in a month or a year
    if (std::none_of(R.by_day, R.by_day + Days,
                     [Most](short D) { return std::abs(icalrecurrencetype_day_position(D)) <= Most; }))
      return true;
  }
  if (Months > 0 && MonthDays > 0) {
    static const int Longest[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool Any = false;
    for (size_t M = 0; M < Months; ++M) {
      const int Month = icalrecurrencetype_month_month(R.by_month[M]);
      for (size_t D = 0; D < MonthDays && Month >= 1 && Month <= 12; ++D)
        Any = Any || std::abs(R.by_month_day[D]) <= Longest[Month];
    }
    if (!Any) return true;
  }
  // Weekdays alone: a period holds at most this many of them.
  const bool OnlyWeekdays =
      ListSize(R.by_hour, ICAL_BY_HOUR_SIZE) == 0 && ListSize(R.by_minute, ICAL_BY_MINUTE_SIZE) == 0 &&
      ListSize(R.by_second, ICAL_BY_SECOND_SIZE) == 0 && MonthDays == 0 &&
      ListSize(R.by_year_day, ICAL_BY_YEARDAY_SIZE) == 0 && ListSize(R.by_week_no, ICAL_BY_WEEKNO_SIZE) == 0;
  if (Positions > 0 && Days > 0 && OnlyWeekdays) {
    const size_t Largest = R.freq == ICAL_WEEKLY_RECURRENCE    ? Days
                           : R.freq == ICAL_MONTHLY_RECURRENCE ? 5 * Days
                           : R.freq == ICAL_YEARLY_RECURRENCE  ? (Months > 0 ? 5 * Days * Months : 53 * Days)
                                                               : 0;
    if (Largest > 0 && std::none_of(R.by_set_pos, R.by_set_pos + Positions, [Largest](short P) {
          return static_cast<size_t>(std::abs(P)) <= Largest;
        }))
      return true;
  }
  return false;
}

// The shortest length of a rule's period.
int64_t PeriodSeconds(icalrecurrencetype_frequency Frequency) {
  switch (Frequency) {
    case ICAL_SECONDLY_RECURRENCE:
      return 1;
    case ICAL_MINUTELY_RECURRENCE:
      return 60;
    case ICAL_HOURLY_RECURRENCE:
      return 3600;
    case ICAL_DAILY_RECURRENCE:
      return SecondsPerDay;
    case ICAL_WEEKLY_RECURRENCE:
      return 7 * SecondsPerDay;
    case ICAL_MONTHLY_RECURRENCE:
      return 28 * SecondsPerDay;
    default:
      return 365 * SecondsPerDay;
  }
}

}  // namespace

// Whether a rule may be expanded. RFC 5545 does not allow a numbered weekday
// ("2TU") except in monthly and yearly rules, week numbers except in yearly
// ones, days of the year in daily, weekly and monthly ones, or days of the
// month in weekly ones. Rules of minutes and seconds limited to certain days
// or months are refused too: libical would look at every minute or second
// of a year on its way from one date to the next, which takes minutes.
bool IsUsableRule(const icalrecurrencetype& R) {
  if (R.freq == ICAL_NO_RECURRENCE) return false;
  const size_t Days = ListSize(R.by_day, ICAL_BY_DAY_SIZE);
  const bool Numbered =
      std::any_of(R.by_day, R.by_day + Days, [](short D) { return icalrecurrencetype_day_position(D) != 0; });
  const bool MonthlyOrYearly = R.freq == ICAL_MONTHLY_RECURRENCE || R.freq == ICAL_YEARLY_RECURRENCE;
  if (Numbered && !MonthlyOrYearly) return false;
  if (ListSize(R.by_week_no, ICAL_BY_WEEKNO_SIZE) > 0 && R.freq != ICAL_YEARLY_RECURRENCE) return false;
  const bool YearDays = ListSize(R.by_year_day, ICAL_BY_YEARDAY_SIZE) > 0;
  if (YearDays && (R.freq == ICAL_DAILY_RECURRENCE || R.freq == ICAL_WEEKLY_RECURRENCE ||
                   R.freq == ICAL_MONTHLY_RECURRENCE))
    return false;
  const bool MonthDays = ListSize(R.by_month_day, ICAL_BY_MONTHDAY_SIZE) > 0;
  if (MonthDays && R.freq == ICAL_WEEKLY_RECURRENCE) return false;
  const bool Fine = R.freq == ICAL_MINUTELY_RECURRENCE || R.freq == ICAL_SECONDLY_RECURRENCE;
  const bool DayOrMonthParts =
      Days > 0 || MonthDays || YearDays || ListSize(R.by_month, ICAL_BY_MONTH_SIZE) > 0 ||
      ListSize(R.by_week_no, ICAL_BY_WEEKNO_SIZE) > 0 || ListSize(R.by_set_pos, ICAL_BY_SETPOS_SIZE) > 0;
  return !(Fine && DayOrMonthParts);
}

// A zone's rules are expanded by libical year by year from their start; rules
// that change more often than a few times a year would make that expansion

bool IsUsableZoneRule(const icalrecurrencetype& R) {
  return R.freq == ICAL_YEARLY_RECURRENCE && ListSize(R.by_second, ICAL_BY_SECOND_SIZE) == 0 &&
         ListSize(R.by_minute, ICAL_BY_MINUTE_SIZE) == 0 && ListSize(R.by_hour, ICAL_BY_HOUR_SIZE) == 0 &&
         ListSize(R.by_year_day, ICAL_BY_YEARDAY_SIZE) == 0 &&
         ListSize(R.by_week_no, ICAL_BY_WEEKNO_SIZE) == 0 && ListSize(R.by_month, ICAL_BY_MONTH_SIZE) <= 1 &&
         ListSize(R.by_day, ICAL_BY_DAY_SIZE) <= 7 && ListSize(R.by_month_day, ICAL_BY_MONTHDAY_SIZE) <= 7;
}

TRuleWalk WalkRule(const icalrecurrencetype& R, icaltimetype Start, int64_t FirstDay, int64_t LastDay,
                   int64_t& Steps, const std::function<void(const icaltimetype&)>& Add) {
  if (!IsUsableRule(R)) return TRuleWalk::Unusable;
  if (NeverMatches(R)) return TRuleWalk::Done;
  std::unique_ptr<icalrecur_iterator, TIteratorFree> It(icalrecur_iterator_new(R, Start));
  if (!It) return TRuleWalk::Unusable;
  // An endless rule is begun near the range instead of at DTSTART. libical
  // can do that for rules of whole days and longer without COUNT; rules of
  // hours, minutes and seconds are walked from their start.
  icaltimetype Walked = Start;
  if (R.count == 0 && R.freq >= ICAL_DAILY_RECURRENCE && R.freq <= ICAL_YEARLY_RECURRENCE &&
      FirstDay > DayOf(Start)) {
    Walked = AddDays(Start, FirstDay - DayOf(Start));
    Walked.hour = Walked.minute = Walked.second = 0;
    icalrecur_iterator_set_start(It.get(), Walked);
  }
  // libical looks at every period of the rule (every hour of an hourly
  // rule) on its way to the next date: each counts as a step.
  const int64_t Period = std::max<int64_t>(PeriodSeconds(R.freq) * std::max<int64_t>(R.interval, 1), 1);
  for (;;) {
    const icaltimetype Next = icalrecur_iterator_next(It.get());
    if (icaltime_is_null_time(Next)) return TRuleWalk::Done;
    Steps += std::max<int64_t>((NaiveSeconds(Next) - NaiveSeconds(Walked)) / Period, 1);
    if (Steps > MaxRuleSteps) return TRuleWalk::TooManySteps;
    Walked = Next;
    const int64_t Day = DayOf(Next);
    if (Day > LastDay) return TRuleWalk::Done;
    if (Day < FirstDay) continue;
    Add(Next);
  }
}

}  // namespace ICal
