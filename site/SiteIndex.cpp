// The first page of a site, index.html, in the look of the modern page form
// with the style's colours and fonts: the title, what is coming up, the months
// of the site by year, and the subscribe section. It is laid out for a phone
// first (one column, large targets) and widens to a centred column. The only
// script is the Copy button's, which appears only when script runs; without
// it the address stays a read-only field to select and copy.

#include <algorithm>
#include <map>
#include <set>

#include "generator/HtmlText.h"
#include "generator/ModernPage.h"
#include "model/CalStyle.h"
#include "model/EventList.h"
#include "platform/TextUtil.h"
#include "site/SiteAddress.h"
#include "site/SitePages.h"
#include "site/SiteTexts.h"
#include "text/Ascii.h"

namespace {
class TIndexWriter {
 public:
  TIndexWriter(const TEventList& Doc, const TSiteIndex& Index)
      : FDoc(Doc), FStyle(Doc.Style()), FIndex(Index), FTexts(SiteTexts(Doc.Style())) {
    FLanguage = PageLanguage(FStyle);
    FTextLang = LangAttribute(FStyle, FTexts);
    FTitle = TextWithReferences(TrimControls(FStyle.Title));
    if (FTitle.empty()) FTitle = Text(FTexts.Overview);
    int D;
    DecodeDate(Index.Today, FThisYear, FThisMonth, D);
    for (const auto& [Y, M] : Index.Months) FSiteMonths.insert(Y * 100 + M);
  }

  std::string Page() {
    // A bad address stops the page before anything is built.
    if (!FIndex.Address.empty()) FLinks = SubscribeLinks(FIndex.Address, FIndex.FeedName);
    Head();
    Out("<main class=\"qby-index\">");
    Out("<h1>" + FTitle + "</h1>");
    ComingUp();
    Months();
    Subscribe();
    if (!FStyle.HideBanner)
      Out(std::string("<p class=\"qby-banner\"") + (FLanguage == "en" ? "" : " lang=\"en\"") +
          ">Created by <a href=\"https://quillbay.org/\">Quillbay</a></p>");
    Out("</main>");
    if (!FStyle.Footer.empty()) Out(FStyle.Footer);
    if (!FIndex.Address.empty()) CopyScript();
    Out("</body>");
    Out("</html>");
    return FPage;
  }

 private:
  void Out(const std::string& Line) {
    FPage += Line;
    FPage += "\r\n";
  }
  std::string Text(const char* Words) const { return EscapeHtml(Words); }

