// Generated pages as a visitor sees them: rendered in headless Chromium, which
// reports the layout, computed styles and texts (harness.html) once for all
// the cases below.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "generator/CalGen.h"
#include "model/EventList.h"
#include "tests/browser/BrowserSupport.h"
#include "tests/generator/TestSupport.h"
#include "tests/support/FakePlatform.h"

namespace {
class PageBrowserTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TFakePlatform Platform;
    TScopedPlatform Scoped(Platform);
    Folder = new TTempFolder;
    TEventList Doc;
    FillSampleDocument(Doc);
    Doc.FindEvent(true, EncodeDate(2026, 3, 9))->Text =
        "Annual general meeting of the club in the parish hall";
    Doc.FindEvent(true, EncodeDate(2026, 3, 20))->Text =
        "Caf\xC3\xA9 \xE2\x80\x93 Stra\xC3\x9F"
        "e";
    Doc.FindEvent(true, EncodeDate(2026, 8, 1))->Text = "Summer camp";

    TCalGen Gen(Doc, Doc.Style());
    Gen.WriteMonthPage(3, 2026, *Folder / "month.html");
    Doc.ExportMonths = (1 << 2) | (1 << 3) | (1 << 8);
    Gen.WriteYearPage(2026, *Folder / "year.html");

    TCalStyle Cells;
    Cells.ResetToDefaults();
    Cells.IsCellWidth = Cells.IsCellHeight = true;
    Cells.ShowCaption = false;
    Cells.WrapEvents = true;
    Cells.Title = "Fixed cells";
    TCalGen CellsGen(Doc, Cells);
    CellsGen.WriteMonthPage(3, 2026, *Folder / "cells.html");

    WriteFileBytes(*Folder / "harness.html", ReadFileBytes(QUILLBAY_BROWSER_TEST_DATA "/harness.html"));
    const std::string Command = std::string("timeout 60 ") + QUILLBAY_CHROMIUM + ChromiumFlags +
                                " --allow-file-access-from-files --enable-logging=stderr --v=0"
                                " --virtual-time-budget=5000 --user-data-dir=" +
                                *Folder / "profile" + " --dump-dom file://" + *Folder / "harness.html" +
                                " >" + *Folder / "dom.html" + " 2>" + *Folder / "chromium.log";
    RunStatus = std::system(Command.c_str());
    Log = ReadFileBytes(*Folder / "chromium.log");
    const std::string Dom = ReadFileBytes(*Folder / "dom.html");
    const size_t Begin = Dom.find("<pre id=\"result\">"), End = Dom.find("</pre>", Begin);
    if (Begin == std::string::npos || End == std::string::npos) return;
    Seen = ReadMeasurements(Dom.substr(Begin + 17, End - Begin - 17));
  }
  static void TearDownTestSuite() {
    delete Folder;
    Folder = nullptr;
  }
  void SetUp() override {
    ASSERT_EQ(RunStatus, 0) << "Chromium failed:\n" << Log;
    ASSERT_EQ(Seen["done"], "1") << "no measurements in the page:\n" << Log;
  }

  static int Int(const std::string& Key) { return std::atoi(Seen[Key].c_str()); }

  static inline TTempFolder* Folder = nullptr;
  static inline int RunStatus = -1;
  static inline std::string Log;
  static inline std::map<std::string, std::string> Seen;
};

const std::string White = "rgb(255, 255, 255)";

TEST_F(PageBrowserTest, NoConsoleErrorsAndNoFailures) {
  EXPECT_EQ(Log.find(":CONSOLE"), std::string::npos) << Log;
  for (const char* Page : {"month", "cells", "year"})
    EXPECT_EQ(Seen.count(std::string(Page) + ".failure"), 0u) << Seen[std::string(Page) + ".failure"];
}

