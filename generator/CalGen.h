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

class TEventList;
class TCalStyle;

// The root page of the product's web site, named in the banner of every page
// and in the About box.
constexpr const char* QuillbayWebSite = "https://quillbay.org/";

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
  // ModernPage chooses the page form (ModernPage.h).
  void BuildMonthPage(uint16_t Month, uint16_t Year);
  void BuildYearPage(uint16_t Year);
  // Lines each followed by CR LF, the last one included.
  std::string PageText() const;

  // Building blocks, each appending to Lines.
  void WriteHead();
  void WriteStyleSheet();
  void WriteMonths(uint16_t Year);
  void WriteMonth(uint16_t Month, uint16_t Year);
  void WriteCaption(uint16_t Month, uint16_t Year);
  void WriteDaysTableTop();
  void WriteWeekDays();
  void WriteDays(uint16_t Month, uint16_t Year);
  // Day below 1 or above DaysInMonth is a cell outside the month.
  void WriteDayCell(int Day, uint16_t Month, uint16_t Year, int DaysInMonth);
  void WriteDaysTableBottom();
  void WriteFoot();
  void WriteBanner();

  // The caption text of a month: "July 2026", "7/2026", "July" or "7".
  std::string CaptionText(uint16_t Month, uint16_t Year) const { return CaptionText(*Style, Month, Year); }
  static std::string CaptionText(const TCalStyle& Style, uint16_t Month, uint16_t Year);

 private:
  void SavePage(const std::string& FileName) const;
};
