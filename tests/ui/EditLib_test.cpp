#include "ui/EditLib.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <QToolButton>

#include "tests/support/FakePlatform.h"

namespace {

// Sends one key press and answers whether the edit consumed it.
bool PressKey(TNaturalEdit& Edit, int Key, Qt::KeyboardModifiers Mods = Qt::NoModifier,
              const QString& Text = {}) {
  QKeyEvent Event(QEvent::KeyPress, Key, Mods, Text);
  Event.setAccepted(false);
  QApplication::sendEvent(&Edit, &Event);
  return Event.isAccepted();
}

TEST(NaturalEditReading, NewEditShowsAndReadsZero) {
  TNaturalEdit Edit;
  EXPECT_EQ(Edit.text(), "0");
  EXPECT_EQ(Edit.Value(), 0);
  EXPECT_EQ(Edit.MinValue(), 0);
  EXPECT_EQ(Edit.MaxValue(), 2147483647);
}

TEST(NaturalEditReading, TextsOutsideTheBoundsReadAsTheNearerBoundAndStayOnScreen) {
  TNaturalEdit Edit;
  Edit.SetMinValue(1);
  Edit.SetMaxValue(12);
  Edit.setText("0");
  EXPECT_EQ(Edit.Value(), 1);
  EXPECT_EQ(Edit.text(), "0");
  Edit.setText("15");
  EXPECT_EQ(Edit.Value(), 12);
  EXPECT_EQ(Edit.text(), "15");
}

TEST(NaturalEditReading, TextsThatAreNotNumbersReadAsZeroClamped) {
  struct {
    const char* Text;
    int32_t Min, Max, Expected;
  } const Cases[] = {
      {"", 0, 100, 0},
      {"", 5, 100, 5},
      {"2147483648", 0, 2147483647, 0},
      {"99999999999", 3, 9, 3},
      {"2147483647", 0, 2147483647, 2147483647},
      {"  42", 0, 100, 42},
      {"+7", 0, 100, 7},
      {"-7", -10, 100, -7},
      {"-2147483648", -2147483647 - 1, 0, -2147483647 - 1},
      {"-2147483649", -5, 0, 0},
      {"42 ", 0, 100, 0},
      {"4x2", 0, 100, 0},
      {"-", -10, 10, 0},
      {"0x10", 0, 100, 0},
      {"007", 0, 100, 7},
      {"50", 60, 40, 40},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(ReadNaturalValue(QString::fromLatin1(Case.Text), Case.Min, Case.Max), Case.Expected)
        << '"' << Case.Text << "\" in " << Case.Min << ".." << Case.Max;
}

TEST(NaturalEditBounds, WritingValueDoesNotClamp) {
  TNaturalEdit Edit;
  Edit.SetMaxValue(12);
  Edit.SetValue(99);
  EXPECT_EQ(Edit.text(), "99");
  EXPECT_EQ(Edit.Value(), 12);
}

TEST(NaturalEditBounds, MinimumAboveMaximumRewritesTheTextWhichReadsTheMaximum) {
  TNaturalEdit Edit;
  Edit.SetMaxValue(12);
  Edit.SetMinValue(20);
  EXPECT_EQ(Edit.text(), "20");
  EXPECT_EQ(Edit.Value(), 12);
}

TEST(NaturalEditBounds, BoundsSetInOrderLeaveAStoredValueAlone) {
  TNaturalEdit Edit;
  Edit.SetMinValue(1);
  Edit.SetMaxValue(50);
  Edit.SetValue(8);
  EXPECT_EQ(Edit.text(), "8");
  Edit.setText("70");
  Edit.SetMaxValue(30);
  EXPECT_EQ(Edit.text(), "70") << "a maximum write never rewrites the text";
  EXPECT_EQ(Edit.Value(), 30);
}

TEST(NaturalEditStepping, StepsStopAtTheBoundsAndFireOnChange) {
  TNaturalEdit Edit;
  Edit.SetMaxValue(2);
  int Changes = 0;
  Edit.OnChange = [&](TNaturalEdit&) { ++Changes; };
  EXPECT_TRUE(Edit.StepUp());
  EXPECT_TRUE(Edit.StepUp());
  EXPECT_FALSE(Edit.StepUp());
  EXPECT_EQ(Edit.text(), "2");
  EXPECT_EQ(Changes, 2);
  Edit.setText("9");  // reads 2: one step down gives 1
  EXPECT_TRUE(Edit.StepDown());
  EXPECT_EQ(Edit.text(), "1");
  EXPECT_TRUE(Edit.StepDown());
  EXPECT_FALSE(Edit.StepDown());
  EXPECT_EQ(Edit.text(), "0");
}

TEST(NaturalEditStepping, ArrowKeysStepAndKeepTheCaret) {
  TNaturalEdit Edit;
  Edit.SetMaxValue(200);
  Edit.setText("99");
  Edit.setCursorPosition(1);
  EXPECT_TRUE(PressKey(Edit, Qt::Key_Up));
  EXPECT_EQ(Edit.text(), "100");
  EXPECT_EQ(Edit.cursorPosition(), 1);
  EXPECT_TRUE(PressKey(Edit, Qt::Key_Down));
  EXPECT_TRUE(PressKey(Edit, Qt::Key_Down));
  EXPECT_EQ(Edit.text(), "98");
  EXPECT_EQ(Edit.cursorPosition(), 1);
}

TEST(NaturalEditStepping, ArrowAtABoundIsHandedOnUnchanged) {
  TNaturalEdit Edit;
  Edit.SetMaxValue(5);
  Edit.SetValue(5);
  int Changes = 0;
  Edit.OnChange = [&](TNaturalEdit&) { ++Changes; };
  EXPECT_FALSE(PressKey(Edit, Qt::Key_Up)) << "the edit box ignores Up, so the key goes on to the parent";
  Edit.SetMinValue(5);
  EXPECT_FALSE(PressKey(Edit, Qt::Key_Down));
  EXPECT_EQ(Edit.text(), "5");
  EXPECT_EQ(Changes, 0);
}

TEST(NaturalEditStepping, StepperArrowsStepAndKeepTheCaret) {
  TNaturalEdit Edit;
  Edit.resize(80, 20);
  Edit.show();
  Edit.setText("41");
  Edit.setCursorPosition(0);
  QTest::mouseClick(Edit.UpButton(), Qt::LeftButton);
  EXPECT_EQ(Edit.text(), "42");
  EXPECT_EQ(Edit.cursorPosition(), 0);
  QTest::mouseClick(Edit.DownButton(), Qt::LeftButton);
  QTest::mouseClick(Edit.DownButton(), Qt::LeftButton);
  EXPECT_EQ(Edit.text(), "40");
  EXPECT_EQ(Edit.cursorPosition(), 0);
}

TEST(NaturalEditStepping, OnKeyDownRunsFirstAndMaySwallowTheKey) {
  TNaturalEdit Edit;
  Edit.OnKeyDown = [](TNaturalEdit& Sender, int& Key, Qt::KeyboardModifiers) {
    EXPECT_EQ(Sender.text(), "0") << "before stepping";
    if (Key == Qt::Key_Up) Key = 0;
  };
  EXPECT_TRUE(PressKey(Edit, Qt::Key_Up));
  EXPECT_EQ(Edit.text(), "0");
}

TEST(NaturalEditTyping, OnlyDigitsAndBackspaceGetThrough) {
  TNaturalEdit Edit;
  Edit.clear();
  QTest::keyClicks(&Edit, "1a-2 b.3+");
  EXPECT_EQ(Edit.text(), "123");
  QTest::keyClick(&Edit, Qt::Key_Backspace);
  EXPECT_EQ(Edit.text(), "12");
  QTest::keyClick(&Edit, Qt::Key_Home);
  QTest::keyClick(&Edit, Qt::Key_Delete);
  EXPECT_EQ(Edit.text(), "2") << "editing keys that type nothing keep working";
}

TEST(NaturalEditTyping, ClipboardShortcutsAreDiscarded) {
  TNaturalEdit Edit;
  QApplication::clipboard()->setText("abc");
  Edit.setText("12");
  Edit.selectAll();
  PressKey(Edit, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
  PressKey(Edit, Qt::Key_X, Qt::ControlModifier, QString(QChar(24)));
  PressKey(Edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Edit.text(), "12");
}

TEST(NaturalEditTyping, OnKeyPressMayVetoOrReplaceACharacter) {
  TNaturalEdit Edit;
  Edit.clear();
  Edit.OnKeyPress = [](TNaturalEdit&, QChar& Key) {
    if (Key == u'5') Key = QChar();
    if (Key == u'x') Key = u'9';
  };
  QTest::keyClicks(&Edit, "45x");
  EXPECT_EQ(Edit.text(), "49");
}

TEST(NaturalEditTyping, MaxLengthLimitsTypingButNotTheProgram) {
  TNaturalEdit Edit;
  Edit.SetMaxLength(2);
  Edit.clear();
  QTest::keyClicks(&Edit, "123");
  EXPECT_EQ(Edit.text(), "12");
  Edit.SetValue(5000);
  EXPECT_EQ(Edit.text(), "5000");
  Edit.selectAll();
  QTest::keyClicks(&Edit, "7");
  EXPECT_EQ(Edit.text(), "7") << "typing over a selection replaces it";
}

class ColorEditTest : public ::testing::Test {
 protected:
  void TearDown() override { TColorEdit::ColorDialogHook = nullptr; }
};

TEST_F(ColorEditTest, ConfirmedChoiceSetsTheColourAndFiresOnChangeEvenWhenUnchanged) {
  TColorEdit Edit;
  Edit.show();
  Edit.SetColor(0x00FF00);
  std::vector<TColor> Offered;
  std::optional<TColor> Answer = 0x00FF00;
  TColorEdit::ColorDialogHook = [&](QWidget*, TColor Initial) {
    Offered.push_back(Initial);
    return Answer;
  };
  int Changes = 0;
  Edit.OnChange = [&](TColorEdit&) { ++Changes; };
  QTest::mouseClick(&Edit, Qt::LeftButton);
  EXPECT_EQ(Changes, 1);
  Answer = 0x123456;
  QTest::mouseClick(&Edit, Qt::LeftButton);
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(Edit.Color(), 0x123456);
  ASSERT_EQ(Offered.size(), 2u);
  EXPECT_EQ(Offered[0], 0x00FF00);
  EXPECT_EQ(Offered[1], 0x00FF00);
}

TEST_F(ColorEditTest, TabGivesTheFocusAndSpaceOrEnterOpensTheDialog) {
  TColorEdit Edit;
  EXPECT_TRUE(Edit.focusPolicy() & Qt::TabFocus);
  int Opened = 0;
  TColorEdit::ColorDialogHook = [&](QWidget*, TColor) -> std::optional<TColor> {
    ++Opened;
    return std::nullopt;
  };
  for (Qt::Key Key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(&Edit, Key);
  EXPECT_EQ(Opened, 3);
  QTest::keyClick(&Edit, Qt::Key_A);
  EXPECT_EQ(Opened, 3) << "other keys open nothing";
}

TEST_F(ColorEditTest, CancelledDialogChangesNothing) {
  TColorEdit Edit;
  Edit.SetColor(0x654321);
  TColorEdit::ColorDialogHook = [](QWidget*, TColor) { return std::optional<TColor>(); };
  int Changes = 0;
  Edit.OnChange = [&](TColorEdit&) { ++Changes; };
  Edit.Click();
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(Edit.Color(), 0x654321);
}

TEST_F(ColorEditTest, PaintsTheColourInsideABlackFrameAndResolvesSystemColours) {
  TFakePlatform Fake;
  Fake.SystemColors[5] = 0x00336699;  // clWindow as 0x00BBGGRR
  TScopedPlatform Scope(Fake);
  TColorEdit Edit;
  EXPECT_EQ(Edit.Color(), clWindow);
  EXPECT_EQ(Edit.size(), QSize(50, 21));
  const QImage Image = Edit.grab().toImage();
  EXPECT_EQ(Image.pixelColor(25, 10), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(Image.pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(Image.pixelColor(49, 20), QColor(Qt::black));
  EXPECT_EQ(Image.pixelColor(1, 1), QColor(0x99, 0x66, 0x33));
}

TEST_F(ColorEditTest, ADisabledSwatchIsWashedOutTowardTheBackground) {
  TColorEdit Edit;
  Edit.SetColor(0x00602020);  // dark blue as 0x00BBGGRR
  const QColor Blue(0x20, 0x20, 0x60);
  const QColor Background = Edit.palette().color(QPalette::Window);
  EXPECT_EQ(Edit.grab().toImage().pixelColor(25, 10), Blue);
  Edit.setEnabled(false);
  const QImage Disabled = Edit.grab().toImage();
  const QColor Washed = Disabled.pixelColor(25, 10);
  const auto Distance = [](const QColor& A, const QColor& B) {
    return std::abs(A.red() - B.red()) + std::abs(A.green() - B.green()) + std::abs(A.blue() - B.blue());
  };
  EXPECT_LT(Distance(Washed, Background), Distance(Blue, Background) / 2)
      << "nearer the background than the colour";
  EXPECT_NE(Disabled.pixelColor(0, 0), QColor(Qt::black)) << "the frame greys too";
  EXPECT_EQ(Edit.Color(), 0x00602020u) << "the value is untouched";
}

TEST(ColorConversion, RoundTripsAndSystemColours) {
  EXPECT_EQ(ColorToQColor(0x00112233), QColor(0x33, 0x22, 0x11));
  EXPECT_EQ(QColorToColor(QColor(0x33, 0x22, 0x11)), 0x00112233);
  TFakePlatform Fake;
  Fake.SystemColors[16] = 0x00808080;
  TScopedPlatform Scope(Fake);
  EXPECT_EQ(ColorToQColor(clBtnShadow), QColor(0x80, 0x80, 0x80));
}

}  // namespace
