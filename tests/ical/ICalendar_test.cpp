// iCalendar in and out, checked against what RFC 5545 says a file means:
// calendars as the common programs write them, read day by day in two time
// zones; merging into existing texts; broken files; bounded work; the feed
// read back through libical as a subscriber's program reads it.

#include "ical/ICalendar.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ModelTestSupport.h"

namespace {

const std::string FixtureFolder = QUILLBAY_TEST_SOURCE_DIR "/tests/ical/data/";

TDateTime Day(const std::string& Iso) {
  int Y = 0, M = 0, D = 0;
  std::sscanf(Iso.c_str(), "%d-%d-%d", &Y, &M, &D);
  return EncodeDate(Y, M, D);
}

using TDayTexts = std::map<std::string, std::string>;

TDayTexts DayTexts(const TEventList& Doc) {
  TDayTexts Texts;
  for (int I = 0; I < Doc.Count(); ++I) Texts[IsoDate(Doc.Events(I).Date())] = Doc.Events(I).Text;
  return Texts;
}

// A calendar file of the given content lines, each ended by CR LF.
std::string Calendar(std::initializer_list<std::string> Lines) {
  return CrLfLines({"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Test//Test//EN"}) + CrLfLines(Lines) +
         CrLfLines({"END:VCALENDAR"});
}

class ICalendarTest : public ::testing::Test {
 protected:
  ICalendarTest() {
    if (const char* Tz = std::getenv("TZ")) FSavedZone = Tz;
  }
  ~ICalendarTest() override {
    if (FSavedZone)
      ::setenv("TZ", FSavedZone->c_str(), 1);
    else
      ::unsetenv("TZ");
    ::tzset();
  }
  static void UseZone(const char* Zone) {
    ::setenv("TZ", Zone, 1);
    ::tzset();
  }

