#include "generator/CalGen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "model/EventList.h"
#include "tests/generator/TestSupport.h"
#include "tests/support/FakePlatform.h"

namespace {
const std::string EmptyCell[] = {"<td valign=\"top\" nowrap class=\"qbyEvents\">",
                                 "<div class=\"qbyDays\"><br></div>", "</td>"};

class CalGenTest : public ::testing::Test {
 protected:
  CalGenTest() : FScoped(FPlatform), Gen(Doc, Doc.Style()) { FillSampleDocument(Doc); }

  std::vector<std::string> MonthPage(uint16_t Month, uint16_t Year) {
    Gen.BuildMonthPage(Month, Year);
    return Gen.Lines;
  }
  std::vector<std::string> YearPage(uint16_t Year, uint16_t Months) {
    Doc.ExportMonths = Months;
    Gen.BuildYearPage(Year);
    return Gen.Lines;
  }
  // The lines of the days section: from "<!-- Events -->" up to the bottom comment.
  static std::vector<std::string> DaysSection(const std::vector<std::string>& Lines) {
    auto B = std::find(Lines.begin(), Lines.end(), "<!-- Events -->");
    auto E = std::find(B, Lines.end(), "<!-- Bottom of Days table -->");
    return {B, E};
  }
  static int CountOf(const std::vector<std::string>& Lines, const std::string& Line) {
    return static_cast<int>(std::count(Lines.begin(), Lines.end(), Line));
  }
  // The day cells of the days section, each as its lines, in page order.
  static std::vector<std::vector<std::string>> Cells(const std::vector<std::string>& Days) {
    std::vector<std::vector<std::string>> Result;
    for (size_t I = 0; I < Days.size(); ++I) {
      if (Days[I].rfind("<td valign=", 0) != 0) continue;
      std::vector<std::string> Cell;
      while (I < Days.size() && Days[I] != "</td>") Cell.push_back(Days[I++]);
      Cell.push_back("</td>");
      Result.push_back(Cell);
    }
    return Result;
  }

