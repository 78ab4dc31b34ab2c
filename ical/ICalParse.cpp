#include "ical/ICalParse.h"

#include <algorithm>
#include <cstring>

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

// Whether the import reads a property of that name in that component: a
// value libical cannot read there makes the file unreadable, while a flaw in
// any other property (an attendee's parameter, an empty location) cannot
// change what is imported and is passed over.
bool IsReadProperty(const std::string& Component, const std::string& Name) {
  static const char* const EventProperties[] = {"DTSTART", "DTEND",  "DURATION", "RRULE",
                                                "RDATE",   "EXDATE", "STATUS",   "RECURRENCE-ID"};
  static const char* const ZoneRuleProperties[] = {"DTSTART", "TZOFFSETFROM", "TZOFFSETTO", "RRULE", "RDATE"};
  auto In = [&Name](const auto& List) {
    return std::any_of(std::begin(List), std::end(List), [&Name](const char* P) { return Name == P; });
  };
  if (Component == "VEVENT") return In(EventProperties);
  if (Component == "VTIMEZONE") return Name == "TZID";
  if (Component == "STANDARD" || Component == "DAYLIGHT") return In(ZoneRuleProperties);
  return false;
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

void Fail(const std::string& FileName, int Line, const std::string& What) {
  if (Line > 0) throw EQuillbayError(FileName + ", line " + std::to_string(Line) + ": " + What);
  throw EQuillbayError(FileName + ": " + What);
}

std::string ICalendarText(const std::string& Bytes, const std::string& FileName) {
  if (Bytes.size() > MaxFileSize) Fail(FileName, 0, "the file is too large");
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
  return Text;
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
    if (IsReadProperty(Open.back().Name, Name))
      Fail(FileName, LineNo, "the value of " + Name + " cannot be read");
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

}  // namespace ICal
