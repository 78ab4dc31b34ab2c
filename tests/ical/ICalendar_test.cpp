// iCalendar in and out, checked against what RFC 5545 says a file means:
// calendars as the common programs write them, read day by day in two time
// zones; merging into existing texts; broken files; bounded work; the feed
// read back through libical as a subscriber's program reads it.

#include "ical/ICalendar.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "text/Lines.h"

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
  EXPECT_EQ(Doc.FindEvent(false, Day("2026-01-05"))->Text,
            "07:00 Club\r\n11:00 Berlin\r\n12:00 Unknown zone");
}

TEST_F(ICalendarTest, MergingKeepsExistingTextAndAddsEachLineOnce) {
  UseZone("Europe/Berlin");
  TEventList Doc;
  Doc.FindEvent(true, Day("2026-03-03"))->Text = "Tea";
  Doc.FindEvent(true, Day("2026-03-14"))->Text = "Spring fair";
  Doc.FindEvent(true, Day("2026-03-31"))->Text = "Newsletter deadline\r\n";
  const std::string File = FixtureFolder + "google.ics";

  const TICalImportResult First =
      ImportICalendarFile(Doc, File, Day("2026-03-01"), Day("2026-03-31"), TEventTextForm::Html);
  const TDayTexts Texts = DayTexts(Doc);
  EXPECT_EQ(Texts.at("2026-03-03"), "Tea\r\n19:30 Rehearsal");
  EXPECT_EQ(Texts.at("2026-03-14"), "Spring fair");
  EXPECT_EQ(Texts.at("2026-03-31"),
            "Newsletter deadline\r\n08:15 Breakfast club\r\n19:30 Bass sectional\r\n19:30 Rehearsal");
  EXPECT_EQ(First.Events, 7);
  EXPECT_EQ(First.Days, 5);
  EXPECT_EQ(First.FirstDay, Day("2026-03-03"));

  const uint32_t Before = Doc.Checksum();
  const TICalImportResult Again =
      ImportICalendarFile(Doc, File, Day("2026-03-01"), Day("2026-03-31"), TEventTextForm::Html);
  EXPECT_EQ(Doc.Checksum(), Before);
  EXPECT_EQ(Again.Events, 0);
  EXPECT_EQ(Again.Days, 0);
}

