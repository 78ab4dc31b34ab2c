#include "ical/ICalendar.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Version.h"
#include "ical/FeedWriter.h"
#include "ical/ICalParse.h"
#include "ical/ICalZones.h"
#include "model/EventList.h"
#include "platform/FileIO.h"
#include "platform/TextUtil.h"
#include "text/Html.h"

using namespace ICal;

std::string WriteICalendarFeed(const TEventList& Doc, const TICalFeedOptions& Options) {
  TQuietErrors Quiet;
  TComponentPtr Calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(Calendar.get(),
                             icalproperty_new_prodid("-//Quillbay//Quillbay " QUILLBAY_VERSION "//EN"));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  icalcomponent_add_property(Calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
  // The name subscribers see for the calendar: the page title.
  const std::string Title = FirstVisibleLine(FeedTextValue(
      Options.Form == TEventTextForm::Html ? HtmlToPlainText(Doc.Style().Title) : Doc.Style().Title));
  if (!Title.empty()) {
    icalproperty* Name = icalproperty_new_x(Title.c_str());
    icalproperty_set_x_name(Name, "X-WR-CALNAME");
    icalcomponent_add_property(Calendar.get(), Name);
  }

  const icaltimetype Stamp =
      icaltime_from_timet_with_zone(static_cast<time_t>(Options.Stamp), 0, icaltimezone_get_utc_timezone());
  const int64_t From = static_cast<int64_t>(DateOnly(Options.From)),
                To = static_cast<int64_t>(DateOnly(Options.To));
  for (int64_t Day = From; Day <= To; ++Day) {
    const TEvent* Event = Doc.Items().Find(static_cast<TDateTime>(Day));
    if (!Event) continue;
    const std::string Plain =
        FeedTextValue(Options.Form == TEventTextForm::Html ? HtmlToPlainText(Event->Text) : Event->Text);
    const std::string Summary = FirstVisibleLine(Plain);
    if (Summary.empty()) continue;
    const icaltimetype Date = DateOfDay(Day);
    icaltimetype Next = Date;
    icaltime_adjust(&Next, 1, 0, 0, 0);
    const std::string Uid = FeedUid(Date.year, Date.month, Date.day, Options.DocumentKey);

    icalcomponent* E = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(E, icalproperty_new_uid(Uid.c_str()));
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
