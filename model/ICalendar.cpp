#include "model/ICalendar.h"

#include <libical/ical.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/EventList.h"
#include "model/Utf8.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TextUtil.h"
#include "Version.h"

namespace {

// ---------------------------------------------------------------------------
// Bounds of one import. A file whose rules give more than this is refused
// rather than left to run for minutes or fill the document with millions of
// lines; a club's calendar of many years stays far below both.
constexpr int64_t MaxRuleSteps = 2000000;  // dates taken from all repeat rules
constexpr int64_t MaxDayLines = 1000000;   // lines made from all occurrences
constexpr size_t MaxICalFileSize = 64u << 20;

constexpr int64_t SecondsPerDay = 86400;
// Day number of 1 January 1970 (the day numbers of the document start on
// 30 December 1899).
constexpr int64_t UnixEpochDay = 25569;

// Days since 1 January 1970 of a Gregorian date; any year, any month 1..12.
int64_t DaysFromCivil(int64_t Year, int Month, int Day) {
  Year -= Month <= 2;
  const int64_t Era = (Year >= 0 ? Year : Year - 399) / 400;
  const int64_t YearOfEra = Year - Era * 400;
  const int64_t DayOfYear = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
  const int64_t DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
  return Era * 146097 + DayOfEra - 719468;
}

// The Gregorian date of a count of days since 1 January 1970.
void CivilFromDays(int64_t Days, int64_t& Year, int& Month, int& Day) {
  Days += 719468;
  const int64_t Era = (Days >= 0 ? Days : Days - 146096) / 146097;
  const int64_t DayOfEra = Days - Era * 146097;
  const int64_t YearOfEra = (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
  const int64_t DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
  const int64_t MonthIndex = (5 * DayOfYear + 2) / 153;
  Day = static_cast<int>(DayOfYear - (153 * MonthIndex + 2) / 5 + 1);
  Month = static_cast<int>(MonthIndex < 10 ? MonthIndex + 3 : MonthIndex - 9);
  Year = YearOfEra + Era * 400 + (Month <= 2);
}

int64_t FloorDiv(int64_t A, int64_t B) { return A / B - ((A % B != 0) && ((A < 0) != (B < 0))); }

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
  return T.is_date || (T.hour >= 0 && T.hour <= 23 && T.minute >= 0 && T.minute <= 59 && T.second >= 0 &&
                       T.second <= 60);
}

[[noreturn]] void Fail(const std::string& FileName, int Line, const std::string& What) {
  if (Line > 0) throw EQuillbayError(FileName + ", line " + std::to_string(Line) + ": " + What);
  throw EQuillbayError(FileName + ": " + What);
}

// ---------------------------------------------------------------------------
// libical objects, released by their owners.

struct TComponentFree {
  void operator()(icalcomponent* C) const { icalcomponent_free(C); }
};
using TComponentPtr = std::unique_ptr<icalcomponent, TComponentFree>;
struct TParserFree {
  void operator()(icalparser* P) const { icalparser_free(P); }
};
struct TIteratorFree {
  void operator()(icalrecur_iterator* I) const { icalrecur_iterator_free(I); }
};
struct TBufferFree {
  void operator()(char* B) const { icalmemory_free_buffer(B); }
};

// libical reports malformed data by its error number and, unless told
// otherwise, may treat it as fatal; within an import every such report is an
// answer to read, never a reason to stop the program.
class TQuietErrors {
 public:
  TQuietErrors() : FSaved(icalerror_get_error_state(ICAL_MALFORMEDDATA_ERROR)) {
    icalerror_set_errors_are_fatal(0);
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, ICAL_ERROR_NONFATAL);
  }
  ~TQuietErrors() { icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, FSaved); }
  TQuietErrors(const TQuietErrors&) = delete;
  TQuietErrors& operator=(const TQuietErrors&) = delete;

 private:
  icalerrorstate FSaved;
};

// ---------------------------------------------------------------------------
// Parsing, with the line where each content line and component begins.

// Hands a text to libical's parser in pieces that end at a line break (as
// fgets does) and tells on which line the content line that the parser will
// return next began. The parser reads one piece ahead to see whether the
// next line continues the current one, so the content line it returns
// always starts with the piece it held back from the call before.
class TLineSource {
 public:
  explicit TLineSource(const std::string& Text) : FText(Text) {
    if (FText.compare(0, 3, "\xEF\xBB\xBF") == 0) FPos = FCounted = 3;
  }

