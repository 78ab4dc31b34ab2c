#include "generator/ModernPage.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "generator/HtmlText.h"
#include "model/CalDate.h"
#include "model/EventList.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"
#include "text/Ascii.h"

namespace {
// Below this width the month grid becomes a list of the days with events.
constexpr const char* PhoneQuery = "@media screen and (max-width: 40em)";
// The grey of the classic banner, kept wherever it is readable.
constexpr TColor BannerGrey = 0x909090;

struct TRgb {
  int R = 0, G = 0, B = 0;
};

int HexValue(char C) { return C <= '9' ? C - '0' : (C | 0x20) - 'a' + 10; }

// The colour as a page shows it (ColorToHtml resolves system colours).
TRgb ToRgb(TColor Color) {
  const std::string Hex = ColorToHtml(Color);
  auto Byte = [&](size_t At) { return HexValue(Hex[At]) * 16 + HexValue(Hex[At + 1]); };
  return {Byte(0), Byte(2), Byte(4)};
}

TColor FromRgb(const TRgb& C) { return C.R | (C.G << 8) | (C.B << 16); }

double Channel(int Value) {
  const double C = Value / 255.0;
  return C <= 0.04045 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4);
}

double Luminance(const TRgb& C) {
  return 0.2126 * Channel(C.R) + 0.7152 * Channel(C.G) + 0.0722 * Channel(C.B);
}

