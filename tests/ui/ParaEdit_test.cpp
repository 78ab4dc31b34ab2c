#include "ui/ParaEdit.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include "tests/ui/AppFont.h"
#include "ui/EditLib.h"

namespace {

TCalItemStyle MakeStyle(const std::string& Align, const std::string& FontName, int32_t FontSize,
                        TFontStyles FontStyle = 0) {
  TCalItemStyle Style;
  Style.Align = Align;
  Style.FontName = FontName;
  Style.FontSize = FontSize;
  Style.FontStyle = FontStyle;
  Style.FontColor = 0x0000FF;
  Style.BGColor = 0xFFFF00;
  return Style;
}

TCalItemStyle RoundTrip(TParaEditor& Editor, const TCalItemStyle& Style) {
  Editor.LoadStyle(Style, false);
  TCalItemStyle Stored;
  Editor.StoreStyle(Stored);
  return Stored;
}

TEST(ParaEditorLoadStore, ListedValuesRoundTrip) {
  TParaEditor Editor;
  const TCalItemStyle Stored = RoundTrip(Editor, MakeStyle("right", "Verdana", 12, fsBold | fsUnderline));
  EXPECT_EQ(Stored.Align, "right");
  EXPECT_EQ(Stored.FontName, "Verdana");
  EXPECT_EQ(Stored.FontSize, 12);
  EXPECT_EQ(Stored.FontStyle, fsBold | fsUnderline);
  EXPECT_EQ(Stored.FontColor, 0x0000FF);
  EXPECT_EQ(Stored.BGColor, 0xFFFF00);
}

TEST(ParaEditorLoadStore, NamesOutsideTheListsLoadUnselectedAndStoreEmpty) {
  TParaEditor Editor;
  Editor.LoadStyle(MakeStyle("left", "Arial", 8), false);
  const TCalItemStyle Stored = RoundTrip(Editor, MakeStyle("justify", "Courier New", 8));
  EXPECT_EQ(Editor.cbxAlign->currentIndex(), -1);
  EXPECT_EQ(Editor.cbxFontName->currentIndex(), -1);
  EXPECT_EQ(Stored.Align, "");
  EXPECT_EQ(Stored.FontName, "");
}

TEST(ParaEditorLoadStore, LetterCaseIsIgnoredOnLoadAndTheListsSpellingStored) {
  TParaEditor Editor;
  const TCalItemStyle Stored = RoundTrip(Editor, MakeStyle("Center", "times new roman", 8));
  EXPECT_EQ(Editor.cbxAlign->currentText(), "center");
  EXPECT_EQ(Stored.Align, "center");
  EXPECT_EQ(Stored.FontName, "Times New Roman");
}

TEST(ParaEditorLoadStore, SizesOutsideOneToFiftyShowAsLoadedAndStoreClamped) {
  TParaEditor Editor;
  TCalItemStyle Stored = RoundTrip(Editor, MakeStyle("left", "Arial", 0));
  EXPECT_EQ(Editor.edtFontSize->text(), "0");
  EXPECT_EQ(Stored.FontSize, 1);
  Stored = RoundTrip(Editor, MakeStyle("left", "Arial", 72));
  EXPECT_EQ(Editor.edtFontSize->text(), "72");
  EXPECT_EQ(Stored.FontSize, 50);
}

TEST(ParaEditorLoadStore, ColorsOnlyLeavesTheOtherControlsAlone) {
  TParaEditor Editor;
  Editor.LoadStyle(MakeStyle("center", "Tahoma", 14, fsItalic), false);
  TCalItemStyle Other = MakeStyle("left", "Arial", 9, fsBold);
  Other.FontColor = 0x112233;
  Other.BGColor = 0x445566;
  Editor.LoadStyle(Other, true);
  TCalItemStyle Stored;
  Editor.StoreStyle(Stored);
  EXPECT_EQ(Stored.Align, "center");
  EXPECT_EQ(Stored.FontName, "Tahoma");
  EXPECT_EQ(Stored.FontSize, 14);
  EXPECT_EQ(Stored.FontStyle, fsItalic);
  EXPECT_EQ(Stored.FontColor, 0x112233);
  EXPECT_EQ(Stored.BGColor, 0x445566);
}

TEST(ParaEditorLoadStore, StrikeOutIsDroppedAndAHiddenBackgroundStillStored) {
  TParaEditor Editor;
  Editor.Label4->hide();
  Editor.cetBGColor->hide();
  const TCalItemStyle Stored = RoundTrip(Editor, MakeStyle("left", "Arial", 8, fsStrikeOut | fsItalic));
  EXPECT_EQ(Stored.FontStyle, fsItalic);
  EXPECT_EQ(Stored.BGColor, 0xFFFF00);
}

TEST(ParaEditorEvents, EditsFireOnChangeButColourLoadsDoNot) {
  TParaEditor Editor;
  int Changes = 0;
  Editor.OnChange = [&](TParaEditor& Sender) {
    EXPECT_EQ(&Sender, &Editor);
    ++Changes;
  };
  Editor.LoadStyle(MakeStyle("left", "Arial", 8), true);
  EXPECT_EQ(Changes, 0);
  Editor.show();
  QTest::mouseClick(Editor.cbxFontBold, Qt::LeftButton, {}, QPoint(6, Editor.cbxFontBold->height() / 2));
  EXPECT_EQ(Changes, 1);
  Editor.cbxAlign->setCurrentIndex(2);
  EXPECT_EQ(Changes, 2);
  Editor.edtFontSize->StepUp();
  EXPECT_EQ(Changes, 3);
  TColorEdit::ColorDialogHook = [](QWidget*, TColor) { return std::optional<TColor>(0x010203); };
  Editor.cetFontColor->Click();
  Editor.cetBGColor->Click();
  TColorEdit::ColorDialogHook = nullptr;
  EXPECT_EQ(Changes, 5);
}

TEST(ParaEditorEvents, SetDisabledTouchesOnlyTheEightEditingControls) {
  TParaEditor Editor;
  Editor.SetDisabled(true);
  for (QWidget* Control : std::initializer_list<QWidget*>{
           Editor.cbxAlign, Editor.cbxFontName, Editor.edtFontSize, Editor.cetFontColor, Editor.cbxFontBold,
           Editor.cbxFontItalic, Editor.cbxFontUnderline, Editor.cetBGColor})
    EXPECT_FALSE(Control->isEnabled()) << Control->metaObject()->className();
  EXPECT_TRUE(Editor.Label4->isEnabled());
  EXPECT_TRUE(Editor.Label2->isEnabled());
  Editor.SetDisabled(false);
  EXPECT_TRUE(Editor.cetBGColor->isEnabled());
}

TEST(ParaEditorLayout, EveryFontNameShowsWholeAlsoInALargeDesktopFont) {
  for (int PointSize : {9, 13}) {
    const TScopedAppFontSize Large(PointSize);
    TParaEditor Editor;
    QComboBox& Box = *Editor.cbxFontName;
    QStyleOptionComboBox Option;
    Option.initFrom(&Box);
    Option.rect = Box.rect();
    const QRect Field =
        Box.style()->subControlRect(QStyle::CC_ComboBox, &Option, QStyle::SC_ComboBoxEditField, &Box);
    for (int I = 0; I < Box.count(); ++I)
      EXPECT_LE(Box.fontMetrics().horizontalAdvance(Box.itemText(I)), Field.width())
          << Box.itemText(I).toStdString() << " at " << PointSize << " pt";
    EXPECT_TRUE(Editor.GroupBox1->rect().contains(Box.geometry())) << PointSize << " pt";
    EXPECT_TRUE(Editor.rect().contains(Editor.GroupBox1->geometry())) << PointSize << " pt";
  }
}

TEST(SampleLayout, AlignmentAndCentringTruncateTowardZero) {
  EXPECT_EQ(SampleTextLeft("left", 10, 110, 40), 13);
  EXPECT_EQ(SampleTextLeft("center", 10, 110, 41), 39);
  EXPECT_EQ(SampleTextLeft("center", 0, 10, 15), -2) << "(10 - 15) / 2 truncates to -2";
  EXPECT_EQ(SampleTextLeft("right", 10, 110, 40), 67);
  EXPECT_EQ(SampleTextLeft("Center", 10, 110, 40), 67) << "letter case counts when painting";
  EXPECT_EQ(SampleTextLeft("", 10, 110, 40), 67);
  EXPECT_EQ(SampleTextTop(20, 40, 15), 22);
  EXPECT_EQ(SampleTextTop(0, 10, 15), -2);
}

// Paints the sample of Editor into the rectangle (20, 10)-(80, 30) of a white
// image, and counts the pixels of each kind.
struct TSampleImage {
  QImage Image;
  int TextPixelsInside = 0;
  int ChangedPixelsOutside = 0;
};

TSampleImage PaintSample(const TParaEditor& Editor) {
  TSampleImage Result;
  Result.Image = QImage(100, 40, QImage::Format_RGB32);
  Result.Image.fill(Qt::white);
  const QRect Rect(20, 10, 60, 20);
  {
    QPainter Painter(&Result.Image);
    Editor.DrawSample(Painter, Rect);
  }
  const QColor Background = ColorToQColor(Editor.cetBGColor->Color());
  for (int Y = 0; Y < Result.Image.height(); ++Y)
    for (int X = 0; X < Result.Image.width(); ++X) {
      const QColor Pixel = Result.Image.pixelColor(X, Y);
      if (Rect.contains(X, Y))
        Result.TextPixelsInside += Pixel != Background;
      else
        Result.ChangedPixelsOutside += Pixel != QColor(Qt::white);
    }
  return Result;
}

TEST(ParaEditorSample, TooLargeTextIsClippedToTheRectangle) {
  TParaEditor Editor;
  Editor.LoadStyle(MakeStyle("left", "Arial", 40, fsBold | fsUnderline), false);
  Editor.SetSampleText("WWWWWWWWWWWW");
  const TSampleImage Sample = PaintSample(Editor);
  EXPECT_EQ(Sample.ChangedPixelsOutside, 0);
  EXPECT_GT(Sample.TextPixelsInside, 0);
  EXPECT_EQ(Sample.Image.pixelColor(20, 10), QColor(0, 0xFF, 0xFF))
      << "the background is BGColor (0x00FFFF00)";
}

TEST(ParaEditorSample, ShowsTheControlsValuesAlsoWhenDisabled) {
  TParaEditor Editor;
  Editor.LoadStyle(MakeStyle("center", "Arial", 10), false);
  Editor.SetSampleText("Sample");
  Editor.SetDisabled(true);
  Editor.cetBGColor->SetColor(0x00FF00);
  const TSampleImage Sample = PaintSample(Editor);
  EXPECT_GT(Sample.TextPixelsInside, 0);
  EXPECT_EQ(Sample.Image.pixelColor(21, 11), QColor(0, 0xFF, 0));
  EXPECT_EQ(Editor.SampleFont().pointSize(), 10);
}

TEST(ParaEditorSample, EmptySampleFillsOnlyTheBackground) {
  TParaEditor Editor;
  Editor.LoadStyle(MakeStyle("right", "Arial", 10), false);
  const TSampleImage Sample = PaintSample(Editor);
  EXPECT_EQ(Sample.TextPixelsInside, 0);
  EXPECT_EQ(Sample.ChangedPixelsOutside, 0);
}

}  // namespace
