#include "ical/ICalParse.h"

#include <algorithm>
#include <cstring>

#include "ical/ICalRecurrence.h"
#include "platform/Errors.h"
#include "platform/TextUtil.h"
#include "text/Ascii.h"
#include "text/Utf8.h"

namespace ICal {
namespace {

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
    // An empty line means nothing, not even the end of a folded line: the
    // line after it may still continue the one before it.
    const bool LineStart = S.FPos == 0 || S.FText[S.FPos - 1] == '\n';
    while (LineStart && S.FPos < S.FText.size() &&
           (S.FText[S.FPos] == '\n' || S.FText.compare(S.FPos, 2, "\r\n") == 0))
      S.FPos += S.FText[S.FPos] == '\n' ? 1 : 2;
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
  return AsciiUpper(std::string_view(Line, N));
}

// The value of a BEGIN or END line in capitals.
std::string LineValue(const char* Line) {
  const char* Colon = std::strchr(Line, ':');
  return AsciiUpper(TrimControls(Colon ? Colon + 1 : ""));
}

// A property name: letters, digits and "-".
bool IsName(const std::string& Name) {
  if (Name.empty()) return false;
  for (unsigned char C : Name)
    if (!IsAsciiAlnum(static_cast<char>(C)) && C != '-') return false;
  return true;
}

bool IsBlankLine(const char* Line) {
  for (; *Line; ++Line)
    if (*Line != ' ' && *Line != '\t' && *Line != '\n' && *Line != '\r') return false;
  return true;
}

// Whether the import reads a property of that name in that component. A
// flaw in any other property (an attendee's parameter, an empty location)
// cannot change what is imported and is passed over; one in a property that
// is read makes its event unreadable, or the file when it is in a time zone.
bool IsReadProperty(const std::string& Component, const std::string& Name) {
  static const char* const EventProperties[] = {"DTSTART", "DTEND",  "DURATION", "RRULE",         "RDATE",
                                                "EXDATE",  "STATUS", "SUMMARY",  "RECURRENCE-ID", "UID"};
  static const char* const ZoneRuleProperties[] = {"DTSTART", "TZOFFSETFROM", "TZOFFSETTO", "RRULE", "RDATE"};
  auto In = [&Name](const auto& List) {
    return std::any_of(std::begin(List), std::end(List), [&Name](const char* P) { return Name == P; });
  };
  if (Component == "VEVENT") return In(EventProperties);
  if (Component == "VTIMEZONE") return Name == "TZID";
  if (Component == "STANDARD" || Component == "DAYLIGHT") return In(ZoneRuleProperties);
  return false;
}

// The place of the value of a content line: just after the colon that ends
// its name and parameters (a colon inside a quoted parameter value does not
// count); npos when there is none.
size_t ValueStart(std::string_view Line) {
  bool Quoted = false;
  for (size_t I = 0; I < Line.size(); ++I) {
    if (Line[I] == '"') Quoted = !Quoted;
    if (Line[I] == ':' && !Quoted) return I + 1;
  }
  return std::string_view::npos;
}

// Gives every component in Root's tree (Root first, then each child's tree in
// file order, which is the order of their BEGIN lines) the next line of Lines.
void AssignBeginLines(icalcomponent* Root, const std::vector<int>& Lines, size_t& Next, TParsedFile& File) {
  if (Next < Lines.size()) File.BeginLines[Root] = Lines[Next];
  ++Next;
  for (icalcomponent* C = icalcomponent_get_first_component(Root, ICAL_ANY_COMPONENT); C;
       C = icalcomponent_get_next_component(Root, ICAL_ANY_COMPONENT))
    AssignBeginLines(C, Lines, Next, File);
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

}  // namespace

void Fail(const std::string& FileName, int Line, TMessageId What, std::vector<std::string> Args) {
  throw EQuillbayError(TMessage{What, std::move(Args)}.At(FileName, Line));
}

std::string ICalendarText(const std::string& Bytes, const std::string& FileName) {
  if (Bytes.size() > MaxFileSize) Fail(FileName, 0, TMessageId::ICalFileTooLarge);
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
         TMessageId::ICalLineUnreadable);
  return Text;
}

