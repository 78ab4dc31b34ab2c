// A published site as visitors meet it, in headless Chromium at 320, 390 and
// 1280 px (site-check.mjs, with axe-core for WCAG 2.1 A and AA): the first
// page with and without a public address, month and year pages with their
// navigation, and fragments pasted into a host page whose theme styles every
// table, cell and element its own way.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "site/Fragment.h"
#include "tests/browser/BrowserSupport.h"
#include "tests/site/SiteSample.h"
#include "tests/support/FakePlatform.h"

namespace {
// Rules of a typical CMS theme for every table, cell and element.
const char* const HostileTheme =
    "* { box-sizing: content-box; margin: 0; padding: 0; font-size: 18px; line-height: 1.8; }\n"
    "body { font-family: Georgia, serif; padding: 16px; }\n"
    "article { max-width: 760px; margin: 0 auto; }\n"
    "table { width: auto; border: 3px double #999; border-collapse: separate; border-spacing: 6px; "
    "table-layout: auto; margin: 0 0 2em; }\n"
    "th, td { padding: 14px 20px; border: 1px solid #ddd; white-space: nowrap; text-align: center; "
    "min-width: 80px; vertical-align: middle; }\n"
    "td:first-child { width: 40%; }\n"
    "tr:nth-child(even) td { background: #f4f4f4; }\n"
    "caption { caption-side: bottom; font-size: 30px; }\n"
    "ul { list-style: square; padding-left: 2em; } ul li::before { content: '\\2192 '; }\n";

std::string HostPage(const std::string& Fragment) {
  return std::string(
             "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
             "<title>Our club</title>\n<style>\n") +
         HostileTheme + "</style>\n</head>\n<body>\n<main><article>\n<h1>What's on</h1>\n" + Fragment +
         "<p>More news below.</p>\n</article></main>\n</body>\n</html>\n";
}

class SiteBrowserTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TFakePlatform Platform;
    TScopedPlatform Scoped(Platform);
    Folder = new TTempFolder;
    TEventList Doc;
    FillSiteDocument(Doc);
    Doc.Style().ModernPage = true;
    Pages = WriteSampleSite(Doc, Folder->Path(), SampleIndex());
    Pages.pop_back();  // the feed
    WriteFileBytes(*Folder / "index-bare.html", SiteIndexPage(Doc, SampleIndex("")));
    // A long, unbreakable word and an address in the grid.
    Doc.FindEvent(true, EncodeDate(2026, 3, 9))->Text = "Kindergartenweihnachtsfeiervorbereitungs";
    WriteFileBytes(*Folder / "host-month.html", HostPage(MonthFragment(Doc, 2026, 3)));
    WriteFileBytes(*Folder / "host-upcoming.html",
                   HostPage(UpcomingFragment(Doc, EncodeDate(2026, 3, 1), 60)));
    Pages.insert(Pages.end(), {"index-bare.html", "host-month.html", "host-upcoming.html"});

    TBrowserRun Run = RunBrowserScript("site-check.mjs", 200, *Folder, Pages);
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
  static std::string& At(const std::string& Page, const std::string& Key) { return Seen[Page + "." + Key]; }
  static bool IsHost(const std::string& Page) { return Page.rfind("host-", 0) == 0; }

  static inline TTempFolder* Folder = nullptr;
  static inline std::vector<std::string> Pages;
  static inline int RunStatus = -1;
  static inline std::string Log;
  static inline std::map<std::string, std::string> Seen;
};

const char* const Widths[] = {"w320", "w390", "w1280"};

TEST_F(SiteBrowserTest, SitePagesHaveNoAccessibilityViolations) {
  EXPECT_EQ(Pages.size(), 8u) << "three months, a year, two first pages, two host pages";
  for (const std::string& Page : Pages) {
    if (IsHost(Page)) continue;
    for (const char* Width : Widths) {
      ASSERT_EQ(Seen.count(Page + "." + Width + ".axe"), 1u) << Page << At(Page, "failure");
      EXPECT_EQ(At(Page, std::string(Width) + ".axe"), "") << Page << " at " << Width;
    }
  }
}

TEST_F(SiteBrowserTest, NoSidewaysScrolling) {
  for (const std::string& Page : Pages)
    for (const char* Width : Widths) {
      const std::string Scroll = At(Page, std::string(Width) + ".scroll");
      const std::string Visible = Scroll.substr(Scroll.find('/') + 1);
      EXPECT_EQ(Scroll, Visible + "/" + Visible) << Page << " at " << Width;
    }
}

// The host theme's cell widths, padding and nowrap do not reach the grid.
TEST_F(SiteBrowserTest, AFragmentKeepsSevenEqualColumnsInAHostileTheme) {
  for (const char* Width : {"w390", "w1280"}) {
    EXPECT_EQ(At("host-month.html", std::string(Width) + ".grids"), "1") << Width;
    EXPECT_LE(std::atof(At("host-month.html", std::string(Width) + ".spread").c_str()), 1.0) << Width;
  }
}

TEST_F(SiteBrowserTest, NoErrorsAndNoRequestsToOtherServers) {
  for (const std::string& Page : Pages) {
    EXPECT_EQ(At(Page, "failure"), "") << Page;
    EXPECT_EQ(At(Page, "console"), "") << Page;
  }
}
}  // namespace
