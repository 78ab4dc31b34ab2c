// The site's feed writer read back through libical, as a subscriber's
// program reads it: RFC 5545 escaping of TEXT (3.3.11), folding at 75 octets
// (3.1) without cutting a character, the refresh hints, and the same UIDs as
// the desktop program's feed of the same document.

#include "ical/FeedWriter.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <memory>

#include "ical/ICalendar.h"
#include "model/CalDate.h"
#include "model/EventList.h"

namespace {

using TComponent = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

TComponent Parse(const std::string& Text) {
  return {icalparser_parse_string(Text.c_str()), &icalcomponent_free};
}

std::string Property(icalcomponent* C, const char* Name) {
  for (icalproperty* P = icalcomponent_get_first_property(C, ICAL_ANY_PROPERTY); P;
       P = icalcomponent_get_next_property(C, ICAL_ANY_PROPERTY)) {
    const char* N = icalproperty_get_property_name(P);
    if (N && std::string(N) == Name) return icalproperty_get_value_as_string(P);
  }
  return "<none>";
}

TEST(FeedWriterTest, LibicalReadsBackEveryValueAsWritten) {
  const std::string Long =
      "Chorprobe f\xC3\xBCr alle Stimmen \xE2\x80\x94 bitte Noten mitbringen; Einsingen ab 18:45, "
      "Kaffee & Kuchen \\ danach \xF0\x9F\x8E\xB5\xF0\x9F\x8E\xB5\xF0\x9F\x8E\xB5";
  TFeed Feed;
  Feed.Name = "Choir, \"Spring\"; 2026";
  Feed.Events.push_back({2026, 3, 14, "20260314-x@quillbay", "Spring fair, hall; 10:00",
                         "Spring fair\nBring a cake", 2, 1773446400});
  Feed.Events.push_back({2026, 12, 31, "20261231-x@quillbay", Long, Long + "\r\n" + Long, 0, 1770000000});
  const std::string Text = WriteFeed(Feed);

  // Every physical line: at most 75 octets, ended by CR LF, and whole UTF-8
  // characters on both sides of each fold.
  for (size_t I = 0; I < Text.size();) {
    const size_t End = Text.find("\r\n", I);
    ASSERT_NE(End, std::string::npos);
    EXPECT_LE(End - I, 75u) << Text.substr(I, End - I);
    EXPECT_EQ(Text.substr(I, End - I).find('\n'), std::string::npos);
    if (End + 2 < Text.size() && Text[End + 2] == ' ') {
      EXPECT_NE(static_cast<unsigned char>(Text[End + 3]) & 0xC0, 0x80) << "fold inside a character";
    }
    I = End + 2;
  }

  TComponent Calendar = Parse(Text);
  ASSERT_TRUE(Calendar);
  EXPECT_EQ(Property(Calendar.get(), "X-WR-CALNAME"), Feed.Name);
  EXPECT_NE(Text.find("\r\nREFRESH-INTERVAL;VALUE=DURATION:PT12H\r\n"), std::string::npos);
  EXPECT_NE(Text.find("\r\nX-PUBLISHED-TTL:PT12H\r\n"), std::string::npos);
  EXPECT_NE(Text.find("\r\nMETHOD:PUBLISH\r\n"), std::string::npos);

  icalcomponent* E = icalcomponent_get_first_component(Calendar.get(), ICAL_VEVENT_COMPONENT);
  ASSERT_TRUE(E);
  EXPECT_STREQ(icalcomponent_get_uid(E), "20260314-x@quillbay");
  EXPECT_STREQ(icalcomponent_get_summary(E), "Spring fair, hall; 10:00");
  EXPECT_STREQ(icalcomponent_get_description(E), "Spring fair\nBring a cake");
  EXPECT_EQ(icalcomponent_get_sequence(E), 2);
  const icaltimetype Start = icalcomponent_get_dtstart(E), End = icalcomponent_get_dtend(E);
  EXPECT_TRUE(Start.is_date);
  EXPECT_EQ(std::string(icaltime_as_ical_string(Start)) + " " + icaltime_as_ical_string(End),
            "20260314 20260315");
  EXPECT_EQ(icaltime_as_timet(icalcomponent_get_dtstamp(E)), 1773446400);
  EXPECT_EQ(Property(E, "LAST-MODIFIED"), "20260314T000000Z");

  E = icalcomponent_get_next_component(Calendar.get(), ICAL_VEVENT_COMPONENT);
  ASSERT_TRUE(E);
  EXPECT_EQ(std::string(icalcomponent_get_summary(E)), Long);
  EXPECT_EQ(std::string(icalcomponent_get_description(E)), Long + "\n" + Long);
  EXPECT_EQ(std::string(icaltime_as_ical_string(icalcomponent_get_dtend(E))), "20270101");
  EXPECT_EQ(icalcomponent_get_sequence(E), 0);
}

TEST(FeedWriterTest, UidsAreTheDesktopFeeds) {
  TEventList Doc;
  Doc.FindEvent(true, EncodeDate(2026, 3, 14))->Text = "Spring fair";
  TICalFeedOptions Options;
  Options.From = EncodeDate(2026, 1, 1);
  Options.To = EncodeDate(2026, 12, 31);
  Options.DocumentKey =
      "Chor S\xC3\xBC"
      "d.qby";
  TComponent Calendar = Parse(WriteICalendarFeed(Doc, Options));
  icalcomponent* E = icalcomponent_get_first_component(Calendar.get(), ICAL_VEVENT_COMPONENT);
  ASSERT_TRUE(E);
  EXPECT_EQ(FeedUid(2026, 3, 14, Options.DocumentKey), icalcomponent_get_uid(E));
}

}  // namespace
