#pragma once
// The arithmetic of the style dialog's painted preview: where the caption, the
// week-day row, the day-number strips and the event rows of a two-column
// excerpt of a month fall in the paint box, which dialog page a click selects
// and where the arrow beside the paint box points. Plain functions on plain
// rectangles, so the geometry can be checked without a window; the dialog
// paints and records what these answer.

namespace StylePreview {

// Left, Top, Right, Bottom in pixels of the paint box; Right and Bottom are
// exclusive when filling. A point is inside when it lies strictly between the
// edges, so a click on an area's edge belongs to no area.
struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Contains(int X, int Y) const { return Left < X && X < Right && Top < Y && Y < Bottom; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// The size of the dialog's paint box and its top inside the preview panel.
constexpr int PaintBoxWidth = 201;
constexpr int PaintBoxHeight = 259;
constexpr int PaintBoxTop = 31;
// The arrow stands at this left edge of the panel, the paint box at 15 or,
// when the arrow is wider than the gap, just right of the arrow so that the
// box never covers it.
constexpr int ArrowLeft = 3;
int PaintBoxLeft(int ArrowWidth);

// Everything one painting draws, in drawing order.
struct TLayout {
  TRect Page;  // page background, the whole box
  bool HasCaption = false;
  TRect CaptionArea;                   // only meaningful with HasCaption
  TRect Grid;                          // border colour behind the rows
  int LL = 0, LR = 0, RL = 0, RR = 0;  // column edges
  TRect WeekDaysArea;
  TRect DaysArea[2];    // day strips of days 1-2 and 8-9
  TRect EventsArea[2];  // event rows under them
  TRect Tail;           // page background again under the last grid line
  // The cell of one column (0 left, 1 right) of a row area.
  TRect Cell(const TRect& Row, int Column) const {
    return Column == 0 ? TRect{LL, Row.Top, LR, Row.Bottom} : TRect{RL, Row.Top, RR, Row.Bottom};
  }
};

// The preview of a W x H box with grid lines of BorderWidth pixels; the caption
// row and its bottom margin only while ShowCaption. Rows that run past the box
// are laid out anyway; painting clips them.
TLayout LayoutPreview(int W, int H, int BorderWidth, bool ShowCaption, int CaptionBottomMargin);

// The dialog's pages, in tab order.
enum TStylePage { spGeneral = 0, spCaption = 1, spWeekDays = 2, spDays = 3, spEvents = 4, spHTML = 5 };

// The areas that the last painting recorded; all empty until the first one.
// The caption area keeps its last painted place while the caption is hidden.
struct TRecordedAreas {
  TRect CaptionArea, WeekDaysArea;
  TRect DaysArea[2], EventsArea[2];
  void Record(const TLayout& Layout);
};

// The page a click at (X, Y) selects: an area's own page, else General (the
// margins and the grid lines between rows).
TStylePage PageAt(const TRecordedAreas& Areas, bool ShowCaption, int X, int Y);

// The area the arrow points at on a page, or nullptr where it has none.
const TRect* ArrowArea(const TRecordedAreas& Areas, int Page);
// Whether the arrow shows on that page.
bool ArrowVisible(int Page, bool ShowCaption);
// The arrow's top in the panel: centred on the area's row.
int ArrowTop(const TRect& Area, int ArrowHeight);

// The excerpt shows the first two rows and columns of the sample month, July
// 2001, in the week order that starts on WeekStart (1 Sunday .. 7 Saturday;
// any other value means Sunday). The day of the month in a cell, Row 0..1 and
// Column 0..1, or 0 where the cell lies before the first of the month.
constexpr int SampleMonth = 7;
constexpr int SampleYear = 2001;
int SampleDay(int WeekStart, int Row, int Column);

}  // namespace StylePreview
