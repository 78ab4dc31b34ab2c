// The style model: defaults, CSS text, colours and day and month names.

#include "model/CalStyle.h"

#include <gtest/gtest.h>

#include "tests/support/FakePlatform.h"

namespace {

class CalStyleTest : public ::testing::Test {
 protected:
  CalStyleTest() {
    static const char* const Long[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                       "Donnerstag", "Freitag", "Samstag"};
    static const char* const Short[] = {"So.", "Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa."};
    for (int I = 1; I <= 7; ++I) {
      Fake.DayNames[I] = std::string(Long[I - 1]);
      Fake.ShortDayNames[I] = std::string(Short[I - 1]);
    }
    Fake.MonthNames[7] = std::string("Juli");
    // A name whose first character takes two bytes.
    Fake.DayNames[1] = std::string(
        "\xD0\xB2\xD0\xBE\xD1\x81\xD0\xBA\xD1\x80\xD0\xB5\xD1\x81\xD0\xB5\xD0\xBD\xD1\x8C\xD0\xB5");
  }
  TFakePlatform Fake;
  TScopedPlatform Scope{Fake};
};

TEST_F(CalStyleTest, ResetToDefaultsLeavesBackgroundLanguageAndWrap) {
  TCalStyle S;
  S.BGColor = 0x123456;
  S.Language = "English";
  S.WrapEvents = true;
  S.Header = std::string("<p>club</p>");
  S.ModernPage = S.EventsAsText = true;
  S.WeekStart = 2;
  S.ResetToDefaults();
  EXPECT_FALSE(S.ModernPage);
  EXPECT_EQ(S.WeekStart, 1);
  EXPECT_FALSE(S.EventsAsText);
  EXPECT_EQ(S.BGColor, 0x123456);
  EXPECT_EQ(S.Language, "English");
  EXPECT_TRUE(S.WrapEvents);
  EXPECT_EQ(S.Header, "");
  EXPECT_EQ(S.Events().BGColor, 0x783232);
  EXPECT_EQ(S.Days().Align, "right");
  EXPECT_EQ(S.BorderColor, 0x904040);
  EXPECT_EQ(S.CellHeight, 90);
  EXPECT_EQ(S.BlankEventsText, "<br>");
}

TEST_F(CalStyleTest, CssOfTheDefaults) {
  TCalStyle S;
  S.ResetToDefaults();
  EXPECT_EQ(ItemStyleToCss(S.Caption(), true),
            "font-family: Arial; font-size: 16pt; font-weight: bold; color: #FFFFFF; text-align: center; "
            "background-color: #323264; ");
  EXPECT_EQ(ItemStyleToCss(S.Days(), false),
            "font-family: Arial; font-size: 10pt; font-weight: bold; color: #FFFFFF; text-align: right; ");
}

TEST_F(CalStyleTest, CssDeclarationOrderAndPlainItem) {
  TCalItemStyle Item;
  EXPECT_EQ(ItemStyleToCss(Item, false), "font-family: ; font-size: 0pt; color: #000000; text-align: ; ");
  Item.FontName = "Times New Roman";
  Item.FontStyle = fsBold | fsItalic | fsUnderline | fsStrikeOut;
  EXPECT_EQ(ItemStyleToCss(Item, false),
            "font-family: Times New Roman; font-size: 0pt; font-style: italic; font-weight: bold; "
            "text-decoration: underline; color: #000000; text-align: ; ");
}

TEST_F(CalStyleTest, ColorToHtmlSwapsToRedFirstAndResolvesSystemColours) {
  EXPECT_EQ(ColorToHtml(0x643232), "323264");
  EXPECT_EQ(ColorToHtml(0xFFFFFF), "FFFFFF");
  EXPECT_EQ(ColorToHtml(0x0000FF), "FF0000");
  EXPECT_EQ(ColorToHtml(clNone), "FFFF1F");  // fixed positions of "1FFFFFFF"
  Fake.SystemColors[15] = 0x102030;
  EXPECT_EQ(ColorToHtml(static_cast<TColor>(0x8000000F)), "302010");
  Fake.SystemColors[15] = 0xC0C0C0;
  EXPECT_EQ(ColorToHtml(static_cast<TColor>(0x8000000F)), "C0C0C0");
  EXPECT_EQ(ColorToHtml(static_cast<TColor>(0x80000040)), "000000");  // unknown system colour
}

TEST_F(CalStyleTest, EnglishNamesInAnyLetterCase) {
  EXPECT_EQ(TCalStyle::WeekDayName(1, "English", 0), "Sunday");
  EXPECT_EQ(TCalStyle::WeekDayName(9, "english", 1), "Mon");
  EXPECT_EQ(TCalStyle::WeekDayName(7, "ENGLISH", 2), "S");
  EXPECT_EQ(TCalStyle::WeekDayName(4, "English", 3), "Wednesday");
  EXPECT_EQ(TCalStyle::MonthName(7, "eNgLiSh"), "July");
  EXPECT_EQ(TCalStyle::MonthName(12, "English"), "December");
}

TEST_F(CalStyleTest, OtherLanguagesTakeTheLocale) {
  for (const char* Language : {"", "Default", "Englisch", "English "}) {
    EXPECT_EQ(TCalStyle::WeekDayName(2, Language, 0), "Montag") << Language;
    EXPECT_EQ(TCalStyle::MonthName(7, Language), "Juli") << Language;
  }
  EXPECT_EQ(TCalStyle::WeekDayName(3, "", 1), "Di.");
  // The one-character form comes from the long name, as a whole character.
  EXPECT_EQ(TCalStyle::WeekDayName(6, "", 2), "F");
  EXPECT_EQ(TCalStyle::WeekDayName(8, "", 2), "\xD0\xB2");
}

TEST_F(CalStyleTest, StyleDeclaresItsPropertiesInStreamOrder) {
  TCalStyle S;
  const TPropertyList& Props = S.Properties();
  // The twenty-five of every document, then the three opt-in ones.
  ASSERT_EQ(Props.size(), 28u);
  EXPECT_EQ(Props.front().Name, "Caption");
  EXPECT_EQ(Props[4].Name, "BorderColor");
  EXPECT_EQ(Props[24].Name, "HideBanner");
  EXPECT_EQ(Props[25].Name, "ModernPage");
  EXPECT_EQ(Props[26].Name, "WeekStart");
  EXPECT_EQ(Props[27].Name, "EventsAsText");
}

}  // namespace