 private:
  std::optional<std::string> FSavedZone;
};

TEST_F(ICalendarTest, CalendarsOfCommonProgramsReadDayByDay) {
  struct TCase {
    const char* File;
    const char* Zone;
    const char* From;
    const char* To;
    TEventTextForm Form;
    TDayTexts Expected;
  };
  const std::string Concert =
      "17:00 Concert: Bach &amp; sons &lt;live&gt; with the Riverside Chamber Orchestra, St\xC3\xA4"
      "dtische Halle";
  const TCase Cases[] = {
      // Weekly rule ending in UTC after the change to summer time, an
      // exception date, a moved and a cancelled instance, UTC times, escaped
      // comma and semicolon, a summary folded inside a two-byte letter, and
      // four events of one day in their order.
      {"google.ics",
       "Europe/Berlin",
       "2026-03-01",
       "2026-03-31",
       TEventTextForm::Html,
       {{"2026-03-03", "19:30 Rehearsal"},
        {"2026-03-14", "Spring fair"},
        {"2026-03-20", "19:00 Board meeting; open to members"},
        {"2026-03-26", "18:00 Rehearsal, moved to Thursday"},
        {"2026-03-28", Concert},
        {"2026-03-31",
         "Newsletter deadline\r\n08:15 Breakfast club\r\n19:30 Bass sectional\r\n19:30 Rehearsal"}}},
      // A zone with a Windows name defined in the file, a "second Tuesday"
      // rule, an event across midnight, one that ends at midnight, a
      // three-day event and a summary with "&" and "<".
      {"outlook.ics",
       "Europe/Berlin",
       "2026-01-01",
       "2026-04-30",
       TEventTextForm::Html,
       {{"2026-01-13", "19:00 Committee"},
        {"2026-02-10", "19:00 Committee"},
        {"2026-02-21", "21:00 Carnival ball"},
        {"2026-02-22", "Carnival ball"},
        {"2026-03-05", "18:00 Q&amp;A &lt;members only&gt;"},
        {"2026-03-07", "20:00 Quiz night"},
        {"2026-03-10", "19:00 Committee"},
        {"2026-04-03", "Choir trip to Vienna"},
        {"2026-04-04", "Choir trip to Vienna"},
        {"2026-04-05", "Choir trip to Vienna"},
        {"2026-04-14", "19:00 Committee"}}},
      // The same in New York: summer time starts there on 8 March, in
      // Europe on 29 March; the ball now ends before midnight.
      {"outlook.ics",
       "America/New_York",
       "2026-01-01",
       "2026-04-30",
       TEventTextForm::Html,
       {{"2026-01-13", "13:00 Committee"},
        {"2026-02-10", "13:00 Committee"},
        {"2026-02-21", "15:00 Carnival ball"},
        {"2026-03-05", "12:00 Q&amp;A &lt;members only&gt;"},
        {"2026-03-07", "14:00 Quiz night"},
        {"2026-03-10", "14:00 Committee"},
        {"2026-04-03", "Choir trip to Vienna"},
        {"2026-04-04", "Choir trip to Vienna"},
        {"2026-04-05", "Choir trip to Vienna"},
        {"2026-04-14", "13:00 Committee"}}},
      // A document that shows its texts as written keeps "&" and "<".
      {"outlook.ics",
       "Europe/Berlin",
       "2026-03-05",
       "2026-03-05",
       TEventTextForm::Plain,
       {{"2026-03-05", "18:00 Q&A <members only>"}}},
      // A floating time stays as written in any zone; extra dates with a
      // duration; no summary, a task and a journal entry give nothing.
      {"thunderbird.ics",
       "America/New_York",
       "2026-05-01",
       "2026-05-31",
       TEventTextForm::Html,
       {{"2026-05-02", "09:00 Garden work"},
        {"2026-05-05", "12:00 Open rehearsal"},
        {"2026-05-12", "12:00 Open rehearsal"},
        {"2026-05-19", "12:00 Open rehearsal"}}},
  };
  for (const TCase& C : Cases) {
    UseZone(C.Zone);
    TEventList Doc;
    ImportICalendarFile(Doc, FixtureFolder + C.File, Day(C.From), Day(C.To), C.Form);
    EXPECT_EQ(DayTexts(Doc), C.Expected) << C.File << " in " << C.Zone;
  }
}

TEST_F(ICalendarTest, ZonesOfTheSystemDatabaseWinOverTheFilesDefinitions) {
  UseZone("UTC");
  // Both definitions claim five hours ahead of UTC; Europe/Berlin is one hour
  // ahead in winter, whatever a file says.
  auto Zone = [](const std::string& Tzid) {
    return CrLfLines({"BEGIN:VTIMEZONE", "TZID:" + Tzid, "BEGIN:STANDARD", "DTSTART:19700101T000000",
                      "TZOFFSETFROM:+0500", "TZOFFSETTO:+0500", "END:STANDARD", "END:VTIMEZONE"});
  };
  const std::string File = CrLfLines({"BEGIN:VCALENDAR", "VERSION:2.0"}) + Zone("Europe/Berlin") +
                           Zone("Club Time") +
                           CrLfLines({"BEGIN:VEVENT", "UID:a", "DTSTART;TZID=Europe/Berlin:20260105T120000",
                                      "SUMMARY:Berlin", "END:VEVENT", "BEGIN:VEVENT", "UID:b",
                                      "DTSTART;TZID=Club Time:20260105T120000", "SUMMARY:Club", "END:VEVENT",
                                      "BEGIN:VEVENT", "UID:c", "DTSTART;TZID=Nowhere:20260105T120000",
                                      "SUMMARY:Unknown zone", "END:VEVENT", "END:VCALENDAR"});
  TEventList Doc;
  ImportICalendar(Doc, File, "x.ics", Day("2026-01-05"), Day("2026-01-05"), TEventTextForm::Plain);
  EXPECT_EQ(Doc.FindEvent(false, Day("2026-01-05"))->Text, "07:00 Club\r\n11:00 Berlin\r\n12:00 Unknown zone");
}

TEST_F(ICalendarTest, MergingKeepsExistingTextAndAddsEachLineOnce) {
  UseZone("Europe/Berlin");
  TEventList Doc;
  Doc.FindEvent(true, Day("2026-03-03"))->Text = "Tea";
  Doc.FindEvent(true, Day("2026-03-14"))->Text = "Spring fair";
  Doc.FindEvent(true, Day("2026-03-31"))->Text = "Newsletter deadline\r\n";
  const std::string File = FixtureFolder + "google.ics";

  const TICalImportResult First = ImportICalendarFile(Doc, File, Day("2026-03-01"), Day("2026-03-31"),
                                                      TEventTextForm::Html);
  const TDayTexts Texts = DayTexts(Doc);
  EXPECT_EQ(Texts.at("2026-03-03"), "Tea\r\n19:30 Rehearsal");
  EXPECT_EQ(Texts.at("2026-03-14"), "Spring fair");
  EXPECT_EQ(Texts.at("2026-03-31"),
            "Newsletter deadline\r\n08:15 Breakfast club\r\n19:30 Bass sectional\r\n19:30 Rehearsal");
  EXPECT_EQ(First.Events, 7);
  EXPECT_EQ(First.Days, 5);
  EXPECT_EQ(First.FirstDay, Day("2026-03-03"));

  const uint32_t Before = Doc.Checksum();
  const TICalImportResult Again = ImportICalendarFile(Doc, File, Day("2026-03-01"), Day("2026-03-31"),
                                                      TEventTextForm::Html);
  EXPECT_EQ(Doc.Checksum(), Before);
  EXPECT_EQ(Again.Events, 0);
  EXPECT_EQ(Again.Days, 0);
}

TEST_F(ICalendarTest, BrokenFilesChangeNothingAndNameTheLine) {
  UseZone("Europe/Berlin");
  const std::string Good = CrLfLines({"BEGIN:VEVENT", "UID:good", "DTSTART;VALUE=DATE:20260310",
                                      "SUMMARY:Good event", "END:VEVENT"});
  auto WithGood = [&Good](std::initializer_list<std::string> Lines) {
    // The good event takes lines 4 to 8; the broken part starts on line 9.
    return CrLfLines({"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Test//Test//EN"}) + Good + CrLfLines(Lines) +
           CrLfLines({"END:VCALENDAR"});
  };
  struct TCase {
    std::string Content;
    std::string Message;
  };
  const TCase Cases[] = {
      {"", "club.ics: this is not an iCalendar file"},
      {"Subject: Dates\r\nHello\r\n", "club.ics, line 1: this is not an iCalendar file"},
      {CrLfLines({"BEGIN:VEVENT", "DTSTART;VALUE=DATE:20260310", "SUMMARY:x", "END:VEVENT"}),
       "club.ics, line 1: this is not an iCalendar file"},
      {"END:VCALENDAR\r\n", "club.ics, line 1: this line cannot be read"},
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Fete", "DTSTART:2026031"}),
       "club.ics, line 11: the value of DTSTART cannot be read"},
      {WithGood({"BEGIN:VEVENT", "DTSTART:20260310T100000", "RRULE:FREQ=WEEKLY;BYDAY=XX", "SUMMARY:x"}),
       "club.ics, line 11: the value of RRULE cannot be read"},
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Fete", "Cake", "DTSTART:20260310T100000"}),
       "club.ics, line 11: this line cannot be read"},
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Fete", "Bring a cake: lemon", "DTSTART:20260310T100000"}),
       "club.ics, line 11: this line cannot be read"},
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Fete", "DTSTART:20260231T100000", "END:VEVENT"}),
       "club.ics, line 9: a date of this event is not valid"},
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Fete", std::string("DTSTART:2026\0", 13) + "0310", "END:VEVENT"}),
       "club.ics, line 11: this line cannot be read"},
      {CrLfLines({"BEGIN:VCALENDAR", "VERSION:2.0"}) + Good, "club.ics, line 1: VCALENDAR is not ended"},
      // A numbered weekday belongs to monthly and yearly rules only.
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Fete", "DTSTART:20260310T100000", "RRULE:FREQ=WEEKLY;BYDAY=2TU",
                 "END:VEVENT"}),
       "club.ics, line 9: the repeat rule of this event cannot be used"},
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Tick", "DTSTART:20260310T100000", "RRULE:FREQ=MINUTELY;BYMONTH=3",
                 "END:VEVENT"}),
       "club.ics, line 9: the repeat rule of this event cannot be used"},
      // A rule of seconds begun a month before the range would give millions
      // of dates before reaching it.
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Tick", "DTSTART:20251201T000000Z", "RRULE:FREQ=SECONDLY", "END:VEVENT"}),
       "club.ics, line 9: this event repeats too often to be imported"},
  };
  for (const TCase& C : Cases) {
    TEventList Doc;
    Doc.FindEvent(true, Day("2026-03-10"))->Text = "Old text";
    const uint32_t Before = Doc.Checksum();
    try {
      ImportICalendar(Doc, C.Content, "club.ics", Day("2026-01-01"), Day("2026-12-31"), TEventTextForm::Html);
      ADD_FAILURE() << "no error for: " << C.Message;
    } catch (const EQuillbayError& E) {
      EXPECT_EQ(E.what(), C.Message);
    }
    EXPECT_EQ(Doc.Checksum(), Before) << C.Message;
    EXPECT_EQ(Doc.Count(), 1) << C.Message;
  }
}

