#include "ical/ICalZones.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>

#include "model/CalDate.h"
#include "text/Ascii.h"

namespace ICal {
namespace {

// A name that may be looked up in the system's time-zone database: path
// segments of letters, digits, "_", "+" and "-", so that no name leaves the
// database's folder.
bool IsZoneName(const std::string& Name) {
  if (Name.empty() || Name.size() > 128 || Name.front() == '/' || Name.back() == '/') return false;
  char Previous = '/';
  for (unsigned char C : Name) {
    if (C == '/' && Previous == '/') return false;
    if (!IsAsciiAlnum(static_cast<char>(C)) && C != '_' && C != '+' && C != '-' && C != '/') return false;
    Previous = static_cast<char>(C);
  }
  return true;
}

}  // namespace

// The fields of a time read as if they were UTC: seconds since 1970. A date
// counts from its midnight.
int64_t NaiveSeconds(const icaltimetype& T) {
  const int Month = std::clamp(T.month, 1, 12);
  int64_t S = (DaysFromCivil(T.year, Month, T.day)) * SecondsPerDay;
  if (!T.is_date) S += int64_t{T.hour} * 3600 + int64_t{T.minute} * 60 + T.second;
  return S;
}

// The document's day number of the fields of a time.
int64_t DayOf(const icaltimetype& T) { return FloorDiv(NaiveSeconds(T), SecondsPerDay) + UnixEpochDay; }

// A time moved by whole days on the calendar; its clock time stays.
icaltimetype AddDays(icaltimetype T, int64_t Days) {
  int64_t Year;
  CivilFromDays(DaysFromCivil(T.year, std::clamp(T.month, 1, 12), T.day) + Days, Year, T.month, T.day);
  T.year = static_cast<int>(Year);
  return T;
}

// A date (and time) of the calendar: years 1 to 9999, a real day, a real time.
bool IsValidTime(const icaltimetype& T) {
  if (T.year < 1 || T.year > 9999 || T.month < 1 || T.month > 12 || T.day < 1 ||
      T.day > DaysInMonth(T.year, T.month))
    return false;
  return T.is_date ||
         (T.hour >= 0 && T.hour <= 23 && T.minute >= 0 && T.minute <= 59 && T.second >= 0 && T.second <= 60);
}

icaltimetype DateOfDay(int64_t Day) {
  int Year, Month, DayOfMonth;
  DecodeDate(static_cast<TDateTime>(Day), Year, Month, DayOfMonth);
  icaltimetype T = icaltime_null_date();
  T.year = Year;
  T.month = Month;
  T.day = DayOfMonth;
  return T;
}

TZone TZoneResolver::ZoneOf(icalproperty* Property, const icaltimetype& Time) {
  if (icaltime_is_utc(Time)) return {TZoneKind::Utc, icaltimezone_get_utc_timezone()};
  if (Time.is_date) return {};
  icalparameter* Param = icalproperty_get_first_parameter(Property, ICAL_TZID_PARAMETER);
  const char* Tzid = Param ? icalparameter_get_tzid(Param) : nullptr;
  if (!Tzid || !*Tzid) return {};
  auto [It, Added] = FZones.try_emplace(Tzid, nullptr);
  if (Added) It->second = Lookup(Tzid);
  if (!It->second) return {};
  return {TZoneKind::Zone, It->second};
}

icaltimezone* TZoneResolver::Lookup(const std::string& Tzid) {
  if (IsZoneName(Tzid)) {
    struct stat St {};
    const std::string Path = std::string(icaltzutil_get_zone_directory()) + "/" + Tzid;
    if (::stat(Path.c_str(), &St) == 0 && S_ISREG(St.st_mode))
      if (icaltimezone* System = icaltimezone_get_builtin_timezone(Tzid.c_str())) return System;
  }
  return icalcomponent_get_timezone(FCalendar, Tzid.c_str());
}

// Seconds since 1970: UTC for a time of a known zone, the fields themselves
// for a floating time or a date.
int64_t AbsoluteSeconds(icaltimetype Time, const TZone& Zone) {
  if (Zone.Kind == TZoneKind::Zone && !Time.is_date) {
    icaltimezone_convert_time(&Time, Zone.Zone, icaltimezone_get_utc_timezone());
  }
  return NaiveSeconds(Time);
}

// The user's wall-clock time (TZ, else the system's zone) of an absolute
// time, as seconds since 1970 of its fields; a floating time stays as it is.
int64_t LocalSeconds(int64_t Absolute, const TZone& Zone) {
  if (Zone.Kind == TZoneKind::Floating) return Absolute;
  const std::time_t T = static_cast<std::time_t>(Absolute);
  std::tm Tm{};
  if (!::localtime_r(&T, &Tm)) return Absolute;
  return DaysFromCivil(int64_t{Tm.tm_year} + 1900, Tm.tm_mon + 1, Tm.tm_mday) * SecondsPerDay +
         int64_t{Tm.tm_hour} * 3600 + int64_t{Tm.tm_min} * 60 + Tm.tm_sec;
}

}  // namespace ICal
