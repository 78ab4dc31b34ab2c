#include "generator/CalGen.h"

#include "generator/HtmlText.h"
#include "generator/ModernPage.h"
#include "model/CalDate.h"
#include "model/CalStyle.h"
#include "model/EventList.h"
#include "platform/FileIO.h"

namespace {
std::string Num(int64_t Value) { return std::to_string(Value); }
}  // namespace

void TCalGen::WriteMonthPage(uint16_t Month, uint16_t Year, const std::string& FileName) {
  BuildMonthPage(Month, Year);
  SavePage(FileName);
}

void TCalGen::WriteYearPage(uint16_t Year, const std::string& FileName) {
  BuildYearPage(Year);
  SavePage(FileName);
}

void TCalGen::BuildMonthPage(uint16_t Month, uint16_t Year, const TPageAddition& Addition) {
  const TMonthFacts Facts = MonthFacts(*Style, Year, Month);
  if (Style->ModernPage) return BuildModernMonthPage(*EventList, *Style, Facts, Addition, Lines);
  Lines.clear();
  WriteHead(Addition);
  WriteMonth(Facts);
  WriteFoot();
}

void TCalGen::BuildYearPage(uint16_t Year) { BuildYearPage(Year, EventList->ExportMonths); }

void TCalGen::BuildYearPage(uint16_t Year, uint16_t MonthBits, const TPageAddition& Addition) {
  // A year outside 1..9999 fails also when no month is chosen.
  EncodeDate(Year, 1, 1);
  std::vector<TMonthFacts> Months;
  for (int M = 1; M <= 12; ++M)
    if (MonthBits & (1u << M)) Months.push_back(MonthFacts(*Style, Year, M));
  if (Style->ModernPage) return BuildModernYearPage(*EventList, *Style, Year, Months, Addition, Lines);
  Lines.clear();
  WriteHead(Addition);
  WriteMonths(Months);
  WriteFoot();
}

std::string TCalGen::PageText() const {
  size_t Size = 0;
  for (const std::string& L : Lines) Size += L.size() + 2;
  std::string Text;
  Text.reserve(Size);
  for (const std::string& L : Lines) {
    Text += L;
    Text += "\r\n";
  }
  return Text;
}

void TCalGen::SavePage(const std::string& FileName) const { WriteStringToFile(FileName, PageText()); }