TEST_F(ICalendarTest, RangeIsAtMostTenYearsAndEndlessRulesStayWithinIt) {
  UseZone("Europe/Berlin");
  const std::string File =
      Calendar({"BEGIN:VEVENT", "UID:prayer", "DTSTART;TZID=Europe/Berlin:19900101T070000", "DURATION:PT30M",
                "RRULE:FREQ=DAILY", "SUMMARY:Morning prayer", "END:VEVENT",  //
                "BEGIN:VEVENT", "UID:founders", "DTSTART;VALUE=DATE:19010615", "RRULE:FREQ=YEARLY",
                "SUMMARY:Founders' day", "END:VEVENT",
                // No month has a sixth Tuesday or a 30 February: only the start remains.
                "BEGIN:VEVENT", "UID:never", "DTSTART;VALUE=DATE:20260113", "RRULE:FREQ=MONTHLY;BYDAY=6TU",
                "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30", "SUMMARY:Never again", "END:VEVENT"});
  TEventList Doc;
  const TICalImportResult R =
      ImportICalendar(Doc, File, "x.ics", Day("2026-01-01"), Day("2035-12-31"), TEventTextForm::Plain);
  EXPECT_EQ(Doc.Count(), 3652);
  EXPECT_EQ(R.Events, 3652 + 10 + 1);
  EXPECT_EQ(Doc.FindEvent(false, Day("2026-01-13"))->Text, "Never again\r\n07:00 Morning prayer");
  EXPECT_EQ(R.FirstDay, Day("2026-01-01"));
  EXPECT_EQ(Doc.FindEvent(false, Day("2035-12-31"))->Text, "07:00 Morning prayer");
  EXPECT_EQ(Doc.FindEvent(false, Day("2030-06-15"))->Text, "Founders' day\r\n07:00 Morning prayer");

  const std::pair<const char*, const char*> Refused[] = {
      {"2026-01-01", "2036-01-01"},  // one day more than ten years
      {"2026-03-02", "2026-03-01"},
  };
  for (const auto& [From, To] : Refused) {
    TEventList Empty;
    EXPECT_THROW(ImportICalendar(Empty, File, "x.ics", Day(From), Day(To), TEventTextForm::Plain), EQuillbayError)
        << From << " to " << To;
    EXPECT_EQ(Empty.Count(), 0);
  }
}