double Contrast(const TRgb& A, const TRgb& B) {
  const double La = Luminance(A), Lb = Luminance(B);
  return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

std::string Num(int64_t Value) { return std::to_string(Value); }
int Clamp(int32_t Value, int Low, int High) { return std::clamp<int>(Value, Low, High); }
std::string Px(int Value) { return Num(Value) + "px"; }

// A font family name as a CSS string with a generic family behind it, so that
// a page never falls back to the browser's serif default by accident.
std::string FontFamily(const std::string& Name) {
  std::string Clean;
  for (char C : TrimControls(Name))
    if (static_cast<unsigned char>(C) >= 0x20 &&
        std::string_view("\"\\<>;{}").find(C) == std::string_view::npos)
      Clean += C;
  const std::string Lowered = AsciiLower(Clean);
  const char* Generic = "sans-serif";
  if (Lowered.find("courier") != std::string::npos || Lowered.find("mono") != std::string::npos ||
      Lowered.find("console") != std::string::npos)
    Generic = "monospace";
  else if (Lowered.find("sans") == std::string::npos &&
           (Lowered.find("times") != std::string::npos || Lowered.find("serif") != std::string::npos ||
            Lowered.find("georgia") != std::string::npos || Lowered.find("garamond") != std::string::npos))
    Generic = "serif";
  if (Clean.empty()) return Generic;
  return "\"" + Clean + "\", " + Generic;
}

// The declarations of one area: the item style as CSS, with sizes that could
// hide the text and alignments that CSS does not know left out.
std::string ItemCss(const TCalItemStyle& Item, bool WithBackground) {
  std::string Css = "font-family: " + FontFamily(Item.FontName) + "; ";
  if (Item.FontSize > 0) Css += "font-size: " + Num(std::min(Item.FontSize, 200)) + "pt; ";
  Css += std::string("font-style: ") + (Item.FontStyle & fsItalic ? "italic" : "normal") + "; ";
  Css += std::string("font-weight: ") + (Item.FontStyle & fsBold ? "bold" : "normal") + "; ";
  if (Item.FontStyle & fsUnderline) Css += "text-decoration: underline; ";
  Css += "color: " + HexColor(Item.FontColor) + "; ";
  const std::string Align = TrimControls(Item.Align);
  if (Align == "left" || Align == "center" || Align == "right" || Align == "justify")
    Css += "text-align: " + Align + "; ";
  if (WithBackground) Css += "background-color: " + HexColor(Item.BGColor) + "; ";
  return Css;
}

// The style's page width as a CSS length: "100%" and "80%" stay, a bare
// number is pixels, anything else is the full width.
std::string CssWidth(const std::string& Width) {
  const std::string W = TrimControls(Width);
  size_t I = 0;
  while (I < W.size() && (std::isdigit(static_cast<unsigned char>(W[I])) || W[I] == '.')) ++I;
  if (I == 0 || I > 8) return "100%";
  const std::string Unit = W.substr(I);
  if (Unit.empty()) return W + "px";
  if (Unit == "%" || Unit == "px" || Unit == "em" || Unit == "rem" || Unit == "vw") return W;
  return "100%";
}

bool IsWeekend(int WeekDay) { return WeekDay == 1 || WeekDay == 7; }

class TModernWriter {
 public:
  TModernWriter(const TEventList& EventList, const TCalStyle& Style, std::vector<std::string>& Lines)
      : FDoc(EventList), FStyle(Style), FLines(Lines) {
    const TColor Page = Style.BGColor;
    FText = PageTextColor(Style);
    FBanner = ReadableColor(BannerGrey, Page);
    FLanguage = PageLanguage(Style);
  }

  void MonthPage(const TMonthFacts& Month, const TPageAddition& Addition) {
    Head(Month.Caption, false, Addition);
    FLines.push_back("<main class=\"qby-page\">");
    WriteMonth(Month);
    Foot();
  }

  void YearPage(int Year, const std::vector<TMonthFacts>& Months, const TPageAddition& Addition) {
    EncodeDate(Year, 1, 1);
    Head(Num(Year), true, Addition);
    FLines.push_back("<main class=\"qby-page\">");
    FLines.push_back("<h1 class=\"qby-year-heading\">" + Num(Year) + "</h1>");
    FLines.push_back("<div class=\"qby-year\">");
    for (const TMonthFacts& Month : Months) WriteMonth(Month);
    FLines.push_back("</div>");
    Foot();
  }

 private:
  void Head(const std::string& FallbackTitle, bool YearPage, const TPageAddition& Addition) {
    FLines.push_back("<!DOCTYPE html>");
    FLines.push_back("<html lang=\"" + FLanguage + "\">");
    FLines.push_back("<head>");
    FLines.push_back("<meta charset=\"utf-8\">");
    FLines.push_back("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">");
    // A page needs a title; an empty one gives way to the heading.
    const std::string Title = TextWithReferences(TrimControls(FStyle.Title));
    FLines.push_back("<title>" + (Title.empty() ? EscapeHtml(FallbackTitle) : Title) + "</title>");
    StyleSheet(YearPage, Addition.Css);
    FLines.push_back("</head>");
    FLines.push_back("<body>");
    if (!FStyle.Header.empty()) FLines.push_back(FStyle.Header);
    if (!Addition.Html.empty()) FLines.push_back(Addition.Html);
  }

  void StyleSheet(bool YearPage, const std::string& ExtraCss) {
    FLines.push_back("<style>");
    ScreenSheet();
    if (YearPage) YearSheet();
    PhoneSheet(YearPage);
    PrintSheet(YearPage);
    if (!ExtraCss.empty()) FLines.push_back(ExtraCss);
    FLines.push_back("</style>");
  }

  std::string GridLine() const {
    return Px(Clamp(FStyle.BorderWidth, 0, 20)) + " solid " + HexColor(FStyle.BorderColor);
  }

  void ScreenSheet() {
    const TCalStyle& S = FStyle;
    const int Padding = Clamp(S.CellPadding, 0, 50);
    std::string Width = CssWidth(S.Width);
    if (S.IsCellWidth)
      Width = Px(7 * (Clamp(S.CellWidth, 1, 2000) + 2 * Padding) + 8 * Clamp(S.BorderWidth, 0, 20));
    auto& L = FLines;
    L.push_back("html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }");
    L.push_back("body { margin: 0; padding: 8px; background-color: " + HexColor(S.BGColor) +
                "; color: " + HexColor(FText) + "; font-family: " + FontFamily(S.Events().FontName) + "; }");
    // Links outside the calendar take the page's readable text colour; every
    // link is underlined, so that colour alone never marks it.
    L.push_back("a { color: inherit; text-decoration: underline; }");
    L.push_back(".qby-page { box-sizing: border-box; width: " + Width + "; max-width: 100%; }");
    L.push_back(".qby-month { width: 100%; table-layout: fixed; border-collapse: collapse; }");
    L.push_back(".qby-month caption { " + ItemCss(S.Caption(), true) +
                "padding: 2px; margin-bottom: " + Px(Clamp(S.CaptionBottomMargin, 0, 200)) + "; }");
    L.push_back(".qby-month th, .qby-month td { padding: " + Px(Padding) + "; border: " + GridLine() +
                "; overflow-wrap: break-word; overflow-wrap: anywhere; }");
    L.push_back(".qby-month th { " + ItemCss(S.WeekDays(), true) + "vertical-align: bottom; }");
    std::string Cell = ".qby-month td { " + ItemCss(S.Events(), true) + "vertical-align: top; ";
    if (S.IsCellHeight) Cell += "height: " + Px(Clamp(S.CellHeight, 0, 2000)) + "; ";
    // Texts wrap inside their column, which never grows past its share;
    // with WrapEvents words may also be hyphenated where the language allows.
    if (S.WrapEvents) Cell += "hyphens: auto; ";
    L.push_back(Cell + "}");
    L.push_back(".qby-month time { display: block; " + ItemCss(S.Days(), false) + "}");
    L.push_back(".qby-month td a { color: inherit; }");
    L.push_back(".qby-long { display: none; }");
    L.push_back(
        ".qby-sr { position: absolute; width: 1px; height: 1px; margin: -1px; padding: 0; border: 0; "
        "overflow: hidden; clip: rect(0 0 0 0); clip-path: inset(50%); white-space: nowrap; }");
    L.push_back(".qby-banner { margin: 20px 0 0; text-align: center; color: " + HexColor(FBanner) +
                "; font-family: Arial, sans-serif; font-size: 9pt; }");
  }

  // On a narrow screen each month is a list of the days with events, each
  // headed by its day name and date.
  void PhoneSheet(bool YearPage) {
    auto& L = FLines;
    L.push_back(std::string(PhoneQuery) + " {");
    L.push_back(".qby-page { width: auto; }");
    L.push_back(
        ".qby-month, .qby-month caption, .qby-month tbody, .qby-month tr, .qby-month td { display: block; }");
    L.push_back(".qby-month thead, .qby-month td.qby-free, .qby-month td.qby-outside { display: none; }");
    L.push_back(".qby-month tbody { border-top: " + GridLine() + "; }");
    L.push_back(".qby-month td { height: auto; border-top: 0; }");
    L.push_back(".qby-month time { text-align: left; }");
    L.push_back(".qby-long { display: inline; }");
    if (YearPage)
      L.push_back(".qby-year { display: block; } .qby-year > .qby-month { margin-bottom: " +
                  Px(Clamp(FDoc.RowSpacing, 0, 999)) + "; }");
    L.push_back("}");
  }

  // On paper the grid and the colours stay, and a month never splits; a
  // year page gives each month a page of its own.
  void PrintSheet(bool YearPage) {
    auto& L = FLines;
    L.push_back("@media print {");
    L.push_back("@page { size: landscape; margin: 10mm; }");
    L.push_back("* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }");
    L.push_back("body { padding: 0; }");
    L.push_back(".qby-page { width: auto; max-width: none; }");
    L.push_back(".qby-month { break-inside: avoid; page-break-inside: avoid; }");
    if (YearPage) {
      L.push_back(".qby-year-heading { break-after: avoid; page-break-after: avoid; }");
      L.push_back(".qby-year { display: block; }");
      L.push_back(".qby-year > .qby-month + .qby-month { break-before: page; page-break-before: always; }");
    }
    L.push_back("}");
  }

  // The months share one column width: as many columns as fit at the
  // narrowest width that still shows the style's day names, at most
  // ExportCols of them.
  void YearSheet() {
    const int Columns = Clamp(FDoc.ExportCols, 1, 12);
    const std::string Gap = Px(Clamp(FDoc.ColSpacing, 0, 999));
    const char* Narrowest = FStyle.WeekDaysLength == 1   ? "24em"
                            : FStyle.WeekDaysLength == 2 ? "18em"
                                                         : "36em";
    const std::string Share = "(100% - " + Num(Columns - 1) + " * " + Gap + ") / " + Num(Columns);
    FLines.push_back(".qby-year-heading { " + ItemCss(FStyle.Caption(), false) +
                     "color: inherit; margin: 0 0 " + Px(Clamp(FStyle.CaptionBottomMargin, 0, 200)) + "; }");
    FLines.push_back(std::string(".qby-year { display: grid; grid-template-columns: repeat(auto-fill, "
                                 "minmax(min(100%, max(") +
                     Narrowest + ", " + Share + ")), 1fr)); column-gap: " + Gap +
                     "; row-gap: " + Px(Clamp(FDoc.RowSpacing, 0, 999)) + "; align-items: start; }");
  }

  void WriteMonth(const TMonthFacts& Month) {
    FLines.push_back("<table class=\"qby-month\" id=\"m" + IsoDate(Month.FirstDay).substr(0, 7) + "\">");
    // The caption names the table also when the style hides it.
    FLines.push_back(std::string(FStyle.ShowCaption ? "<caption>" : "<caption class=\"qby-sr\">") +
                     EscapeHtml(Month.Caption) + "</caption>");
    FLines.push_back("<thead>");
    std::string Row = "<tr>";
    for (int I = 0; I < 7; ++I) {
      const std::string Shown = EscapeHtml(Month.ShownDayNames[I]);
      const std::string Full = EscapeHtml(Month.FullDayNames[I]);
      Row += IsWeekend(Month.WeekDays[I]) ? "<th scope=\"col\" class=\"qby-weekend\">" : "<th scope=\"col\">";
      Row += Shown == Full ? Full
                           : "<span aria-hidden=\"true\">" + Shown + "</span><span class=\"qby-sr\">" + Full +
                                 "</span>";
      Row += "</th>";
    }
    FLines.push_back(Row + "</tr>");
    FLines.push_back("</thead>");
    FLines.push_back("<tbody>");
    for (int R = 0; R < Month.Rows; ++R) {
      FLines.push_back("<tr>");
      for (int C = 1; C <= 7; ++C) DayCell(Month.DayAt(R, C), Month, C - 1);
      FLines.push_back("</tr>");
    }
    FLines.push_back("</tbody>");
    FLines.push_back("</table>");
  }

  void DayCell(int Day, const TMonthFacts& Month, int Column) {
    if (Day < 1 || Day > Month.Days) {
      // Nothing in it, so that assistive technology announces it as blank.
      FLines.push_back("<td class=\"qby-outside\"></td>");
      return;
    }
    const TEvent* Event = FDoc.Items().Find(Month.FirstDay + Day - 1);
    std::string Text;
    const bool HasEvent = Event && !IsBlank(Event->Text);
    if (HasEvent)
      Text = ModernEventHtml(FStyle, *Event);
    else if (!Event && !FStyle.BlankEventsText.empty())
      Text = BalanceHtml(FStyle.BlankEventsText);
    const std::string Date = IsoDate(Month.Year, Month.Month, Day);
    std::string Cell = "<td id=\"d" + Date + "\" class=\"qby-day" + (HasEvent ? "" : " qby-free") +
                       (IsWeekend(Month.WeekDays[Column]) ? " qby-weekend" : "") + "\">";
    // The day's name and month show only where the grid gives way to a list.
    Cell += "<time datetime=\"" + Date + "\"><span class=\"qby-long\">" +
            EscapeHtml(Month.FullDayNames[Column]) + " </span>" + Num(Day) + "<span class=\"qby-long\"> " +
            EscapeHtml(Month.MonthName) + "</span></time>";
    if (!Text.empty()) Cell += "<div class=\"qby-ev\">" + Text + "</div>";
    FLines.push_back(Cell + "</td>");
  }

  void Foot() {
    if (!FStyle.HideBanner)
      FLines.push_back(std::string("<p class=\"qby-banner\"") + (FLanguage == "en" ? "" : " lang=\"en\"") +
                       ">Created by <a href=\"" + QuillbayWebSite + "\">Quillbay</a></p>");
    FLines.push_back("</main>");
    if (!FStyle.Footer.empty()) FLines.push_back(FStyle.Footer);
    FLines.push_back("</body>");
    FLines.push_back("</html>");
  }

  const TEventList& FDoc;
  const TCalStyle& FStyle;
  std::vector<std::string>& FLines;
  TColor FText = 0, FBanner = 0;
  std::string FLanguage;
};

bool IsLanguageTag(const std::string& Tag) {
  if (Tag.empty() || Tag.size() > 35) return false;
  size_t Part = 0;
  for (size_t I = 0; I <= Tag.size(); ++I) {
    if (I == Tag.size() || Tag[I] == '-') {
      if (Part == 0 || Part > 8) return false;
      Part = 0;
      continue;
    }
    if (!std::isalnum(static_cast<unsigned char>(Tag[I]))) return false;
    ++Part;
  }
  return std::isalpha(static_cast<unsigned char>(Tag[0]));
}
}  // namespace

double RelativeLuminance(TColor Color) { return Luminance(ToRgb(Color)); }

TColor PageTextColor(const TCalStyle& Style) {
  const TColor Page = Style.BGColor;
  const TCalItemStyle& Caption = Style.Caption();
  return ContrastRatio(Caption.FontColor, Page) >= 4.5 ? FromRgb(ToRgb(Caption.FontColor))
         : ContrastRatio(Caption.BGColor, Page) >= 4.5 ? FromRgb(ToRgb(Caption.BGColor))
                                                       : ReadableColor(Caption.FontColor, Page);
}

std::string CssFontFamily(const std::string& Name) { return FontFamily(Name); }

std::string HexColor(TColor Color) { return "#" + ColorToHtml(Color); }

std::string ModernEventHtml(const TCalStyle& Style, const TEvent& Event) {
  return Style.EventsAsText ? PlainTextToHtml(Event.Text) : BalanceHtml(Event.HTMLText());
}

double ContrastRatio(TColor A, TColor B) { return Contrast(ToRgb(A), ToRgb(B)); }

TColor ReadableColor(TColor Wanted, TColor Background, double MinContrast) {
  const TRgb From = ToRgb(Wanted), Page = ToRgb(Background);
  if (Contrast(From, Page) >= MinContrast) return FromRgb(From);
  const TRgb White{255, 255, 255}, Black{0, 0, 0};
  const TRgb To = Contrast(White, Page) >= Contrast(Black, Page) ? White : Black;
  for (int Step = 1; Step <= 255; ++Step) {
    auto Mix = [&](int A, int B) { return A + static_cast<int>(std::lround((B - A) * Step / 255.0)); };
    const TRgb Mixed{Mix(From.R, To.R), Mix(From.G, To.G), Mix(From.B, To.B)};
    if (Contrast(Mixed, Page) >= MinContrast) return FromRgb(Mixed);
  }
  return FromRgb(To);
}

std::string PageLanguage(const TCalStyle& Style) {
  if (IsEnglishLanguage(Style.Language)) return "en";
  const std::string Tag = Platform().LanguageTag();
  return IsLanguageTag(Tag) ? Tag : "en";
}

void BuildModernMonthPage(const TEventList& EventList, const TCalStyle& Style, const TMonthFacts& Month,
                          const TPageAddition& Addition, std::vector<std::string>& Lines) {
  std::vector<std::string> Page;
  TModernWriter(EventList, Style, Page).MonthPage(Month, Addition);
  Lines.swap(Page);
}

void BuildModernYearPage(const TEventList& EventList, const TCalStyle& Style, int Year,
                         const std::vector<TMonthFacts>& Months, const TPageAddition& Addition,
                         std::vector<std::string>& Lines) {
  std::vector<std::string> Page;
  TModernWriter(EventList, Style, Page).YearPage(Year, Months, Addition);
  Lines.swap(Page);
}