  static char* Generate(char* Out, size_t Size, void* Self) {
    auto& S = *static_cast<TLineSource*>(Self);
    if (S.FPos >= S.FText.size() || Size < 2) return nullptr;
    const size_t Break = S.FText.find('\n', S.FPos);
    size_t N = (Break == std::string::npos ? S.FText.size() : Break + 1) - S.FPos;
    N = std::min(N, Size - 1);
    std::memcpy(Out, S.FText.data() + S.FPos, N);
    Out[N] = '\0';
    S.FHeldBack = S.FPos;
    S.FPos += N;
    return Out;
  }

  // The line number (from 1) of the content line that the next call of
  // icalparser_get_line returns.
  int NextContentLine() {
    const size_t Start = FHeldBack;
    for (; FCounted < Start; ++FCounted)
      if (FText[FCounted] == '\n') ++FLine;
    return FLine;
  }

 private:
  const std::string& FText;
  size_t FPos = 0;
  size_t FHeldBack = 0;  // where the piece that the parser holds back starts
  size_t FCounted = 0;   // line breaks are counted up to here
  int FLine = 1;
};

// The name of a content line as libical takes it (everything before the
// first ";" or ":", trailing blanks cut), in capitals.
std::string LineName(const char* Line) {
  size_t N = std::strcspn(Line, ";:");
  while (N > 0 && (Line[N - 1] == ' ' || Line[N - 1] == '\t')) --N;
  std::string Name(Line, N);
  for (char& C : Name) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
  return Name;
}

// The value of a BEGIN or END line in capitals.
std::string LineValue(const char* Line) {
  const char* Colon = std::strchr(Line, ':');
  std::string Value = TrimControls(Colon ? Colon + 1 : "");
  for (char& C : Value) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
  return Value;
}

// A property name: letters, digits and "-".
bool IsName(const std::string& Name) {
  if (Name.empty()) return false;
  for (unsigned char C : Name)
    if (!std::isalnum(C) && C != '-') return false;
  return true;
}

bool IsBlankLine(const char* Line) {
  for (; *Line; ++Line)
    if (*Line != ' ' && *Line != '\t' && *Line != '\n' && *Line != '\r') return false;
  return true;
}

// Whether the import reads a property of that name in that component: a
// value libical cannot read there makes the file unreadable, while a flaw in
// any other property (an attendee's parameter, an empty location) cannot
// change what is imported and is passed over.
bool IsReadProperty(const std::string& Component, const std::string& Name) {
  static const char* const EventProperties[] = {"DTSTART", "DTEND",         "DURATION", "RRULE",
                                                "RDATE",   "EXDATE",        "STATUS",   "RECURRENCE-ID"};
  static const char* const ZoneRuleProperties[] = {"DTSTART", "TZOFFSETFROM", "TZOFFSETTO", "RRULE", "RDATE"};
  auto In = [&Name](const auto& List) {
    return std::any_of(std::begin(List), std::end(List), [&Name](const char* P) { return Name == P; });
  };
  if (Component == "VEVENT") return In(EventProperties);
  if (Component == "VTIMEZONE") return Name == "TZID";
  if (Component == "STANDARD" || Component == "DAYLIGHT") return In(ZoneRuleProperties);
  return false;
}

struct TParsedFile {
  std::vector<TComponentPtr> Calendars;
  // The line of the BEGIN of each component.
  std::unordered_map<const icalcomponent*, int> BeginLines;
};

// Gives every component in Root's tree (Root first, then each child's tree in
// file order, which is the order of their BEGIN lines) the next line of Lines.
void AssignBeginLines(icalcomponent* Root, const std::vector<int>& Lines, size_t& Next, TParsedFile& File) {
  if (Next < Lines.size()) File.BeginLines[Root] = Lines[Next];
  ++Next;
  for (icalcomponent* C = icalcomponent_get_first_component(Root, ICAL_ANY_COMPONENT); C;
       C = icalcomponent_get_next_component(Root, ICAL_ANY_COMPONENT))
    AssignBeginLines(C, Lines, Next, File);
}