// The days of a feed as a subscriber's program reads them.
struct TFeedEvent {
  std::string Uid, Start, End, Summary, Description;
};

std::map<std::string, TFeedEvent> ReadFeed(const std::string& Feed, std::string* ProductId = nullptr) {
  std::map<std::string, TFeedEvent> Days;
  icalcomponent* Root = icalparser_parse_string(Feed.c_str());
  if (!Root) return Days;
  if (ProductId) *ProductId = icalcomponent_get_first_property(Root, ICAL_PRODID_PROPERTY)
                                  ? icalproperty_get_prodid(icalcomponent_get_first_property(Root, ICAL_PRODID_PROPERTY))
                                  : "";
  for (icalcomponent* E = icalcomponent_get_first_component(Root, ICAL_VEVENT_COMPONENT); E;
       E = icalcomponent_get_next_component(Root, ICAL_VEVENT_COMPONENT)) {
    const icaltimetype Start = icalcomponent_get_dtstart(E), End = icalcomponent_get_dtend(E);
    TFeedEvent F{icalcomponent_get_uid(E), icaltime_as_ical_string(Start), icaltime_as_ical_string(End),
                 icalcomponent_get_summary(E), icalcomponent_get_description(E)};
    EXPECT_TRUE(Start.is_date && End.is_date) << F.Summary;
    Days[F.Start] = F;
  }
  icalcomponent_free(Root);
  return Days;
}

