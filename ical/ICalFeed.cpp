#include "ical/ICalendar.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Version.h"
#include "ical/ICalParse.h"
#include "ical/ICalZones.h"
#include "model/EventList.h"
#include "platform/FileIO.h"
#include "platform/TextUtil.h"
#include "text/Html.h"

using namespace ICal;

namespace {

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
}  // namespace

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

std::string WriteICalendarFeed(const TEventList& Doc, const TICalFeedOptions& Options) {
  TQuietErrors Quiet;
  TComponentPtr Calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(Calendar.get(),
                             icalproperty_new_prodid("-//Quillbay//Quillbay " QUILLBAY_VERSION "//EN"));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
  // The name subscribers see for the calendar: the page title.
  const std::string Title = FirstVisibleLine(TextValue(
      Options.Form == TEventTextForm::Html ? HtmlToPlainText(Doc.Style().Title) : Doc.Style().Title));
  if (!Title.empty()) {
    icalproperty* Name = icalproperty_new_x(Title.c_str());
    icalproperty_set_x_name(Name, "X-WR-CALNAME");
    icalcomponent_add_property(Calendar.get(), Name);
  }

  char Hash[17];
  std::snprintf(Hash, sizeof Hash, "%016llx", static_cast<unsigned long long>(Fnv1a64(Options.DocumentKey)));
  const icaltimetype Stamp =
      icaltime_from_timet_with_zone(static_cast<time_t>(Options.Stamp), 0, icaltimezone_get_utc_timezone());
  const int64_t From = static_cast<int64_t>(DateOnly(Options.From)),
                To = static_cast<int64_t>(DateOnly(Options.To));
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
  std::unique_ptr<char, decltype(&std::free)> Text(icalcomponent_as_ical_string_r(Calendar.get()),
                                                   &std::free);
  return Text ? std::string(Text.get()) : std::string();
}

void SaveICalendarFeed(const TEventList& Doc, const std::string& FileName, const TICalFeedOptions& Options) {
  WriteStringToFile(FileName, WriteICalendarFeed(Doc, Options));
}
