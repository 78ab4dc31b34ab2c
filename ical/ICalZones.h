#pragma once
// Times of an iCalendar file on the calendar and the clock: the day and the
// seconds since 1970 of libical's times, and the zones they are written in
// (the system's time-zone database first, then the file's own VTIMEZONE),
// down to the user's wall-clock time (TZ, else the system's zone). Private
// to the iCalendar library.

#include <libical/ical.h>

#include <cstdint>
#include <string>
#include <unordered_map>

namespace ICal {

constexpr int64_t SecondsPerDay = 86400;

// A / B rounded toward minus infinity.
inline int64_t FloorDiv(int64_t A, int64_t B) { return A / B - ((A % B != 0) && ((A < 0) != (B < 0))); }

// The fields of a time read as if they were UTC: seconds since 1970. A date
// counts from its midnight.
int64_t NaiveSeconds(const icaltimetype& T);
// The document's day number of the fields of a time.
int64_t DayOf(const icaltimetype& T);
// A time moved by whole days on the calendar; its clock time stays.
icaltimetype AddDays(icaltimetype T, int64_t Days);
// A date (and time) of the calendar: years 1 to 9999, a real day, a real time.
bool IsValidTime(const icaltimetype& T);
// The date of a day number of the document.
icaltimetype DateOfDay(int64_t Day);

enum class TZoneKind { Floating, Utc, Zone };

struct TZone {
  TZoneKind Kind = TZoneKind::Floating;
  icaltimezone* Zone = nullptr;
};

// The zones of one calendar: a TZID that names a zone of the system's
// database uses it; any other uses the calendar's VTIMEZONE of that TZID
// (Windows programs name their zones "W. Europe Standard Time" and the like);
// a TZID that is neither leaves the time as it is written.
class TZoneResolver {
 public:
  explicit TZoneResolver(icalcomponent* Calendar) : FCalendar(Calendar) {}

  // The zone of a time read from Property.
  TZone ZoneOf(icalproperty* Property, const icaltimetype& Time);

 private:
  icaltimezone* Lookup(const std::string& Tzid);

  icalcomponent* FCalendar;
  std::unordered_map<std::string, icaltimezone*> FZones;
};

// Seconds since 1970: UTC for a time of a known zone, the fields themselves
// for a floating time or a date.
int64_t AbsoluteSeconds(icaltimetype Time, const TZone& Zone);
// The user's wall-clock time (TZ, else the system's zone) of an absolute
// time, as seconds since 1970 of its fields; a floating time stays as it is.
int64_t LocalSeconds(int64_t Absolute, const TZone& Zone);

}  // namespace ICal
