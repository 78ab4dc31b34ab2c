// The modern page form line by line: the HTML5 frame, the table a screen
// reader needs, the first day of the week, the year grid, and page colours
// that reach WCAG's 4.5:1. How it renders is checked in a browser
// (tests/browser).

#include "generator/ModernPage.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "generator/CalGen.h"
#include "model/EventList.h"
#include "tests/generator/TestSupport.h"
#include "tests/support/FakePlatform.h"

namespace {
class ModernPageTest : public ::testing::Test {
 protected:
  ModernPageTest() : FScoped(FPlatform), Gen(Doc, Doc.Style()) {
    FillSampleDocument(Doc);
    Doc.Style().ModernPage = true;
  }

  const std::vector<std::string>& MonthPage(uint16_t Month = 3, uint16_t Year = 2026) {
    Gen.BuildMonthPage(Month, Year);
    return Gen.Lines;
  }
  static bool Has(const std::vector<std::string>& Lines, const std::string& Line) {
    return std::find(Lines.begin(), Lines.end(), Line) != Lines.end();
  }
  static const std::string& LineStarting(const std::vector<std::string>& Lines, const std::string& Start) {
    static const std::string None = "<none>";
    for (const std::string& L : Lines)
      if (L.rfind(Start, 0) == 0) return L;
    return None;
  }
  // The value of a declaration in the rule of Selector ("color" is not
  // "background-color").
  static std::string Declared(const std::vector<std::string>& Lines, const std::string& Selector,
                              const std::string& Property) {
    const std::string& Rule = LineStarting(Lines, Selector + " {");
    for (const char* Before : {"{ ", "; "}) {
      const size_t At = Rule.find(Before + Property + ": ");
      if (At == std::string::npos) continue;
      const size_t From = At + 2 + Property.size() + 2;
      return Rule.substr(From, Rule.find(';', From) - From);
    }
    return "<no " + Property + " in " + Rule + ">";
  }
  static TColor ColorOf(const std::string& Css) {
    const uint32_t RGB = static_cast<uint32_t>(std::stoul(Css.substr(1), nullptr, 16));
    return static_cast<TColor>(((RGB >> 16) & 0xFF) | (RGB & 0xFF00) | ((RGB & 0xFF) << 16));
  }