TParsedFile ParseICalendar(const std::string& Text, const std::string& FileName) {
  const std::string NotICalendar = "this is not an iCalendar file";
  std::unique_ptr<icalparser, TParserFree> Parser(icalparser_new());
  if (!Parser) throw std::bad_alloc();
  TLineSource Source(Text);
  icalparser_set_gen_data(Parser.get(), &Source);

  struct TOpen {
    std::string Name;
    int Line;
  };
  std::vector<TOpen> Open;      // the components begun and not yet ended
  std::vector<int> BeginLines;  // the line of every BEGIN, in file order
  std::vector<TComponentPtr> TopLevel;
  for (;;) {
    const int LineNo = Source.NextContentLine();
    std::unique_ptr<char, TBufferFree> Line(icalparser_get_line(Parser.get(), &TLineSource::Generate));
    if (!Line) break;
    if (IsBlankLine(Line.get())) continue;
    const std::string Name = LineName(Line.get());
    // libical would only complain on the terminal about an END without its
    // BEGIN; it is a broken file.
    if (Name == "END" && Open.empty()) Fail(FileName, LineNo, "this line cannot be read");
    TComponentPtr Done(icalparser_add_line(Parser.get(), Line.get()));
    const icalparser_state State = icalparser_get_state(Parser.get());
    if (Name == "BEGIN" && State == ICALPARSER_BEGIN_COMP) {
      if (Open.empty() && LineValue(Line.get()) != "VCALENDAR") Fail(FileName, LineNo, NotICalendar);
      Open.push_back({LineValue(Line.get()), LineNo});
      BeginLines.push_back(LineNo);
    } else if (Name == "END") {
      Open.pop_back();
    }
    if (Done) TopLevel.push_back(std::move(Done));
    if (State != ICALPARSER_ERROR) continue;
    if (Open.empty()) Fail(FileName, LineNo, NotICalendar);
    // A content line is a name, perhaps parameters, a colon and a value.
    if (!IsName(Name) || !std::strchr(Line.get(), ':')) Fail(FileName, LineNo, "this line cannot be read");
    if (IsReadProperty(Open.back().Name, Name)) Fail(FileName, LineNo, "the value of " + Name + " cannot be read");
  }
  if (!Open.empty()) Fail(FileName, Open.back().Line, Open.back().Name + " is not ended");
  if (TopLevel.empty()) Fail(FileName, 0, NotICalendar);

  TParsedFile File;
  size_t Next = 0;
  for (auto& C : TopLevel) {
    AssignBeginLines(C.get(), BeginLines, Next, File);
    File.Calendars.push_back(std::move(C));
  }
  return File;
}

// ---------------------------------------------------------------------------
// Time zones and local time.

enum class TZoneKind { Floating, Utc, Zone };

struct TZone {
  TZoneKind Kind = TZoneKind::Floating;
  icaltimezone* Zone = nullptr;
};

// A name that may be looked up in the system's time-zone database: path
// segments of letters, digits, "_", "+" and "-", so that no name leaves the
// database's folder.
bool IsZoneName(const std::string& Name) {
  if (Name.empty() || Name.size() > 128 || Name.front() == '/' || Name.back() == '/') return false;
  char Previous = '/';
  for (unsigned char C : Name) {
    if (C == '/' && Previous == '/') return false;
    if (!std::isalnum(C) && C != '_' && C != '+' && C != '-' && C != '/') return false;
    Previous = static_cast<char>(C);
  }
  return true;
}

// The zones of one calendar: a TZID that names a zone of the system's
// database uses it; any other uses the calendar's VTIMEZONE of that TZID
// (Windows programs name their zones "W. Europe Standard Time" and the like);
// a TZID that is neither leaves the time as it is written.
class TZoneResolver {
 public:
  explicit TZoneResolver(icalcomponent* Calendar) : FCalendar(Calendar) {}

