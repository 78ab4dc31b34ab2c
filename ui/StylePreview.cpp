#include "ui/StylePreview.h"

#include <algorithm>

namespace StylePreview {

namespace {
constexpr int Margin = 5;
constexpr int CaptionBottom = 50;
constexpr int WeekDaysHeight = 30;
constexpr int DaysHeight = 24;
constexpr int EventsHeight = 30;
}  // namespace

TLayout LayoutPreview(int W, int H, int BorderWidth, bool ShowCaption, int CaptionBottomMargin) {
  const int b = BorderWidth;
  TLayout L;
  L.Page = {0, 0, W, H};
  int y = Margin;
  L.HasCaption = ShowCaption;
  if (ShowCaption) {
    L.CaptionArea = {Margin, Margin, W - Margin, CaptionBottom};
    y = CaptionBottom + CaptionBottomMargin;
  }
  L.Grid = {Margin, y, W - Margin, H - Margin};
  L.LL = b + Margin;
  L.LR = (W - b) / 2;
  L.RL = L.LR + b;
  L.RR = W - Margin - b;

  int Top = y + b;
  L.WeekDaysArea = {L.LL, Top, L.RR, Top + WeekDaysHeight};
  y = Top + WeekDaysHeight;
  for (int n = 0; n < 2; ++n) {
    Top = y + b;
    L.DaysArea[n] = {L.LL, Top, L.RR, Top + DaysHeight};
    y = Top + DaysHeight;
    // No grid line between a day's number and its events.
    L.EventsArea[n] = {L.LL, y, L.RR, y + EventsHeight};
    y += EventsHeight;
  }
  L.Tail = {0, y + b, W, H};
  return L;
}

void TRecordedAreas::Record(const TLayout& Layout) {
  if (Layout.HasCaption) CaptionArea = Layout.CaptionArea;
  WeekDaysArea = Layout.WeekDaysArea;
  for (int n = 0; n < 2; ++n) {
    DaysArea[n] = Layout.DaysArea[n];
    EventsArea[n] = Layout.EventsArea[n];
  }
}

TStylePage PageAt(const TRecordedAreas& Areas, bool ShowCaption, int X, int Y) {
  if (ShowCaption && Areas.CaptionArea.Contains(X, Y)) return spCaption;
  if (Areas.WeekDaysArea.Contains(X, Y)) return spWeekDays;
  if (Areas.DaysArea[0].Contains(X, Y) || Areas.DaysArea[1].Contains(X, Y)) return spDays;
  if (Areas.EventsArea[0].Contains(X, Y) || Areas.EventsArea[1].Contains(X, Y)) return spEvents;
  return spGeneral;
}

const TRect* ArrowArea(const TRecordedAreas& Areas, int Page) {
  switch (Page) {
    case spCaption:
      return &Areas.CaptionArea;
    case spWeekDays:
      return &Areas.WeekDaysArea;
    case spDays:
      return &Areas.DaysArea[0];
    case spEvents:
      return &Areas.EventsArea[0];
    default:
      return nullptr;
  }
}

bool ArrowVisible(int Page, bool ShowCaption) {
  return Page == spWeekDays || Page == spDays || Page == spEvents || (Page == spCaption && ShowCaption);
}

int PaintBoxLeft(int ArrowWidth) { return std::max(15, ArrowLeft + ArrowWidth + 1); }

int ArrowTop(const TRect& Area, int ArrowHeight) {
  return PaintBoxTop + Area.Top + (Area.Bottom - Area.Top - ArrowHeight) / 2;
}

int SampleDay(int WeekStart, int Row, int Column) {
  // 1 July 2001 was a Sunday (day 1 of the week).
  constexpr int FirstOfMonthDay = 1;
  if (WeekStart < 1 || WeekStart > 7) WeekStart = 1;
  const int Leading = (FirstOfMonthDay - WeekStart + 7) % 7;
  const int Day = 7 * Row + Column + 1 - Leading;
  return Day >= 1 ? Day : 0;
}

}  // namespace StylePreview