TEST_F(ICalendarTest, FeedHoldsOneAllDayEventPerDayWithText) {
  TEventList Doc;
  MakeFresh(Doc);
  Doc.FindEvent(true, Day("2026-03-05"))->Text = "Spring fair";
  Doc.FindEvent(true, Day("2026-03-17"))->Text = "Doctor's visit\r\n10 am";
  Doc.FindEvent(true, Day("2026-03-20"))->Text = "<b>Concert</b> &amp; dance<br>St. Mary&#39;s, 8&nbsp;pm";
  Doc.FindEvent(true, Day("2026-03-21"))->Text = "<img src=\"poster.png\">";  // nothing to read
  Doc.FindEvent(true, Day("2026-03-22"))->Text =
      "Gro\xC3\x9F" "e Chorprobe mit S\xC3\xA4ngerinnen und S\xC3\xA4ngern aus M\xC3\xBCnchen, "
      "Z\xC3\xBCrich und Wien: \xE2\x82\xAC 5 Eintritt, Kinder frei";
  Doc.FindEvent(true, Day("2026-04-01"))->Text = "Outside the range";
  TICalFeedOptions Options;
  Options.From = Day("2026-03-01");
  Options.To = Day("2026-03-31");
  Options.DocumentKey = ICalDocumentKey("/home/ann/club/choir.qby");
  Options.Stamp = 1767225600;  // 2026-01-01 00:00:00 UTC

  const std::string Feed = WriteICalendarFeed(Doc, Options);
  // Every line ends with CR LF and holds at most 75 octets; a folded line
  // goes on after one space.
  size_t Start = 0;
  while (Start < Feed.size()) {
    const size_t End = Feed.find("\r\n", Start);
    ASSERT_NE(End, std::string::npos) << "last line not ended";
    EXPECT_LE(End - Start, 75u) << Feed.substr(Start, End - Start);
    EXPECT_EQ(Feed.find('\n', Start), End + 1);
    Start = End + 2;
  }
  EXPECT_EQ(Feed.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 0), 0u);
  EXPECT_NE(Feed.find("DTSTAMP:20260101T000000Z\r\n"), std::string::npos);

  std::string ProductId;
  const auto Days = ReadFeed(Feed, &ProductId);
  EXPECT_EQ(ProductId.rfind("-//Quillbay//Quillbay ", 0), 0u) << ProductId;
  ASSERT_EQ(Days.size(), 4u);
  EXPECT_EQ(Days.at("20260305").End, "20260306");
  EXPECT_EQ(Days.at("20260305").Summary, "Spring fair");
  EXPECT_EQ(Days.at("20260317").Summary, "Doctor's visit");
  EXPECT_EQ(Days.at("20260317").Description, "Doctor's visit\n10 am");
  EXPECT_EQ(Days.at("20260320").Summary, "Concert & dance");
  EXPECT_EQ(Days.at("20260320").Description, "Concert & dance\nSt. Mary's, 8\xC2\xA0pm");
  EXPECT_EQ(Days.at("20260322").Summary, Doc.FindEvent(false, Day("2026-03-22"))->Text);

  // The same document and day keep their UID in a later feed; another
  // document's differ.
  Options.Stamp += 86400;
  Doc.FindEvent(false, Day("2026-03-05"))->Text = "Spring fair, moved indoors";
  const auto Later = ReadFeed(WriteICalendarFeed(Doc, Options));
  for (const auto& [Date, Event] : Days) EXPECT_EQ(Later.at(Date).Uid, Event.Uid) << Date;
  Options.DocumentKey = ICalDocumentKey("/home/ann/club/youth.qby");
  EXPECT_NE(ReadFeed(WriteICalendarFeed(Doc, Options)).at("20260305").Uid, Days.at("20260305").Uid);
  EXPECT_EQ(ICalDocumentKey("/srv/www/choir.qby"), ICalDocumentKey("/home/ann/club/choir.qby"));
}