TEST_F(ICalendarTest, BrokenFilesChangeNothingAndNameTheLine) {
  UseZone("Europe/Berlin");
  const std::string Good = CrLfLines(
      {"BEGIN:VEVENT", "UID:good", "DTSTART;VALUE=DATE:20260310", "SUMMARY:Good event", "END:VEVENT"});
  auto WithGood = [&Good](std::initializer_list<std::string> Lines) {
    // The good event takes lines 4 to 8; the broken part starts on line 9.
    return CrLfLines({"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Test//Test//EN"}) + Good +
           CrLfLines(Lines) + CrLfLines({"END:VCALENDAR"});
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
      // An event cut off by the end of the calendar: the file is cut off.
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Fete", "DTSTART:2026031"}),
       "club.ics, line 9: VEVENT is not ended"},
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Fete", std::string("DTSTART:2026\0", 13) + "0310", "END:VEVENT"}),
       "club.ics, line 11: this line cannot be read"},
      {CrLfLines({"BEGIN:VCALENDAR", "VERSION:2.0"}) + Good, "club.ics, line 1: VCALENDAR is not ended"},
      // A rule of seconds begun a month before the range would give millions
      // of dates before reaching it.
      {WithGood(
           {"BEGIN:VEVENT", "SUMMARY:Tick", "DTSTART:20251201T000000Z", "RRULE:FREQ=SECONDLY", "END:VEVENT"}),
       "club.ics, line 9: this event repeats too often to be imported"},
      // Hourly since 1601, each time lasting until the range: millions of
      // dates overlap it.
      {WithGood({"BEGIN:VEVENT", "SUMMARY:Age", "DTSTART:16010325T020000", "DTEND:20260315T000000",
                 "RRULE:FREQ=HOURLY;BYMONTH=3", "END:VEVENT"}),
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

// A calendar of a good event (lines 4 to 8: 10 March 2026) and the given
// lines from line 9 on.
std::string WithGoodEvent(const std::vector<std::string>& Lines) {
  std::string File =
      CrLfLines({"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Test//Test//EN", "BEGIN:VEVENT", "UID:good",
                 "DTSTART;VALUE=DATE:20260310", "SUMMARY:Good event", "END:VEVENT"});
  for (const std::string& L : Lines) File += L + "\r\n";
  return File + "END:VCALENDAR\r\n";
}

// What RFC 5545 makes of the rest of a file when one event or one rule part
// is flawed: the file is imported, a flawed part of a rule is read as a
// careful calendar program reads it, and an event whose start, end, text or
// rule cannot be read is left out and named.
TEST_F(ICalendarTest, FlawsInOneEventLeaveTheRestOfTheFile) {
  UseZone("Europe/Berlin");
  const std::pair<std::string, std::string> Good{"2026-03-10", "Good event"};
  auto Event = [](std::string Start, std::vector<std::string> Middle) {
    std::vector<std::string> Lines{"BEGIN:VEVENT", "UID:x", "DTSTART" + Start};
    Lines.insert(Lines.end(), Middle.begin(), Middle.end());
    Lines.push_back("END:VEVENT");
    return Lines;
  };
  struct TCase {
    const char* What;
    std::vector<std::string> Lines;
    TDayTexts Expected;
    std::string Skipped;  // the first event left out, empty for none
  };
  const std::string Date = ";VALUE=DATE:20260302";  // a Monday
  const TCase Cases[] = {
      {"an empty rule is no rule",
       Event(Date, {"RRULE:", "SUMMARY:Once"}),
       {{"2026-03-02", "Once"}, Good},
       ""},
      {"UNTIL wins over COUNT",
       Event(Date, {"RRULE:FREQ=WEEKLY;COUNT=2;UNTIL=20260316", "SUMMARY:W"}),
       {{"2026-03-02", "W"}, {"2026-03-09", "W"}, Good, {"2026-03-16", "W"}},
       ""},
      {"an unreadable COUNT is dropped",
       Event(Date, {"RRULE:FREQ=WEEKLY;COUNT=two", "SUMMARY:W"}),
       {{"2026-03-02", "W"},
        {"2026-03-09", "W"},
        Good,
        {"2026-03-16", "W"},
        {"2026-03-23", "W"},
        {"2026-03-30", "W"}},
       ""},
      {"an unreadable INTERVAL is 1",
       Event(Date, {"RRULE:FREQ=DAILY;INTERVAL=0;COUNT=3", "SUMMARY:D"}),
       {{"2026-03-02", "D"}, {"2026-03-03", "D"}, {"2026-03-04", "D"}, Good},
       ""},
      {"no FREQ is no rule",
       Event(Date, {"RRULE:COUNT=3;BYDAY=MO", "SUMMARY:Once"}),
       {{"2026-03-02", "Once"}, Good},
       ""},
      {"an empty FREQ is no rule",
       Event(Date, {"RRULE:FREQ=;=WEEKLY;COUNT=2", "SUMMARY:Once"}),
       {{"2026-03-02", "Once"}, Good},
       ""},
      {"an unknown FREQ is no rule",
       Event(Date, {"RRULE:FREQ=FORTNIGHTLY", "SUMMARY:Once"}),
       {{"2026-03-02", "Once"}, Good},
       ""},
      {"names in any case, the last of a repeated part, unknown parts passed over",
       Event(Date, {"RRULE:freq=weekly;count=5;X-NAME=1;Count=2", "SUMMARY:W"}),
       {{"2026-03-02", "W"}, {"2026-03-09", "W"}, Good},
       ""},
      {"an unreadable BYDAY leaves the event out",
       Event(Date, {"RRULE:FREQ=WEEKLY;BYDAY=XX", "SUMMARY:W"}),
       {Good},
       "club.ics, line 12: the repeat rule of this event cannot be read"},
      {"a broken line in an attendee's name is passed over",
       Event(Date, {"ATTENDEE;CN=Jane Doe;ROLE=REQ-PARTICIPANT;PARTSTAT=NEEDS-ACTION:mailto:jane@exa",
                    "mple.org", "SUMMARY:Team day"}),
       {{"2026-03-02", "Team day"}, Good},
       ""},
      {"a broken line in the summary leaves the event out",
       Event(Date, {"SUMMARY:Annual general", "meeting of members"}),
       {Good},
       "club.ics, line 13: this line cannot be read"},
      {"an unreadable start leaves the event out",
       Event(":2026031", {"SUMMARY:Fete"}),
       {Good},
       "club.ics, line 11: the value of DTSTART cannot be read"},
      {"a date that is not on the calendar leaves the event out",
       Event(":20260231T100000", {"SUMMARY:Fete"}),
       {Good},
       "club.ics, line 9: a date of this event is not valid"},
      {"a numbered weekday in a weekly rule leaves the event out",
       Event(":20260310T100000", {"RRULE:FREQ=WEEKLY;BYDAY=2TU", "SUMMARY:Fete"}),
       {Good},
       "club.ics, line 9: the repeat rule of this event cannot be used"},
      {"an empty line inside a folded description means nothing",
       Event(Date, {"DESCRIPTION:Bring", "", " a cake", "SUMMARY:Bake sale"}),
       {{"2026-03-02", "Bake sale"}, Good},
       ""},
  };
  for (const TCase& C : Cases) {
    TEventList Doc;
    const TICalImportResult R = ImportICalendar(Doc, WithGoodEvent(C.Lines), "club.ics", Day("2026-03-01"),
                                                Day("2026-03-31"), TEventTextForm::Html);
    EXPECT_EQ(DayTexts(Doc), C.Expected) << C.What;
    EXPECT_EQ(R.Skipped, C.Skipped.empty() ? 0 : 1) << C.What;
    EXPECT_EQ(R.Skipped ? EnglishText(R.FirstSkipped) : "", C.Skipped) << C.What;
  }

  // Several flawed events: the count, and the first of them in the file.
  TEventList Doc;
  std::vector<std::string> Two = Event(":2026031", {"SUMMARY:A"});
  const std::vector<std::string> Second = Event(Date, {"SUMMARY:B", "broken"});
  Two.insert(Two.end(), Second.begin(), Second.end());
  const TICalImportResult R = ImportICalendar(Doc, WithGoodEvent(Two), "club.ics", Day("2026-03-01"),
                                              Day("2026-03-31"), TEventTextForm::Html);
  EXPECT_EQ(
      ImportReport(R, Day("2026-03-01"), Day("2026-03-31")),
      "Added 1 event on 1 day; 2 events could not be read (first: club.ics, line 11: the value of DTSTART "
      "cannot be read)");
}

// Two versions of one event (the same UID, no RECURRENCE-ID): the one of the
// higher SEQUENCE, then of the later LAST-MODIFIED, then of the later
// DTSTAMP, then the later in the file is the event.
TEST_F(ICalendarTest, OfTwoVersionsOfAnEventTheLatestIsTheEvent) {
  UseZone("UTC");
  struct TCase {
    std::vector<std::string> First, Second;  // their properties besides UID, DTSTART and SUMMARY
    const char* Winner;
  };
  const TCase Cases[] = {
      {{"SEQUENCE:2", "DTSTAMP:20260101T000000Z"}, {"SEQUENCE:1", "DTSTAMP:20260201T000000Z"}, "First"},
      {{"SEQUENCE:1", "LAST-MODIFIED:20260102T000000Z"},
       {"SEQUENCE:1", "LAST-MODIFIED:20260101T000000Z"},
       "First"},
      {{"LAST-MODIFIED:20260101T000000Z", "DTSTAMP:20260301T000000Z"},
       {"LAST-MODIFIED:20260101T000000Z", "DTSTAMP:20260201T000000Z"},
       "First"},
      {{"DTSTAMP:20260101T000000Z"}, {"DTSTAMP:20260101T000000Z"}, "Second"},
      {{}, {"SEQUENCE:0"}, "Second"},
  };
  for (const TCase& C : Cases) {
    std::vector<std::string> Lines{"BEGIN:VEVENT", "UID:bins", "DTSTART;VALUE=DATE:20260305",
                                   "SUMMARY:First"};
    Lines.insert(Lines.end(), C.First.begin(), C.First.end());
    Lines.insert(Lines.end(),
                 {"END:VEVENT", "BEGIN:VEVENT", "UID:bins", "DTSTART;VALUE=DATE:20260306", "SUMMARY:Second"});
    Lines.insert(Lines.end(), C.Second.begin(), C.Second.end());
    Lines.push_back("END:VEVENT");
    TEventList Doc;
    ImportICalendar(Doc, WithGoodEvent(Lines), "x.ics", Day("2026-03-01"), Day("2026-03-09"),
                    TEventTextForm::Plain);
    const TDayTexts Expected{{std::string(C.Winner) == "First" ? "2026-03-05" : "2026-03-06", C.Winner}};
    EXPECT_EQ(DayTexts(Doc), Expected) << C.First.size() << " " << C.Winner;
  }
}

// Occurrences as RFC 5545 places them: an override names the occurrence it
// replaces by RECURRENCE-ID, also by a date-time for an all-day series (as
// Exchange writes it: midnight in a named zone); RANGE=THISANDFUTURE moves
// that occurrence and every later one by the same offset (3.2.13); a DTSTART
// date with a DTEND date-time ends on the end's date, exclusive; DTSTART is
// the first occurrence and counts toward COUNT even off the rule (3.8.5.3).
TEST_F(ICalendarTest, OccurrencesAreWhereRfc5545PutsThem) {
  UseZone("Europe/Berlin");
  struct TCase {
    const char* What;
    std::vector<std::string> Lines;
    TDayTexts Expected;
  };
  const TCase Cases[] = {
      {"a bin collection moved from Thursday to Friday",
       {"BEGIN:VEVENT", "UID:bins", "DTSTART;VALUE=DATE:20260305", "DTEND;VALUE=DATE:20260306",
        "RRULE:FREQ=WEEKLY;COUNT=3", "SUMMARY:Bins", "END:VEVENT",  //
        "BEGIN:VEVENT", "UID:bins", "RECURRENCE-ID;TZID=Europe/Berlin:20260312T000000",
        "DTSTART;VALUE=DATE:20260313", "DTEND;VALUE=DATE:20260314", "SUMMARY:Bins", "END:VEVENT"},
       {{"2026-03-05", "Bins"}, {"2026-03-13", "Bins"}, {"2026-03-19", "Bins"}}},
      {"this and every later rehearsal moved to Wednesday, 20:00",
       {"BEGIN:VEVENT", "UID:r", "DTSTART;TZID=Europe/Berlin:20260303T190000", "DURATION:PT2H",
        "RRULE:FREQ=WEEKLY;COUNT=5", "SUMMARY:Rehearsal", "END:VEVENT",  //
        "BEGIN:VEVENT", "UID:r", "RECURRENCE-ID;RANGE=THISANDFUTURE;TZID=Europe/Berlin:20260317T190000",
        "DTSTART;TZID=Europe/Berlin:20260318T200000", "DURATION:PT2H", "SUMMARY:Rehearsal (Wednesdays)",
        "END:VEVENT"},
       {{"2026-03-03", "19:00 Rehearsal"},
        {"2026-03-10", "19:00 Rehearsal"},
        {"2026-03-18", "20:00 Rehearsal (Wednesdays)"},
        {"2026-03-25", "20:00 Rehearsal (Wednesdays)"},
        {"2026-04-01", "20:00 Rehearsal (Wednesdays)"}}},
      {"an all-day start with a timed end",
       {"BEGIN:VEVENT", "UID:camp", "DTSTART;VALUE=DATE:20260320", "DTEND:20260322T120000", "SUMMARY:Camp",
        "END:VEVENT"},
       {{"2026-03-20", "Camp"}, {"2026-03-21", "Camp"}}},
      {"a start off the rule counts toward COUNT",
       {"BEGIN:VEVENT", "UID:t", "DTSTART;VALUE=DATE:20260302", "RRULE:FREQ=WEEKLY;BYDAY=TU;COUNT=3",
        "SUMMARY:T", "END:VEVENT"},
       {{"2026-03-02", "T"}, {"2026-03-03", "T"}, {"2026-03-10", "T"}}},
  };
  for (const TCase& C : Cases) {
    TEventList Doc;
    const std::initializer_list<std::string> Empty{};
    std::string File = Calendar(Empty);
    File.insert(File.size() - std::string("END:VCALENDAR\r\n").size(),
                std::accumulate(C.Lines.begin(), C.Lines.end(), std::string(),
                                [](std::string A, const std::string& L) { return A + L + "\r\n"; }));
    ImportICalendar(Doc, File, "x.ics", Day("2026-03-01"), Day("2026-04-30"), TEventTextForm::Plain);
    EXPECT_EQ(DayTexts(Doc), C.Expected) << C.What;
  }
}

// The lines that an independent reader (Python's icalendar with
// recurring-ical-events, tests/ical/reference.py) gives for a file, one
// "YYYY-MM-DD text" each; nothing when it cannot be run.
std::set<std::string> ReferenceLines(const std::string& File, const char* From, const char* To,
                                     const char* Zone) {
  const std::string Command =
      std::string("/usr/bin/python3 " QUILLBAY_TEST_SOURCE_DIR "/tests/ical/reference.py '") + File + "' " +
      From + " " + To + " " + Zone + " 2>/dev/null";
  std::set<std::string> Lines;
  std::unique_ptr<FILE, int (*)(FILE*)> Pipe(::popen(Command.c_str(), "r"), ::pclose);
  if (!Pipe) return Lines;
  char Buffer[4096];
  while (std::fgets(Buffer, sizeof Buffer, Pipe.get())) {
    std::string Line = Buffer;
    while (!Line.empty() && (Line.back() == '\n' || Line.back() == '\r')) Line.pop_back();
    if (!Line.empty()) Lines.insert(Line);
  }
  return Lines;
}

// Calendars of the common programs and the flaws careful programs pass over
// give the same lines on the same days as an independent reader. (That
// reader compares a rule's UNTIL in UTC with local times and splits a
// character folded across lines, so google.ics is left to the day-by-day
// test above.)
TEST_F(ICalendarTest, DaysAgreeWithAnIndependentReader) {
  if (::access("/usr/bin/python3", X_OK) != 0) GTEST_SKIP() << "no Python";
  struct TCase {
    const char *File, *Zone, *From, *To;
  };
  const TCase Cases[] = {
      {"outlook.ics", "Europe/Berlin", "2026-01-01", "2026-04-30"},
      {"outlook.ics", "America/New_York", "2026-01-01", "2026-04-30"},
      {"thunderbird.ics", "Europe/Berlin", "2026-05-01", "2026-05-31"},
      {"tolerant.ics", "Europe/Berlin", "2026-03-01", "2026-03-31"},
  };
  for (const TCase& C : Cases) {
    UseZone(C.Zone);
    const std::set<std::string> Reference = ReferenceLines(FixtureFolder + C.File, C.From, C.To, C.Zone);
    ASSERT_FALSE(Reference.empty()) << "the reader gave nothing for " << C.File;
    TEventList Doc;
    const TICalImportResult R =
        ImportICalendarFile(Doc, FixtureFolder + C.File, Day(C.From), Day(C.To), TEventTextForm::Plain);
    std::set<std::string> Ours;
    for (const auto& [Date, Text] : DayTexts(Doc))
      ForEachCrLfLine(
          Text, [&, &Date = Date](std::string_view Line) { Ours.insert(Date + " " + std::string(Line)); });
    EXPECT_EQ(Ours, Reference) << C.File << " in " << C.Zone;
    EXPECT_EQ(R.Skipped, 0) << C.File;
  }
}

// The range an import proposes is the span of the file's own events, at
// most ten years; a range that misses them says where they are.
TEST_F(ICalendarTest, TheProposedRangeIsTheSpanOfTheFilesEvents) {
  const TDateTime Today = Day("2026-06-15");
  const struct {
    const char *From, *To, *ProposedFrom, *ProposedTo;
  } Cases[] = {
      {"2020-04-02", "2020-09-24", "2020-04-02", "2020-09-24"},
      {"1990-01-01", "2027-12-31", "2025-01-01", "2027-12-31"},  // holds 1 January of last year
      {"1990-01-01", "2040-06-30", "2025-01-01", "2034-12-31"},
      {"1980-01-01", "2005-06-30", "1995-07-01", "2005-06-30"},  // wholly in the past: its last ten years
      {"2030-01-01", "2050-01-01", "2030-01-01", "2039-12-31"},  // wholly in the future: its first ten
  };
  for (const auto& C : Cases) {
    const TDayRange R = DefaultImportRangeFor({Day(C.From), Day(C.To)}, Today);
    EXPECT_EQ(IsoDate(R.From) + " " + IsoDate(R.To), std::string(C.ProposedFrom) + " " + C.ProposedTo)
        << C.From;
    EXPECT_NO_THROW(CheckImportRange(R.From, R.To)) << C.From;
  }
  const TDayRange None = DefaultImportRangeFor({0, -1}, Today);
  EXPECT_EQ(IsoDate(None.From) + " " + IsoDate(None.To), "2026-01-01 2027-12-31");

  const std::string Season = Calendar({"BEGIN:VEVENT", "UID:s", "DTSTART;VALUE=DATE:20200402",
                                       "RRULE:FREQ=WEEKLY;UNTIL=20200924", "SUMMARY:Match", "END:VEVENT"});
  const TDayRange Span = ICalendarSpan(Season, "season.ics", Today);
  EXPECT_EQ(IsoDate(Span.From) + " " + IsoDate(Span.To), "2020-04-02 2020-09-24");
  const std::string Endless =
      Calendar({"BEGIN:VEVENT", "UID:e", "DTSTART;VALUE=DATE:20240105", "RRULE:FREQ=MONTHLY",
                "SUMMARY:Meeting", "END:VEVENT", "BEGIN:VEVENT", "UID:c", "DTSTART;VALUE=DATE:20230101",
                "RRULE:FREQ=DAILY;COUNT=3", "SUMMARY:Once", "END:VEVENT"});
  const TDayRange Open = ICalendarSpan(Endless, "e.ics", Today);
  EXPECT_EQ(IsoDate(Open.From) + " " + IsoDate(Open.To), "2023-01-01 2027-12-31");

  TEventList Doc;
  const TICalImportResult R =
      ImportICalendar(Doc, Season, "season.ics", Day("2026-01-01"), Day("2027-12-31"), TEventTextForm::Plain);
  EXPECT_EQ(
      ImportReport(R, Day("2026-01-01"), Day("2027-12-31")),
      "No events between 1 Jan 2026 and 31 Dec 2027; this file's events lie between 2 Apr 2020 and 24 Sep "
      "2020");
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
    EXPECT_THROW(ImportICalendar(Empty, File, "x.ics", Day(From), Day(To), TEventTextForm::Plain),
                 EQuillbayError)
        << From << " to " << To;
    EXPECT_EQ(Empty.Count(), 0);
  }
}

