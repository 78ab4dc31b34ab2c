#pragma once
// The page generator: turns a calendar document and a style into a static
// HTML page (one month, or chosen months of one year stacked in one table)
// and saves it. A generator is made for one page; it reads the document and
// the style (neither is owned nor changed) and builds the page as a list of
// lines, which is saved in one piece only when it is complete, so a failure
// half-way leaves no file behind. Nothing in the document or the style is
// escaped: titles, header, footer and event texts may carry the user's HTML
// (only a style's EventsAsText makes event texts plain text). A style that
// asks for the modern page form gets it from the same calls.

#include <cstdint>
#include <string>
#include <vector>

#include "generator/MonthFacts.h"

class TEventList;
class TCalStyle;

class TCalGen {
 public:
  TCalGen() = default;
  TCalGen(const TEventList& AEventList, const TCalStyle& AStyle) : EventList(&AEventList), Style(&AStyle) {}
  TCalGen(const TCalGen&) = delete;
  TCalGen& operator=(const TCalGen&) = delete;

  // Not owned; the caller sets both before writing.
  const TEventList* EventList = nullptr;
  // The lines of the page being built, without line ends.
  std::vector<std::string> Lines;
  // Not owned: the document's own style or an edited one for a preview.
  const TCalStyle* Style = nullptr;

  // Month 1..12 and year 1..9999. A year of 0 raises "Invalid argument to
  // date encode" and leaves FileName untouched; a file that cannot be written
  // raises "Cannot create file %s" or "Stream write error".
  void WriteMonthPage(uint16_t Month, uint16_t Year, const std::string& FileName);
  // The months of EventList->ExportMonths in calendar order, with a spacer
  // row of EventList->RowSpacing pixels between two of them.
  void WriteYearPage(uint16_t Year, const std::string& FileName);

  // The same pages built into Lines without saving them; the style's
  // ModernPage chooses the page form (ModernPage.h). Addition goes into the
  // page as TPageAddition describes; MonthBits (bit M for month M) chooses
  // the months of a year page.
  void BuildMonthPage(uint16_t Month, uint16_t Year, const TPageAddition& Addition = {});
  void BuildYearPage(uint16_t Year);
  void BuildYearPage(uint16_t Year, uint16_t MonthBits, const TPageAddition& Addition = {});
  // Lines each followed by CR LF, the last one included.
  std::string PageText() const;

  // Building blocks, each appending to Lines.
  void WriteHead(const TPageAddition& Addition = {});
  void WriteStyleSheet(const std::string& ExtraCss = {});
  void WriteMonths(const std::vector<TMonthFacts>& Months);
  void WriteMonth(const TMonthFacts& Month);
  void WriteCaption(const TMonthFacts& Month);
  void WriteDaysTableTop();
  void WriteWeekDays(const TMonthFacts& Month);
  void WriteDays(const TMonthFacts& Month);
  // Day below 1 or above Month.Days is a cell outside the month.
  void WriteDayCell(int Day, const TMonthFacts& Month);
  void WriteDaysTableBottom();
  void WriteFoot();
  void WriteBanner();

 private:
  void SavePage(const std::string& FileName) const;
};