  TZone ZoneOf(icalproperty* Property, const icaltimetype& Time) {
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

 private:
  icaltimezone* Lookup(const std::string& Tzid) {
    if (IsZoneName(Tzid)) {
      struct stat St {};
      const std::string Path = std::string(icaltzutil_get_zone_directory()) + "/" + Tzid;
      if (::stat(Path.c_str(), &St) == 0 && S_ISREG(St.st_mode))
        if (icaltimezone* System = icaltimezone_get_builtin_timezone(Tzid.c_str())) return System;
    }
    return icalcomponent_get_timezone(FCalendar, Tzid.c_str());
  }

  icalcomponent* FCalendar;
  std::unordered_map<std::string, icaltimezone*> FZones;
};

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

// ---------------------------------------------------------------------------
// Occurrences and the lines they give.

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

// Splits a day's text into its lines (CR LF between lines).
void AddLinesOf(const std::string& Text, std::unordered_set<std::string>& Lines) {
  size_t I = 0;
  for (;;) {
    const size_t Break = Text.find("\r\n", I);
    Lines.insert(Text.substr(I, Break == std::string::npos ? std::string::npos : Break - I));
    if (Break == std::string::npos) return;
    I = Break + 2;
  }
}

// "&", "<" and ">" written as HTML entities.
std::string EscapeHtml(const std::string& Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (char C : Text) {
    if (C == '&')
      Out += "&amp;";
    else if (C == '<')
      Out += "&lt;";
    else if (C == '>')
      Out += "&gt;";
    else
      Out += C;
  }
  return Out;
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
  return Form == TEventTextForm::Html ? EscapeHtml(Text) : Text;
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
  const bool OnlyWeekdays = ListSize(R.by_hour, ICAL_BY_HOUR_SIZE) == 0 &&
                            ListSize(R.by_minute, ICAL_BY_MINUTE_SIZE) == 0 &&
                            ListSize(R.by_second, ICAL_BY_SECOND_SIZE) == 0 && MonthDays == 0 &&
                            ListSize(R.by_year_day, ICAL_BY_YEARDAY_SIZE) == 0 &&
                            ListSize(R.by_week_no, ICAL_BY_WEEKNO_SIZE) == 0;
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
    case ICAL_SECONDLY_RECURRENCE: return 1;
    case ICAL_MINUTELY_RECURRENCE: return 60;
    case ICAL_HOURLY_RECURRENCE: return 3600;
    case ICAL_DAILY_RECURRENCE: return SecondsPerDay;
    case ICAL_WEEKLY_RECURRENCE: return 7 * SecondsPerDay;
    case ICAL_MONTHLY_RECURRENCE: return 28 * SecondsPerDay;
    default: return 365 * SecondsPerDay;
  }
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
  const bool Numbered = std::any_of(R.by_day, R.by_day + Days,
                                    [](short D) { return icalrecurrencetype_day_position(D) != 0; });
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
  const bool DayOrMonthParts = Days > 0 || MonthDays || YearDays || ListSize(R.by_month, ICAL_BY_MONTH_SIZE) > 0 ||
                               ListSize(R.by_week_no, ICAL_BY_WEEKNO_SIZE) > 0 ||
                               ListSize(R.by_set_pos, ICAL_BY_SETPOS_SIZE) > 0;
  return !(Fine && DayOrMonthParts);
}

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
        const icalrecurrencetype R = icalproperty_get_rrule(P);
        const bool Usable = R.freq == ICAL_YEARLY_RECURRENCE && ListSize(R.by_second, ICAL_BY_SECOND_SIZE) == 0 &&
                            ListSize(R.by_minute, ICAL_BY_MINUTE_SIZE) == 0 &&
                            ListSize(R.by_hour, ICAL_BY_HOUR_SIZE) == 0 &&
                            ListSize(R.by_year_day, ICAL_BY_YEARDAY_SIZE) == 0 &&
                            ListSize(R.by_week_no, ICAL_BY_WEEKNO_SIZE) == 0 &&
                            ListSize(R.by_month, ICAL_BY_MONTH_SIZE) <= 1 &&
                            ListSize(R.by_day, ICAL_BY_DAY_SIZE) <= 7 &&
                            ListSize(R.by_month_day, ICAL_BY_MONTHDAY_SIZE) <= 7;
        if (!Usable) {
          auto It = File.BeginLines.find(Part);
          Fail(FFileName, It == File.BeginLines.end() ? 0 : It->second, "the time zone cannot be used");
        }
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
        if (icalproperty* Start = icalcomponent_get_first_property(G.Masters[0].Component, ICAL_DTSTART_PROPERTY))
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
  const icalrecurrencetype R = icalproperty_get_rrule(Rule);
  if (!IsUsableRule(R)) Fail(FFileName, E.Line, "the repeat rule of this event cannot be used");
  if (NeverMatches(R)) return;
  icaltimetype Start = First.Start;
  if (First.Zone.Kind != TZoneKind::Floating) Start = icaltime_set_timezone(&Start, First.Zone.Zone);
  std::unique_ptr<icalrecur_iterator, TIteratorFree> It(icalrecur_iterator_new(R, Start));
  if (!It) Fail(FFileName, E.Line, "the repeat rule of this event cannot be used");

  // Occurrences that start this many days before the range may still reach
  // into it (a zone moves a time by at most a day).
  const int64_t Reach = D.Days + D.Seconds / SecondsPerDay + 2;
  const int64_t FirstDay = FFrom - Reach, LastDay = FTo + 2;
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
    if (icaltime_is_null_time(Next)) return;
    FSteps += std::max<int64_t>((NaiveSeconds(Next) - NaiveSeconds(Walked)) / Period, 1);
    if (FSteps > MaxRuleSteps) Fail(FFileName, E.Line, "this event repeats too often to be imported");
    Walked = Next;
    const int64_t Day = DayOf(Next);
    if (Day > LastDay) return;
    if (Day < FirstDay) continue;
    Add(TInstance{Next, First.Zone});
  }
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
  if ((FLines += To - From + 1) > MaxDayLines) Fail(FFileName, E.Line, "this event repeats too often to be imported");
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

