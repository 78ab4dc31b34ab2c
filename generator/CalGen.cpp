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

void TCalGen::BuildMonthPage(uint16_t Month, uint16_t Year) {
  if (Style->ModernPage) return BuildModernMonthPage(*EventList, *Style, Month, Year, Lines);
  Lines.clear();
  WriteHead();
  WriteMonth(Month, Year);
  WriteFoot();
}

void TCalGen::BuildYearPage(uint16_t Year) {
  // A year outside 1..9999 fails also when no month is chosen.
  EncodeDate(Year, 1, 1);
  if (Style->ModernPage) return BuildModernYearPage(*EventList, *Style, Year, Lines);
  Lines.clear();
  WriteHead();
  WriteMonths(Year);
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

void TCalGen::WriteHead() {
  Lines.push_back("<html>");
  Lines.push_back("<head>");
  // Event texts and the locale's day and month names are UTF-8; a browser
  // left to guess would show them in its Western default.
  Lines.push_back("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
  Lines.push_back("<!-- Header -->");
  Lines.push_back("<title>");
  Lines.push_back(Style->Title);
  Lines.push_back("</title>");
  WriteStyleSheet();
  Lines.push_back("</head>");
  Lines.push_back("<body bgcolor=\"" + ColorToHtml(Style->BGColor) + "\" >");
  if (!Style->Header.empty()) Lines.push_back(Style->Header);
  if (Style->IsCellWidth)
    Lines.push_back("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
  else
    Lines.push_back("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"" + Style->Width +
                    "\">");
}

void TCalGen::WriteStyleSheet() {
  Lines.push_back("<style type=\"text/css\">");
  Lines.push_back(".qbyCaption {" + ItemStyleToCss(Style->Caption(), true) + "}");
  Lines.push_back(".qbyWeekdays {" + ItemStyleToCss(Style->WeekDays(), true) + "}");
  // The day number sits on the cell's background and has none of its own.
  Lines.push_back(".qbyDays {" + ItemStyleToCss(Style->Days(), false) + "}");
  std::string Events = ".qbyEvents {" + ItemStyleToCss(Style->Events(), true);
  if (Style->IsCellWidth) Events += " width: " + Num(Style->CellWidth) + "px;";
  if (Style->IsCellHeight) Events += " height: " + Num(Style->CellHeight) + "px;";
  Lines.push_back(Events + "}");
  Lines.push_back("</style>");
}

void TCalGen::WriteMonths(uint16_t Year) {
  bool First = true;
  for (uint16_t M = 1; M <= 12; ++M) {
    if (!(EventList->ExportMonths & (1u << M))) continue;
    if (!First) Lines.push_back("<tr><td height=\"" + Num(EventList->RowSpacing) + "\"></td></tr>");
    WriteMonth(M, Year);
    First = false;
  }
}

void TCalGen::WriteMonth(uint16_t Month, uint16_t Year) {
  if (Style->ShowCaption) WriteCaption(Month, Year);
  WriteDaysTableTop();
  WriteWeekDays();
  WriteDays(Month, Year);
  WriteDaysTableBottom();
}

std::string TCalGen::CaptionText(const TCalStyle& Style, uint16_t Month, uint16_t Year) {
  if (Style.MonthAsString) {
    std::string Text = TCalStyle::MonthName(Month, Style.Language);
    return Style.ShowYear ? Text + " " + Num(Year) : Text;
  }
  return Style.ShowYear ? Num(Month) + "/" + Num(Year) : Num(Month);
}

void TCalGen::WriteCaption(uint16_t Month, uint16_t Year) {
  Lines.push_back("<!-- Caption -->");
  Lines.push_back("<tr>");
  Lines.push_back("<td>");
  Lines.push_back("<table width=\"100%\" border=\"0\" cellpadding=\"2\" cellspacing=\"0\">");
  Lines.push_back("<tr>");
  Lines.push_back("<td class=\"qbyCaption\"><div class=\"qbyCaption\">" + CaptionText(Month, Year) +
                  "</div></td>");
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

void TCalGen::WriteWeekDays() {
  Lines.push_back("<!-- Week days -->");
  Lines.push_back("<tr>");
  // The first column is the style's first day of the week; 8..14 name the
  // days after Saturday.
  const int Start = Style->FirstWeekDay();
  for (int I = 0; I < 7; ++I)
    Lines.push_back(
        "<td width=\"14%\" class=\"qbyWeekdays\"><div class=\"qbyWeekdays\">" +
        TCalStyle::WeekDayName(static_cast<uint16_t>(Start + I), Style->Language, Style->WeekDaysLength) +
        "</div></td>");
  Lines.push_back("</tr>");
}

void TCalGen::WriteDays(uint16_t Month, uint16_t Year) {
  Lines.push_back("<!-- Events -->");
  // Raises for a year outside 1..9999 before any cell is written. First is
  // the column (1..7) of the first day of the month.
  const int First = (DayOfWeek(EncodeDate(Year, Month, 1)) - Style->FirstWeekDay() + 7) % 7 + 1;
  const int Days = DaysInMonth(Year, Month);
  for (int Row = 0;; ++Row) {
    Lines.push_back("<tr>");
    for (int Col = 1; Col <= 7; ++Col) WriteDayCell(7 * Row + Col - First + 1, Month, Year, Days);
    Lines.push_back("</tr>");
    if (7 * Row + 8 - First >= Days || Row == 5) break;
  }
}

void TCalGen::WriteDayCell(int Day, uint16_t Month, uint16_t Year, int DaysInMonth) {
  Lines.push_back(Style->WrapEvents ? "<td valign=\"top\" class=\"qbyEvents\">"
                                    : "<td valign=\"top\" nowrap class=\"qbyEvents\">");
  if (Day < 1 || Day > DaysInMonth) {
    Lines.push_back("<div class=\"qbyDays\"><br></div>");
    Lines.push_back("</td>");
    return;
  }
  Lines.push_back("<div class=\"qbyDays\">" + Num(Day) + "</div>");
  const TEvent* Event = EventList->Items().Find(EncodeDate(Year, Month, Day));
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
