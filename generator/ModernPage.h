#pragma once
// The modern page form, chosen by a style's ModernPage: an HTML5 page for one
// month, or for the chosen months of a year, that reads well on phones, with
// screen readers and on paper. It uses the same style values as the classic
// form (fonts, colours, alignment, padding, grid, width, cell sizes, caption,
// names, title, header, footer, banner, blank-day text), expressed as one
// embedded style sheet instead of presentational attributes.
//
// The calendar's own colours are used as the user chose them; the page's own
// text and links outside the calendar (year heading, banner, the header and
// footer unless they set colours of their own) get a colour that reaches a
// contrast of 4.5:1 against the page background. Event texts written as HTML
// are balanced (BalanceHtml) so that one text cannot break the page.
//
// The builders fill Lines (without line ends) and read the document and the
// style without changing either; TCalGen saves the page.

#include <cstdint>
#include <string>
#include <vector>

#include "generator/MonthFacts.h"
#include "model/CalStyle.h"

class TEvent;
class TEventList;

// Relative luminance of a colour by the sRGB formula of WCAG 2 (0 black to
// 1 white); system colours are taken at their current value.
double RelativeLuminance(TColor Color);
// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 to 21.
double ContrastRatio(TColor A, TColor B);
// Wanted when it reaches MinContrast against Background; otherwise Wanted
// moved toward white or black, whichever contrasts more with Background, by
// the least amount that reaches MinContrast (one of the two always reaches
// 4.5:1). The result is a plain RGB colour.
TColor ReadableColor(TColor Wanted, TColor Background, double MinContrast = 4.5);

// The lang attribute of a page: "en" for English names, else the locale's
// language tag from the platform ("en" when it gives none).
std::string PageLanguage(const TCalStyle& Style);

// The readable colour of the page's own text outside the calendar: the
// caption's text colour, else its background colour, whichever reads on the
// page background; else the text colour made readable.
TColor PageTextColor(const TCalStyle& Style);
// A font family name as a CSS value with a generic family behind it.
std::string CssFontFamily(const std::string& Name);
// An event's text as the modern form shows it: plain text made HTML, or the
// HTML balanced.
std::string ModernEventHtml(const TCalStyle& Style, const TEvent& Event);
// A colour as CSS writes it: "#rrggbb" (system colours resolved).
std::string HexColor(TColor Color);

// The page of one month, with Addition's rules after the page's own and its
// block right under the style's header.
void BuildModernMonthPage(const TEventList& EventList, const TCalStyle& Style, const TMonthFacts& Month,
                          const TPageAddition& Addition, std::vector<std::string>& Lines);
// The given months of Year 1..9999 in a grid of at most EventList.ExportCols
// columns with ColSpacing and RowSpacing as gaps.
void BuildModernYearPage(const TEventList& EventList, const TCalStyle& Style, int Year,
                         const std::vector<TMonthFacts>& Months, const TPageAddition& Addition,
                         std::vector<std::string>& Lines);