// ---------------------------------------------------------------------------
// The feed.

uint64_t Fnv1a64(const std::string& Text) {
  uint64_t H = 0xCBF29CE484222325ull;
  for (unsigned char C : Text) {
    H ^= C;
    H *= 0x100000001B3ull;
  }
  return H;
}

// Plain text fit for a TEXT value: control characters other than line
// breaks and tabs become spaces; line breaks are LF.
std::string TextValue(const std::string& Plain) {
  std::string Out;
  Out.reserve(Plain.size());
  for (size_t I = 0; I < Plain.size(); ++I) {
    const unsigned char C = static_cast<unsigned char>(Plain[I]);
    if (C == '\r') {
      if (I + 1 < Plain.size() && Plain[I + 1] == '\n') continue;
      Out += '\n';
    } else if (C < 0x20 && C != '\n' && C != '\t') {
      Out += ' ';
    } else if (C == 0x7F) {
      Out += ' ';
    } else {
      Out += static_cast<char>(C);
    }
  }
  return Out;
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

// The first line of a plain text that holds something, trimmed.
std::string FirstVisibleLine(const std::string& Plain) {
  size_t I = 0;
  while (I <= Plain.size()) {
    size_t Break = Plain.find('\n', I);
    if (Break == std::string::npos) Break = Plain.size();
    std::string Line = TrimControls(Plain.substr(I, Break - I));
    if (!Line.empty()) return Line;
    I = Break + 1;
  }
  return {};
}

// Named character references that event texts use; the Latin-1 letters and
// signs are looked up by their code.
struct TEntity {
  const char* Name;
  uint32_t Code;
};
constexpr TEntity Entities[] = {
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
    {"euro", 0x20AC},  {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019},
    {"sbquo", 0x201A}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"bdquo", 0x201E}, {"hellip", 0x2026},
    {"bull", 0x2022},  {"trade", 0x2122}, {"OElig", 0x152},  {"oelig", 0x153},  {"Scaron", 0x160},
    {"scaron", 0x161}, {"Yuml", 0x178},   {"dagger", 0x2020}, {"Dagger", 0x2021}, {"permil", 0x2030},
    {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"ensp", 0x2002}, {"emsp", 0x2003}, {"thinsp", 0x2009},
};
constexpr const char* Latin1Entities[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",
    "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",
    "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12",
    "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde",
    "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",
    "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",
    "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

// The character of the reference that starts at Text[I] ("&...;"), and its
// length; 0 when it is none that we know.
size_t ReadEntity(const std::string& Text, size_t I, uint32_t& Code) {
  const size_t Semi = Text.find(';', I + 1);
  if (Semi == std::string::npos || Semi - I > 12 || Semi == I + 1) return 0;
  const std::string Name = Text.substr(I + 1, Semi - I - 1);
  if (Name[0] == '#') {
    const bool Hex = Name.size() > 1 && (Name[1] == 'x' || Name[1] == 'X');
    const std::string Digits = Name.substr(Hex ? 2 : 1);
    if (Digits.empty() || Digits.size() > 7) return 0;
    uint32_t Value = 0;
    for (char C : Digits) {
      const int D = std::isdigit(static_cast<unsigned char>(C)) ? C - '0'
                    : Hex && std::isxdigit(static_cast<unsigned char>(C))
                        ? std::tolower(static_cast<unsigned char>(C)) - 'a' + 10
                        : -1;
      if (D < 0) return 0;
      Value = Value * (Hex ? 16 : 10) + static_cast<uint32_t>(D);
    }
    const bool Bad = Value == 0 || Value > 0x10FFFF || (Value >= 0xD800 && Value <= 0xDFFF);
    Code = Bad ? 0xFFFD : Value;
    return Semi - I + 1;
  }
  for (const TEntity& E : Entities)
    if (Name == E.Name) {
      Code = E.Code;
      return Semi - I + 1;
    }
  for (uint32_t K = 0; K < 96; ++K)
    if (Name == Latin1Entities[K]) {
      Code = 0xA0 + K;
      return Semi - I + 1;
    }
  return 0;
}

// The end of the tag that starts at Text[I] (just after its ">"), or npos
// when "<" starts no tag. Quoted attribute values may hold ">".
size_t TagEnd(const std::string& Text, size_t I) {
  if (I + 1 >= Text.size()) return std::string::npos;
  const unsigned char Next = static_cast<unsigned char>(Text[I + 1]);
  if (!std::isalpha(Next) && Next != '/' && Next != '!' && Next != '?') return std::string::npos;
  if (Text.compare(I, 4, "<!--") == 0) {
    const size_t Close = Text.find("-->", I + 4);
    return Close == std::string::npos ? std::string::npos : Close + 3;
  }
  char Quote = 0;
  for (size_t J = I + 1; J < Text.size(); ++J) {
    const char C = Text[J];
    if (Quote) {
      if (C == Quote) Quote = 0;
    } else if (C == '"' || C == '\'') {
      Quote = C;
    } else if (C == '>') {
      return J + 1;
    }
  }
  return std::string::npos;
}

// Whether a file is UTF-8 once its folded lines are joined again: a program
// may fold a line inside a character of several bytes.
bool IsUnfoldedUtf8(const std::string& Bytes) {
  if (IsValidUtf8(Bytes.data(), Bytes.size())) return true;
  std::string Unfolded;
  Unfolded.reserve(Bytes.size());
  for (size_t I = 0; I < Bytes.size(); ++I) {
    const bool CrLf = Bytes.compare(I, 2, "\r\n") == 0;
    const size_t After = I + (CrLf ? 2 : 1);
    if ((CrLf || Bytes[I] == '\n') && After < Bytes.size() && (Bytes[After] == ' ' || Bytes[After] == '\t')) {
      I = After;
      continue;
    }
    Unfolded += Bytes[I];
  }
  return IsValidUtf8(Unfolded.data(), Unfolded.size());
}

bool IsBreakTag(const std::string& Tag) {
  // "<br>", "<BR>", "<br/>", "<br />", "<br class=x>"
  if (Tag.size() < 4 || (Tag[1] != 'b' && Tag[1] != 'B') || (Tag[2] != 'r' && Tag[2] != 'R')) return false;
  const char After = Tag[3];
  return After == '>' || After == '/' || After == ' ' || After == '\t' || After == '\r' || After == '\n';
}

}  // namespace