// RFC 5545 counts the instants of an hourly rule from DTSTART in whole
// intervals, however long ago it began: walking it from near the range must
// give what walking it from DTSTART gives.
TEST_F(ICalendarTest, RulesOfHoursBegunLongAgoGiveTheirOwnInstants) {
  UseZone("UTC");
  // Every 25 hours from 02:00 UTC on 25 March 1601, in March only: the hours
  // of March 2026 that lie a multiple of 25 hours after the start.
  TEventList Doc;
  ImportICalendar(Doc,
                  Calendar({"BEGIN:VEVENT", "UID:tick", "DTSTART:16010325T020000Z",
                            "RRULE:FREQ=HOURLY;INTERVAL=25;BYMONTH=3", "SUMMARY:Tick", "END:VEVENT"}),
                  "x.ics", Day("2026-02-20"), Day("2026-04-10"), TEventTextForm::Plain);
  TDayTexts Expected;
  const int64_t First = DaysFromCivil(1601, 3, 25) * 24 + 2;
  for (int64_t Hour = DaysFromCivil(2026, 3, 1) * 24; Hour < DaysFromCivil(2026, 4, 1) * 24; ++Hour) {
    if ((Hour - First) % 25 != 0) continue;
    char Text[32];
    std::snprintf(Text, sizeof Text, "%02d:00 Tick", static_cast<int>(Hour % 24));
    int64_t Y;
    int M, D;
    CivilFromDays(Hour / 24, Y, M, D);
    Expected[IsoDate(EncodeDate(static_cast<int>(Y), M, D))] = Text;
  }
  EXPECT_EQ(Expected.size(), 30u);
  EXPECT_EQ(DayTexts(Doc), Expected);

  // In a zone with a change of clocks inside the range (29 March 2026), the
  // same rule with and without a COUNT that never ends it within the range
  // (the first is walked from DTSTART, the second from near the range).
  UseZone("Europe/Berlin");
  auto Walked = [](const std::string& Rule) {
    TEventList D;
    ImportICalendar(D,
                    Calendar({"BEGIN:VEVENT", "UID:shift", "DTSTART;TZID=Europe/Berlin:20230301T101500",
                              "RRULE:" + Rule, "SUMMARY:Shift", "END:VEVENT"}),
                    "x.ics", Day("2026-03-20"), Day("2026-04-05"), TEventTextForm::Plain);
    return DayTexts(D);
  };
  const TDayTexts FromStart = Walked("FREQ=HOURLY;INTERVAL=7;COUNT=100000");
  EXPECT_EQ(FromStart.size(), 17u);
  EXPECT_EQ(Walked("FREQ=HOURLY;INTERVAL=7"), FromStart);
  EXPECT_EQ(Walked("FREQ=MINUTELY;INTERVAL=420"), FromStart);
}