TParsedFile ParseICalendar(const std::string& Text, const std::string& FileName) {
  constexpr TMessageId NotICalendar = TMessageId::ICalNotICalendar;
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
  std::string Previous;  // the name of the content line before, in its component
  TParsedFile File;
  // Marks the event being read as unreadable, or refuses the file when the
  // flaw is in a time zone.
  auto Unreadable = [&](int LineNo, TMessageId Why, std::vector<std::string> Args = {}) {
    if (Open.back().Name != "VEVENT") Fail(FileName, LineNo, Why, Args);
    File.Broken.try_emplace(Open.back().Line, TBrokenEvent{LineNo, Why, std::move(Args)});
  };
  for (;;) {
    const int LineNo = Source.NextContentLine();
    std::unique_ptr<char, TBufferFree> Line(icalparser_get_line(Parser.get(), &TLineSource::Generate));
    if (!Line) break;
    if (IsBlankLine(Line.get())) continue;
    const std::string Name = LineName(Line.get());
    // libical would only complain on the terminal about an END without its
    // BEGIN; it is a broken file.
    if (Name == "END" && Open.empty()) Fail(FileName, LineNo, TMessageId::ICalLineUnreadable);
    char* Added = Line.get();
    std::string Repaired;
    if (Name == "RRULE" && !Open.empty() && Open.back().Name == "VEVENT") {
      // A repeat rule keeps what can be read of it; one that says nothing
      // is no rule.
      const std::string_view Whole(Line.get());
      const size_t Value = ValueStart(Whole);
      const TRuleRepair Rule = RepairRule(Value == std::string_view::npos ? "" : Whole.substr(Value));
      if (Rule.Kind == TRuleRepair::NoRule) {
        Previous = Name;
        continue;
      }
      if (Rule.Kind == TRuleRepair::Unreadable) {
        Unreadable(LineNo, TMessageId::ICalRepeatRuleUnreadable);
        Previous = Name;
        continue;
      }
      Repaired = std::string(Whole.substr(0, Value)) + Rule.Value;
      Added = Repaired.data();
    }
    TComponentPtr Done(icalparser_add_line(Parser.get(), Added));
    const icalparser_state State = icalparser_get_state(Parser.get());
    if (Name == "BEGIN" && State == ICALPARSER_BEGIN_COMP) {
      if (Open.empty() && LineValue(Line.get()) != "VCALENDAR") Fail(FileName, LineNo, NotICalendar);
      Open.push_back({LineValue(Line.get()), LineNo});
      BeginLines.push_back(LineNo);
    } else if (Name == "END") {
      // A component cut off before the next one ends is a file cut off.
      if (Open.back().Name != LineValue(Line.get()))
        Fail(FileName, Open.back().Line, TMessageId::ICalNotEnded, {Open.back().Name});
      Open.pop_back();
    }
    if (Done) TopLevel.push_back(std::move(Done));
    // A content line is a name, perhaps parameters, a colon and a value.
    const bool Content = IsName(Name) && std::strchr(Line.get(), ':');
    if (State != ICALPARSER_ERROR) {
      Previous = Name;
      continue;
    }
    if (Open.empty()) Fail(FileName, LineNo, NotICalendar);
    if (Content) {
      if (IsReadProperty(Open.back().Name, Name))
      {
        if (Name == "RRULE" && Open.back().Name == "VEVENT")
          Unreadable(LineNo, TMessageId::ICalRepeatRuleUnreadable);
        else
          Unreadable(LineNo, TMessageId::ICalValueUnreadable, {Name});
      }
      Previous = Name;
      continue;
    }
    // A line that is no content line is mostly the continuation of the line
    // before it that lost its leading blank: it spoils that property.
    if (IsReadProperty(Open.back().Name, Previous)) Unreadable(LineNo, TMessageId::ICalLineUnreadable);
  }
  if (!Open.empty()) Fail(FileName, Open.back().Line, TMessageId::ICalNotEnded, {Open.back().Name});
  if (TopLevel.empty()) Fail(FileName, 0, NotICalendar);

  size_t Next = 0;
  for (auto& C : TopLevel) {
    AssignBeginLines(C.get(), BeginLines, Next, File);
    File.Calendars.push_back(std::move(C));
  }
  return File;
}

}  // namespace ICal
