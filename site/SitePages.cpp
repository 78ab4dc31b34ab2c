#include "site/SitePages.h"

#include <cstdio>

#include "generator/CalGen.h"
#include "generator/HtmlText.h"
#include "generator/ModernPage.h"
#include "model/CalStyle.h"
#include "model/EventList.h"
#include "platform/TextUtil.h"
#include "site/SiteTexts.h"

namespace {
// The month a page name "3_2026.html" stands for, as "March 2026"; the name
// itself when it is not such a name.
std::string MonthPageText(const TCalStyle& Style, const std::string& Name) {
  int Month = 0, Year = 0;
  char Tail[8] = {};
  if (std::sscanf(Name.c_str(), "%d_%d.%5s", &Month, &Year, Tail) == 3 && Month >= 1 && Month <= 12 &&
      std::string(Tail) == "html")
    return TCalStyle::MonthName(static_cast<uint16_t>(Month), Style.Language) + " " + std::to_string(Year);
  return Name;
}

// "2026.html" as "2026".
std::string YearPageText(const std::string& Name) {
  const size_t Dot = Name.find('.');
  return Dot == std::string::npos ? Name : Name.substr(0, Dot);
}

// One link of the navigation; Hidden is read by screen readers only (what
// the link is), Arrow only shown.
struct TNavLink {
  std::string Href, Text, Hidden, Rel, Before, After;
};

std::vector<TNavLink> NavLinks(const TCalStyle& Style, const TSiteTexts& T, const TSiteLinks& Links) {
  std::vector<TNavLink> Out;
  const bool YearPage = Links.Year.empty();
  if (YearPage && !Links.PrevYear.empty())
    Out.push_back(
        {Links.PrevYear, YearPageText(Links.PrevYear), T.PreviousYear, "prev", "\xE2\x80\xB9 ", ""});
  if (!YearPage && !Links.Prev.empty())
    Out.push_back(
        {Links.Prev, MonthPageText(Style, Links.Prev), T.PreviousMonth, "prev", "\xE2\x80\xB9 ", ""});
  if (!Links.Year.empty()) Out.push_back({Links.Year, YearPageText(Links.Year), "", "", "", ""});
  if (!Links.Index.empty()) Out.push_back({Links.Index, T.Overview, "", "", "", ""});
  if (!Links.Subscribe.empty()) Out.push_back({Links.Subscribe, T.Subscribe, "", "", "", ""});
  if (!YearPage && !Links.Next.empty())
    Out.push_back({Links.Next, MonthPageText(Style, Links.Next), T.NextMonth, "next", "", " \xE2\x80\xBA"});
  if (YearPage && !Links.NextYear.empty())
    Out.push_back({Links.NextYear, YearPageText(Links.NextYear), T.NextYear, "next", "", " \xE2\x80\xBA"});
  return Out;
}

// The modern form: a list of links in a <nav> named for screen readers.
TPageAddition ModernNavigation(const TCalStyle& Style, const TSiteLinks& Links) {
  const TSiteTexts& T = SiteTexts(Style);
  TPageAddition A;
  A.Css =
      ".qby-nav { box-sizing: border-box; max-width: 100%; margin: 0 0 12px; }\n"
      ".qby-nav ul { list-style: none; margin: 0; padding: 0; display: flex; flex-wrap: wrap; gap: 4px 18px; "
      "}\n"
      ".qby-nav a { display: inline-block; padding: 8px 0; min-height: 24px; }\n"
      "@media print { .qby-nav { display: none; } }";
  std::string Html = "<nav class=\"qby-nav\" aria-label=\"" + EscapeHtml(T.Navigation) + "\"" +
                     LangAttribute(Style, T) + "><ul>";
  for (const TNavLink& L : NavLinks(Style, T, Links)) {
    Html +=
        "<li><a href=\"" + EscapeHtml(L.Href) + "\"" + (L.Rel.empty() ? "" : " rel=\"" + L.Rel + "\"") + ">";
    if (!L.Before.empty()) Html += "<span aria-hidden=\"true\">" + L.Before + "</span>";
    if (!L.Hidden.empty()) Html += "<span class=\"qby-sr\">" + EscapeHtml(L.Hidden) + "</span>";
    Html += EscapeHtml(L.Text);
    if (!L.After.empty()) Html += "<span aria-hidden=\"true\">" + L.After + "</span>";
    Html += "</a></li>";
  }
  A.Html = Html + "</ul></nav>";
  return A;
}

// The classic form: one line of links in the style's event font.
TPageAddition ClassicNavigation(const TCalStyle& Style, const TSiteLinks& Links) {
  const TSiteTexts& T = SiteTexts(Style);
  TPageAddition A;
  // The event font, in a colour that reads on the page rather than in a cell.
  A.Css = ".qbyNav {" + ItemStyleToCss(Style.Events(), false) + " color: #" +
          ColorToHtml(PageTextColor(Style)) + "; margin: 4px 0 8px 0;}\r\n.qbyNav a {color: inherit;}";
  std::string Html = "<div class=\"qbyNav\">";
  bool First = true;
  for (const TNavLink& L : NavLinks(Style, T, Links)) {
    if (!First) Html += " | ";
    First = false;
    Html += "<a href=\"" + EscapeHtml(L.Href) + "\" title=\"" + EscapeHtml(L.Hidden + L.Text) + "\">" +
            L.Before + EscapeHtml(L.Text) + L.After + "</a>";
  }
  A.Html = Html + "</div>";
  return A;
}

TPageAddition Navigation(const TCalStyle& Style, const TSiteLinks& Links) {
  return Style.ModernPage ? ModernNavigation(Style, Links) : ClassicNavigation(Style, Links);
}
}  // namespace