  TFakePlatform FPlatform;
  TScopedPlatform FScoped;
  TEventList Doc;
  TCalGen Gen;
};

TEST_F(ModernPageTest, ContrastFollowsWcag) {
  EXPECT_NEAR(ContrastRatio(clWhite, clBlack), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(0x777777, clWhite), 4.48, 0.005);
  EXPECT_NEAR(ContrastRatio(0x767676, clWhite), 4.54, 0.005);
  EXPECT_NEAR(RelativeLuminance(0x0000FF), 0.2126, 1e-4) << "pure red (0x00BBGGRR)";

  // A colour that reads is kept; one that does not is moved the least way
  // toward the end that reads: darker on white, lighter on black.
  EXPECT_EQ(ReadableColor(0x909090, clBlack), 0x909090);
  const TColor OnWhite = ReadableColor(0x909090, clWhite);
  EXPECT_GE(ContrastRatio(OnWhite, clWhite), 4.5);
  EXPECT_LT(ContrastRatio(OnWhite, clWhite), 4.6);
  EXPECT_LT(RelativeLuminance(OnWhite), RelativeLuminance(0x909090));
  const TColor NavyOnBlack = ReadableColor(0x800000, clBlack);
  EXPECT_GE(ContrastRatio(NavyOnBlack, clBlack), 4.5);
  EXPECT_GT(RelativeLuminance(NavyOnBlack), RelativeLuminance(0x800000));
}

TEST_F(ModernPageTest, PageTextAndBannerReadOnEveryBackground) {
  const TColor Backgrounds[] = {clBlack, clWhite, 0x777777, 0x800000, 0x00FFFF, 0x643232, 0x5A5A5A};
  const TColor Captions[] = {clWhite, clBlack, 0x909090};
  for (TColor Page : Backgrounds)
    for (TColor Caption : Captions) {
      Doc.Style().BGColor = Page;
      Doc.Style().Caption().FontColor = Caption;
      const auto& L = MonthPage();
      for (const char* Rule : {"body", ".qby-banner"}) {
        const TColor Text = ColorOf(Declared(L, Rule, "color"));
        EXPECT_GE(ContrastRatio(Text, Page), 4.5) << Rule << " on " << std::hex << Page << " / " << Caption;
      }
    }
  // The style's own colour when it reads: white on the default black page.
  Doc.Style().BGColor = clBlack;
  Doc.Style().Caption().FontColor = clWhite;
  EXPECT_EQ(Declared(MonthPage(), "body", "color"), "#FFFFFF");
  EXPECT_EQ(Declared(MonthPage(), ".qby-banner", "color"), "#909090");
  EXPECT_EQ(Declared(MonthPage(), ".qby-banner", "font-size"), "9pt") << "12 px, above 11 px";
}

TEST_F(ModernPageTest, MonthPageIsHtml5WithATableForScreenReaders) {
  const auto& L = MonthPage();
  ASSERT_GT(L.size(), 10u);
  EXPECT_EQ(
      std::vector<std::string>(L.begin(), L.begin() + 6),
      (std::vector<std::string>{"<!DOCTYPE html>", "<html lang=\"en\">", "<head>", "<meta charset=\"utf-8\">",
                                "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
                                "<title>Calendar</title>"}));
  EXPECT_EQ(L.back(), "</html>");
  for (const std::string& Line : L) {
    if (Line.rfind("<", 0) != 0) continue;  // the style sheet
    for (const char* Attribute : {" bgcolor=", " width=", " nowrap", " align=", " valign=", " cellspacing="})
      EXPECT_EQ(Line.find(Attribute), std::string::npos) << Line;
  }

  EXPECT_TRUE(Has(L, "<table class=\"qby-month\" id=\"m2026-03\">"));
  EXPECT_TRUE(Has(L, "<caption>March 2026</caption>"));
  EXPECT_TRUE(
      Has(L,
          "<tr><th scope=\"col\" class=\"qby-weekend\">Sunday</th><th scope=\"col\">Monday</th>"
          "<th scope=\"col\">Tuesday</th><th scope=\"col\">Wednesday</th><th scope=\"col\">Thursday</th>"
          "<th scope=\"col\">Friday</th><th scope=\"col\" class=\"qby-weekend\">Saturday</th></tr>"));
  EXPECT_TRUE(Has(L,
                  "<td id=\"d2026-03-05\" class=\"qby-day\"><time datetime=\"2026-03-05\"><span "
                  "class=\"qby-long\">Thursday </span>5<span class=\"qby-long\"> March</span></time>"
                  "<div class=\"qby-ev\">Spring fair</div></td>"));
  EXPECT_TRUE(
      Has(L,
          "<td id=\"d2026-03-01\" class=\"qby-day qby-free qby-weekend\"><time datetime=\"2026-03-01\">"
          "<span class=\"qby-long\">Sunday </span>1<span class=\"qby-long\"> March</span></time>"
          "<div class=\"qby-ev\"><br></div></td>"));
  EXPECT_EQ(std::count(L.begin(), L.end(), "<td class=\"qby-outside\"></td>"), 4);
  EXPECT_EQ(std::count_if(L.begin(), L.end(),
                          [](const std::string& S) { return S.rfind("<td id=\"d2026-03-", 0) == 0; }),
            31);
  EXPECT_TRUE(
      Has(L, "<p class=\"qby-banner\">Created by <a href=\"https://quillbay.org/\">Quillbay</a></p>"));
  EXPECT_EQ(Declared(L, ".qby-month", "table-layout"), "fixed");
}

TEST_F(ModernPageTest, ShortNamesHiddenCaptionAndEmptyTitleStayAccessible) {
  TCalStyle& S = Doc.Style();
  S.WeekDaysLength = 2;
  S.ShowCaption = false;
  S.Title = "";
  S.Language = "Default";
  FPlatform.FLanguageTag = "de-AT";
  FPlatform.DayNames[1] = "Sonntag";
  FPlatform.MonthNames[3] = "M\xC3\xA4rz";
  const auto& L = MonthPage();
  EXPECT_EQ(L[1], "<html lang=\"de-AT\">");
  EXPECT_EQ(L[5], "<title>M\xC3\xA4rz 2026</title>") << "a page needs a title";
  EXPECT_TRUE(Has(L, "<caption class=\"qby-sr\">M\xC3\xA4rz 2026</caption>")) << "the table keeps its name";
  EXPECT_EQ(LineStarting(L, "<tr><th")
                .rfind("<tr><th scope=\"col\" class=\"qby-weekend\"><span "
                       "aria-hidden=\"true\">S</span><span class=\"qby-sr\">Sonntag</span>"
                       "</th>",
                       0),
            0u);
  EXPECT_TRUE(Has(L,
                  "<p class=\"qby-banner\" lang=\"en\">Created by <a href=\"https://quillbay.org/\">"
                  "Quillbay</a></p>"));
  for (const char* Bad : {"", "de_AT", "-", "a b"}) {
    FPlatform.FLanguageTag = Bad;
    EXPECT_EQ(PageLanguage(S), "en") << Bad;
  }
  S.Language = "ENGLISH";
  FPlatform.FLanguageTag = "de";
  EXPECT_EQ(PageLanguage(S), "en");
}

TEST_F(ModernPageTest, WeekStartRotatesTheGrid) {
  Doc.Style().WeekStart = 2;
  const auto& L = MonthPage();
  EXPECT_EQ(LineStarting(L, "<tr><th").substr(0, 40), "<tr><th scope=\"col\">Monday</th><th scope");
  // 1 March 2026, a Sunday, closes the first week; six empty cells before it.
  const auto Row = std::find(L.begin(), L.end(), "<tbody>") + 1;
  ASSERT_EQ(*Row, "<tr>");
  for (int I = 1; I <= 6; ++I) EXPECT_EQ(Row[I], "<td class=\"qby-outside\"></td>");
  EXPECT_EQ(Row[7].substr(0, 27), "<td id=\"d2026-03-01\" class=");
  EXPECT_EQ(std::count(L.begin(), L.end(), "<tr>"), 6) << "six weeks";
}

TEST_F(ModernPageTest, EventTextsAreBalancedOrEscaped) {
  Doc.FindEvent(true, EncodeDate(2026, 3, 9))->Text = "a <b>b</td></div>\r\nc <!-- x";
  const auto Cell = [&] { return LineStarting(MonthPage(), "<td id=\"d2026-03-09\""); };
  EXPECT_EQ(Cell().substr(Cell().find("<div")),
            "<div class=\"qby-ev\">a <b>b&lt;/td&gt;<br>c &lt;!-- x</b></div></td>");
  Doc.Style().EventsAsText = true;
  EXPECT_EQ(Cell().substr(Cell().find("<div")),
            "<div class=\"qby-ev\">a &lt;b&gt;b&lt;/td&gt;&lt;/div&gt;<br>c &lt;!-- x</div></td>");
}

TEST_F(ModernPageTest, YearPageGridFollowsTheExportSettings) {
  Doc.ExportMonths = (1 << 12) | (1 << 1) | (1 << 3);
  Doc.ExportCols = 3;
  Doc.ColSpacing = 30;
  Doc.RowSpacing = 15;
  Gen.BuildYearPage(2026);
  const auto& L = Gen.Lines;
  EXPECT_TRUE(Has(L, "<h1 class=\"qby-year-heading\">2026</h1>"));
  EXPECT_EQ(Declared(L, ".qby-year", "grid-template-columns"),
            "repeat(auto-fill, minmax(min(100%, max(36em, (100% - 2 * 30px) / 3)), 1fr))");
  EXPECT_EQ(Declared(L, ".qby-year", "column-gap"), "30px");
  EXPECT_EQ(Declared(L, ".qby-year", "row-gap"), "15px");
  std::vector<std::string> Months;
  for (const std::string& Line : L)
    if (Line.rfind("<table class=\"qby-month\"", 0) == 0) Months.push_back(Line.substr(30, 7));
  EXPECT_EQ(Months, (std::vector<std::string>{"2026-01", "2026-03", "2026-12"}));

  // No columns asked for is one column; a year outside the calendar fails.
  Doc.ExportCols = 0;
  Gen.BuildYearPage(2026);
  EXPECT_EQ(Declared(Gen.Lines, ".qby-year", "grid-template-columns"),
            "repeat(auto-fill, minmax(min(100%, max(36em, (100% - 0 * 30px) / 1)), 1fr))");
  EXPECT_THROW(Gen.BuildYearPage(0), EQuillbayError);
}
}  // namespace
