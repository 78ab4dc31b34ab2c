// The document and its events: FindEvent's semantics (first event of a day in
// Items order wins) through additions, removals, date changes and loading.

#include "model/EventList.h"

#include <gtest/gtest.h>

#include <cmath>

#include <random>

#include "ModelTestSupport.h"
#include "model/ObjectText.h"

namespace {

class EventListTest : public ::testing::Test {};

// The answer of the plain scan that FindEvent must match.
TEvent* ScanFor(const TEventList& Doc, TDateTime Day) {
  Day = DateOnly(Day);
  for (int I = 0; I < Doc.Count(); ++I)
    if (Doc.Events(I).Date() == Day) return &Doc.Events(I);
  return nullptr;
}

TEST_F(EventListTest, EmptyDocumentFindsNothingAndCreatesNothing) {
  TEventList Doc;
  EXPECT_EQ(Doc.FindEvent(false, 46086), nullptr);
  EXPECT_EQ(Doc.Count(), 0);
}

TEST_F(EventListTest, CreatedEventTakesTheWholeDay) {
  TEventList Doc;
  TEvent* E = Doc.FindEvent(true, 46086.75);
  ASSERT_NE(E, nullptr);
  EXPECT_EQ(E->Date(), 46086);
  EXPECT_EQ(E->Text, "");
  EXPECT_EQ(Doc.FindEvent(true, 46086.2), E);
  EXPECT_EQ(Doc.Count(), 1);
}

TEST_F(EventListTest, DateSetterCutsTowardZero) {
  TEvent E;
  E.SetDate(7.9);
  EXPECT_EQ(E.Date(), 7);
  E.SetDate(-1.5);
  EXPECT_EQ(E.Date(), -1);
}

TEST_F(EventListTest, DateThatIsNotANumberBecomesDayZero) {
  // Such a date would be saved as text that no reader accepts.
  TEventList Doc;
  TEvent& Event = Doc.Items().Add();
  Event.SetDate(46086);
  Event.SetDate(std::nan(""));
  EXPECT_EQ(Event.Date(), 0);
  EXPECT_EQ(Doc.FindEvent(false, 0), &Event);
  EXPECT_EQ(Doc.FindEvent(false, 46086), nullptr);
}

TEST_F(EventListTest, HtmlTextReplacesOnlyCrLfPairs) {
  TEvent E;
  E.Text = "a\r\n\r\nb";
  EXPECT_EQ(E.HTMLText(), "a<br><br>b");
  E.Text = "x\ny";
  EXPECT_EQ(E.HTMLText(), "x\ny");
  E.Text = "x\r\ry\n\r";
  EXPECT_EQ(E.HTMLText(), "x\r\ry\n\r");
  E.Text = "<b>&</b>";
  EXPECT_EQ(E.HTMLText(), "<b>&</b>");
  E.Text = "";
  EXPECT_EQ(E.HTMLText(), "");
}

TEST_F(EventListTest, DestroyingAnEventMovesTheRestUp) {
  TEventList Doc;
  Doc.FindEvent(true, 1);
  TEvent* Second = Doc.FindEvent(true, 2);
  TEvent* Third = Doc.FindEvent(true, 3);
  delete Second;
  EXPECT_EQ(Doc.Count(), 2);
  EXPECT_EQ(&Doc.Events(1), Third);
  EXPECT_EQ(Doc.FindEvent(false, 2), nullptr);
  EXPECT_EQ(Doc.FindEvent(false, 3), Third);
  EXPECT_EQ(Third->Index(), 1);
}

TEST_F(EventListTest, BadIndexRaisesTheListError) {
  TEventList Doc;
  Doc.FindEvent(true, 1);
  try {
    Doc.Events(1);
    ADD_FAILURE();
  } catch (const EQuillbayError& E) {
    EXPECT_STREQ(E.what(), "List index out of bounds (1)");
  }
  EXPECT_THROW(Doc.Events(-1), EQuillbayError);
}

TEST_F(EventListTest, TwoEventsOfOneDayFromAFileFindTheEarlier) {
  TEventList Doc;
  ReadObjectText(
      Doc, CrLfLines({"object TEventList", "  Items = <", "    item", "      Date = 9", "      Text = 'b'",
                      "    end", "    item", "      Date = 7", "      Text = 'first'", "    end", "    item",
                      "      Date = 7", "      Text = 'second'", "    end>", "end"}));
  ASSERT_EQ(Doc.Count(), 3);
  EXPECT_EQ(Doc.FindEvent(false, 7)->Text, "first");
  delete Doc.FindEvent(false, 7);
  EXPECT_EQ(Doc.FindEvent(false, 7)->Text, "second");
  delete Doc.FindEvent(false, 7);
  EXPECT_EQ(Doc.FindEvent(false, 7), nullptr);
  EXPECT_EQ(Doc.Count(), 1);
}

TEST_F(EventListTest, DateChangesMoveTheEventInTheIndex) {
  TEventList Doc;
  TEvent* A = Doc.FindEvent(true, 10);
  TEvent* B = Doc.FindEvent(true, 20);
  B->SetDate(10);  // B now shares A's day but stands after it
  EXPECT_EQ(Doc.FindEvent(false, 10), A);
  EXPECT_EQ(Doc.FindEvent(false, 20), nullptr);
  A->SetDate(30);
  EXPECT_EQ(Doc.FindEvent(false, 10), B);
  A->SetDate(10);  // back before B in Items
  EXPECT_EQ(Doc.FindEvent(false, 10), A);
}

TEST_F(EventListTest, IndexAgreesWithAScanThroughRandomEdits) {
  std::mt19937 Random(7);
  TEventList Doc;
  for (int Step = 0; Step < 20000; ++Step) {
    TDateTime Day = static_cast<int>(Random() % 40) - 5 + (Random() % 4) * 0.25;
    switch (Random() % 7) {
      case 0:
      case 1:
        Doc.FindEvent(true, Day);
        break;
      case 2:  // a second event of one day, as a file may bring
        Doc.Items().Add().SetDate(Day);
        break;
      case 3:
        if (Doc.Count() > 0)
          Doc.Events(static_cast<int>(Random() % static_cast<unsigned>(Doc.Count()))).SetDate(Day);
        break;
      case 4:
        if (Doc.Count() > 0)
          delete &Doc.Events(static_cast<int>(Random() % static_cast<unsigned>(Doc.Count())));
        break;
      case 5:  // an event that never gets a date stays on day 0
        Doc.Items().Add();
        break;
      case 6:
        if (Random() % 50 == 0) Doc.Items().Clear();
        break;
    }
    TDateTime Probe = static_cast<int>(Random() % 40) - 5;
    ASSERT_EQ(Doc.FindEvent(false, Probe), ScanFor(Doc, Probe)) << "step " << Step;
  }
}

TEST_F(EventListTest, ClearingAndRefillingKeepsTheIndexTrue) {
  TEventList Doc;
  Doc.Items().Add().SetDate(5);
  Doc.Items().Add().SetDate(5);
  Doc.Items().Clear();
  EXPECT_EQ(Doc.FindEvent(false, 5), nullptr);
  TEvent* E = Doc.FindEvent(true, 5);
  Doc.Items().Add().SetDate(5);
  delete E;
  EXPECT_EQ(Doc.FindEvent(false, 5), &Doc.Events(0));
}

TEST_F(EventListTest, WritingBackADayFollowsTheTextArea) {
  // The main window's rule for the text area of a day, on the model alone.
  auto StoreDay = [](TEventList& Doc, TDateTime Day, const std::string& Area) {
    TEvent* E = Doc.FindEvent(!Area.empty(), Day);
    if (!E) return;
    if (Area.find_first_not_of(" \t\r\n") == std::string::npos) {
      delete E;
      return;
    }
    if (Area != E->Text) E->Text = Area;
  };
  TEventList Doc;
  StoreDay(Doc, 46086, "");
  EXPECT_EQ(Doc.Count(), 0);
  StoreDay(Doc, 46086, "Spring fair");
  EXPECT_EQ(Doc.FindEvent(false, 46086)->Text, "Spring fair");
  StoreDay(Doc, 46086, "  \r\n ");
  EXPECT_EQ(Doc.Count(), 0);
}

TEST_F(EventListTest, ExportMonthsIsNotStored) {
  TTempFolder Folder;
  TEventList Doc;
  MakeFresh(Doc);
  EXPECT_EQ(Doc.ExportMonths, 0);
  Doc.ExportMonths = 1 << 3;
  Doc.SaveToFile(Folder.Path("a.qby"));
  TEventList Back;
  Back.LoadFromFile(Folder.Path("a.qby"));
  EXPECT_EQ(Back.ExportMonths, 0);
}

TEST_F(EventListTest, SiteSettingsAreWrittenOnlyOnceSetAndReadBack) {
  TEventList Doc;
  MakeWorkedExample(Doc);
  const std::string Plain = WriteObjectText(Doc, "TEventList");
  EXPECT_EQ(Plain.find("Site"), std::string::npos);
  Doc.SiteFolder = "/srv/www/club";
  Doc.SiteAddress = "https://example.org/club/";
  Doc.SiteFrom = "2026-01";
  Doc.SiteTo = "2027-06";
  Doc.SiteUpcomingDays = 30;
  Doc.SiteFeedMonthsAhead = 12;
  const std::string Set = WriteObjectText(Doc, "TEventList");
  for (const char* Line : {"SiteFolder = '/srv/www/club'", "SiteFrom = '2026-01'", "SiteUpcomingDays = 30",
                           "SiteFeedMonthsAhead = 12"})
    EXPECT_NE(Set.find(Line), std::string::npos) << Line;
  EXPECT_EQ(Set.find("SiteFeedMonthsBack"), std::string::npos);
  TEventList Back;
  ReadObjectText(Back, Set);
  EXPECT_EQ(WriteObjectText(Back, "TEventList"), Set);
}

// The upload target is opt-in: a document without one is written as before,
// and one with it reads back the same, the address as written.
TEST_F(EventListTest, UploadTargetIsWrittenOnlyOnceSetAndReadBack) {
  TEventList Doc;
  MakeWorkedExample(Doc);
  const std::string Plain = WriteObjectText(Doc, "TEventList");
  EXPECT_EQ(Plain.find("Upload"), std::string::npos);
  struct TCase {
    const char* Address;
    bool PlainFtp;
    std::vector<std::string> Lines;
  };
  const TCase Cases[] = {
      {"sftp://ann@example.org:2222/var/www/club/",
       false,
       {"  UploadAddress = 'sftp://ann@example.org:2222/var/www/club/'\r\n"}},
      {"ftp://club@ftp.example.net:21/htdocs/",
       true,
       {"  UploadAddress = 'ftp://club@ftp.example.net:21/htdocs/'\r\n", "  UploadPlainFtp = True\r\n"}},
  };
  for (const TCase& Case : Cases) {
    Doc.UploadAddress = Case.Address;
    Doc.UploadPlainFtp = Case.PlainFtp;
    const std::string Set = WriteObjectText(Doc, "TEventList");
    size_t Added = 0;
    for (const std::string& Line : Case.Lines) {
      EXPECT_NE(Set.find(Line), std::string::npos) << Line;
      Added += Line.size();
    }
    EXPECT_EQ(Set.size(), Plain.size() + Added) << "nothing else changes";
    TEventList Back;
    ReadObjectText(Back, Set);
    EXPECT_EQ(Back.UploadAddress, Case.Address);
    EXPECT_EQ(Back.UploadPlainFtp, Case.PlainFtp);
    EXPECT_EQ(WriteObjectText(Back, "TEventList"), Set);
  }
}

TEST_F(EventListTest, FreshDocumentIsEmptyUntilTheWindowFillsIt) {
  TEventList Doc;
  EXPECT_EQ(Doc.ExportYear, 0);
  EXPECT_EQ(Doc.RowSpacing, 0);
  EXPECT_EQ(Doc.Style().Title, "");
  EXPECT_EQ(Doc.Style().Caption().FontSize, 0);
}

}  // namespace
