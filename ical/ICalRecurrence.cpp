#include "ical/ICalRecurrence.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "ical/ICalParse.h"
#include "ical/ICalZones.h"
#include "model/CalDate.h"
#include "text/Ascii.h"

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

// The parts of a rule that RFC 5545 and RFC 7529 know.
constexpr std::string_view KnownParts =
    "FREQ UNTIL COUNT INTERVAL BYSECOND BYMINUTE BYHOUR BYDAY BYMONTHDAY BYYEARDAY BYWEEKNO BYMONTH BYSETPOS "
    "WKST "
    "RSCALE SKIP ";
constexpr std::string_view Frequencies = "SECONDLY MINUTELY HOURLY DAILY WEEKLY MONTHLY YEARLY ";

std::string_view Trimmed(std::string_view Text) {
  while (!Text.empty() && (Text.front() == ' ' || Text.front() == '\t')) Text.remove_prefix(1);
  while (!Text.empty() &&
         (Text.back() == ' ' || Text.back() == '\t' || Text.back() == '\r' || Text.back() == '\n'))
    Text.remove_suffix(1);
  return Text;
}

// A positive count: digits only, at most nine of them.
bool IsCount(std::string_view Value) {
  if (Value.empty() || Value.size() > 9) return false;
  return std::all_of(Value.begin(), Value.end(), IsAsciiDigit) &&
         Value.find_first_not_of('0') != std::string_view::npos;
}

// A date or a date-time of an UNTIL: YYYYMMDD, optionally THHMMSS and Z.
bool IsUntil(std::string_view Value) {
  auto Digits = [&Value](size_t From, size_t Count) {
    return Value.size() >= From + Count &&
           std::all_of(Value.begin() + From, Value.begin() + From + Count, IsAsciiDigit);
  };
  if (Value.size() == 8) return Digits(0, 8);
  if (Value.size() != 15 && Value.size() != 16) return false;
  return Digits(0, 8) && Value[8] == 'T' && Digits(9, 6) && (Value.size() == 15 || Value[15] == 'Z');
}

}  // namespace

