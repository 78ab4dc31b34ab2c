// The text rules every layer shares: character references as HTML 4 defines
// them and browsers read them, and the document's CR LF lines.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Html.h"
#include "text/Lines.h"

// A reference is read as a browser reads it in the pages: one of HTML 4's
// 253 names, or a number of a printable character, always ended by ";".
TEST(TextTest, CharacterReferencesOfHtml4) {
  const struct {
    const char* Text;
    size_t Length;
    uint32_t Code;
  } Cases[] = {
      {"&amp;", 5, '&'},         {"&eacute;x", 8, 0xE9}, {"&thetasym;", 10, 0x3D1},
      {"&diams;", 7, 0x2666},    {"&#233;", 6, 0xE9},    {"&#xE9;", 6, 0xE9},
      {"&#X1F600;", 9, 0x1F600}, {"&#9;", 4, 9},         {"&amp", 0, 0},
      {"&unknown;", 0, 0},       {"&#0;", 0, 0},         {"&#xD800;", 0, 0},
      {"&#x110000;", 0, 0},      {"&#12345678;", 0, 0},  {"&;", 0, 0},
      {"&Amp;", 0, 0},
  };
  for (const auto& C : Cases) {
    uint32_t Code = 0;
    EXPECT_EQ(ReadReference(C.Text, 0, Code), C.Length) << C.Text;
    if (C.Length) EXPECT_EQ(Code, C.Code) << C.Text;
  }
  EXPECT_EQ(NamedReferenceCode("nbsp"), 0xA0u);
  EXPECT_EQ(NamedReferenceCode("euro"), 0x20ACu);
  EXPECT_EQ(NamedReferenceCode("hellip"), 0x2026u);
}

// The document separates a day's lines by CR LF; a CR or LF alone belongs to
// its line. Typed texts may break lines with any of the three.
TEST(TextTest, LinesOfADaysText) {
  auto Lines = [](std::string_view Text) {
    std::vector<std::string> Out;
    ForEachCrLfLine(Text, [&Out](std::string_view Line) { Out.emplace_back(Line); });
    return Out;
  };
  EXPECT_EQ(Lines(""), std::vector<std::string>{""});
  EXPECT_EQ(Lines("a\r\nb\nc\rd\r\n"), (std::vector<std::string>{"a", "b\nc\rd", ""}));
  EXPECT_EQ(LineBreakLength("a\r\nb", 1), 2u);
  EXPECT_EQ(LineBreakLength("a\rb", 1), 1u);
  EXPECT_EQ(LineBreakLength("a\nb", 1), 1u);
  EXPECT_EQ(LineBreakLength("ab", 1), 0u);
  EXPECT_EQ(LineBreakLength("a", 1), 0u);
}