TEST_F(ICalendarTest, FeedImportedIntoAnEmptyDocumentGivesEachDayItsFirstLine) {
  UseZone("Pacific/Auckland");
  TEventList Doc;
  MakeFresh(Doc);
  const std::map<std::string, std::string> Texts = {
      {"2026-03-05", "Spring fair"},
      {"2026-03-17", "Doctor's visit\r\n10 am"},
      {"2026-06-30", "Fish &amp; chips &lt;3\r\nin the hall"},
      {"2026-12-31", "New Year's Eve: M\xC3\xBCller & S\xC3\xB6hne"},
  };
  for (const auto& [Date, Text] : Texts) Doc.FindEvent(true, Day(Date))->Text = Text;
  TICalFeedOptions Options;
  Options.From = Day("2026-01-01");
  Options.To = Day("2026-12-31");
  Options.DocumentKey = "choir.qby";
  const std::string Feed = WriteICalendarFeed(Doc, Options);

  TEventList Back;
  ImportICalendar(Back, Feed, "choir.ics", Options.From, Options.To, TEventTextForm::Html);
  const TDayTexts Expected = {
      {"2026-03-05", "Spring fair"},
      {"2026-03-17", "Doctor's visit"},
      {"2026-06-30", "Fish &amp; chips &lt;3"},
      {"2026-12-31", "New Year's Eve: M\xC3\xBCller &amp; S\xC3\xB6hne"},
  };
  EXPECT_EQ(DayTexts(Back), Expected);
}

TEST_F(ICalendarTest, HtmlTextsBecomePlainText) {
  const std::pair<std::string, std::string> Cases[] = {
      {"a<br>b<BR/>c<br class=\"x\">d", "a\r\nb\r\nc\r\nd"},
      {"<p style=\"x>y\">Text</p>", "Text"},
      {"<!-- note -->seen<!-- open", "seen<!-- open"},
      {"a < b & c > d", "a < b & c > d"},
      {"&lt;&gt;&amp;&quot;&apos;&eacute;&euro;&#233;&#xE9;&#0;", "<>&\"'\xC3\xA9\xE2\x82\xAC\xC3\xA9\xC3\xA9\xEF\xBF\xBD"},
      {"&unknown; &amp &#x110000;", "&unknown; &amp \xEF\xBF\xBD"},
      {"<brown>fox</brown>", "fox"},
  };
  for (const auto& [Html, Plain] : Cases) EXPECT_EQ(HtmlToPlainText(Html), Plain) << Html;
}

}  // namespace