std::string LangAttribute(const TCalStyle& Style, const TSiteTexts& T) {
  const std::string Page = PageLanguage(Style);
  const std::string Primary = Page.substr(0, Page.find('-'));
  return Primary == T.Language ? "" : std::string(" lang=\"") + T.Language + "\"";
}

std::string SiteMonthPageName(int Year, int Month) {
  return std::to_string(Month) + "_" + std::to_string(Year) + ".html";
}

std::string SiteYearPageName(int Year) { return std::to_string(Year) + ".html"; }

std::string SiteMonthPage(const TEventList& Doc, int Year, int Month, const TSiteLinks& Links) {
  EncodeDate(Year, Month, 1);
  TCalGen Gen(Doc, Doc.Style());
  Gen.BuildMonthPage(static_cast<uint16_t>(Month), static_cast<uint16_t>(Year),
                     Navigation(Doc.Style(), Links));
  return Gen.PageText();
}

std::string SiteYearPage(const TEventList& Doc, int Year, const TSiteLinks& Links) {
  EncodeDate(Year, 1, 1);
  TCalGen Gen(Doc, Doc.Style());
  constexpr uint16_t AllMonths = 0x1FFE;  // bits 1..12
  Gen.BuildYearPage(static_cast<uint16_t>(Year), AllMonths, Navigation(Doc.Style(), Links));
  return Gen.PageText();
}

TComingUp ComingUp(const TEventList& Doc, TDateTime Today, int Days) {
  auto WithText = [&](TDateTime Day) -> const TEvent* {
    const TEvent* Event = Doc.Items().Find(Day);
    return Event && !IsBlank(Event->Text) ? Event : nullptr;
  };
  TComingUp Result;
  const TDateTime First = DateOnly(Today), Last = First + (Days < 1 ? 1 : Days) - 1;
  for (TDateTime Day = First; Day <= Last && IsCalendarDay(Day); ++Day)
    if (const TEvent* Event = WithText(Day)) Result.Days.push_back(Event);
  if (!Result.Days.empty()) return Result;
  for (int I = 0; I < Doc.Items().Count(); ++I) {
    const TEvent& E = Doc.Items().Item(I);
    if (E.Date() <= Last || (Result.Next && E.Date() >= Result.Next->Date())) continue;
    if (const TEvent* Event = WithText(E.Date())) Result.Next = Event;
  }
  return Result;
}
