// The arithmetic of the style dialog's preview: areas, clicks and the arrow.

#include "ui/StylePreview.h"

#include <gtest/gtest.h>

using namespace StylePreview;

TEST(StylePreviewLayout, DefaultStyleGivesTheWorkedAreas) {
  const TLayout L = LayoutPreview(201, 259, 1, true, 6);
  EXPECT_EQ(L.CaptionArea, (TRect{5, 5, 196, 50}));
  EXPECT_EQ(L.Grid, (TRect{5, 56, 196, 254}));
  EXPECT_EQ(L.Cell(L.WeekDaysArea, 0), (TRect{6, 57, 100, 87}));
  EXPECT_EQ(L.Cell(L.WeekDaysArea, 1), (TRect{101, 57, 195, 87}));
  EXPECT_EQ(L.Cell(L.DaysArea[0], 0), (TRect{6, 88, 100, 112}));
  EXPECT_EQ(L.Cell(L.DaysArea[0], 1), (TRect{101, 88, 195, 112}));
  EXPECT_EQ(L.Cell(L.EventsArea[0], 0), (TRect{6, 112, 100, 142}));
  EXPECT_EQ(L.Cell(L.EventsArea[0], 1), (TRect{101, 112, 195, 142}));
  EXPECT_EQ(L.Cell(L.DaysArea[1], 0), (TRect{6, 143, 100, 167}));
  EXPECT_EQ(L.Cell(L.EventsArea[1], 0), (TRect{6, 167, 100, 197}));
  EXPECT_EQ(L.Tail, (TRect{0, 198, 201, 259}));
}

TEST(StylePreviewLayout, BorderWidthTwentyGivesUnequalColumns) {
  const TLayout L = LayoutPreview(201, 259, 20, true, 6);
  EXPECT_EQ(L.LL, 25);
  EXPECT_EQ(L.LR, 90);
  EXPECT_EQ(L.RL, 110);
  EXPECT_EQ(L.RR, 176);
  EXPECT_EQ(L.WeekDaysArea, (TRect{25, 76, 176, 106}));
}

TEST(StylePreviewLayout, HiddenCaptionMovesTheTableUpAndRowsPastTheBoxStayLaidOut) {
  const TLayout L = LayoutPreview(201, 259, 3, false, 50);
  EXPECT_FALSE(L.HasCaption);
  EXPECT_EQ(L.Grid.Top, 5);
  EXPECT_EQ(L.WeekDaysArea.Top, 8);

  // The largest margins push the last rows below the box; the tail is empty.
  const TLayout Tall = LayoutPreview(201, 259, 20, true, 50);
  EXPECT_GT(Tall.EventsArea[1].Bottom, 259);
  EXPECT_GE(Tall.Tail.Top, Tall.Tail.Bottom);
}

TEST(StylePreviewLayout, ClicksSelectTheAreaStrictlyInsideElseGeneral) {
  TRecordedAreas A;
  A.Record(LayoutPreview(201, 259, 1, true, 6));
  EXPECT_EQ(PageAt(A, true, 100, 20), spCaption);
  EXPECT_EQ(PageAt(A, false, 100, 20), spGeneral) << "a hidden caption is not clickable";
  EXPECT_EQ(PageAt(A, true, 50, 70), spWeekDays);
  EXPECT_EQ(PageAt(A, true, 150, 100), spDays);
  EXPECT_EQ(PageAt(A, true, 150, 150), spDays);
  EXPECT_EQ(PageAt(A, true, 50, 120), spEvents);
  EXPECT_EQ(PageAt(A, true, 50, 180), spEvents);
  EXPECT_EQ(PageAt(A, true, 50, 87), spGeneral) << "grid line under the week days";
  EXPECT_EQ(PageAt(A, true, 50, 57), spGeneral) << "an area's own edge";
  EXPECT_EQ(PageAt(A, true, 2, 120), spGeneral) << "page margin";
  EXPECT_EQ(PageAt(A, true, 100, 230), spGeneral);

  // Until the first painting every area is empty.
  EXPECT_EQ(PageAt(TRecordedAreas{}, true, 50, 70), spGeneral);
}

TEST(StylePreviewLayout, HiddenCaptionKeepsItsLastPlaceAndTheArrowPointsAtRows) {
  TRecordedAreas A;
  A.Record(LayoutPreview(201, 259, 1, true, 6));
  A.Record(LayoutPreview(201, 259, 1, false, 6));
  EXPECT_EQ(A.CaptionArea, (TRect{5, 5, 196, 50}));
  EXPECT_EQ(PageAt(A, false, 50, 20), spWeekDays) << "the week days are painted where the caption was";

  EXPECT_EQ(ArrowTop(A.WeekDaysArea, 16), 31 + 6 + (30 - 16) / 2);
  EXPECT_EQ(ArrowArea(A, spDays), &A.DaysArea[0]);
  EXPECT_EQ(ArrowArea(A, spGeneral), nullptr);
  EXPECT_EQ(ArrowArea(A, spHTML), nullptr);
  EXPECT_FALSE(ArrowVisible(spCaption, false));
  EXPECT_TRUE(ArrowVisible(spCaption, true));
  EXPECT_TRUE(ArrowVisible(spEvents, false));
  EXPECT_FALSE(ArrowVisible(spHTML, true));
}

TEST(StylePreviewSample, DaysAreTheRealDaysOfJuly2001InTheChosenWeekOrder) {
  // 1 July 2001 was a Sunday. Each case: the week start (1 Sunday .. 7
  // Saturday) and the days of row 0 and row 1, two columns each; 0 is a cell
  // before the first of the month.
  const struct {
    int WeekStart;
    int Days[2][2];
  } Cases[] = {
      {1, {{1, 2}, {8, 9}}}, {2, {{0, 0}, {2, 3}}}, {3, {{0, 0}, {3, 4}}},
      {4, {{0, 0}, {4, 5}}}, {5, {{0, 0}, {5, 6}}}, {6, {{0, 0}, {6, 7}}},
      {7, {{0, 1}, {7, 8}}}, {0, {{1, 2}, {8, 9}}}, {99, {{1, 2}, {8, 9}}},
  };
  for (const auto& C : Cases)
    for (int Row = 0; Row < 2; ++Row)
      for (int Column = 0; Column < 2; ++Column)
        EXPECT_EQ(SampleDay(C.WeekStart, Row, Column), C.Days[Row][Column])
            << "week start " << C.WeekStart << ", row " << Row << ", column " << Column;
}