TRuleRepair RepairRule(std::string_view Value) {
  std::vector<std::pair<std::string, std::string>> Parts;
  Value = Trimmed(Value);
  while (!Value.empty()) {
    const size_t Semi = Value.find(';');
    const std::string_view Part = Trimmed(Value.substr(0, Semi));
    Value = Semi == std::string_view::npos ? std::string_view() : Value.substr(Semi + 1);
    if (Part.empty()) continue;
    const size_t Equals = Part.find('=');
    if (Equals == std::string_view::npos) return {TRuleRepair::Unreadable, {}};
    std::string Name = AsciiUpper(Trimmed(Part.substr(0, Equals)));
    std::string Setting = AsciiUpper(Trimmed(Part.substr(Equals + 1)));
    if (!ContainsWord(KnownParts, Name)) continue;
    auto Same = std::find_if(Parts.begin(), Parts.end(), [&Name](const auto& P) { return P.first == Name; });
    if (Same != Parts.end())
      Same->second = std::move(Setting);
    else
      Parts.emplace_back(std::move(Name), std::move(Setting));
  }
  auto Find = [&Parts](std::string_view Name) {
    return std::find_if(Parts.begin(), Parts.end(), [Name](const auto& P) { return P.first == Name; });
  };
  const auto Freq = Find("FREQ");
  if (Freq == Parts.end() || !ContainsWord(Frequencies, Freq->second)) return {};
  auto Drop = [&Parts, &Find](std::string_view Name) {
    if (const auto It = Find(Name); It != Parts.end()) Parts.erase(It);
  };
  if (const auto Interval = Find("INTERVAL"); Interval != Parts.end() && !IsCount(Interval->second))
    Drop("INTERVAL");
  if (const auto Count = Find("COUNT"); Count != Parts.end() && !IsCount(Count->second)) {
    if (Count->second.find_first_not_of('0') == std::string::npos)
      Count->second = "1";  // COUNT=0: the start alone
    else
      Drop("COUNT");
  }
  const bool HasCount = Find("COUNT") != Parts.end();
  if (const auto Until = Find("UNTIL"); Until != Parts.end()) {
    if (IsUntil(Until->second)) {
      Drop("COUNT");
    } else if (HasCount) {
      Drop("UNTIL");
    } else {
      return {TRuleRepair::Unreadable, {}};
    }
  }
  TRuleRepair Repaired{TRuleRepair::Rule, {}};
  for (const auto& [Name, Setting] : Parts) {
    if (!Repaired.Value.empty()) Repaired.Value += ';';
    Repaired.Value += Name + "=" + Setting;
  }
  return Repaired;
}

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
  // libical looks at every period of the rule (every hour of an hourly
  // rule) on its way to the next date: each counts as a step.
  const int64_t Period = std::max<int64_t>(PeriodSeconds(R.freq) * std::max<int64_t>(R.interval, 1), 1);
  // A rule without COUNT is begun near the range instead of at DTSTART, so
  // that an hourly rule begun centuries ago costs no more than one begun
  // last week. libical can begin a rule of whole days and longer on the
  // range's first day. A rule of hours, minutes or seconds is begun afresh
  // on the last of its own instants (DTSTART plus whole intervals of
  // elapsed time, counted in UTC as libical counts them) two days or more
  // before the range, so that it gives the very same dates.
  icaltimetype Walked = Start;
  const bool WholeDays = R.freq >= ICAL_DAILY_RECURRENCE && R.freq <= ICAL_YEARLY_RECURRENCE;
  if (R.count == 0 && WholeDays && FirstDay > DayOf(Start)) {
    Walked = AddDays(Start, FirstDay - DayOf(Start));
    Walked.hour = Walked.minute = Walked.second = 0;
    icalrecur_iterator_set_start(It.get(), Walked);
  } else if (R.count == 0 && !WholeDays && !Start.is_date && FirstDay > DayOf(Start) + 2) {
    icaltimezone* Utc = icaltimezone_get_utc_timezone();
    const icaltimetype Base = Start.zone ? icaltime_convert_to_zone(Start, Utc) : Start;
    const int64_t Gap =
        (FirstDay - 2 - DayOf(Base)) * SecondsPerDay - Base.hour * 3600 - Base.minute * 60 - Base.second;
    if (Gap > Period) {
      const int64_t Skipped = Gap / Period * Period;
      icaltimetype Begun = AddDays(Base, Skipped / SecondsPerDay);
      icaltime_adjust(&Begun, 0, 0, 0, static_cast<int>(Skipped % SecondsPerDay));
      if (Start.zone) Begun = icaltime_convert_to_zone(Begun, const_cast<icaltimezone*>(Start.zone));
      if (std::unique_ptr<icalrecur_iterator, TIteratorFree> Near(icalrecur_iterator_new(R, Begun)); Near) {
        It = std::move(Near);
        Walked = Begun;
      }
    }
  }
  // A walk goes on until the range ends or the rule's UNTIL (less a year:
  // the last date that BYMONTH and the like allow may come that much
  // earlier), or until its COUNT of dates, each at least a step. When the
  // periods libical would look at on the way already pass what is left of
  // the budget, the walk is refused at once instead of after seconds of
  // work.
  if (LastDay < 10000000) {  // not a walk to the end of time
    int64_t End = (LastDay + 1 - UnixEpochDay) * SecondsPerDay;
    if (!icaltime_is_null_time(R.until)) End = std::min(End, NaiveSeconds(R.until));
    int64_t Ahead = (End - NaiveSeconds(Walked) - 366 * SecondsPerDay) / Period;
    if (R.count > 0) Ahead = std::min<int64_t>(Ahead, R.count);
    if (Ahead > MaxRuleSteps - Steps) return TRuleWalk::TooManySteps;
  }
  // libical gives only the dates that match the rule; when the start is not
  // one of them, it still counts toward COUNT (RFC 5545, 3.8.5.3).
  int64_t Left = R.count;
  bool First = true;
  for (;;) {
    const icaltimetype Next = icalrecur_iterator_next(It.get());
    if (icaltime_is_null_time(Next)) return TRuleWalk::Done;
    if (R.count > 0) {
      if (First && NaiveSeconds(Next) != NaiveSeconds(Start)) --Left;
      if (Left-- <= 0) return TRuleWalk::Done;
    }
    First = false;
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