// ---------------------------------------------------------------------------

std::string HtmlToPlainText(const std::string& Html) {
  std::string Out;
  Out.reserve(Html.size());
  for (size_t I = 0; I < Html.size();) {
    const char C = Html[I];
    if (C == '<') {
      const size_t End = TagEnd(Html, I);
      if (End != std::string::npos) {
        if (IsBreakTag(Html.substr(I, End - I))) Out += "\r\n";
        I = End;
        continue;
      }
    } else if (C == '&') {
      uint32_t Code = 0;
      if (const size_t Length = ReadEntity(Html, I, Code)) {
        AppendUtf8(Out, Code);
        I += Length;
        continue;
      }
    }
    Out += C;
    ++I;
  }
  return Out;
}

std::string ICalFeedFileName(const std::string& DocumentFileName) {
  std::string Name = DocumentFileName.substr(DocumentFileName.find_last_of('/') + 1);
  const size_t Dot = Name.find_last_of('.');
  if (Dot != std::string::npos && Dot > 0) Name.erase(Dot);
  return (Name.empty() ? "calendar" : Name) + ".ics";
}

std::string ICalDocumentKey(const std::string& DocumentFileName) {
  const size_t Slash = DocumentFileName.find_last_of('/');
  const std::string Name = Slash == std::string::npos ? DocumentFileName : DocumentFileName.substr(Slash + 1);
  return Name.empty() ? "untitled" : Name;
}

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
  const TDateTime Limit = Year + MaxICalImportYears <= 9999 ? IncMonth(DateOnly(From), 12 * MaxICalImportYears)
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
  if (Bytes.size() > MaxICalFileSize) Fail(FileName, 0, "the file is too large");

  // iCalendar is UTF-8; an older file in Windows-1252 is read as such, as
  // documents are. Files of one old program break lines with CR alone.
  std::string Text;
  if (IsUnfoldedUtf8(Bytes)) {
    Text = Bytes;
  } else {
    AppendWindows1252(Text, Bytes.data(), Bytes.size());
  }
  if (Text.find('\n') == std::string::npos) std::replace(Text.begin(), Text.end(), '\r', '\n');
  if (const size_t Nul = Text.find('\0'); Nul != std::string::npos)
    Fail(FileName, 1 + static_cast<int>(std::count(Text.begin(), Text.begin() + Nul, '\n')),
         "this line cannot be read");

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
  switch (TryReadFile(FileName, Bytes, MaxICalFileSize)) {
    case TReadStatus::Read:
      return ImportICalendar(Doc, Bytes, FileName, From, To, Form);
    case TReadStatus::TooLarge:
      Fail(FileName, 0, "the file is too large");
    default:
      throw EQuillbayError(FormatMessage("Cannot open file %s", FileName));
  }
}

