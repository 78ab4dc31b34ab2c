// How an import works. The file is read whole into libical's components
// (ICalParse), each with the line of its BEGIN; events that cannot be read
// there, or whose dates are off the calendar or whose rule cannot be
// expanded, are left out and counted, the first of them named. The rest are
// grouped by UID, and of several versions of one event (or of one override)
// only the latest counts. A group's series (without RECURRENCE-ID) gives
// DTSTART, the dates of its rules (ICalRecurrence, walked only near the
// range) and its RDATEs, less its EXDATEs and the dates that the group's
// overrides replace; each override is one occurrence of its own, and one of
// RANGE=THISANDFUTURE also moves the later occurrences of the series. Every
// occurrence is turned into the user's local days (ICalZones) and gives one
// line per day of the range it covers. The lines wait in a plan per day,
// beside the lines the day already holds, and only when the whole file has
// been read without a reason to refuse it does Commit write them into the
// document: a refused file changes nothing. The span of a file's events
// (SpanOf) is read from the same components, dates as written.

#include "ical/ICalendar.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "ical/ICalParse.h"
#include "ical/ICalRecurrence.h"
#include "ical/ICalZones.h"
#include "model/EventList.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TextUtil.h"
#include "text/Html.h"
#include "text/Lines.h"

using namespace ICal;

namespace {

constexpr int64_t MaxDayLines = 1000000;  // lines made from all occurrences of one import

// How long each occurrence of an event lasts: whole days on the calendar
// (kept in local time) and then exact seconds.
struct TDuration {
  int64_t Days = 0;
  int64_t Seconds = 0;
};

constexpr int64_t MaxDurationDays = 4000000;  // beyond every calendar date

TDuration DurationOf(const icaldurationtype& D) {
  if (D.is_neg) return {};
  TDuration R;
  R.Days = std::min<int64_t>(int64_t{D.weeks} * 7 + D.days, MaxDurationDays);
  R.Seconds = std::min<int64_t>(int64_t{D.hours} * 3600 + int64_t{D.minutes} * 60 + D.seconds,
                                MaxDurationDays * SecondsPerDay);
  return R;
}

// One occurrence: its start (with the zone it is written in) and, for a
// period of an RDATE, its own end or length.
struct TInstance {
  icaltimetype Start;
  TZone Zone;
  std::optional<int64_t> EndAbsolute = {};
  std::optional<TDuration> Length = {};
};

// A line for one day, before it joins the day's text.
struct TDayLine {
  int Minute;  // minute of the day of a timed start, -1 for none
  std::string Text;
};

struct TDayPlan {
  std::unordered_set<std::string> Present;  // the day's lines, old and new
  std::vector<TDayLine> Added;
  bool Loaded = false;
};

// Adds the lines of a day's text (CR LF between lines).
void AddLinesOf(const std::string& Text, std::unordered_set<std::string>& Lines) {
  ForEachCrLfLine(Text, [&Lines](std::string_view Line) { Lines.emplace(Line); });
}

// The line text of a summary: line breaks become spaces, the ends are
// trimmed, and for HTML texts the three special characters are escaped.
std::string SummaryLine(const char* Summary, TEventTextForm Form) {
  std::string Text;
  for (const char* P = Summary; *P; ++P) {
    if (*P == '\r' && P[1] == '\n') continue;
    Text += (*P == '\r' || *P == '\n') ? ' ' : *P;
  }
  Text = TrimControls(Text);
  return Form == TEventTextForm::Html ? EscapeHtmlContent(Text) : Text;
}

class TImport {
 public:
  TImport(TEventList& Doc, const std::string& FileName, int64_t From, int64_t To, TEventTextForm Form)
      : FDoc(Doc), FFileName(FileName), FFrom(From), FTo(To), FForm(Form) {}

  void AddCalendar(icalcomponent* Calendar, const TParsedFile& File);
  TICalImportResult Commit();
  // Whether an occurrence lay in the range, even one whose lines were there.
  bool Touched() const { return FTouched; }

 private:
  struct TVEvent {
    icalcomponent* Component;
    int Line;  // of its BEGIN
  };
  // Exclusions of a recurrence set: EXDATEs and the dates that overrides
  // (RECURRENCE-ID) replace, as absolute seconds and, for dates, as days.
  struct TExclusions {
    std::unordered_set<int64_t> Times;
    std::unordered_set<int64_t> Days;
  };

  // An override of this and every later occurrence (RANGE=THISANDFUTURE):
  // the occurrences after From move by the same offset and take its text
  // and length.
  struct TFuture {
    int64_t From;  // the key of the occurrence it replaces
    int64_t OffsetDays = 0, OffsetSeconds = 0;
    bool Cancelled = false;
    std::string Line;
    TDuration Length;
  };

