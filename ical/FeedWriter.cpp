#include "ical/FeedWriter.h"

#include <cstdio>

#include "Version.h"
#include "model/CalDate.h"
#include "platform/TextUtil.h"

namespace {
constexpr size_t MaxLineOctets = 75;

std::string DateValue(int Year, int Month, int Day) {
  char Text[16];
  std::snprintf(Text, sizeof Text, "%04d%02d%02d", Year, Month, Day);
  return Text;
}
}  // namespace

std::string EscapeICalText(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size() + 8);
  for (size_t I = 0; I < Text.size(); ++I) {
    const char C = Text[I];
    if (C == '\\' || C == ';' || C == ',') {
      Out += '\\';
      Out += C;
    } else if (C == '\r' || C == '\n') {
      if (C == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ++I;
      Out += "\\n";
    } else {
      Out += C;
    }
  }
  return Out;
}

void AppendICalLine(std::string& Out, std::string_view Line) {
  size_t Room = MaxLineOctets;
  while (Line.size() > Room) {
    size_t Cut = Room;
    // Never inside a character: back up over continuation bytes.
    while (Cut > 1 && (static_cast<unsigned char>(Line[Cut]) & 0xC0) == 0x80) --Cut;
    Out.append(Line.substr(0, Cut));
    Out += "\r\n ";
    Line.remove_prefix(Cut);
    Room = MaxLineOctets - 1;
  }
  Out.append(Line);
  Out += "\r\n";
}

std::string FeedUid(int Year, int Month, int Day, const std::string& Key) {
  uint64_t H = 0xCBF29CE484222325ull;
  for (unsigned char C : Key) {
    H ^= C;
    H *= 0x100000001B3ull;
  }
  char Uid[64];
  std::snprintf(Uid, sizeof Uid, "%s-%016llx@quillbay", DateValue(Year, Month, Day).c_str(),
                static_cast<unsigned long long>(H));
  return Uid;
}

std::string ICalUtcTime(int64_t Seconds) {
  const int64_t Days = Seconds >= 0 ? Seconds / 86400 : -((-Seconds + 86399) / 86400);
  const int64_t Rest = Seconds - Days * 86400;
  int Year, Month, Day;
  DecodeDate(static_cast<TDateTime>(UnixEpochDay + Days), Year, Month, Day);
  char Text[24];
  std::snprintf(Text, sizeof Text, "%sT%02d%02d%02dZ", DateValue(Year, Month, Day).c_str(),
                static_cast<int>(Rest / 3600), static_cast<int>(Rest / 60 % 60), static_cast<int>(Rest % 60));
  return Text;
}

std::string WriteFeed(const TFeed& Feed) {
  std::string Out;
  Out.reserve(512 + Feed.Events.size() * 400);
  const auto Line = [&Out](std::string_view Text) { AppendICalLine(Out, Text); };
  Line("BEGIN:VCALENDAR");
  Line("VERSION:2.0");
  Line("PRODID:-//Quillbay//Quillbay " QUILLBAY_VERSION "//EN");
  Line("CALSCALE:GREGORIAN");
  Line("METHOD:PUBLISH");
  if (!Feed.Name.empty()) Line("X-WR-CALNAME:" + EscapeICalText(Feed.Name));
  Line("REFRESH-INTERVAL;VALUE=DURATION:PT12H");
  Line("X-PUBLISHED-TTL:PT12H");
  for (const TFeedEvent& E : Feed.Events) {
    const int64_t Next = static_cast<int64_t>(EncodeDate(E.Year, E.Month, E.Day)) + 1;
    int NextYear, NextMonth, NextDay;
    DecodeDate(static_cast<TDateTime>(Next), NextYear, NextMonth, NextDay);
    const std::string Modified = ICalUtcTime(E.LastModified);
    Line("BEGIN:VEVENT");
    Line("UID:" + E.Uid);
    Line("DTSTAMP:" + Modified);
    Line("LAST-MODIFIED:" + Modified);
    Line("SEQUENCE:" + std::to_string(E.Sequence));
    Line("DTSTART;VALUE=DATE:" + DateValue(E.Year, E.Month, E.Day));
    Line("DTEND;VALUE=DATE:" + DateValue(NextYear, NextMonth, NextDay));
    Line("SUMMARY:" + EscapeICalText(E.Summary));
    if (!E.Description.empty()) Line("DESCRIPTION:" + EscapeICalText(E.Description));
    Line("TRANSP:TRANSPARENT");
    Line("END:VEVENT");
  }
  Line("END:VCALENDAR");
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

std::string FeedTextValue(const std::string& Plain) {
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
