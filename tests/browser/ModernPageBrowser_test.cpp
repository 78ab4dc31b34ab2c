// The modern page form as visitors and their tools meet it: pages of the
// default style, of every starter colour scheme and of a document with hard
// texts, loaded in headless Chromium at 320, 390 and 1280 px (through
// playwright-core, with axe-core for WCAG 2.1 A and AA), and checked by tidy.
// The browser runs once for all the cases (modern-check.mjs).

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "generator/CalGen.h"
#include "model/EventList.h"
#include "model/ObjectText.h"
#include "tests/browser/BrowserSupport.h"
#include "tests/generator/TestSupport.h"
#include "tests/support/FakePlatform.h"

namespace {
const std::string LongAddress =
    "https://www.riverside-choir.example.org/calendar/2026/spring-concert-tickets-and-seating-plan.html";
const std::string FortyLetters = "Kindergartenweihnachtsfeiervorbereitungs";

// March 2026 with texts that break a careless page.
void FillHardDocument(TEventList& Doc) {
  FillSampleDocument(Doc);
  auto Set = [&](int Day, const std::string& Text) {
    Doc.FindEvent(true, EncodeDate(2026, 3, Day))->Text = Text;
  };
  Set(2,
      "The annual general meeting of the Riverside Choir takes place in the parish hall after the Sunday "
      "service, followed by tea and cake for everyone who stays");
  Set(3, FortyLetters);
  Set(4, "Seating plan: " + LongAddress);
  Set(5, "Spring fair <b>bring a cake");
  Set(6, "After the fair");
  Set(9, "a < b & c");
  Set(10, "Choir tour <!-- details follow");
  Set(11, "RSVP to Jane <jane@example.org>");
  Set(17, "Doctor's visit\r\n10 am\r\nRoom 4");
  Set(20,
      "Caf\xC3\xA9 \xE2\x80\x93 Stra\xC3\x9F"
      "e, Z\xC3\xBCrich \xF0\x9F\x8E\xB5");
  Set(31, "Last day of March");
}

void CopyStyle(const TCalStyle& From, TCalStyle& To) {
  ReadObjectText(To, WriteObjectText(From, "TCalStyle"));
}

class ModernPageBrowserTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TFakePlatform Platform;
    TScopedPlatform Scoped(Platform);
    Folder = new TTempFolder;

    TEventList Sample;
    FillSampleDocument(Sample);
    Sample.Style().ModernPage = true;
    Write(Sample, "default.html");

    TCalStyleGallery Gallery;
    Gallery.LoadFromFile(QUILLBAY_SOURCE_DIR "/styles.data");
    for (int I = 0; I < Gallery.Count(); ++I) {
      TEventList Doc;
      FillSampleDocument(Doc);
      CopyStyle(Gallery.Item(I).Style(), Doc.Style());
      Doc.Style().ModernPage = true;
      Write(Doc, "scheme-" + std::to_string(I + 1) + ".html");
      Schemes[Pages.back()] = Gallery.Item(I).Name;
    }

    TEventList Hard;
    FillHardDocument(Hard);
    Hard.Style().ModernPage = true;
    Write(Hard, "hard.html");
    Hard.ExportMonths = (1 << 2) | (1 << 3) | (1 << 8);
    Hard.ExportCols = 3;
    Hard.ColSpacing = 30;
    Hard.Style().WeekDaysLength = 1;
    Write(Hard, "year.html", /*YearPage=*/true);
    Hard.Style().WeekDaysLength = 0;
    // Plain texts, in fixed cells without a visible caption.
    Hard.Style().EventsAsText = true;
    Hard.Style().WrapEvents = true;
    Hard.Style().IsCellWidth = Hard.Style().IsCellHeight = true;
    Hard.Style().ShowCaption = false;
    Write(Hard, "plain.html");

    TBrowserRun Run = RunBrowserScript("modern-check.mjs", 180, *Folder, Pages);
    RunStatus = Run.Status;
    Log = std::move(Run.Log);
    Seen = std::move(Run.Seen);
  }
  static void TearDownTestSuite() {
    delete Folder;
    Folder = nullptr;
  }
  void SetUp() override {
    ASSERT_EQ(RunStatus, 0) << "the browser run failed (scripts/install-deps.sh installs its tools):\n"
                            << Log;
    ASSERT_EQ(Seen["done"], "1") << Log;
  }

  static void Write(const TEventList& Doc, const std::string& Name, bool YearPage = false) {
    TCalGen Gen(Doc, Doc.Style());
    if (YearPage)
      Gen.WriteYearPage(2026, *Folder / Name);
    else
      Gen.WriteMonthPage(3, 2026, *Folder / Name);
    Pages.push_back(Name);
  }
  // The page's name and, for a scheme, the scheme's, for failure messages.
  static std::string Named(const std::string& Page) {
    return Schemes.count(Page) ? Page + " (" + Schemes[Page] + ")" : Page;
  }
  static std::string& At(const std::string& Page, const std::string& Key) { return Seen[Page + "." + Key]; }

  static inline TTempFolder* Folder = nullptr;
  static inline std::vector<std::string> Pages;
  static inline std::map<std::string, std::string> Schemes;
  static inline int RunStatus = -1;
  static inline std::string Log;
  static inline std::map<std::string, std::string> Seen;
};

const char* const Widths[] = {"w320", "w390", "w1280"};