std::string WriteICalendarFeed(const TEventList& Doc, const TICalFeedOptions& Options) {
  TQuietErrors Quiet;
  TComponentPtr Calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_prodid("-//Quillbay//Quillbay " QUILLBAY_VERSION "//EN"));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
  // The name subscribers see for the calendar: the page title.
  const std::string Title = FirstVisibleLine(
      TextValue(Options.Form == TEventTextForm::Html ? HtmlToPlainText(Doc.Style().Title) : Doc.Style().Title));
  if (!Title.empty()) {
    icalproperty* Name = icalproperty_new_x(Title.c_str());
    icalproperty_set_x_name(Name, "X-WR-CALNAME");
    icalcomponent_add_property(Calendar.get(), Name);
  }

  char Hash[17];
  std::snprintf(Hash, sizeof Hash, "%016llx", static_cast<unsigned long long>(Fnv1a64(Options.DocumentKey)));
  const icaltimetype Stamp =
      icaltime_from_timet_with_zone(static_cast<time_t>(Options.Stamp), 0, icaltimezone_get_utc_timezone());
  const int64_t From = static_cast<int64_t>(DateOnly(Options.From)), To = static_cast<int64_t>(DateOnly(Options.To));
  for (int64_t Day = From; Day <= To; ++Day) {
    const TEvent* Event = Doc.Items().Find(static_cast<TDateTime>(Day));
    if (!Event) continue;
    const std::string Plain =
        TextValue(Options.Form == TEventTextForm::Html ? HtmlToPlainText(Event->Text) : Event->Text);
    const std::string Summary = FirstVisibleLine(Plain);
    if (Summary.empty()) continue;
    const icaltimetype Date = DateOfDay(Day);
    icaltimetype Next = Date;
    icaltime_adjust(&Next, 1, 0, 0, 0);
    char Uid[64];
    std::snprintf(Uid, sizeof Uid, "%04d%02d%02d-%s@quillbay", Date.year, Date.month, Date.day, Hash);

    icalcomponent* E = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(E, icalproperty_new_uid(Uid));
    icalcomponent_add_property(E, icalproperty_new_dtstamp(Stamp));
    icalcomponent_add_property(E, icalproperty_new_dtstart(Date));
    icalcomponent_add_property(E, icalproperty_new_dtend(Next));
    icalcomponent_add_property(E, icalproperty_new_summary(Summary.c_str()));
    icalcomponent_add_property(E, icalproperty_new_description(TrimControls(Plain).c_str()));
    icalcomponent_add_property(E, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    icalcomponent_add_component(Calendar.get(), E);
  }
  std::unique_ptr<char, decltype(&std::free)> Text(icalcomponent_as_ical_string_r(Calendar.get()), &std::free);
  return Text ? std::string(Text.get()) : std::string();
}

void SaveICalendarFeed(const TEventList& Doc, const std::string& FileName, const TICalFeedOptions& Options) {
  WriteStringToFile(FileName, WriteICalendarFeed(Doc, Options));
}
