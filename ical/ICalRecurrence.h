#pragma once
// Repeat rules (RRULE) of events and of time zones, and the bounds that keep
// their expansion short: a rule libical would take minutes over is refused,
// one that the calendar rules out gives no dates, and every walk counts its
// steps against one budget per import. Private to the iCalendar library.

#include <libical/ical.h>

#include <cstdint>
#include <functional>

namespace ICal {

// Dates taken from all repeat rules of one import. A file whose rules give
// more is refused rather than left to run for minutes; a club's calendar of
// many years stays far below.
constexpr int64_t MaxRuleSteps = 2000000;

// Whether a rule of an event may be expanded.
bool IsUsableRule(const icalrecurrencetype& R);
// Whether a rule of a time zone's observance may be expanded: libical
// expands those year by year from their start.
bool IsUsableZoneRule(const icalrecurrencetype& R);

enum class TRuleWalk { Done, Unusable, TooManySteps };

// Calls Add with each date of the rule R from Start (which carries its zone)
// whose day lies in FirstDay..LastDay, in order, without Start itself unless
// the rule gives it. Steps counts libical's work over all walks of one
// import; past MaxRuleSteps the walk stops with TooManySteps.
TRuleWalk WalkRule(const icalrecurrencetype& R, icaltimetype Start, int64_t FirstDay, int64_t LastDay,
                   int64_t& Steps, const std::function<void(const icaltimetype&)>& Add);

}  // namespace ICal
