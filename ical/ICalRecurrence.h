#pragma once
// Repeat rules (RRULE) of events and of time zones, and the bounds that keep
// their expansion short: a rule libical would take minutes over is refused,
// one that the calendar rules out gives no dates, and every walk counts its
// steps against one budget per import. Private to the iCalendar library.

#include <libical/ical.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ICal {

// Dates taken from all repeat rules of one import. A file whose rules give
// more is refused rather than left to run for minutes; a club's calendar of
// many years stays far below.
constexpr int64_t MaxRuleSteps = 2000000;

// What can be read of the value of an event's RRULE, as careful calendar
// programs read it: an empty value, or one without a readable FREQ, is no
// rule; a COUNT beside an UNTIL gives way to the UNTIL; a COUNT or INTERVAL
// that is no positive number is dropped (a COUNT of 0 counts as 1), as is an
// UNTIL that cannot be read beside a readable COUNT; names and values may be
// written in any case; a part named twice counts with its last value; parts
// of unknown names are passed over. Any other flaw (a part without "=", an
// unreadable UNTIL alone) leaves the rule unreadable. Value is the rule as
// libical reads it.
struct TRuleRepair {
  enum TKind { NoRule, Rule, Unreadable } Kind = NoRule;
  std::string Value;
};
TRuleRepair RepairRule(std::string_view Value);

// Whether a rule of an event may be expanded.
bool IsUsableRule(const icalrecurrencetype& R);
// Whether a rule of a time zone's observance may be expanded: libical
// expands those year by year from their start.
bool IsUsableZoneRule(const icalrecurrencetype& R);

enum class TRuleWalk { Done, Unusable, TooManySteps };

// Calls Add with each date of the rule R from Start (which carries its zone)
// whose day lies in FirstDay..LastDay, in order, without Start itself unless
// the rule gives it. Start is the first occurrence and counts toward a COUNT
// even when the rule does not give it. Steps counts libical's work over all walks of one
// import; past MaxRuleSteps the walk stops with TooManySteps.
TRuleWalk WalkRule(const icalrecurrencetype& R, icaltimetype Start, int64_t FirstDay, int64_t LastDay,
                   int64_t& Steps, const std::function<void(const icaltimetype&)>& Add);

}  // namespace ICal