TEST_F(PageBrowserTest, MonthPageWithTheDefaultStyle) {
  EXPECT_EQ(Seen["month.charset"], "UTF-8");
  EXPECT_EQ(Seen["month.title"], "Calendar");
  EXPECT_EQ(Seen["month.body.background"], "rgb(0, 0, 0)");
  EXPECT_EQ(Seen["month.captions"], "March 2026");
  EXPECT_EQ(Seen["month.months"], "1");
  EXPECT_EQ(Seen["month.m0.cellsPerRow"], "7");
  EXPECT_EQ(Seen["month.m0.columnsSeen"], "7");
  EXPECT_EQ(Seen["month.m0.weekRows"], "5");
  EXPECT_EQ(Seen["month.m0.rowsSeen"], "6") << "the week-day row and five week rows, one below the other";
  EXPECT_EQ(Seen["month.m0.weekdays"], "Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday");
  EXPECT_EQ(Seen["month.m0.grid"], "rgb(64, 64, 144)");
  EXPECT_EQ(Seen["month.m0.days"].substr(0, 8), "1,2,3,4,");
  EXPECT_EQ(Seen["month.m0.days"].substr(Seen["month.m0.days"].size() - 9), "30,31,,,,");

  EXPECT_EQ(Seen["month.caption.style"], White + "|rgb(50, 50, 100)|Arial|21.3333px|700|center");
  EXPECT_EQ(Seen["month.weekday.style"], White + "|rgb(50, 50, 100)|Arial|16px|700|center");
  EXPECT_EQ(Seen["month.event.style"], White + "|rgb(50, 50, 120)|Arial|13.3333px|400|left|nowrap");
  EXPECT_EQ(Seen["month.day.style"], White + "|Arial|13.3333px|700|right");
  EXPECT_EQ(Seen["month.banner"], std::string("Quillbay ") + QuillbayWebSite);
}

TEST_F(PageBrowserTest, EventTextsAndTheirLineBreaks) {
  EXPECT_EQ(Seen["month.m0.day5.text"], "5\nSpring fair");
  EXPECT_EQ(Seen["month.m0.day5.lines"], "1");
  EXPECT_EQ(Seen["month.m0.day17.html"], "Doctor's visit<br>10 am");
  EXPECT_EQ(Seen["month.m0.day17.text"], "17\nDoctor's visit\n10 am");
  EXPECT_EQ(Seen["month.m0.day17.lines"], "2");
  EXPECT_EQ(Seen["month.m0.day9.lines"], "1") << "cells do not wrap by default";
  EXPECT_EQ(Seen["month.m0.day20.text"],
            "20\nCaf\xC3\xA9 \xE2\x80\x93 Stra\xC3\x9F"
            "e")
      << "UTF-8 text is read as UTF-8";
}

TEST_F(PageBrowserTest, FixedCellsWithoutCaptionAndWrappedEvents) {
  EXPECT_EQ(Seen["cells.title"], "Fixed cells");
  EXPECT_EQ(Seen["cells.captions"], "");
  EXPECT_EQ(Seen.count("cells.caption.style"), 0u);
  EXPECT_EQ(Seen["cells.m0.weekRows"], "5");
  EXPECT_EQ(Seen["cells.m0.columnsSeen"], "7");
  EXPECT_EQ(Seen["cells.event.style"], White + "|rgb(50, 50, 120)|Arial|13.3333px|400|left|normal");
  // 120 px wide plus the padding of 3 px on each side; at least 90 px high
  // (in the quirks mode of a page without a doctype the height holds the padding).
  EXPECT_EQ(Seen["cells.m0.cellWidths"], "126");
  EXPECT_GE(Int("cells.m0.minCellHeight"), 90);
  EXPECT_GT(Int("cells.m0.day9.lines"), 1) << "the long text wraps inside its cell";
  EXPECT_EQ(Seen["cells.m0.day9.width"], "126");
  EXPECT_EQ(Seen["cells.m0.day17.lines"], "2");
  EXPECT_EQ(Seen["cells.m0.day17.text"], "17\nDoctor's visit\n10 am");
}

TEST_F(PageBrowserTest, YearPageOfThreeMonths) {
  EXPECT_EQ(Seen["year.months"], "3");
  EXPECT_EQ(Seen["year.captions"], "February 2026|March 2026|August 2026");
  EXPECT_EQ(Seen["year.m0.weekRows"], "4");
  EXPECT_EQ(Seen["year.m1.weekRows"], "5");
  EXPECT_EQ(Seen["year.m2.weekRows"], "6");
  for (const char* M : {"year.m0.", "year.m1.", "year.m2."}) {
    EXPECT_EQ(Seen[std::string(M) + "cellsPerRow"], "7") << M;
    EXPECT_EQ(Seen[std::string(M) + "columnsSeen"], "7") << M;
  }
  EXPECT_EQ(Seen["year.m2.days"].substr(0, 8), ",,,,,,1,");
  EXPECT_EQ(Seen["year.m2.day1.text"], "1\nSummer camp");
  // Stacked in one column with gaps between them.
  EXPECT_LT(Int("year.m0.bottom"), Int("year.m1.top"));
  EXPECT_LT(Int("year.m1.bottom"), Int("year.m2.top"));
  EXPECT_EQ(Seen["year.m0.left"], Seen["year.m2.left"]);
  EXPECT_EQ(Seen["year.caption.style"], Seen["month.caption.style"]);
}
}  // namespace