  TFakePlatform FPlatform;
  TScopedPlatform FScoped;
  TEventList Doc;
  TCalGen Gen;
  TTempFolder Folder;
};

TEST_F(CalGenTest, MarchPageIsTheGoldenPage) {
  Gen.WriteMonthPage(3, 2026, Folder / "3_2026.html");
  const std::string Saved = ReadFileBytes(Folder / "3_2026.html");
  EXPECT_EQ(Saved, ReadFileBytes(std::string(QUILLBAY_GENERATOR_TEST_DATA) + "/march2026.html"));
  EXPECT_EQ(Saved, Gen.PageText());
  ASSERT_GE(Saved.size(), 9u);
  EXPECT_EQ(Saved.substr(Saved.size() - 9), "</html>\r\n");
  EXPECT_EQ(Saved.find("\n"), Saved.find("\r\n") + 1) << "every line ends with CR LF";
}

TEST_F(CalGenTest, MarchPageHasTheLinesOfTheWorkedExample) {
  const auto L = MonthPage(3, 2026);
  // 205 lines of the page plus the character-set line after <head>.
  ASSERT_EQ(L.size(), 206u);
  EXPECT_EQ(L[0], "<html>");
  EXPECT_EQ(L[1], "<head>");
  EXPECT_EQ(L[2], "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
  EXPECT_EQ(L[3], "<!-- Header -->");
  EXPECT_EQ(L[5], "Calendar");
  EXPECT_EQ(L[8],
            ".qbyCaption {font-family: Arial; font-size: 16pt; font-weight: bold; color: #FFFFFF; "
            "text-align: center; background-color: #323264; }");
  EXPECT_EQ(L[10],
            ".qbyDays {font-family: Arial; font-size: 10pt; font-weight: bold; color: #FFFFFF; "
            "text-align: right; }");
  EXPECT_EQ(L[11],
            ".qbyEvents {font-family: Arial; font-size: 10pt; color: #FFFFFF; text-align: left; "
            "background-color: #323278; }");
  EXPECT_EQ(L[14], "<body bgcolor=\"000000\" >");
  EXPECT_EQ(L[15], "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\">");
  EXPECT_EQ(L[21], "<td class=\"qbyCaption\"><div class=\"qbyCaption\">March 2026</div></td>");
  EXPECT_EQ(L[26], "<tr><td height=\"6\"></td></tr>");
  EXPECT_EQ(L[30],
            "<table width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" bgcolor=\"404090\">");
  EXPECT_EQ(L[33], "<table width=\"100%\" border=\"0\" cellpadding=\"3\" cellspacing=\"1\">");
  EXPECT_EQ(L[36], "<td width=\"14%\" class=\"qbyWeekdays\"><div class=\"qbyWeekdays\">Sunday</div></td>");
  EXPECT_EQ(L[42], "<td width=\"14%\" class=\"qbyWeekdays\"><div class=\"qbyWeekdays\">Saturday</div></td>");
  EXPECT_EQ(DaysSection(L).size(), 147u);
  EXPECT_EQ(L[198], "<!-- Footer -->");
  EXPECT_EQ(L[200],
            "<div style=\"margin-top: 20px; text-align: center; color: #909090; font-size: 8pt; "
            "font-family: Arial;\">");
  EXPECT_EQ(L[201],
            "Created by <a style=\"color: #909090;\" href=\"https://quillbay.org/\">Quillbay</a></div>");
  EXPECT_EQ(L[203], "</table>");
  EXPECT_EQ(L[205], "</html>");
}

TEST_F(CalGenTest, FirstWeekRowOfMarch) {
  const auto Days = DaysSection(MonthPage(3, 2026));
  std::vector<std::string> Expected = {"<!-- Events -->", "<tr>"};
  for (int Day = 1; Day <= 7; ++Day) {
    Expected.push_back("<td valign=\"top\" nowrap class=\"qbyEvents\">");
    Expected.push_back("<div class=\"qbyDays\">" + std::to_string(Day) + "</div>");
    Expected.push_back(Day == 5 ? "Spring fair" : "<br>");
    Expected.push_back("</td>");
  }
  Expected.push_back("</tr>");
  ASSERT_GE(Days.size(), Expected.size());
  EXPECT_EQ(std::vector<std::string>(Days.begin(), Days.begin() + Expected.size()), Expected);
}

TEST_F(CalGenTest, WeekRowsFollowTheFirstDayAndLengthOfTheMonth) {
  // February 2026 starts on a Sunday and has 28 days: four full rows.
  auto Feb = DaysSection(MonthPage(2, 2026));
  EXPECT_EQ(CountOf(Feb, "<tr>"), 4);
  EXPECT_EQ(CountOf(Feb, EmptyCell[1]), 0);
  EXPECT_EQ(Feb.size(), 1u + 4 * 2 + 28 * 4);

  // March 2026 starts on a Sunday with 31 days: five rows, four empty cells at the end.
  auto MarCells = Cells(DaysSection(MonthPage(3, 2026)));
  ASSERT_EQ(MarCells.size(), 35u);
  for (int I = 31; I < 35; ++I) EXPECT_EQ(MarCells[I], std::vector<std::string>(EmptyCell, EmptyCell + 3));

  // August 2026 starts on a Saturday: six rows, six empty cells before the 1st
  // and five after the 31st.
  auto Aug = DaysSection(MonthPage(8, 2026));
  EXPECT_EQ(CountOf(Aug, "<tr>"), 6);
  auto AugCells = Cells(Aug);
  ASSERT_EQ(AugCells.size(), 42u);
  for (int I = 0; I < 6; ++I) EXPECT_EQ(AugCells[I], std::vector<std::string>(EmptyCell, EmptyCell + 3)) << I;
  EXPECT_EQ(AugCells[6][1], "<div class=\"qbyDays\">1</div>");
  EXPECT_EQ(AugCells[36][1], "<div class=\"qbyDays\">31</div>");
  for (int I = 37; I < 42; ++I) EXPECT_EQ(AugCells[I].size(), 3u) << I;

  // A leap February: 2024 starts on a Thursday and has 29 days.
  auto Feb24 = Cells(DaysSection(MonthPage(2, 2024)));
  EXPECT_EQ(Feb24.size(), 35u);
  EXPECT_EQ(Feb24[4 + 28][1], "<div class=\"qbyDays\">29</div>");
}

TEST_F(CalGenTest, WeekStartRotatesTheWeekDaysAndTheCells) {
  // 1 March 2026 is a Sunday: the last column when weeks start on Monday, the
  // second when they start on Saturday.
  struct TCase {
    int WeekStart;
    std::vector<std::string> Names;
    size_t EmptyBefore, Rows;
  };
  const TCase Cases[] = {
      {2, {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}, 6, 6},
      {7, {"Saturday", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"}, 1, 5},
  };
  for (const TCase& C : Cases) {
    Doc.Style().WeekStart = C.WeekStart;
    const auto L = MonthPage(3, 2026);
    auto Row = std::find(L.begin(), L.end(), "<!-- Week days -->");
    ASSERT_LT(Row + 9, L.end());
    for (size_t I = 0; I < 7; ++I)
      EXPECT_EQ(Row[2 + I], "<td width=\"14%\" class=\"qbyWeekdays\"><div class=\"qbyWeekdays\">" + C.Names[I] +
                                "</div></td>")
          << C.WeekStart;
    const auto Days = DaysSection(L);
    const auto Cell = Cells(Days);
    EXPECT_EQ(CountOf(Days, "<tr>"), static_cast<int>(C.Rows)) << C.WeekStart;
    ASSERT_EQ(Cell.size(), 7 * C.Rows) << C.WeekStart;
    for (size_t I = 0; I < C.EmptyBefore; ++I)
      EXPECT_EQ(Cell[I], std::vector<std::string>(EmptyCell, EmptyCell + 3)) << C.WeekStart;
    EXPECT_EQ(Cell[C.EmptyBefore][1], "<div class=\"qbyDays\">1</div>") << C.WeekStart;
    EXPECT_EQ(Cell[C.EmptyBefore + 4][2], "Spring fair") << C.WeekStart;
    EXPECT_EQ(Cell[C.EmptyBefore + 30][1], "<div class=\"qbyDays\">31</div>") << C.WeekStart;
  }
}

TEST_F(CalGenTest, EventsAsTextShowsTheTextAsTyped) {
  Doc.Style().EventsAsText = true;
  Doc.FindEvent(true, EncodeDate(2026, 3, 9))->Text = "a < b & \"c\"\r\nTickets: https://example.org/t?a=1&b=2.";
  auto C = Cells(DaysSection(MonthPage(3, 2026)));
  EXPECT_EQ(C[8][2],
            "a &lt; b &amp; &quot;c&quot;<br>Tickets: <a href=\"https://example.org/t?a=1&amp;b=2\">"
            "https://example.org/t?a=1&amp;b=2</a>.");
  EXPECT_EQ(C[16][2], "Doctor&#39;s visit<br>10 am");
  EXPECT_EQ(C[0][2], "<br>") << "the blank-day text is the style's HTML";
}

TEST_F(CalGenTest, DayCellsShowEventsAndTheBlankDayText) {
  Doc.Style().BlankEventsText = "&nbsp;-";
  Doc.FindEvent(true, EncodeDate(2026, 3, 9))->Text = "a\r\n\r\nb & <i>c</i>\rd\ne";
  Doc.FindEvent(true, EncodeDate(2026, 3, 10))->Text = "";
  auto C = Cells(DaysSection(MonthPage(3, 2026)));
  EXPECT_EQ(C[4][2], "Spring fair");
  EXPECT_EQ(C[8][2], "a<br><br>b & <i>c</i>\rd\ne") << "line breaks become <br>, nothing is escaped";
  EXPECT_EQ(C[9][2], "") << "an event with an empty text is not a blank day";
  EXPECT_EQ(C[16][2], "Doctor's visit<br>10 am");
  EXPECT_EQ(C[0][2], "&nbsp;-");
  EXPECT_EQ(C[34], std::vector<std::string>(EmptyCell, EmptyCell + 3)) << "outside the month: no text";

  Doc.Style().BlankEventsText = "";
  EXPECT_EQ(Cells(DaysSection(MonthPage(3, 2026)))[0][2], "");
}

TEST_F(CalGenTest, WrapEventsDropsNowrap) {
  Doc.Style().WrapEvents = true;
  auto C = Cells(DaysSection(MonthPage(8, 2026)));
  EXPECT_EQ(C[0][0], "<td valign=\"top\" class=\"qbyEvents\">");
  EXPECT_EQ(C[10][0], "<td valign=\"top\" class=\"qbyEvents\">");
}

TEST_F(CalGenTest, CellWidthAndHeight) {
  TCalStyle& S = Doc.Style();
  S.IsCellWidth = true;
  S.Width = "77%";
  auto L = MonthPage(3, 2026);
  EXPECT_EQ(L[11],
            ".qbyEvents {font-family: Arial; font-size: 10pt; color: #FFFFFF; text-align: left; "
            "background-color: #323278;  width: 120px;}");
  EXPECT_EQ(L[15], "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");

  S.IsCellHeight = true;
  S.CellHeight = 45;
  EXPECT_EQ(MonthPage(3, 2026)[11],
            ".qbyEvents {font-family: Arial; font-size: 10pt; color: #FFFFFF; "
            "text-align: left; background-color: #323278;  width: 120px; height: 45px;}");

  S.IsCellWidth = false;
  L = MonthPage(3, 2026);
  EXPECT_EQ(L[11],
            ".qbyEvents {font-family: Arial; font-size: 10pt; color: #FFFFFF; text-align: left; "
            "background-color: #323278;  height: 45px;}");
  EXPECT_EQ(L[15], "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"77%\">");
}

TEST_F(CalGenTest, CaptionForms) {
  TCalStyle& S = Doc.Style();
  auto Caption = [&] { return MonthPage(7, 2026)[21]; };
  const std::string Open = "<td class=\"qbyCaption\"><div class=\"qbyCaption\">", Close = "</div></td>";
  EXPECT_EQ(Caption(), Open + "July 2026" + Close);
  S.ShowYear = false;
  EXPECT_EQ(Caption(), Open + "July" + Close);
  S.MonthAsString = false;
  EXPECT_EQ(Caption(), Open + "7" + Close);
  S.ShowYear = true;
  EXPECT_EQ(Caption(), Open + "7/2026" + Close);
  S.CaptionBottomMargin = 0;
  EXPECT_EQ(MonthPage(7, 2026)[26], "<tr><td height=\"0\"></td></tr>");
}

TEST_F(CalGenTest, NoCaptionGoesStraightToTheDaysTable) {
  Doc.Style().ShowCaption = false;
  auto L = MonthPage(3, 2026);
  EXPECT_EQ(L.size(), 206u - 11);
  EXPECT_EQ(L[16], "<!-- Top of Days table -->");
  EXPECT_EQ(CountOf(L, "<!-- Caption -->"), 0);
}

TEST_F(CalGenTest, HeaderFooterTitleAndBanner) {
  TCalStyle& S = Doc.Style();
  S.Title = "";
  S.Header = "<h1>Club</h1>\r\n<p>Dates</p>";
  S.Footer = "<p>Bye</p>";
  S.HideBanner = true;
  S.BGColor = clBtnShadow;  // a system colour is resolved through the platform
  auto L = MonthPage(3, 2026);
  EXPECT_EQ(L[4], "<title>");
  EXPECT_EQ(L[5], "");
  EXPECT_EQ(L[6], "</title>");
  EXPECT_EQ(L[14], "<body bgcolor=\"808080\" >");
  EXPECT_EQ(L[15], "<h1>Club</h1>\r\n<p>Dates</p>") << "a multi-line header is one line, written unchanged";
  EXPECT_EQ(L[16], "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\">");
  const std::vector<std::string> Foot(L.end() - 5, L.end());
  EXPECT_EQ(Foot,
            (std::vector<std::string>{"<!-- Footer -->", "</table>", "<p>Bye</p>", "</body>", "</html>"}));
}

TEST_F(CalGenTest, ZeroStyleIsWrittenAsItIs) {
  TEventList Fresh;  // a style that never had its defaults
  TCalGen G(Fresh, Fresh.Style());
  G.BuildMonthPage(3, 2026);
  EXPECT_EQ(G.Lines[8],
            ".qbyCaption {font-family: ; font-size: 0pt; color: #000000; text-align: ; "
            "background-color: #000000; }");
  EXPECT_EQ(G.Lines[15], "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"\">");
  EXPECT_EQ(G.Lines[16], "<!-- Top of Days table -->");
}

TEST_F(CalGenTest, LocaleNamesAreWrittenAsUtf8) {
  FPlatform.MonthNames[3] = "M\xC3\xA4rz";
  FPlatform.DayNames[1] = "Sonntag";
  FPlatform.ShortDayNames[1] = "So.";
  Doc.Style().Language = "Default";
  auto L = MonthPage(3, 2026);
  EXPECT_EQ(L[21], "<td class=\"qbyCaption\"><div class=\"qbyCaption\">M\xC3\xA4rz 2026</div></td>");
  EXPECT_EQ(L[36], "<td width=\"14%\" class=\"qbyWeekdays\"><div class=\"qbyWeekdays\">Sonntag</div></td>");
  Doc.Style().WeekDaysLength = 1;
  EXPECT_EQ(MonthPage(3, 2026)[36],
            "<td width=\"14%\" class=\"qbyWeekdays\"><div class=\"qbyWeekdays\">So.</div></td>");
  Doc.Style().Language = "ENGLISH";
  EXPECT_EQ(MonthPage(3, 2026)[36],
            "<td width=\"14%\" class=\"qbyWeekdays\"><div class=\"qbyWeekdays\">Sun</div></td>");
}

TEST_F(CalGenTest, YearPageStacksTheChosenMonthsInCalendarOrder) {
  const uint16_t JanMarDec = (1 << 1) | (1 << 3) | (1 << 12);
  auto L = YearPage(2026, JanMarDec);
  std::vector<std::string> Captions, Spacers;
  for (size_t I = 0; I < L.size(); ++I) {
    if (L[I].rfind("<td class=\"qbyCaption\">", 0) == 0) Captions.push_back(L[I]);
    if (L[I] == "<tr><td height=\"15\"></td></tr>") {
      Spacers.push_back(L[I]);
      EXPECT_EQ(L[I - 1], "</tr>") << "a spacer follows the days table of a month";
      EXPECT_EQ(L[I + 1], "<!-- Caption -->") << "and precedes the next month";
    }
  }
  EXPECT_EQ(Captions, (std::vector<std::string>{
                          "<td class=\"qbyCaption\"><div class=\"qbyCaption\">January 2026</div></td>",
                          "<td class=\"qbyCaption\"><div class=\"qbyCaption\">March 2026</div></td>",
                          "<td class=\"qbyCaption\"><div class=\"qbyCaption\">December 2026</div></td>"}));
  EXPECT_EQ(Spacers.size(), 2u);

  // The page is the month pages' head and foot around the three months.
  auto Jan = MonthPage(1, 2026), Mar = MonthPage(3, 2026), Dec = MonthPage(12, 2026);
  const size_t Head = 16, Foot = 8;
  std::vector<std::string> Expected(Jan.begin(), Jan.end() - Foot);
  Expected.push_back("<tr><td height=\"15\"></td></tr>");
  Expected.insert(Expected.end(), Mar.begin() + Head, Mar.end() - Foot);
  Expected.push_back("<tr><td height=\"15\"></td></tr>");
  Expected.insert(Expected.end(), Dec.begin() + Head, Dec.end());
  EXPECT_EQ(L, Expected);
}

TEST_F(CalGenTest, YearPageSpacingAndEmptyChoice) {
  Doc.RowSpacing = 0;
  Doc.Style().ShowCaption = false;
  auto L = YearPage(2026, (1 << 4) | (1 << 5));
  auto Spacer = std::find(L.begin(), L.end(), "<tr><td height=\"0\"></td></tr>");
  ASSERT_NE(Spacer, L.end()) << "a gap of 0 still writes its row";
  EXPECT_EQ(*(Spacer + 1), "<!-- Top of Days table -->");

  auto Empty = YearPage(2026, 0);
  auto Month = MonthPage(3, 2026);
  std::vector<std::string> HeadAndFoot(Month.begin(), Month.begin() + 16);
  HeadAndFoot.insert(HeadAndFoot.end(), Month.end() - 8, Month.end());
  EXPECT_EQ(Empty, HeadAndFoot);
}

TEST_F(CalGenTest, YearZeroFailsAndWritesNothing) {
  const std::string Name = Folder / "page.html";
  EXPECT_THROW(
      {
        try {
          Gen.WriteMonthPage(3, 0, Name);
        } catch (const EQuillbayError& E) {
          EXPECT_STREQ(E.what(), "Invalid argument to date encode");
          throw;
        }
      },
      EQuillbayError);
  EXPECT_FALSE(std::filesystem::exists(Name));

  WriteFileBytes(Name, "old page");
  Doc.ExportMonths = 1 << 6;
  EXPECT_THROW(Gen.WriteYearPage(0, Name), EQuillbayError);
  EXPECT_EQ(ReadFileBytes(Name), "old page");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path()), {}), 1)
      << "no temporary file left";

  // Also with no month chosen.
  Doc.ExportMonths = 0;
  EXPECT_THROW(Gen.WriteYearPage(0, Name), EQuillbayError);
  EXPECT_EQ(ReadFileBytes(Name), "old page");
}

TEST_F(CalGenTest, UnwritableFileReportsItsName) {
  const std::string Name = Folder / "missing/page.html";
  try {
    Gen.WriteMonthPage(3, 2026, Name);
    FAIL() << "no error";
  } catch (const EQuillbayError& E) {
    EXPECT_EQ(std::string(E.what()), "Cannot create file " + Name);
  }
}

TEST_F(CalGenTest, OneGeneratorWritesSeveralPages) {
  Gen.WriteMonthPage(2, 2026, Folder / "a.html");
  Gen.WriteMonthPage(3, 2026, Folder / "b.html");
  EXPECT_EQ(ReadFileBytes(Folder / "b.html"),
            ReadFileBytes(std::string(QUILLBAY_GENERATOR_TEST_DATA) + "/march2026.html"));
  EXPECT_EQ(SplitLines(ReadFileBytes(Folder / "a.html")).size(), 1u + 205 - 147 + 121);
}
}  // namespace
