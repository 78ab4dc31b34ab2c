// How an import works. The file is read whole into libical's components
// (ICalParse), each with the line of its BEGIN. Events are grouped by UID:
// a group's series (without RECURRENCE-ID) give DTSTART, the dates of their
// rules (ICalRecurrence, walked only near the range) and their RDATEs, less
// their EXDATEs and the dates that the group's overrides replace; each
// override is one occurrence of its own. Every occurrence is turned into the
// user's local days (ICalZones) and gives one line per day of the range it
// covers. The lines wait in a plan per day, beside the lines the day already
// holds, and only when the whole file has been read without a reason to
// refuse it does Commit write them into the document: a refused file
// changes nothing.

#include "ical/ICalendar.h"

#include <algorithm>
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

  void CheckZones(icalcomponent* Calendar, const TParsedFile& File);
  void AddExclusion(const TVEvent& E, icalproperty* P, const icaltimetype& Time, const TZone& Fallback,
                    TExclusions& Out);
  void CheckTime(const TVEvent& E, const icaltimetype& Time) const {
    if (!IsValidTime(Time)) Fail(FFileName, E.Line, "a date of this event is not valid");
  }
  void ExpandMaster(const TVEvent& E, const TExclusions& Overridden);
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
};

// The number of values in one of a rule's BY lists.
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
        Fail(FFileName, It == File.BeginLines.end() ? 0 : It->second, "the time zone cannot be used");
      }
    }
  }
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
    const char* Uid = icalcomponent_get_uid(C);
    TGroup& G = Uid && *Uid ? Groups[Uid] : Loose.emplace_back();
    (icalcomponent_get_first_property(C, ICAL_RECURRENCEID_PROPERTY) ? G.Overrides : G.Masters).push_back(E);
  }
  auto Expand = [this](const TGroup& G) {
    TExclusions Overridden;
    for (const TVEvent& O : G.Overrides) {
      icalproperty* P = icalcomponent_get_first_property(O.Component, ICAL_RECURRENCEID_PROPERTY);
      TZone Fallback;
      if (!G.Masters.empty())
        if (icalproperty* Start =
                icalcomponent_get_first_property(G.Masters[0].Component, ICAL_DTSTART_PROPERTY))
          Fallback = FZones->ZoneOf(Start, icalproperty_get_dtstart(Start));
      AddExclusion(O, P, icalproperty_get_recurrenceid(P), Fallback, Overridden);
    }
    for (const TVEvent& M : G.Masters) ExpandMaster(M, Overridden);
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
  for (const auto& [Uid, G] : Groups) Expand(G);
  for (const TGroup& G : Loose) Expand(G);
}

// A time of an exclusion list; one without a zone of its own is taken in
// the zone of the series it belongs to, as programs that leave out its TZID
// mean it.
void TImport::AddExclusion(const TVEvent& E, icalproperty* P, const icaltimetype& Time, const TZone& Fallback,
                           TExclusions& Out) {
  if (icaltime_is_null_time(Time)) return;
  CheckTime(E, Time);
  if (Time.is_date) {
    Out.Days.insert(DayOf(Time));
    Out.Times.insert(NaiveSeconds(Time));
    return;
  }
  TZone Zone = FZones->ZoneOf(P, Time);
  if (Zone.Kind == TZoneKind::Floating) Zone = Fallback;
  Out.Times.insert(AbsoluteSeconds(Time, Zone));
}

// The start, its zone and the duration of an event; false when it has no
// start.
bool TImport::Readable(const TVEvent& E, icaltimetype& Start, TZone& Zone, TDuration& D) {
  icalcomponent* C = E.Component;
  icalproperty* StartProp = icalcomponent_get_first_property(C, ICAL_DTSTART_PROPERTY);
  if (!StartProp) return false;
  Start = icalproperty_get_dtstart(StartProp);
  if (icaltime_is_null_time(Start)) return false;
  CheckTime(E, Start);
  Zone = FZones->ZoneOf(StartProp, Start);
  D = {};
  if (icalproperty* EndProp = icalcomponent_get_first_property(C, ICAL_DTEND_PROPERTY)) {
    const icaltimetype End = icalproperty_get_dtend(EndProp);
    CheckTime(E, End);
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

void TImport::ExpandMaster(const TVEvent& E, const TExclusions& Overridden) {
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
    AddExclusion(E, P, icalproperty_get_exdate(P), Zone, Excluded);

  std::unordered_set<int64_t> Seen;
  auto Add = [&](const TInstance& I) {
    const int64_t K = Key(I);
    if (Excluded.Times.count(K) || (!I.Start.is_date && Excluded.Days.count(DayOf(I.Start)))) return;
    if (!Seen.insert(K).second) return;
    Emit(E, I, D, Line);
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
    CheckTime(E, I.Start);
    I.Zone = FZones->ZoneOf(P, I.Start);
    // A period is a span of time, never of days.
    if (Period && !I.Start.is_date) {
      if (!icaltime_is_null_time(V.period.end)) {
        CheckTime(E, V.period.end);
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
  if (Walk == TRuleWalk::Unusable) Fail(FFileName, E.Line, "the repeat rule of this event cannot be used");
  if (Walk == TRuleWalk::TooManySteps) Fail(FFileName, E.Line, "this event repeats too often to be imported");
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
  const int64_t From = std::max(FirstDay, FFrom), To = std::min(LastDay, FTo);
  if ((FLines += To - From + 1) > MaxDayLines)
    Fail(FFileName, E.Line, "this event repeats too often to be imported");
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
}  // namespace

TEventTextForm EventTextFormOf(const TEventList& Doc) {
  return Doc.Style().EventsAsText ? TEventTextForm::Plain : TEventTextForm::Html;
}

TDayRange DefaultImportRange(int Year) { return {EncodeDate(Year, 1, 1), EncodeDate(Year + 1, 12, 31)}; }

TDayRange DefaultFeedRange(int Year) { return {EncodeDate(Year, 1, 1), EncodeDate(Year, 12, 31)}; }

void CheckImportRange(TDateTime From, TDateTime To) {
  if (!(From <= To)) throw EQuillbayError("The range of days ends before it begins");
  if (From < EncodeDate(1, 1, 1) || To > EncodeDate(9999, 12, 31))
    throw EQuillbayError("The range of days is not valid");
  int Year, Month, Day;
  DecodeDate(From, Year, Month, Day);
  const TDateTime Limit = Year + MaxICalImportYears <= 9999
                              ? IncMonth(DateOnly(From), 12 * MaxICalImportYears)
                              : DateOnly(From) + 366 * MaxICalImportYears;
  if (DateOnly(To) >= Limit)
    throw EQuillbayError("A range of more than " + std::to_string(MaxICalImportYears) +
                         " years cannot be imported");
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
  return Import.Commit();
}

TICalImportResult ImportICalendarFile(TEventList& Doc, const std::string& FileName, TDateTime From,
                                      TDateTime To, TEventTextForm Form) {
  std::string Bytes;
  switch (TryReadFile(FileName, Bytes, MaxFileSize)) {
    case TReadStatus::Read:
      return ImportICalendar(Doc, Bytes, FileName, From, To, Form);
    case TReadStatus::TooLarge:
      Fail(FileName, 0, "the file is too large");
    default:
      throw EQuillbayError(FormatMessage("Cannot open file %s", FileName));
  }
}