// The days of a feed as a subscriber's program reads them.
struct TFeedEvent {
  std::string Uid, Start, End, Summary, Description;
};

std::map<std::string, TFeedEvent> ReadFeed(const std::string& Feed, std::string* ProductId = nullptr) {
  std::map<std::string, TFeedEvent> Days;
  icalcomponent* Root = icalparser_parse_string(Feed.c_str());
  if (!Root) return Days;
  if (ProductId)
    *ProductId = icalcomponent_get_first_property(Root, ICAL_PRODID_PROPERTY)
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
      "Gro\xC3\x9F"
      "e Chorprobe mit S\xC3\xA4ngerinnen und S\xC3\xA4ngern aus M\xC3\xBCnchen, "
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

// The feed's text is what the page shows: tags of user texts and complete
// comments are left out, everything the page writes as text stays text.
TEST_F(ICalendarTest, HtmlTextsBecomePlainText) {
  const std::pair<std::string, std::string> Cases[] = {
      {"a<br>b<BR/>c<br class=\"x\">d", "a\r\nb\r\nc\r\nd"},
      {"<p style=\"x>y\">Text</p>", "Text"},
      {"<p>Concert</p><p>Dance</p><ul><li>Tea<li>Cake</ul>", "Concert\r\nDance\r\nTea\r\nCake"},
      {"<!-- note -->seen<!-- open", "seen<!-- open"},
      {"a < b & c > d", "a < b & c > d"},
      {"&lt;&gt;&amp;&quot;&apos;&eacute;&euro;&#233;&#xE9;&alpha;",
       "<>&\"'\xC3\xA9\xE2\x82\xAC\xC3\xA9\xC3\xA9\xCE\xB1"},
      {"&unknown; &amp &#x110000; &#0;", "&unknown; &amp &#x110000; &#0;"},
      {"<brown>fox</brown>", "<brown>fox</brown>"},
      {"RSVP to Jane <jane@example.org>", "RSVP to Jane <jane@example.org>"},
      {"</table>", "</table>"},
  };
  for (const auto& [Html, Plain] : Cases) EXPECT_EQ(HtmlToPlainText(Html), Plain) << Html;

  TEventList Doc;
  Doc.FindEvent(true, Day("2026-03-05"))->Text = "</table>";
  TICalFeedOptions Options;
  Options.From = Options.To = Day("2026-03-05");
  EXPECT_NE(WriteICalendarFeed(Doc, Options).find("\r\nSUMMARY:</table>\r\n"), std::string::npos);
}

}  // namespace