  void Head() {
    Out("<!DOCTYPE html>");
    Out("<html lang=\"" + FLanguage + "\">");
    Out("<head>");
    Out("<meta charset=\"utf-8\">");
    Out("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">");
    Out("<title>" + FTitle + "</title>");
    if (!FLinks.Https.empty())
      Out("<link rel=\"alternate\" type=\"text/calendar\" href=\"" + PercentEncode(FIndex.FeedName) + "\">");
    StyleSheet();
    Out("</head>");
    Out("<body>");
    if (!FStyle.Header.empty()) Out(FStyle.Header);
  }

  void StyleSheet() {
    const TColor Page = FStyle.BGColor;
    const TColor Ink = PageTextColor(FStyle);
    const TCalItemStyle& Cap = FStyle.Caption();
    const TColor ButtonInk = ReadableColor(Cap.FontColor, Cap.BGColor);
    const std::string Heading = CssFontFamily(Cap.FontName);
    Out("<style>");
    Out("html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }");
    Out("body { margin: 0; padding: 12px; background-color: " + HexColor(Page) + "; color: " + HexColor(Ink) +
        "; font-family: " + CssFontFamily(FStyle.Events().FontName) + "; line-height: 1.45; }");
    Out("a { color: inherit; text-decoration: underline; }");
    Out(".qby-index { box-sizing: border-box; max-width: 46rem; margin: 0 auto; overflow-wrap: anywhere; }");
    Out(".qby-index h1, .qby-index h2, .qby-index h3 { font-family: " + Heading + "; line-height: 1.2; }");
    Out(".qby-index h1 { font-size: 1.9em; margin: 8px 0 20px; }");
    Out(".qby-index h2 { font-size: 1.35em; margin: 32px 0 10px; }");
    Out(".qby-index h3 { font-size: 1.1em; margin: 18px 0 8px; }");
    Out(".qby-coming { list-style: none; margin: 0; padding: 0; }");
    Out(".qby-coming li { padding: 10px 0; border-top: 1px solid " + HexColor(Ink) + "; }");
    Out(".qby-coming li:last-child { border-bottom: 1px solid " + HexColor(Ink) + "; }");
    Out(".qby-coming .qby-date { display: block; font-weight: bold; }");
    Out(".qby-months { list-style: none; margin: 0; padding: 0; display: flex; flex-wrap: wrap; gap: 8px; }");
    Out(".qby-months a { display: inline-block; min-width: 2.5em; padding: 8px 12px; border: 1px solid " +
        HexColor(Ink) + "; border-radius: 6px; text-decoration: none; }");
    Out(".qby-months a:hover, .qby-months a:focus { text-decoration: underline; }");
    Out(".qby-months a[aria-current] { font-weight: bold; border-width: 2px; }");
    Out(".qby-buttons { display: flex; flex-wrap: wrap; gap: 10px; margin: 12px 0; padding: 0; list-style: "
        "none; }");
    Out(".qby-button { display: inline-block; box-sizing: border-box; padding: 10px 16px; border: 2px "
        "solid " +
        HexColor(ButtonInk) + "; border-radius: 6px; background-color: " + HexColor(Cap.BGColor) +
        "; color: " + HexColor(ButtonInk) +
        "; font: inherit; font-weight: bold; text-decoration: none; cursor: pointer; }");
    Out(".qby-button:hover, .qby-button:focus { text-decoration: underline; }");
    Out(".qby-buttons > li { flex: 1 1 14em; } .qby-buttons > li > .qby-button { display: block; text-align: "
        "center; }");
    Out(".qby-field { display: flex; flex-wrap: wrap; gap: 8px; margin: 6px 0 12px; }");
    Out(".qby-field input { flex: 1 1 14em; min-width: 0; box-sizing: border-box; padding: 10px; font: "
        "inherit; "
        "font-family: monospace; color: " +
        HexColor(Ink) + "; background-color: " + HexColor(Page) + "; border: 1px solid " + HexColor(Ink) +
        "; border-radius: 4px; }");
    Out(".qby-field [hidden] { display: none; }");
    Out(".qby-note { font-size: 0.92em; }");
    Out(".qby-sr { position: absolute; width: 1px; height: 1px; margin: -1px; padding: 0; border: 0; "
        "overflow: hidden; "
        "clip: rect(0 0 0 0); clip-path: inset(50%); white-space: nowrap; }");
    Out(".qby-banner { margin: 32px 0 0; text-align: center; font-family: Arial, sans-serif; font-size: 9pt; "
        "}");
    Out("@media screen and (min-width: 40em) { body { padding: 24px; } .qby-coming li { display: flex; gap: "
        "16px; } .qby-coming .qby-date { flex: 0 0 13em; } }");
    Out("@media print { .qby-buttons, .qby-field, .qby-howto { display: none; } }");
    Out("</style>");
  }

  std::string DayText(const TEvent& Event) const { return ModernEventHtml(FStyle, Event); }

  // A day's date, linked to its month page when the site has it.
  std::string DateOf(TDateTime Day) const {
    int Y, M, D;
    DecodeDate(Day, Y, M, D);
    const std::string Date = EscapeHtml(LongDate(FStyle, FTexts, Day, FThisYear));
    const std::string Time = "<time datetime=\"" + IsoDate(Day) + "\">" + Date + "</time>";
    if (!FSiteMonths.count(Y * 100 + M)) return Time;
    const std::string Anchor = FStyle.ModernPage ? "#d" + IsoDate(Day) : "";
    return "<a href=\"" + SiteMonthPageName(Y, M) + Anchor + "\">" + Time + "</a>";
  }

  void ComingUp() {
    Out("<section aria-labelledby=\"qby-coming-up\">");
    Out("<h2 id=\"qby-coming-up\"" + FTextLang + ">" + Text(FTexts.ComingUp) + "</h2>");
    const TComingUp Coming = ::ComingUp(FDoc, FIndex.Today, FIndex.UpcomingDays);
    if (!Coming.Days.empty()) {
      Out("<ul class=\"qby-coming\">");
      for (const TEvent* Event : Coming.Days)
        Out("<li><span class=\"qby-date\">" + DateOf(Event->Date()) + "</span><div class=\"qby-ev\">" +
            DayText(*Event) + "</div></li>");
      Out("</ul>");
    } else if (Coming.Next) {
      Out("<p><span" + FTextLang + ">" + Text(FTexts.Next) + "</span> " + DateOf(Coming.Next->Date()) +
          " \xE2\x80\x94 " + DayText(*Coming.Next) + "</p>");
    } else {
      Out("<p" + FTextLang + ">" + Text(FTexts.NoDates) + "</p>");
    }
    Out("</section>");
  }

  void Months() {
    if (FIndex.Months.empty()) return;
    Out("<section aria-labelledby=\"qby-months\">");
    Out("<h2 id=\"qby-months\"" + FTextLang + ">" + Text(FTexts.Months) + "</h2>");
    std::map<int, std::vector<int>> ByYear;
    for (const auto& [Y, M] : FIndex.Months) ByYear[Y].push_back(M);
    for (const auto& [Year, Months] : ByYear) {
      const std::string Y = std::to_string(Year);
      const bool HasYearPage =
          std::find(FIndex.Years.begin(), FIndex.Years.end(), Year) != FIndex.Years.end();
      Out("<h3>" + (HasYearPage ? "<a href=\"" + Y + ".html\">" + Y + "</a>" : Y) + "</h3>");
      Out("<ul class=\"qby-months\">");
      for (int M : Months) {
        const bool Now = Year == FThisYear && M == FThisMonth;
        Out("<li><a href=\"" + SiteMonthPageName(Year, M) + "\"" + (Now ? " aria-current=\"date\"" : "") +
            ">" + EscapeHtml(TCalStyle::MonthName(static_cast<uint16_t>(M), FStyle.Language)) +
            "<span class=\"qby-sr\"> " + Y + "</span></a></li>");
      }
      Out("</ul>");
    }
    Out("</section>");
  }

  void Subscribe() {
    const std::string L = FTextLang;
    Out("<section id=\"subscribe\" aria-labelledby=\"qby-subscribe\">");
    Out("<h2 id=\"qby-subscribe\"" + L + ">" + Text(FTexts.Subscribe) + "</h2>");
    const std::string Feed = PercentEncode(FIndex.FeedName);
    if (FLinks.Https.empty()) {
      Out("<p" + L + ">" + Text(FTexts.DownloadOnly) + "</p>");
      Out("<p class=\"qby-buttons\"><a class=\"qby-button\" href=\"" + Feed + "\" download" + L + ">" +
          Text(FTexts.Download) + "</a></p>");
      Out("<p class=\"qby-note\"" + L + ">" + Text(FTexts.NoAddress) + "</p>");
      Out("</section>");
      return;
    }
    Out("<p" + L + ">" + Text(FTexts.SubscribeIntro) + "</p>");
    Out("<ul class=\"qby-buttons\" role=\"list\">");
    Out("<li><a class=\"qby-button\" href=\"" + EscapeHtml(FLinks.Google) + "\"" + L + ">" +
        Text(FTexts.Google) + "</a></li>");
    Out("<li><a class=\"qby-button\" href=\"" + EscapeHtml(FLinks.Webcal) + "\"" + L + ">" +
        Text(FTexts.Apple) + "</a></li>");
    Out("<li><a class=\"qby-button\" href=\"" + EscapeHtml(FLinks.Outlook) + "\"" + L + ">" +
        Text(FTexts.Outlook) + "</a></li>");
    Out("<li><a class=\"qby-button\" href=\"" + Feed + "\" download" + L + ">" + Text(FTexts.Download) +
        "</a></li>");
    Out("</ul>");
    Out("<label for=\"qby-feed\"" + L + ">" + Text(FTexts.AddressLabel) + "</label>");
    Out("<div class=\"qby-field\"><input id=\"qby-feed\" type=\"text\" readonly spellcheck=\"false\" "
        "autocomplete=\"off\" value=\"" +
        EscapeHtml(FLinks.Https) +
        "\"><button type=\"button\" class=\"qby-button\" id=\"qby-copy\" hidden data-done=\"" +
        Text(FTexts.Copied) + "\"" + L + ">" + Text(FTexts.Copy) + "</button></div>");
    Out("<div class=\"qby-howto\">");
    Out("<h3" + L + ">" + Text(FTexts.HowTo) + "</h3>");
    Out("<ul" + L + ">");
    for (const char* Line : {FTexts.HowGoogle, FTexts.HowApple, FTexts.HowOutlook, FTexts.HowOther})
      Out("<li>" + Text(Line) + "</li>");
    Out("</ul>");
    Out("<p class=\"qby-note\"" + L + ">" + Text(FTexts.Refresh) + "</p>");
    Out("</div>");
    Out("</section>");
  }

  // Shows the Copy button and selects the whole address when the field is
  // entered; the clipboard API needs a secure page, so the selection and the
  // older copy command stand in for it elsewhere.
  void CopyScript() {
    Out("<script>");
    Out("(function () {");
    Out("  var f = document.getElementById('qby-feed'), b = document.getElementById('qby-copy');");
    Out("  if (!f || !b) return;");
    Out("  f.addEventListener('focus', function () { f.select(); });");
    Out("  b.hidden = false;");
    Out("  b.addEventListener('click', function () {");
    Out("    var done = function () { b.textContent = b.getAttribute('data-done'); };");
    Out("    f.focus(); f.select();");
    Out("    if (navigator.clipboard && window.isSecureContext) "
        "navigator.clipboard.writeText(f.value).then(done);");
    Out("    else if (document.execCommand('copy')) done();");
    Out("  });");
    Out("})();");
    Out("</script>");
  }

  const TEventList& FDoc;
  const TCalStyle& FStyle;
  const TSiteIndex& FIndex;
  const TSiteTexts& FTexts;
  std::string FPage, FLanguage, FTextLang;
  std::string FTitle;  // the page's heading and title: the style's, else "Overview"
  TSubscribeLinks FLinks;
  int FThisYear = 0, FThisMonth = 0;
  std::set<int> FSiteMonths;
};
}  // namespace

std::string SiteIndexPage(const TEventList& Doc, const TSiteIndex& Index) {
  return TIndexWriter(Doc, Index).Page();
}
