// The fragments and the attribute filter behind them. The filter reads each
// tag the way a browser reads attributes (name, optional "=" and a quoted or
// bare value) and writes it anew with only the allowed attributes, their
// values in double quotes and escaped, so that nothing in a user's text can
// add an event handler, a script address or a request to another server.

#include "site/Fragment.h"

#include <vector>

#include "generator/HtmlText.h"
#include "generator/ModernPage.h"
#include "generator/MonthFacts.h"
#include "model/CalStyle.h"
#include "model/EventList.h"
#include "platform/TextUtil.h"
#include "site/SitePages.h"
#include "site/SiteTexts.h"
#include "text/Ascii.h"
#include "text/Html.h"

namespace {
bool IsSpace(char C) { return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\f'; }

// An address that cannot run script or leave the allowed schemes: its part
// before the first "/", "?" or "#" holds no character reference, blank or
// control character, and names http, https, mailto or tel when it has a ":".
bool IsSafeAddress(std::string_view Value) {
  const size_t End = Value.find_first_of("/?#");
  const std::string_view Head = Value.substr(0, End);
  for (char C : Head)
    if (C == '&' || static_cast<unsigned char>(C) <= 0x20 || C == 0x7F) return false;
  const size_t Colon = Head.find(':');
  if (Colon == std::string_view::npos) return true;  // relative
  const std::string Scheme = AsciiLower(Head.substr(0, Colon));
  return Scheme == "http" || Scheme == "https" || Scheme == "mailto" || Scheme == "tel";
}

bool IsAllowed(const std::string& Element, const std::string& Name) {
  if (Name == "title" || Name == "lang" || Name == "dir") return true;
  if (Element == "a") return Name == "href";
  if (Element == "time") return Name == "datetime";
  if (Element == "font") return Name == "color" || Name == "size" || Name == "face";
  return false;
}

// A value for a double-quoted attribute: character references stay, any
// other "&" and every quote and angle bracket is escaped.
std::string AttributeValue(std::string_view Value) {
  std::string Out;
  for (size_t I = 0; I < Value.size(); ++I) {
    const char C = Value[I];
    uint32_t Code = 0;
    if (C == '&') {
      const size_t Length = ReadReference(Value, I, Code);
      Out += Length ? std::string(Value.substr(I, Length)) : "&amp;";
      if (Length) I += Length - 1;
    } else if (C == '"') {
      Out += "&quot;";
    } else if (C == '<') {
      Out += "&lt;";
    } else if (C == '>') {
      Out += "&gt;";
    } else {
      Out += C;
    }
  }
  return Out;
}

struct TAttribute {
  std::string Name, Value;
};

// The attributes of Tag ("<a href=x title='y'>") read as a browser reads them.
std::vector<TAttribute> Attributes(std::string_view Tag, size_t At) {
  std::vector<TAttribute> List;
  const size_t End = Tag.size() - 1;  // the ">"
  while (At < End) {
    while (At < End && (IsSpace(Tag[At]) || Tag[At] == '/')) ++At;
    const size_t Name = At;
    while (At < End && !IsSpace(Tag[At]) && Tag[At] != '/' && (Tag[At] != '=' || At == Name)) ++At;
    if (At == Name) break;
    TAttribute A{AsciiLower(Tag.substr(Name, At - Name)), ""};
    size_t K = At;
    while (K < End && IsSpace(Tag[K])) ++K;
    if (K < End && Tag[K] == '=') {
      ++K;
      while (K < End && IsSpace(Tag[K])) ++K;
      if (K < End && (Tag[K] == '"' || Tag[K] == '\'')) {
        const char Quote = Tag[K];
        const size_t Close = Tag.find(Quote, K + 1);
        const size_t Stop = Close == std::string_view::npos || Close > End ? End : Close;
        A.Value = std::string(Tag.substr(K + 1, Stop - K - 1));
        K = Stop < End ? Stop + 1 : End;
      } else {
        const size_t Start = K;
        while (K < End && !IsSpace(Tag[K])) ++K;
        A.Value = std::string(Tag.substr(Start, K - Start));
      }
      At = K;
    }
    List.push_back(std::move(A));
  }
  return List;
}

// The tag Tag (from "<" to ">"), as ReadTextTag read it into Read, rewritten
// with its allowed attributes.
std::string SafeTag(std::string_view Tag, const THtmlTag& Read) {
  const std::string& Element = Read.Name;
  if (Read.Closing) return Element == "img" ? "" : "</" + Element + ">";
  const std::vector<TAttribute> List = Attributes(Tag, 1 + Element.size());
  if (Element == "img") {
    for (const TAttribute& A : List)
      if (A.Name == "alt") return EscapeHtml(A.Value);
    return "";
  }
  std::string Out = "<" + Element;
  for (const TAttribute& A : List) {
    if (!IsAllowed(Element, A.Name)) continue;
    if (A.Name == "href" && !IsSafeAddress(A.Value)) continue;
    Out += " " + A.Name + "=\"" + AttributeValue(A.Value) + "\"";
  }
  return Out + ">";
}

// The event text of a day as it goes into a fragment, or "".
std::string DayText(const TEventList& Doc, const TEvent* Event) {
  const TCalStyle& S = Doc.Style();
  if (Event && !IsBlank(Event->Text)) return SafeHtml(ModernEventHtml(S, *Event));
  if (!Event && !S.BlankEventsText.empty()) return SafeHtml(BalanceHtml(S.BlankEventsText));
  return {};
}

// The custom properties and the rules every fragment shares.
std::string CommonStyle(const TCalStyle& S) {
  const TColor Ink = PageTextColor(S);
  std::string Css;
  // The colours have no weight of their own (:where), so that a host page's
  // rule for .quillbay-cal sets them wherever its style sheet stands.
  Css += ":where(.quillbay-cal) { --qb-bg: " + HexColor(S.BGColor) + "; --qb-text: " + HexColor(Ink) +
         "; --qb-caption-bg: " + HexColor(S.Caption().BGColor) +
         "; --qb-caption-text: " + HexColor(S.Caption().FontColor) +
         "; --qb-head-bg: " + HexColor(S.WeekDays().BGColor) +
         "; --qb-head-text: " + HexColor(S.WeekDays().FontColor) +
         "; --qb-cell-bg: " + HexColor(S.Events().BGColor) +
         "; --qb-cell-text: " + HexColor(S.Events().FontColor) +
         "; --qb-day: " + HexColor(S.Days().FontColor) + "; --qb-line: " + HexColor(S.BorderColor) +
         "; --qb-font: " + CssFontFamily(S.Events().FontName) + "; }\n";
  Css +=
      ".quillbay-cal { display: block; box-sizing: border-box; width: auto; max-width: 100%; margin: 0 0 "
      "1em; padding: 0; "
      "border: 0; color: var(--qb-text); background: var(--qb-bg); font-family: var(--qb-font); "
      "line-height: 1.35; text-align: left; overflow-wrap: break-word; overflow-wrap: anywhere; }\n";
  Css +=
      ".quillbay-cal *, .quillbay-cal *::before, .quillbay-cal *::after { box-sizing: border-box; "
      "max-width: 100%; line-height: inherit; font-size: inherit; }\n";
  // A theme's rule for * would otherwise size every element of the fragment.
  Css +=
      ".quillbay-cal small, .quillbay-cal sub, .quillbay-cal sup { font-size: smaller; } "
      ".quillbay-cal big { font-size: larger; }\n";
  Css += ".quillbay-cal a { color: inherit; text-decoration: underline; }\n";
  Css +=
      ".quillbay-cal .qb-sr { position: absolute; width: 1px; height: 1px; margin: -1px; padding: 0; "
      "border: 0; overflow: hidden; clip: rect(0 0 0 0); clip-path: inset(50%); white-space: nowrap; }\n";
  return Css;
}

std::string MonthStyle() {
  const std::string T = ".quillbay-cal table.qb-month";
  std::string Css;
  Css += T +
         " { display: table; width: 100%; min-width: 0; max-width: 100%; height: auto; table-layout: fixed; "
         "border-collapse: collapse; border-spacing: 0; margin: 0; padding: 0; border: 1px solid "
         "var(--qb-line); "
         "background: var(--qb-cell-bg); font-size: inherit; }\n";
  Css += T +
         " caption { display: table-caption; caption-side: top; padding: 4px 6px; margin: 0; text-align: "
         "center; font-weight: bold; font-size: 1.15em; color: var(--qb-caption-text); "
         "background: var(--qb-caption-bg); }\n";
  Css += T + " tr { display: table-row; background: none; border: 0; }\n";
  Css += T + " thead, " + T + " tbody { display: table-row-group; }\n";
  Css += T + " thead { display: table-header-group; }\n";
  Css += T + " th, " + T +
         " td { display: table-cell; width: auto; min-width: 0; max-width: none; height: auto; float: none; "
         "position: static; padding: 3px; margin: 0; border: 1px solid var(--qb-line); vertical-align: top; "
         "text-align: left; white-space: normal; word-break: normal; overflow-wrap: anywhere; "
         "font-size: inherit; line-height: 1.3; }\n";
  Css += T +
         " th { text-align: center; font-weight: bold; color: var(--qb-head-text); "
         "background: var(--qb-head-bg); }\n";
  Css += T + " td { color: var(--qb-cell-text); background: var(--qb-cell-bg); height: 3.2em; }\n";
  Css += T + " td .qb-day { display: block; font-weight: bold; color: var(--qb-day); }\n";
  Css += T + " td.qb-outside { background: transparent; }\n";
  Css += T + " .qb-narrow { display: none; }\n";
  Css += "@container (max-width: 36em) { " + T + " { font-size: 0.75em; } " + T + " th, " + T +
         " td { padding: 2px; } " + T + " .qb-wide { display: none; } " + T +
         " .qb-narrow { display: inline; } }\n";
  Css += ".quillbay-cal.qb-month-box { container-type: inline-size; }\n";
  return Css;
}

std::string UpcomingStyle() {
  std::string Css;
  Css += ".quillbay-cal ul.qb-list { list-style: none; margin: 0; padding: 0; }\n";
  Css +=
      ".quillbay-cal ul.qb-list li { display: block; margin: 0; padding: 6px 0; border: 0; "
      "border-top: 1px solid var(--qb-line); background: none; }\n";
  Css += ".quillbay-cal ul.qb-list li::before { content: none; }\n";
  Css += ".quillbay-cal .qb-date { display: block; font-weight: bold; }\n";
  Css += ".quillbay-cal.qb-upcoming { padding: 4px 10px; }\n";
  Css += ".quillbay-cal p { margin: 0; padding: 6px 0; }\n";
  return Css;
}

std::string LangOf(const TCalStyle& S) { return " lang=\"" + PageLanguage(S) + "\""; }
}  // namespace

std::string SafeHtml(std::string_view Html) {
  std::string Out;
  Out.reserve(Html.size());
  for (size_t I = 0; I < Html.size();) {
    if (Html[I] != '<') {
      Out += Html[I++];
      continue;
    }
    // The tag as the balancer read it; anything else was escaped by it.
    THtmlTag Tag;
    if (!ReadTextTag(Html, I, Tag)) {
      Out += "&lt;";
      ++I;
      continue;
    }
    Out += SafeTag(Html.substr(I, Tag.End - I), Tag);
    I = Tag.End;
  }
  return Out;
}

std::string MonthFragment(const TEventList& Doc, int Year, int Month) {
  const TCalStyle& S = Doc.Style();
  const TMonthFacts F = MonthFacts(S, Year, Month);
  std::string Out = "<div class=\"quillbay-cal qb-month-box\"" + LangOf(S) + ">\n<style>\n" + CommonStyle(S) +
                    MonthStyle() + "</style>\n";
  Out += "<table class=\"qb-month\">\n<caption>" + EscapeHtml(F.Caption) + "</caption>\n<thead><tr>";
  for (int I = 0; I < 7; ++I) {
    // The style's names where there is room, the short ones in a narrow box;
    // screen readers hear the full name.
    Out += "<th scope=\"col\"><span class=\"qb-wide\" aria-hidden=\"true\">" +
           EscapeHtml(F.ShownDayNames[I]) + "</span><span class=\"qb-narrow\" aria-hidden=\"true\">" +
           EscapeHtml(F.ShortDayNames[I]) + "</span><span class=\"qb-sr\">" + EscapeHtml(F.FullDayNames[I]) +
           "</span></th>";
  }
  Out += "</tr></thead>\n<tbody>\n";
  for (int R = 0; R < F.Rows; ++R) {
    Out += "<tr>";
    for (int C = 1; C <= 7; ++C) {
      const int Day = F.DayAt(R, C);
      if (Day < 1 || Day > F.Days) {
        Out += "<td class=\"qb-outside\"></td>";
        continue;
      }
      const std::string Text = DayText(Doc, Doc.Items().Find(F.FirstDay + Day - 1));
      Out += "<td><span class=\"qb-day\">" + std::to_string(Day) + "</span>" + Text + "</td>";
    }
    Out += "</tr>\n";
  }
  return Out + "</tbody>\n</table>\n</div>\n";
}

std::string UpcomingFragment(const TEventList& Doc, TDateTime Today, int Days) {
  const TCalStyle& S = Doc.Style();
  const TSiteTexts& T = SiteTexts(S);
  int ThisYear, M, D;
  DecodeDate(Today, ThisYear, M, D);
  std::string Out = "<div class=\"quillbay-cal qb-upcoming\"" + LangOf(S) + ">\n<style>\n" + CommonStyle(S) +
                    UpcomingStyle() + "</style>\n";
  auto Line = [&](const TEvent* Event) {
    return "<time class=\"qb-date\" datetime=\"" + IsoDate(Event->Date()) + "\">" +
           EscapeHtml(LongDate(S, T, Event->Date(), ThisYear)) + "</time><div>" + DayText(Doc, Event) +
           "</div>";
  };
  const TComingUp Coming = ComingUp(Doc, Today, Days);
  if (!Coming.Days.empty()) {
    Out += "<ul class=\"qb-list\">\n";
    for (const TEvent* Event : Coming.Days) Out += "<li>" + Line(Event) + "</li>\n";
    return Out + "</ul>\n</div>\n";
  }
  if (Coming.Next) return Out + "<p>" + EscapeHtml(T.Next) + " " + Line(Coming.Next) + "</p>\n</div>\n";
  return Out + "<p>" + EscapeHtml(T.NoDates) + "</p>\n</div>\n";
}