  void CheckZones(icalcomponent* Calendar, const TParsedFile& File);
  std::optional<TMessage> Unreadable(const TVEvent& E) const;
  void Skip(int Line, const TMessage& Why);
  int64_t AddExclusion(icalproperty* P, icaltimetype Time, const TZone& Fallback, bool AllDay,
                       TExclusions& Out);
  void ExpandMaster(const TVEvent& E, const TExclusions& Overridden, const std::vector<TFuture>& Futures);
  void ExpandRule(const TVEvent& E, icalproperty* Rule, const TInstance& First, const TDuration& D,
                  const std::function<void(const TInstance&)>& Add);
  void Emit(const TVEvent& E, const TInstance& I, const TDuration& D, const std::string& Line);
  int64_t LocalEnd(const TInstance& I, const TDuration& Length) const;
  void AddLine(int64_t Day, int Minute, const std::string& Text, bool& Contributed);
  bool Readable(const TVEvent& E, icaltimetype& Start, TZone& Zone, TDuration& D);
  int64_t Key(const TInstance& I) const {
    return I.Start.is_date ? NaiveSeconds(I.Start) : AbsoluteSeconds(I.Start, I.Zone);
  }

  TEventList& FDoc;
  const std::string& FFileName;
  const int64_t FFrom, FTo;
  const TEventTextForm FForm;
  std::unique_ptr<TZoneResolver> FZones;  // of the calendar being read
  std::map<int64_t, TDayPlan> FDays;
  int64_t FSteps = 0, FLines = 0;
  int FEvents = 0;
  bool FTouched = false;  // an occurrence lay in the range
  int FSkipped = 0, FSkippedLine = 0;
  TMessage FSkippedWhy;
};

// A zone's rules are expanded by libical year by year from their start; rules
// that change more often than a few times a year would make that expansion
// unbounded, and no real zone has them.
void TImport::CheckZones(icalcomponent* Calendar, const TParsedFile& File) {
  for (icalcomponent* Zone = icalcomponent_get_first_component(Calendar, ICAL_VTIMEZONE_COMPONENT); Zone;
       Zone = icalcomponent_get_next_component(Calendar, ICAL_VTIMEZONE_COMPONENT)) {
    for (icalcomponent* Part = icalcomponent_get_first_component(Zone, ICAL_ANY_COMPONENT); Part;
         Part = icalcomponent_get_next_component(Zone, ICAL_ANY_COMPONENT)) {
      for (icalproperty* P = icalcomponent_get_first_property(Part, ICAL_RRULE_PROPERTY); P;
           P = icalcomponent_get_next_property(Part, ICAL_RRULE_PROPERTY)) {
        if (IsUsableZoneRule(icalproperty_get_rrule(P))) continue;
        auto It = File.BeginLines.find(Part);
        Fail(FFileName, It == File.BeginLines.end() ? 0 : It->second, TMessageId::ICalTimeZoneUnusable);
      }
    }
  }
}

// Which of two versions of one event (the same UID and RECURRENCE-ID) is
// the event: the higher SEQUENCE, then the later LAST-MODIFIED, then the
// later DTSTAMP, then the later in the file.
struct TVersion {
  int Sequence = 0;
  int64_t Modified = INT64_MIN, Stamp = INT64_MIN;
  int Line = 0;
  auto operator<=>(const TVersion&) const = default;
};

TVersion VersionOf(icalcomponent* C, int Line) {
  TVersion V;
  V.Line = Line;
  if (icalproperty* P = icalcomponent_get_first_property(C, ICAL_SEQUENCE_PROPERTY))
    V.Sequence = icalproperty_get_sequence(P);
  if (icalproperty* P = icalcomponent_get_first_property(C, ICAL_LASTMODIFIED_PROPERTY))
    if (const icaltimetype T = icalproperty_get_lastmodified(P); IsValidTime(T)) V.Modified = NaiveSeconds(T);
  if (icalproperty* P = icalcomponent_get_first_property(C, ICAL_DTSTAMP_PROPERTY))
    if (const icaltimetype T = icalproperty_get_dtstamp(P); IsValidTime(T)) V.Stamp = NaiveSeconds(T);
  return V;
}

bool IsThisAndFuture(icalproperty* RecurrenceId) {
  icalparameter* Range = icalproperty_get_first_parameter(RecurrenceId, ICAL_RANGE_PARAMETER);
  return Range && icalparameter_get_range(Range) == ICAL_RANGE_THISANDFUTURE;
}

void TImport::Skip(int Line, const TMessage& Why) {
  if (FSkipped++ == 0 || Line < FSkippedLine) {
    FSkippedLine = Line;
    FSkippedWhy = Why;
  }
}

// Why an event cannot be read although each of its lines could: a date that
// is not on the calendar, a rule that cannot be expanded.
std::optional<TMessage> TImport::Unreadable(const TVEvent& E) const {
  icalcomponent* C = E.Component;
  const TMessage BadDate(TMessageId::ICalDateNotValid);
  auto Bad = [](const icaltimetype& T) { return !icaltime_is_null_time(T) && !IsValidTime(T); };
  for (icalproperty* P = icalcomponent_get_first_property(C, ICAL_ANY_PROPERTY); P;
       P = icalcomponent_get_next_property(C, ICAL_ANY_PROPERTY)) {
    switch (icalproperty_isa(P)) {
      case ICAL_DTSTART_PROPERTY:
        if (Bad(icalproperty_get_dtstart(P))) return BadDate;
        break;
      case ICAL_DTEND_PROPERTY:
        if (Bad(icalproperty_get_dtend(P))) return BadDate;
        break;
      case ICAL_RECURRENCEID_PROPERTY:
        if (Bad(icalproperty_get_recurrenceid(P))) return BadDate;
        break;
      case ICAL_EXDATE_PROPERTY:
        if (Bad(icalproperty_get_exdate(P))) return BadDate;
        break;
      case ICAL_RDATE_PROPERTY: {
        const icaldatetimeperiodtype V = icalproperty_get_rdate(P);
        if (Bad(V.time) || Bad(V.period.start) || Bad(V.period.end)) return BadDate;
        break;
      }
      case ICAL_RRULE_PROPERTY:
        if (!IsUsableRule(icalproperty_get_rrule(P))) return TMessage(TMessageId::ICalRepeatRuleUnusable);
        break;
      default:
        break;
    }
  }
  return std::nullopt;
}

void TImport::AddCalendar(icalcomponent* Calendar, const TParsedFile& File) {
  CheckZones(Calendar, File);
  FZones = std::make_unique<TZoneResolver>(Calendar);
  // The events of one UID: the series and the occurrences that replace one
  // of its dates. An event without a UID is a group of its own.
  struct TGroup {
    std::vector<TVEvent> Masters, Overrides;
  };
  std::map<std::string, TGroup> Groups;
  std::vector<TGroup> Loose;
  for (icalcomponent* C = icalcomponent_get_first_component(Calendar, ICAL_VEVENT_COMPONENT); C;
       C = icalcomponent_get_next_component(Calendar, ICAL_VEVENT_COMPONENT)) {
    auto It = File.BeginLines.find(C);
    const TVEvent E{C, It == File.BeginLines.end() ? 0 : It->second};
    if (auto Broken = File.Broken.find(E.Line); Broken != File.Broken.end()) {
      Skip(Broken->second.Line, TMessage(Broken->second.Why, Broken->second.Args));
      continue;
    }
    if (const std::optional<TMessage> Why = Unreadable(E)) {
      Skip(E.Line, *Why);
      continue;
    }
    const char* Uid = icalcomponent_get_uid(C);
    TGroup& G = Uid && *Uid ? Groups[Uid] : Loose.emplace_back();
    (icalcomponent_get_first_property(C, ICAL_RECURRENCEID_PROPERTY) ? G.Overrides : G.Masters).push_back(E);
  }
  // Of several versions of one event only the latest counts.
  auto Latest = [](std::vector<TVEvent>& Versions, auto KeyOf) {
    std::map<std::string, TVEvent> Chosen;
    for (const TVEvent& E : Versions) {
      auto [It, Added] = Chosen.try_emplace(KeyOf(E), E);
      if (!Added && VersionOf(It->second.Component, It->second.Line) < VersionOf(E.Component, E.Line))
        It->second = E;
    }
    if (Chosen.size() == Versions.size()) return;
    Versions.clear();
    for (auto& [Key, E] : Chosen) Versions.push_back(E);
    std::sort(Versions.begin(), Versions.end(),
              [](const TVEvent& A, const TVEvent& B) { return A.Line < B.Line; });
  };
  auto Expand = [this, &Latest](TGroup& G) {
    Latest(G.Masters, [](const TVEvent&) { return std::string(); });
    Latest(G.Overrides, [](const TVEvent& E) {
      icalproperty* P = icalcomponent_get_first_property(E.Component, ICAL_RECURRENCEID_PROPERTY);
      icalparameter* Tzid = icalproperty_get_first_parameter(P, ICAL_TZID_PARAMETER);
      return std::to_string(NaiveSeconds(icalproperty_get_recurrenceid(P))) + "/" +
             (Tzid && icalparameter_get_tzid(Tzid) ? icalparameter_get_tzid(Tzid) : "");
    });
    // The series' start: its zone is that of an override's time without a
    // zone of its own, and an all-day series takes an override's date-time
    // (midnight in a named zone, as Exchange writes it) for its date.
    TZone Fallback;
    icaltimetype SeriesStart = icaltime_null_time();
    if (!G.Masters.empty())
      if (icalproperty* Start =
              icalcomponent_get_first_property(G.Masters[0].Component, ICAL_DTSTART_PROPERTY)) {
        SeriesStart = icalproperty_get_dtstart(Start);
        Fallback = FZones->ZoneOf(Start, SeriesStart);
      }
    const bool AllDay = SeriesStart.is_date;
    TExclusions Overridden;
    std::vector<TFuture> Futures;
    for (const TVEvent& O : G.Overrides) {
      icalproperty* P = icalcomponent_get_first_property(O.Component, ICAL_RECURRENCEID_PROPERTY);
      const icaltimetype Replaced = icalproperty_get_recurrenceid(P);
      const int64_t Key = AddExclusion(P, Replaced, Fallback, AllDay, Overridden);
      if (G.Masters.empty() || !IsThisAndFuture(P) || icaltime_is_null_time(Replaced)) continue;
      TFuture F;
      F.From = Key;
      icaltimetype Start;
      TZone Zone;
      const char* Summary = icalcomponent_get_summary(O.Component);
      F.Cancelled = !Summary || icalcomponent_get_status(O.Component) == ICAL_STATUS_CANCELLED;
      if (Summary) F.Line = SummaryLine(Summary, FForm);
      if (!Readable(O, Start, Zone, F.Length)) continue;
      if (AllDay || Start.is_date || Replaced.is_date) {
        icaltimetype Day = Replaced;
        Day.is_date = 1;
        F.OffsetDays = DayOf(Start) - DayOf(Day);
      } else {
        TZone ReplacedZone = FZones->ZoneOf(P, Replaced);
        if (ReplacedZone.Kind == TZoneKind::Floating) ReplacedZone = Fallback;
        F.OffsetSeconds = AbsoluteSeconds(Start, Zone) - AbsoluteSeconds(Replaced, ReplacedZone);
      }
      Futures.push_back(std::move(F));
    }
    std::sort(Futures.begin(), Futures.end(),
              [](const TFuture& A, const TFuture& B) { return A.From < B.From; });
    for (const TVEvent& M : G.Masters) ExpandMaster(M, Overridden, Futures);
    // An override is one occurrence at its own time, whatever rule its
    // master has.
    for (const TVEvent& O : G.Overrides) {
      icaltimetype Start;
      TZone Zone;
      TDuration D;
      const char* Summary = icalcomponent_get_summary(O.Component);
      if (!Summary || icalcomponent_get_status(O.Component) == ICAL_STATUS_CANCELLED) continue;
      const std::string Line = SummaryLine(Summary, FForm);
      if (Line.empty() || !Readable(O, Start, Zone, D)) continue;
      Emit(O, TInstance{Start, Zone}, D, Line);
    }
  };
  for (auto& [Uid, G] : Groups) Expand(G);
  for (TGroup& G : Loose) Expand(G);
}

// A time of an exclusion list, and the key of the occurrence it excludes.
// One without a zone of its own is taken in the zone of the series it
// belongs to, as programs that leave out its TZID mean it; a date-time of an
// all-day series stands for its date as written.
int64_t TImport::AddExclusion(icalproperty* P, icaltimetype Time, const TZone& Fallback, bool AllDay,
                              TExclusions& Out) {
  if (icaltime_is_null_time(Time)) return 0;
  if (AllDay && !Time.is_date) {
    Time.is_date = 1;
    Time.hour = Time.minute = Time.second = 0;
  }
  if (Time.is_date) {
    Out.Days.insert(DayOf(Time));
    Out.Times.insert(NaiveSeconds(Time));
    return NaiveSeconds(Time);
  }
  TZone Zone = FZones->ZoneOf(P, Time);
  if (Zone.Kind == TZoneKind::Floating) Zone = Fallback;
  const int64_t Key = AbsoluteSeconds(Time, Zone);
  Out.Times.insert(Key);
  return Key;
}

// The start, its zone and the duration of an event; false when it has no
// start.
bool TImport::Readable(const TVEvent& E, icaltimetype& Start, TZone& Zone, TDuration& D) {
  icalcomponent* C = E.Component;
  icalproperty* StartProp = icalcomponent_get_first_property(C, ICAL_DTSTART_PROPERTY);
  if (!StartProp) return false;
  Start = icalproperty_get_dtstart(StartProp);
  if (icaltime_is_null_time(Start)) return false;
  Zone = FZones->ZoneOf(StartProp, Start);
  D = {};
  if (icalproperty* EndProp = icalcomponent_get_first_property(C, ICAL_DTEND_PROPERTY)) {
    const icaltimetype End = icalproperty_get_dtend(EndProp);
    if (Start.is_date || End.is_date) {
      D.Days = std::clamp<int64_t>(DayOf(End) - DayOf(Start), 0, MaxDurationDays);
    } else {
      TZone EndZone = FZones->ZoneOf(EndProp, End);
      // A floating end of a zoned start (or the other way round) is read in
      // the start's terms.
      if ((EndZone.Kind == TZoneKind::Floating) != (Zone.Kind == TZoneKind::Floating)) EndZone = Zone;
      D.Seconds = std::clamp<int64_t>(AbsoluteSeconds(End, EndZone) - AbsoluteSeconds(Start, Zone), 0,
                                      MaxDurationDays * SecondsPerDay);
    }
  } else if (icalproperty* DurProp = icalcomponent_get_first_property(C, ICAL_DURATION_PROPERTY)) {
    D = DurationOf(icalproperty_get_duration(DurProp));
  } else if (Start.is_date) {
    D.Days = 1;  // an all-day event without an end lasts its one day
  }
  return true;
}

void TImport::ExpandMaster(const TVEvent& E, const TExclusions& Overridden,
                           const std::vector<TFuture>& Futures) {
  const char* Summary = icalcomponent_get_summary(E.Component);
  if (!Summary || icalcomponent_get_status(E.Component) == ICAL_STATUS_CANCELLED) return;
  const std::string Line = SummaryLine(Summary, FForm);
  icaltimetype Start;
  TZone Zone;
  TDuration D;
  if (Line.empty() || !Readable(E, Start, Zone, D)) return;

  TExclusions Excluded = Overridden;
  for (icalproperty* P = icalcomponent_get_first_property(E.Component, ICAL_EXDATE_PROPERTY); P;
       P = icalcomponent_get_next_property(E.Component, ICAL_EXDATE_PROPERTY))
    AddExclusion(P, icalproperty_get_exdate(P), Zone, Start.is_date, Excluded);

  std::unordered_set<int64_t> Seen;
  auto Add = [&](const TInstance& I) {
    const int64_t K = Key(I);
    if (Excluded.Times.count(K) || (!I.Start.is_date && Excluded.Days.count(DayOf(I.Start)))) return;
    if (!Seen.insert(K).second) return;
    // The last override of this and later occurrences before this one.
    auto Later = std::upper_bound(Futures.begin(), Futures.end(), K,
                                  [](int64_t Key, const TFuture& F) { return Key <= F.From; });
    if (Later == Futures.begin()) return Emit(E, I, D, Line);
    const TFuture& F = *(Later - 1);
    if (F.Cancelled || F.Line.empty()) return;
    TInstance Moved = I;
    Moved.Start = AddDays(Moved.Start, F.OffsetDays);
    if (F.OffsetSeconds != 0) icaltime_adjust(&Moved.Start, 0, 0, 0, static_cast<int>(F.OffsetSeconds));
    Emit(E, Moved, F.Length, F.Line);
  };
  const TInstance First{Start, Zone};
  // DTSTART is always the first occurrence of the set.
  Add(First);
  for (icalproperty* P = icalcomponent_get_first_property(E.Component, ICAL_RRULE_PROPERTY); P;
       P = icalcomponent_get_next_property(E.Component, ICAL_RRULE_PROPERTY))
    ExpandRule(E, P, First, D, Add);
  for (icalproperty* P = icalcomponent_get_first_property(E.Component, ICAL_RDATE_PROPERTY); P;
       P = icalcomponent_get_next_property(E.Component, ICAL_RDATE_PROPERTY)) {
    const icaldatetimeperiodtype V = icalproperty_get_rdate(P);
    TInstance I;
    const bool Period = icaltime_is_null_time(V.time);
    I.Start = Period ? V.period.start : V.time;
    if (icaltime_is_null_time(I.Start)) continue;
    I.Zone = FZones->ZoneOf(P, I.Start);
    // A period is a span of time, never of days.
    if (Period && !I.Start.is_date) {
      if (!icaltime_is_null_time(V.period.end)) {
        I.EndAbsolute = AbsoluteSeconds(V.period.end, I.Zone);
      } else {
        I.Length = DurationOf(V.period.duration);
      }
    }
    Add(I);
  }
}

void TImport::ExpandRule(const TVEvent& E, icalproperty* Rule, const TInstance& First, const TDuration& D,
                         const std::function<void(const TInstance&)>& Add) {
  icaltimetype Start = First.Start;
  if (First.Zone.Kind != TZoneKind::Floating) Start = icaltime_set_timezone(&Start, First.Zone.Zone);
  // Occurrences that start this many days before the range may still reach
  // into it (a zone moves a time by at most a day).
  const int64_t Reach = D.Days + D.Seconds / SecondsPerDay + 2;
  const TRuleWalk Walk = WalkRule(icalproperty_get_rrule(Rule), Start, FFrom - Reach, FTo + 2, FSteps,
                                  [&](const icaltimetype& Next) {
                                    Add(TInstance{Next, First.Zone});
                                  });
  if (Walk == TRuleWalk::Unusable) Fail(FFileName, E.Line, TMessageId::ICalRepeatRuleUnusable);
  if (Walk == TRuleWalk::TooManySteps) Fail(FFileName, E.Line, TMessageId::ICalRepeatsTooOften);
}

// The user's wall-clock end of a timed occurrence, as seconds since 1970 of
// its fields. An end after the range counts as the range's end, so that an
// event of a thousand years costs no more than one of a week.
int64_t TImport::LocalEnd(const TInstance& I, const TDuration& Length) const {
  const int64_t Beyond = (FTo + 3 - UnixEpochDay) * SecondsPerDay;
  if (I.EndAbsolute) return std::min(LocalSeconds(*I.EndAbsolute, I.Zone), Beyond);
  if (DayOf(I.Start) + Length.Days > FTo + 3) return Beyond;
  const int64_t End = AbsoluteSeconds(AddDays(I.Start, Length.Days), I.Zone) + Length.Seconds;
  if (End > Beyond + 2 * SecondsPerDay) return Beyond;
  return std::min(LocalSeconds(End, I.Zone), Beyond);
}

// The lines of one occurrence on the days of the range that it covers.
void TImport::Emit(const TVEvent& E, const TInstance& I, const TDuration& D, const std::string& Line) {
  bool Contributed = false;
  int64_t FirstDay, LastDay;
  int Minute = -1;
  if (I.Start.is_date) {
    FirstDay = DayOf(I.Start);
    const TDuration& Length = I.Length.value_or(D);
    LastDay = FirstDay + std::max<int64_t>(Length.Days + Length.Seconds / SecondsPerDay, 1) - 1;
  } else {
    const int64_t Start = LocalSeconds(AbsoluteSeconds(I.Start, I.Zone), I.Zone);
    const int64_t End = LocalEnd(I, I.Length.value_or(D));
    FirstDay = FloorDiv(Start, SecondsPerDay) + UnixEpochDay;
    // The last day is the one of the end less one minute: an event that
    // ends at midnight does not reach the next day.
    LastDay = std::max(FirstDay, FloorDiv(End - 60, SecondsPerDay) + UnixEpochDay);
    Minute = static_cast<int>((Start - FloorDiv(Start, SecondsPerDay) * SecondsPerDay) / 60);
  }
  if (LastDay < FFrom || FirstDay > FTo) return;
  FTouched = true;
  const int64_t From = std::max(FirstDay, FFrom), To = std::min(LastDay, FTo);
  if ((FLines += To - From + 1) > MaxDayLines) Fail(FFileName, E.Line, TMessageId::ICalRepeatsTooOften);
  for (int64_t Day = From; Day <= To; ++Day) {
    if (Day == FirstDay && Minute >= 0) {
      char Time[16];
      std::snprintf(Time, sizeof Time, "%02d:%02d ", Minute / 60, Minute % 60);
      AddLine(Day, Minute, Time + Line, Contributed);
    } else {
      AddLine(Day, -1, Line, Contributed);
    }
  }
  if (Contributed) ++FEvents;
}

void TImport::AddLine(int64_t Day, int Minute, const std::string& Text, bool& Contributed) {
  TDayPlan& Plan = FDays[Day];
  if (!Plan.Loaded) {
    Plan.Loaded = true;
    if (const TEvent* Old = FDoc.Items().Find(static_cast<TDateTime>(Day)))
      if (!IsBlank(Old->Text)) AddLinesOf(Old->Text, Plan.Present);
  }
  if (!Plan.Present.insert(Text).second) return;
  Plan.Added.push_back({Minute, Text});
  Contributed = true;
}

TICalImportResult TImport::Commit() {
  TICalImportResult Result;
  Result.Events = FEvents;
  Result.Skipped = FSkipped;
  if (FSkipped > 0) Result.FirstSkipped = TMessage(FSkippedWhy).At(FFileName, FSkippedLine);
  for (auto& [Day, Plan] : FDays) {
    if (Plan.Added.empty()) continue;
    std::sort(Plan.Added.begin(), Plan.Added.end(), [](const TDayLine& A, const TDayLine& B) {
      if (A.Minute != B.Minute) return A.Minute < B.Minute;
      return A.Text < B.Text;
    });
    TEvent* Event = FDoc.FindEvent(true, static_cast<TDateTime>(Day));
    std::string Text = IsBlank(Event->Text) ? std::string() : Event->Text;
    for (const TDayLine& L : Plan.Added) {
      if (!Text.empty() && !Text.ends_with("\r\n")) Text += "\r\n";
      Text += L.Text;
    }
    Event->Text = std::move(Text);
    if (Result.Days++ == 0) Result.FirstDay = static_cast<TDateTime>(Day);
  }
  return Result;
}
// The first and the last day of a file's events, dates as written; an
// endless rule ends on EndlessTo.
TDayRange SpanOf(const TParsedFile& File, int64_t EndlessTo) {
  int64_t First = INT64_MAX, Last = INT64_MIN;
  int64_t Steps = 0;
  auto Take = [&](const icaltimetype& T) {
    if (icaltime_is_null_time(T) || !IsValidTime(T)) return;
    First = std::min(First, DayOf(T));
    Last = std::max(Last, DayOf(T));
  };
  for (const auto& Calendar : File.Calendars)
    for (icalcomponent* C = icalcomponent_get_first_component(Calendar.get(), ICAL_VEVENT_COMPONENT); C;
         C = icalcomponent_get_next_component(Calendar.get(), ICAL_VEVENT_COMPONENT)) {
      auto Begin = File.BeginLines.find(C);
      if (Begin != File.BeginLines.end() && File.Broken.count(Begin->second)) continue;
      icalproperty* StartProp = icalcomponent_get_first_property(C, ICAL_DTSTART_PROPERTY);
      if (!StartProp) continue;
      const icaltimetype Start = icalproperty_get_dtstart(StartProp);
      if (icaltime_is_null_time(Start) || !IsValidTime(Start)) continue;
      Take(Start);
      for (icalproperty* P = icalcomponent_get_first_property(C, ICAL_RRULE_PROPERTY); P;
           P = icalcomponent_get_next_property(C, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype R = icalproperty_get_rrule(P);
        if (!IsUsableRule(R)) continue;
        if (!icaltime_is_null_time(R.until)) {
          Take(R.until);
        } else if (R.count == 0) {
          Last = std::max(Last, EndlessTo);
        } else {
          WalkRule(R, Start, DayOf(Start), INT64_MAX, Steps, Take);
        }
      }
      for (icalproperty* P = icalcomponent_get_first_property(C, ICAL_RDATE_PROPERTY); P;
           P = icalcomponent_get_next_property(C, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype V = icalproperty_get_rdate(P);
        Take(icaltime_is_null_time(V.time) ? V.period.start : V.time);
      }
    }
  if (First > Last) return {0, -1};
  return {static_cast<TDateTime>(First), static_cast<TDateTime>(Last)};
}

int64_t EndOfNextYear(TDateTime Today) {
  int Year, Month, Day;
  DecodeDate(Today, Year, Month, Day);
  return static_cast<int64_t>(EncodeDate(std::min(Year + 1, 9999), 12, 31));
}

// "1 Jan 2026"
std::string ShortDate(TDateTime D) {
  static const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  int Year, Month, Day;
  DecodeDate(D, Year, Month, Day);
  return std::to_string(Day) + " " + Months[Month - 1] + " " + std::to_string(Year);
}

std::string Counted(int N, const char* One, const char* Many) {
  return N == 1 ? std::string("1 ") + One : std::to_string(N) + " " + Many;
}

}  // namespace

TEventTextForm EventTextFormOf(const TEventList& Doc) {
  return Doc.Style().EventsAsText ? TEventTextForm::Plain : TEventTextForm::Html;
}

TDayRange DefaultImportRange(int Year) { return {EncodeDate(Year, 1, 1), EncodeDate(Year + 1, 12, 31)}; }

TDayRange DefaultFeedRange(int Year) { return {EncodeDate(Year, 1, 1), EncodeDate(Year, 12, 31)}; }

void CheckImportRange(TDateTime From, TDateTime To) {
  if (!(From <= To)) throw EQuillbayError(TMessageId::RangeEndsBeforeBegins);
  if (From < EncodeDate(1, 1, 1) || To > EncodeDate(9999, 12, 31))
    throw EQuillbayError(TMessageId::RangeNotValid);
  int Year, Month, Day;
  DecodeDate(From, Year, Month, Day);
  const TDateTime Limit = Year + MaxICalImportYears <= 9999
                              ? IncMonth(DateOnly(From), 12 * MaxICalImportYears)
                              : DateOnly(From) + 366 * MaxICalImportYears;
  if (DateOnly(To) >= Limit)
    throw EQuillbayError(TMessageId::RangeTooLong, {std::to_string(MaxICalImportYears)});
}

TICalImportResult ImportICalendar(TEventList& Doc, const std::string& Bytes, const std::string& FileName,
                                  TDateTime From, TDateTime To, TEventTextForm Form) {
  CheckImportRange(From, To);
  From = DateOnly(From);
  To = DateOnly(To);
  const std::string Text = ICalendarText(Bytes, FileName);

  TQuietErrors Quiet;
  ::tzset();  // the zone of TZ as it is now
  const TParsedFile File = ParseICalendar(Text, FileName);
  TImport Import(Doc, FileName, static_cast<int64_t>(From), static_cast<int64_t>(To), Form);
  for (const auto& Calendar : File.Calendars) Import.AddCalendar(Calendar.get(), File);
  TICalImportResult Result = Import.Commit();
  // Where the file's events are matters only when none lay in the range.
  if (!Import.Touched())
    Result.Span = SpanOf(
        File, EndOfNextYear(static_cast<TDateTime>(std::time(nullptr) / SecondsPerDay + UnixEpochDay)));
  return Result;
}

TDayRange ICalendarSpan(const std::string& Bytes, const std::string& FileName, TDateTime Today) {
  const std::string Text = ICalendarText(Bytes, FileName);
  TQuietErrors Quiet;
  return SpanOf(ParseICalendar(Text, FileName), EndOfNextYear(Today));
}

std::string ReadICalendarFile(const std::string& FileName) {
  std::string Bytes;
  switch (TryReadFile(FileName, Bytes, MaxFileSize)) {
    case TReadStatus::Read:
      return Bytes;
    case TReadStatus::TooLarge:
      Fail(FileName, 0, TMessageId::ICalFileTooLarge);
    default:
      throw EQuillbayError(TMessageId::CannotOpenFile, {FileName});
  }
}

TDayRange ICalendarFileSpan(const std::string& FileName, TDateTime Today) {
  return ICalendarSpan(ReadICalendarFile(FileName), FileName, Today);
}

TDayRange DefaultImportRangeFor(const TDayRange& Span, TDateTime Today) {
  int Year, Month, Day;
  DecodeDate(Today, Year, Month, Day);
  if (Span.To < Span.From) return DefaultImportRange(Year);
  const TDateTime From = std::max(DateOnly(Span.From), EncodeDate(1, 1, 1));
  const TDateTime To = std::min(DateOnly(Span.To), EncodeDate(9999, 12, 31));
  auto YearsAfter = [](TDateTime D) {
    int Y, M, Dd;
    DecodeDate(D, Y, M, Dd);
    return Y + MaxICalImportYears <= 9999 ? IncMonth(D, 12 * MaxICalImportYears) - 1
                                          : EncodeDate(9999, 12, 31);
  };
  if (To <= YearsAfter(From)) return {From, To};
  const TDateTime LastYear = EncodeDate(std::max(Year - 1, 1), 1, 1);
  if (From <= LastYear && LastYear <= To) return {LastYear, std::min(To, YearsAfter(LastYear))};
  if (To < LastYear) {
    int Y, M, Dd;
    DecodeDate(To, Y, M, Dd);
    const TDateTime Back = Y - MaxICalImportYears >= 1 ? IncMonth(To, -12 * MaxICalImportYears) + 1 : From;
    return {std::max(From, Back), To};
  }
  return {From, YearsAfter(From)};
}

std::string ImportReport(const TICalImportResult& Result, TDateTime From, TDateTime To) {
  std::string Report;
  const bool Outside = Result.Span.From <= Result.Span.To &&
                       (Result.Span.To < DateOnly(From) || Result.Span.From > DateOnly(To));
  if (Result.Events == 0 && Outside) {
    Report = "No events between " + ShortDate(From) + " and " + ShortDate(To) +
             "; this file's events lie between " + ShortDate(Result.Span.From) + " and " +
             ShortDate(Result.Span.To);
  } else {
    Report =
        "Added " + Counted(Result.Events, "event", "events") + " on " + Counted(Result.Days, "day", "days");
  }
  if (Result.Skipped == 1) Report += "; 1 event could not be read (" + EnglishText(Result.FirstSkipped) + ")";
  if (Result.Skipped > 1)
    Report += "; " + std::to_string(Result.Skipped) +
              " events could not be read (first: " + EnglishText(Result.FirstSkipped) + ")";
  return Report;
}

TICalImportResult ImportICalendarFile(TEventList& Doc, const std::string& FileName, TDateTime From,
                                      TDateTime To, TEventTextForm Form) {
  return ImportICalendar(Doc, ReadICalendarFile(FileName), FileName, From, To, Form);
}