TEST_F(ModernPageBrowserTest, NoAccessibilityViolationsAtWcag21LevelAA) {
  EXPECT_EQ(Pages.size(), 12u) << "default, eight schemes, hard texts as HTML and as text, year";
  for (const std::string& Page : Pages)
    for (const char* Width : {"w390", "w1280"}) {
      ASSERT_EQ(Seen.count(Page + "." + Width + ".axe"), 1u) << Named(Page) << At(Page, "failure");
      EXPECT_EQ(At(Page, std::string(Width) + ".axe"), "") << Named(Page) << " at " << Width;
    }
}

TEST_F(ModernPageBrowserTest, NoSidewaysScrollingAtPhoneAndDesktopWidths) {
  for (const std::string& Page : Pages)
    for (const char* Width : Widths) {
      const std::string Scroll = At(Page, std::string(Width) + ".scroll");
      const std::string Visible = Scroll.substr(Scroll.find('/') + 1);
      EXPECT_EQ(Scroll, Visible + "/" + Visible) << Named(Page) << " at " << Width;
    }
}

TEST_F(ModernPageBrowserTest, SevenColumnsOfOneWidth) {
  for (const std::string& Page : Pages) {
    const std::string Spread = At(Page, "w1280.spread");
    ASSERT_FALSE(Spread.empty()) << Named(Page);
    EXPECT_LE(std::atof(Spread.c_str()), 2.0) << Named(Page);
  }
}

TEST_F(ModernPageBrowserTest, YearPageMonthsShareOneColumnWidth) {
  // Three months with short day names fit side by side at 1280 px.
  EXPECT_EQ(At("year.html", "w1280.monthColumns"), "3");
  EXPECT_EQ(At("year.html", "w1280.monthWidths"), "1");
  EXPECT_EQ(At("year.html", "w390.monthColumns"), "1");
}

TEST_F(ModernPageBrowserTest, EveryEventTextIsVisibleInsideItsCell) {
  for (const std::string& Page : Pages)
    for (const char* Width : Widths)
      EXPECT_EQ(At(Page, std::string(Width) + ".hidden"), "") << Named(Page) << " at " << Width;
}

TEST_F(ModernPageBrowserTest, HtmlTextsCannotBreakThePage) {
  const std::map<std::string, std::string> Expected = {
      {"d2026-03-03", FortyLetters},
      {"d2026-03-05", "Spring fair bring a cake"},
      {"d2026-03-06", "After the fair"},
      {"d2026-03-09", "a < b & c"},
      {"d2026-03-10", "Choir tour <!-- details follow"},
      {"d2026-03-11", "RSVP to Jane <jane@example.org>"},
      {"d2026-03-17", "Doctor's visit\n10 am\nRoom 4"},
      {"d2026-03-20",
       "Caf\xC3\xA9 \xE2\x80\x93 Stra\xC3\x9F"
       "e, Z\xC3\xBCrich \xF0\x9F\x8E\xB5"},
      {"d2026-03-31", "Last day of March"},
  };
  for (const auto& [Day, Text] : Expected) EXPECT_EQ(At("hard.html", "text." + Day), Text) << Day;
  EXPECT_EQ(At("hard.html", "bold.d2026-03-05"), "1");
  EXPECT_EQ(At("hard.html", "bold.d2026-03-06"), "0") << "the open <b> ends with its cell";
  EXPECT_EQ(At("year.html", "text.d2026-03-31"), "Last day of March");
}

TEST_F(ModernPageBrowserTest, PlainTextsShowAsTypedWithTheirAddressesLinked) {
  EXPECT_EQ(At("plain.html", "text.d2026-03-05"), "Spring fair <b>bring a cake");
  EXPECT_EQ(At("plain.html", "bold.d2026-03-05"), "0");
  EXPECT_EQ(At("plain.html", "text.d2026-03-04"), "Seating plan: " + LongAddress);
  EXPECT_EQ(At("plain.html", "links.d2026-03-04"), LongAddress);
  EXPECT_EQ(At("plain.html", "text.d2026-03-10"), "Choir tour <!-- details follow");
  EXPECT_EQ(At("plain.html", "text.d2026-03-17"), "Doctor's visit\n10 am\nRoom 4");
}

TEST_F(ModernPageBrowserTest, NoConsoleErrors) {
  for (const std::string& Page : Pages) {
    EXPECT_EQ(At(Page, "failure"), "") << Named(Page);
    EXPECT_EQ(At(Page, "console"), "") << Named(Page);
  }
}

TEST_F(ModernPageBrowserTest, AMonthPrintsOnOneA4LandscapePage) {
  for (const std::string& Page : Pages)
    EXPECT_EQ(At(Page, "printPages"), Page == "year.html" ? "3" : "1") << Named(Page);
}

TEST_F(ModernPageBrowserTest, TidyFindsNothingToWarnAbout) {
  for (const std::string& Page : Pages) {
    const std::string Report = *Folder / (Page + ".tidy");
    const std::string Command = std::string(QUILLBAY_TIDY) + " -e -q " + *Folder / Page + " 2>" + Report;
    const int Status = std::system(Command.c_str());
    EXPECT_EQ(Status, 0) << Named(Page) << ":\n" << ReadFileBytes(Report);
    EXPECT_EQ(ReadFileBytes(Report), "") << Named(Page);
  }
}
}  // namespace
