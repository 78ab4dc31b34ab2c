// The date caption's fitting: shrink first, shorten only below the floor.

#include "ui/CaptionLabel.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

TEST(CaptionLabelTest, TextShrinksToFitThenIsElidedInTheMiddle) {
  QFont Font("DejaVu Sans");
  Font.setPointSize(12);
  Font.setBold(true);
  const QString Text = "Wednesday, 30 September 2026";
  const int Full = QFontMetrics(Font).horizontalAdvance(Text);
  QFont Floor = Font;
  Floor.setPointSize(TCaptionLabel::MinPointSize);
  const int AtFloor = QFontMetrics(Floor).horizontalAdvance(Text);

  const TFittedCaption Wide = FitCaption(Text, Font, Full, TCaptionLabel::MinPointSize);
  EXPECT_EQ(Wide.Font.pointSize(), 12);
  EXPECT_EQ(Wide.Text, Text);

  const TFittedCaption Narrower = FitCaption(Text, Font, Full - 1, TCaptionLabel::MinPointSize);
  EXPECT_LT(Narrower.Font.pointSize(), 12);
  EXPECT_EQ(Narrower.Text, Text);
  EXPECT_LE(QFontMetrics(Narrower.Font).horizontalAdvance(Text), Full - 1);

  const TFittedCaption Narrowest = FitCaption(Text, Font, AtFloor / 2, TCaptionLabel::MinPointSize);
  EXPECT_EQ(Narrowest.Font.pointSize(), TCaptionLabel::MinPointSize);
  EXPECT_TRUE(Narrowest.Text.startsWith("Wed")) << Narrowest.Text.toStdString();
  EXPECT_TRUE(Narrowest.Text.endsWith("2026")) << "elided in the middle: the year stays";
  EXPECT_LE(QFontMetrics(Narrowest.Font).horizontalAdvance(Narrowest.Text), AtFloor / 2);
}