void TCalGen::WriteHead(const TPageAddition& Addition) {
  Lines.push_back("<html>");
  Lines.push_back("<head>");
  // Event texts and the locale's day and month names are UTF-8; a browser
  // left to guess would show them in its Western default.
  Lines.push_back("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
  Lines.push_back("<!-- Header -->");
  Lines.push_back("<title>");
  Lines.push_back(Style->Title);
  Lines.push_back("</title>");
  WriteStyleSheet(Addition.Css);
  Lines.push_back("</head>");
  Lines.push_back("<body bgcolor=\"" + ColorToHtml(Style->BGColor) + "\" >");
  if (!Style->Header.empty()) Lines.push_back(Style->Header);
  if (!Addition.Html.empty()) Lines.push_back(Addition.Html);
  if (Style->IsCellWidth)
    Lines.push_back("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
  else
    Lines.push_back("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"" + Style->Width +
                    "\">");
}

void TCalGen::WriteStyleSheet(const std::string& ExtraCss) {
  Lines.push_back("<style type=\"text/css\">");
  Lines.push_back(".qbyCaption {" + ItemStyleToCss(Style->Caption(), true) + "}");
  Lines.push_back(".qbyWeekdays {" + ItemStyleToCss(Style->WeekDays(), true) + "}");
  // The day number sits on the cell's background and has none of its own.
  Lines.push_back(".qbyDays {" + ItemStyleToCss(Style->Days(), false) + "}");
  std::string Events = ".qbyEvents {" + ItemStyleToCss(Style->Events(), true);
  if (Style->IsCellWidth) Events += " width: " + Num(Style->CellWidth) + "px;";
  if (Style->IsCellHeight) Events += " height: " + Num(Style->CellHeight) + "px;";
  Lines.push_back(Events + "}");
  if (!ExtraCss.empty()) Lines.push_back(ExtraCss);
  Lines.push_back("</style>");
}

void TCalGen::WriteMonths(const std::vector<TMonthFacts>& Months) {
  bool First = true;
  for (const TMonthFacts& Month : Months) {
    if (!First) Lines.push_back("<tr><td height=\"" + Num(EventList->RowSpacing) + "\"></td></tr>");
    WriteMonth(Month);
    First = false;
  }
}

void TCalGen::WriteMonth(const TMonthFacts& Month) {
  if (Style->ShowCaption) WriteCaption(Month);
  WriteDaysTableTop();
  WriteWeekDays(Month);
  WriteDays(Month);
  WriteDaysTableBottom();
}

void TCalGen::WriteCaption(const TMonthFacts& Month) {
  Lines.push_back("<!-- Caption -->");
  Lines.push_back("<tr>");
  Lines.push_back("<td>");
  Lines.push_back("<table width=\"100%\" border=\"0\" cellpadding=\"2\" cellspacing=\"0\">");
  Lines.push_back("<tr>");
  Lines.push_back("<td class=\"qbyCaption\"><div class=\"qbyCaption\">" + Month.Caption + "</div></td>");
  Lines.push_back("</tr>");
  Lines.push_back("</table>");
  Lines.push_back("</td>");
  Lines.push_back("</tr>");
  Lines.push_back("<tr><td height=\"" + Num(Style->CaptionBottomMargin) + "\"></td></tr>");
}

void TCalGen::WriteDaysTableTop() {
  Lines.push_back("<!-- Top of Days table -->");
  Lines.push_back("<tr>");
  Lines.push_back("<td>");
  Lines.push_back("<table width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" bgcolor=\"" +
                  ColorToHtml(Style->BorderColor) + "\">");
  Lines.push_back("<tr>");
  Lines.push_back("<td>");
  Lines.push_back("<table width=\"100%\" border=\"0\" cellpadding=\"" + Num(Style->CellPadding) +
                  "\" cellspacing=\"" + Num(Style->BorderWidth) + "\">");
}

void TCalGen::WriteWeekDays(const TMonthFacts& Month) {
  Lines.push_back("<!-- Week days -->");
  Lines.push_back("<tr>");
  for (const std::string& Name : Month.ShownDayNames)
    Lines.push_back("<td width=\"14%\" class=\"qbyWeekdays\"><div class=\"qbyWeekdays\">" + Name +
                    "</div></td>");
  Lines.push_back("</tr>");
}

void TCalGen::WriteDays(const TMonthFacts& Month) {
  Lines.push_back("<!-- Events -->");
  for (int Row = 0; Row < Month.Rows; ++Row) {
    Lines.push_back("<tr>");
    for (int Col = 1; Col <= 7; ++Col) WriteDayCell(Month.DayAt(Row, Col), Month);
    Lines.push_back("</tr>");
  }
}

void TCalGen::WriteDayCell(int Day, const TMonthFacts& Month) {
  Lines.push_back(Style->WrapEvents ? "<td valign=\"top\" class=\"qbyEvents\">"
                                    : "<td valign=\"top\" nowrap class=\"qbyEvents\">");
  if (Day < 1 || Day > Month.Days) {
    Lines.push_back("<div class=\"qbyDays\"><br></div>");
    Lines.push_back("</td>");
    return;
  }
  Lines.push_back("<div class=\"qbyDays\">" + Num(Day) + "</div>");
  const TEvent* Event = EventList->Items().Find(Month.FirstDay + Day - 1);
  if (!Event)
    Lines.push_back(Style->BlankEventsText);
  else
    Lines.push_back(Style->EventsAsText ? PlainTextToHtml(Event->Text) : Event->HTMLText());
  Lines.push_back("</td>");
}

void TCalGen::WriteDaysTableBottom() {
  for (const char* Line :
       {"<!-- Bottom of Days table -->", "</table>", "</td>", "</tr>", "</table>", "</td>", "</tr>"})
    Lines.push_back(Line);
}

void TCalGen::WriteFoot() {
  Lines.push_back("<!-- Footer -->");
  if (!Style->HideBanner) WriteBanner();
  Lines.push_back("</table>");
  if (!Style->Footer.empty()) Lines.push_back(Style->Footer);
  Lines.push_back("</body>");
  Lines.push_back("</html>");
}

void TCalGen::WriteBanner() {
  Lines.push_back("<tr><td>");
  Lines.push_back(
      "<div style=\"margin-top: 20px; text-align: center; color: #909090; font-size: 8pt; font-family: "
      "Arial;\">");
  Lines.push_back(std::string("Created by <a style=\"color: #909090;\" href=\"") + QuillbayWebSite +
                  "\">Quillbay</a></div>");
  Lines.push_back("</td></tr>");
}
