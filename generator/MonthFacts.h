#pragma once
// The facts of one month as every page form shows them: its caption, its
// first day and where that falls in the week, its number of days and rows,
// and the day and month names in the style's language. They are worked out
// once, from the style, and handed to each page form (classic, modern, the
// site's pages and the fragment), which only lays them out. Also the extra
// block a page form places under the style's header, which is how the site
// adds its navigation without the page forms knowing about sites.

#include <array>
#include <string>

#include "model/CalDate.h"

class TCalStyle;

// The root page of the product's web site, named in the banner of every page
// and in the About box.
constexpr const char* QuillbayWebSite = "https://quillbay.org/";

struct TMonthFacts {
  int Year = 0, Month = 0;
  // "July 2026", "7/2026", "July" or "7", as the style asks; not escaped.
  std::string Caption;
  // The month's full name in the style's language.
  std::string MonthName;
  TDateTime FirstDay = 0;
  int Days = 0;
  // The style's first day of the week, 1 Sunday .. 7 Saturday.
  int WeekStart = 1;
  // The column 1..7 of the first day, and the number of week rows (4..6).
  int FirstColumn = 1;
  int Rows = 0;
  // Per column, from WeekStart: the week day (1..7), its name as the style
  // shows it in the head row, its short name and its full name.
  std::array<int, 7> WeekDays{};
  std::array<std::string, 7> ShownDayNames, ShortDayNames, FullDayNames;

  // The day of the month in Row (0-based) and Column (1..7); below 1 or
  // above Days is a cell outside the month.
  int DayAt(int Row, int Column) const { return 7 * Row + Column - FirstColumn + 1; }
};

// Month 1..12 of Year 1..9999; anything else raises "Invalid argument to date
// encode".
TMonthFacts MonthFacts(const TCalStyle& Style, int Year, int Month);
// The caption text alone.
std::string MonthCaption(const TCalStyle& Style, int Year, int Month);

// What a page form adds to a page: style rules after its own and a block
// right under the style's header. Both empty for the single pages.
struct TPageAddition {
  std::string Css;
  std::string Html;
};
