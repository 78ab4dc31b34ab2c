// The object text form: the writer byte for byte against the worked examples,
// the reader's grammar and failure table, round trips, the checksum and the
// safe file writing.

#include "model/DataLib.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <fstream>
#include <random>

#include "ModelTestSupport.h"
#include "model/ObjectText.h"
#include "tests/common/WorkedExample.h"

namespace {

const std::string WorkedExample = WorkedExampleText();

std::string Save(const TDataStore& Store) { return WriteObjectText(Store, Store.ClassName(), Store.Name); }

// The lines of a saved document between the object line and "end" whose
// text starts with Prefix (after the indentation), joined with CR LF.
std::string LinesFrom(const std::string& Text, const std::string& First, int Count) {
  size_t Pos = Text.find(First);
  if (Pos == std::string::npos) return "<missing " + First + ">";
  Pos = Text.rfind("\r\n", Pos) + 2;
  size_t End = Pos;
  for (int I = 0; I < Count && End != std::string::npos; ++I) End = Text.find("\r\n", End) + 2;
  return Text.substr(Pos, End - Pos);
}

std::string Header(const std::string& Body) { return "object TEventList\r\n" + Body + "end\r\n"; }

class DataLibTest : public ::testing::Test {};

// ---------------------------------------------------------------------------
// Writer

TEST_F(DataLibTest, WorkedExampleIsWrittenByteForByte) {
  TEventList Doc;
  MakeWorkedExample(Doc);
  std::string Text = Save(Doc);
  EXPECT_EQ(Text, WorkedExample);
  int Lines = 0;
  for (size_t P = Text.find("\r\n"); P != std::string::npos; P = Text.find("\r\n", P + 2)) ++Lines;
  EXPECT_EQ(Lines, 58);
}

TEST_F(DataLibTest, EightyCharacterHeaderTakesThreeLines) {
  TEventList Doc;
  MakeWorkedExample(Doc);
  Doc.Style().Header = "<p align=\"center\"><a href=\"index.html\">Back to the main page of our club</a></p>";
  ASSERT_EQ(Doc.Style().Header.size(), 80u);
  EXPECT_EQ(LinesFrom(Save(Doc), "Style.Header", 3),
            CrLfLines({"  Style.Header = ",
                       "    '<p align=\"center\"><a href=\"index.html\">Back to the main page of ' +",
                       "    'our club</a></p>'"}));
}

TEST_F(DataLibTest, HundredCharacterStringSplitsSixtyFourAndThirtySix) {
  TEventList Doc;
  std::string S;
  for (int I = 0; I < 100; ++I) S += static_cast<char>('a' + I % 26);
  Doc.FindEvent(true, 46086)->Text = S;
  EXPECT_EQ(
      LinesFrom(Save(Doc), "Text", 3),
      CrLfLines({"      Text = ", "        '" + S.substr(0, 64) + "' +", "        '" + S.substr(64) + "'"}));
}

TEST_F(DataLibTest, SixtyFourCharactersStayOnThePropertyLine) {
  TEventList Doc;
  Doc.DefaultFolder = std::string(64, 'x');
  EXPECT_EQ(LinesFrom(Save(Doc), "DefaultFolder", 1),
            CrLfLines({"  DefaultFolder = '" + std::string(64, 'x') + "'"}));
  Doc.DefaultFolder = std::string(65, 'x');
  EXPECT_EQ(LinesFrom(Save(Doc), "DefaultFolder", 3),
            CrLfLines({"  DefaultFolder = ", "    '" + std::string(64, 'x') + "' +", "    'x'"}));
}

TEST_F(DataLibTest, ControlBytesAndApostrophesAreCodes) {
  TEventList Doc;
  Doc.FindEvent(true, 1)->Text = "\r\n";
  Doc.FindEvent(true, 2)->Text = "'";
  Doc.FindEvent(true, 3)->Text = "a\tb";
  Doc.FindEvent(true, 4);  // empty text: no Text line
  std::string Text = Save(Doc);
  EXPECT_NE(Text.find("      Text = #13#10\r\n"), std::string::npos) << Text;
  EXPECT_NE(Text.find("      Text = #39\r\n"), std::string::npos) << Text;
  EXPECT_NE(Text.find("      Text = 'a'#9'b'\r\n"), std::string::npos) << Text;
  EXPECT_NE(Text.find("      Date = 4\r\n    end>"), std::string::npos) << Text;
}

TEST_F(DataLibTest, CodesCountTowardTheLineLength) {
  // 63 letters and then an apostrophe fill the line exactly; the rest moves on.
  TEventList Doc;
  Doc.DefaultFolder = std::string(63, 'y') + "'z";
  EXPECT_EQ(LinesFrom(Save(Doc), "DefaultFolder", 3),
            CrLfLines({"  DefaultFolder = ", "    '" + std::string(63, 'y') + "'#39 +", "    'z'"}));
}

TEST_F(DataLibTest, LineBreakNeverSplitsAUtf8Sequence) {
  // 63 letters and a two-byte "é": the break falls inside it, so the run
  // ends one byte earlier and the sequence moves to the next line whole.
  TEventList Doc;
  Doc.DefaultFolder = std::string(63, 'a') + "\xC3\xA9" + "b";
  EXPECT_EQ(LinesFrom(Save(Doc), "DefaultFolder", 3),
            CrLfLines({"  DefaultFolder = ", "    '" + std::string(63, 'a') + "' +",
                       "    '\xC3\xA9"
                       "b'"}));
}

TEST_F(DataLibTest, SequenceThatWouldStartARunAtTheLineEndMovesWhole) {
  // 63 apostrophes (codes) and a four-byte character: no part of it stays on
  // the full line, not even an empty run.
  TEventList Doc;
  Doc.DefaultFolder = std::string(63, '\'') + "\xF0\x9F\x8E\x89";
  std::string Codes;
  for (int I = 0; I < 63; ++I) Codes += "#39";
  EXPECT_EQ(LinesFrom(Save(Doc), "DefaultFolder", 3),
            CrLfLines({"  DefaultFolder = ", "    " + Codes + " +", "    '\xF0\x9F\x8E\x89'"}));
}

TEST_F(DataLibTest, EmptyDocumentWritesAnEmptyCollectionOnOneLine) {
  TEventList Doc;
  const std::string Start = "object TEventList\r\n  Items = <>\r\n";
  EXPECT_EQ(Save(Doc).substr(0, Start.size()), Start);
}

TEST_F(DataLibTest, ColoursAreWrittenByNameWhenTheyHaveOne) {
  TEventList Doc;
  Doc.Style().BorderColor = 0x904040;
  Doc.Style().BGColor = static_cast<TColor>(0x8000000F);
  Doc.Style().Caption().FontColor = static_cast<TColor>(0x80000019);
  Doc.Style().Caption().BGColor = clNone;
  std::string Text = Save(Doc);
  EXPECT_NE(Text.find("Style.BorderColor = 9453632\r\n"), std::string::npos);
  EXPECT_NE(Text.find("Style.BGColor = clBtnFace\r\n"), std::string::npos);
  EXPECT_NE(Text.find("Style.Caption.FontColor = -2147483623\r\n"), std::string::npos);
  EXPECT_NE(Text.find("Style.Caption.BGColor = clNone\r\n"), std::string::npos);
}

TEST_F(DataLibTest, FontStylesInFixedOrderAndTagOnlyWhenSet) {
  TEventList Doc;
  Doc.Style().Days().FontStyle = fsStrikeOut | fsItalic | fsBold | fsUnderline;
  Doc.Tag = 7;
  Doc.Name = "Club";
  std::string Text = Save(Doc);
  const std::string Start = "object Club: TEventList\r\n  Tag = 7\r\n  Items";
  EXPECT_EQ(Text.substr(0, Start.size()), Start);
  EXPECT_NE(Text.find("Style.Days.FontStyle = [fsBold, fsItalic, fsUnderline, fsStrikeOut]\r\n"),
            std::string::npos);
}

// ---------------------------------------------------------------------------
// Reader

TEST_F(DataLibTest, WorkedExampleReadsBackIntoAFreshDocument) {
  TEventList Doc;
  ReadObjectText(Doc, WorkedExample);
  ASSERT_EQ(Doc.Count(), 2);
  EXPECT_EQ(Doc.Events(0).Date(), 46086);
  EXPECT_EQ(Doc.Events(1).Text, "Doctor's visit\r\n10 am");
  EXPECT_EQ(Doc.Style().Caption().FontColor, clWhite);
  EXPECT_EQ(Doc.Style().Caption().FontStyle, fsBold);
  EXPECT_EQ(Doc.Style().BorderColor, 0x904040);
  EXPECT_EQ(Doc.DefaultFolder, "C:\\Calendars");
  EXPECT_EQ(Doc.ExportYear, 2026);
  EXPECT_EQ(Save(Doc), WorkedExample);
}

TEST_F(DataLibTest, GrammarIsLooseAboutCaseBlanksAndSpelling) {
  TEventList Doc;
  std::string Name =
      ReadObjectText(Doc,
                     "OBJECT Club : tEventList [3]\tstyle . caption . fontcolor=CLWHITE\n"
                     "Style.Title='Our '#39'club'#39 + ' ' +\n  'page'\n"
                     "Style.Days.FontStyle = [ fsItalic , FSBOLD ]\n"
                     "Style.BorderColor = $FF Style.ShowYear = true\n"
                     "ExportYear = 2030 Items = < item [0] Date = 46086.9 Text = 'x' END item date=-2 end >\n"
                     "Style.Events.BGColor = $80000005\n"
                     "end\n\n");
  EXPECT_EQ(Name, "Club");
  EXPECT_EQ(Doc.Name, "Club");
  EXPECT_EQ(Doc.Style().Caption().FontColor, clWhite);
  EXPECT_EQ(Doc.Style().Title, "Our 'club' page");
  EXPECT_EQ(Doc.Style().Days().FontStyle, fsBold | fsItalic);
  EXPECT_EQ(Doc.Style().BorderColor, 0xFF);
  EXPECT_TRUE(Doc.Style().ShowYear);
  EXPECT_EQ(Doc.Style().Events().BGColor, clWindow);
  ASSERT_EQ(Doc.Count(), 2);
  EXPECT_EQ(Doc.Events(0).Date(), 46086);
  EXPECT_EQ(Doc.Events(1).Date(), -2);
  EXPECT_EQ(Doc.ExportYear, 2030);
}

TEST_F(DataLibTest, DatesReadAsWholeDays) {
  for (const char* Value : {"46086", "46086.0", "46086.9", "4.60869e4"}) {
    TEventList Doc;
    ReadObjectText(
        Doc, Header(std::string("  Items = <\r\n    item\r\n      Date = ") + Value + "\r\n    end>\r\n"));
    ASSERT_EQ(Doc.Count(), 1) << Value;
    EXPECT_EQ(Doc.Events(0).Date(), 46086) << Value;
    EXPECT_EQ(Doc.FindEvent(false, 46086), &Doc.Events(0)) << Value;
  }
}

TEST_F(DataLibTest, DatesOutsideTheCalendarAreKeptAndSavedBackExactly) {
  // Every whole day the 64-bit number holds exactly: a stray date does not
  // lock the user out of the calendar, and a save gives it back unchanged.
  const char* Dates[] = {"-693594", "2958466", "9007199254740992", "-9007199254740992"};
  std::string Items;
  for (const char* D : Dates) Items += std::string("    item\r\n      Date = ") + D + "\r\n    end\r\n";
  Items.resize(Items.size() - 2);
  TEventList Doc;
  ReadObjectText(Doc, Header("  Items = <\r\n" + Items + ">\r\n"));
  ASSERT_EQ(Doc.Count(), 4);
  const std::string Saved = Save(Doc);
  EXPECT_NE(Saved.find("  Items = <\r\n" + Items + ">\r\n"), std::string::npos) << Saved;
  EXPECT_EQ(Doc.FindEvent(false, 9007199254740992.0), &Doc.Events(2));
  EXPECT_EQ(Doc.FindEvent(false, -693594), &Doc.Events(0));
  TEventList Float;
  ReadObjectText(Float,
                 Header("  Items = <\r\n    item\r\n      Date = -9.0071992547409927e15\r\n    end>\r\n"));
  EXPECT_EQ(Float.Events(0).Date(), -9007199254740992.0);
}

TEST_F(DataLibTest, EncodingIsDecidedOnWholeValuesNotOnRuns) {
  // Other writers may split a UTF-8 character between runs and codes: the
  // joined value decides. One value that is not UTF-8 as a whole makes the
  // file Windows-1252, values before it included.
  for (const char* Value :
       {"'caf\xC3' + '\xA9'", "'caf\xC3'#169", "'caf'#195#169", "'caf\xC3' +\r\n    '\xA9'"}) {
    TEventList Doc;
    ReadObjectText(
        Doc, Header(std::string("  ExportFile = ") + Value + "\r\n  DefaultFolder = '\xE2\x82\xAC'\r\n"));
    EXPECT_EQ(Doc.ExportFile, "caf\xC3\xA9") << Value;
    EXPECT_EQ(Doc.DefaultFolder, "\xE2\x82\xAC") << Value;
  }
  TEventList Doc;
  ReadObjectText(Doc, Header("  ExportFile = 'caf\xC3' + '\xA9'\r\n  DefaultFolder = 'caf\xC3'\r\n"));
  EXPECT_EQ(Doc.ExportFile, "caf\xC3\x83\xC2\xA9");
  EXPECT_EQ(Doc.DefaultFolder, "caf\xC3\x83");
}

TEST_F(DataLibTest, DoubledApostropheAndWideCodes) {
  TEventList Doc;
  ReadObjectText(Doc, Header("  DefaultFolder = 'it''s'#8364#233'x'#55357#56832\r\n"));
  // #233 is a byte of the code page; with the rest being UTF-8 the file's
  // strings are not all UTF-8, so the bytes are read as Windows-1252.
  EXPECT_EQ(Doc.DefaultFolder, "it's\xE2\x82\xAC\xC3\xA9x\xF0\x9F\x98\x80");
}

TEST_F(DataLibTest, EmptyCollectionKeepsItemsAndAFilledOneReplacesThem) {
  TEventList Doc;
  Doc.FindEvent(true, 1)->Text = "one";
  Doc.FindEvent(true, 2)->Text = "two";
  ReadObjectText(Doc, Header("  Items = <>\r\n"));
  EXPECT_EQ(Doc.Count(), 2);
  ReadObjectText(Doc, Header("  Items = <\r\n    item\r\n      Date = 5\r\n    end>\r\n"));
  ASSERT_EQ(Doc.Count(), 1);
  EXPECT_EQ(Doc.Events(0).Date(), 5);
  EXPECT_EQ(Doc.FindEvent(false, 1), nullptr);
  EXPECT_EQ(Doc.FindEvent(false, 5), &Doc.Events(0));
}

TEST_F(DataLibTest, MissingPropertiesKeepTheirValues) {
  TEventList Doc;
  MakeFresh(Doc);
  ReadObjectText(Doc, Header("  Style.Title = 'T'\r\n"));
  EXPECT_EQ(Doc.Style().Title, "T");
  EXPECT_EQ(Doc.RowSpacing, 15);
  EXPECT_EQ(Doc.Style().CellWidth, 120);
}

struct TBadInput {
  const char* Why;
  std::string Text;
};

// Syntax errors: nothing is applied.
TEST_F(DataLibTest, SyntaxErrorsApplyNothing) {
  const TBadInput Cases[] = {
      {"empty file", ""},
      {"only blanks", " \r\n\t"},
      {"missing end", "object TEventList\r\n  RowSpacing = 1\r\n"},
      {"not an object", "thing TEventList\r\nend\r\n"},
      {"no class", "object\r\n"},
      {"missing =", "object T\r\n  RowSpacing 1\r\nend\r\n"},
      {"missing value", "object T\r\n  RowSpacing =\r\nend\r\n"},
      {"unterminated string", "object T\r\n  ExportFile = 'abc\r\nend\r\n"},
      {"line break in a run", "object T\r\n  ExportFile = 'a\r\nb'\r\nend\r\n"},
      {"zero byte in a run", std::string("object T\r\n  ExportFile = 'a\0b'\r\nend\r\n", 37)},
      {"bare #", "object T\r\n  ExportFile = #\r\nend\r\n"},
      {"huge code", "object T\r\n  ExportFile = #99999999\r\nend\r\n"},
      {"dangling +", "object T\r\n  ExportFile = 'a' +\r\nend\r\n"},
      {"+ before a number", "object T\r\n  ExportFile = 'a' + 1\r\nend\r\n"},
      {"integer overflow", "object T\r\n  RowSpacing = 99999999999999999999\r\nend\r\n"},
      {"lone minus", "object T\r\n  RowSpacing = -\r\nend\r\n"},
      {"bare $", "object T\r\n  RowSpacing = $\r\nend\r\n"},
      {"exponent without digits", "object T\r\n  RowSpacing = 1e\r\nend\r\n"},
      {"float overflow", "object T\r\n  RowSpacing = 1e999\r\nend\r\n"},
      {"unclosed set", "object T\r\n  Style.Days.FontStyle = [fsBold\r\nend\r\n"},
      {"set with trailing comma", "object T\r\n  Style.Days.FontStyle = [fsBold,]\r\nend\r\n"},
      {"unclosed collection", "object T\r\n  Items = <\r\n    item\r\n    end\r\nend\r\n"},
      {"item without end", "object T\r\n  Items = <\r\n    item\r\n>\r\nend\r\n"},
      {"not an item", "object T\r\n  Items = < thing end>\r\nend\r\n"},
      {"unclosed list", "object T\r\n  RowSpacing = (1 2\r\nend\r\n"},
      {"bad byte block", "object T\r\n  RowSpacing = {0G}\r\nend\r\n"},
      {"stray symbol", "object T\r\n  RowSpacing = ;\r\nend\r\n"},
      {"property after nested object", "object T\r\n object U\r\n end\r\n RowSpacing = 1\r\nend\r\n"},
      {"text after end", "object T\r\nend\r\nx"},
      {"too deep",
       "object T\r\n  RowSpacing = " + std::string(200, '(') + std::string(200, ')') + "\r\nend\r\n"},
      {"error after values, items and an apply fault",
       "object Named: T\r\n  RowSpacing = 2\r\n  Items = <\r\n    item\r\n      Date = 5\r\n    end>\r\n"
       "  Style.Title = 'x'\r\n  Foo = 1\r\n  RowSpacing = ;\r\nend\r\n"},
  };
  for (const auto& Case : Cases) {
    TEventList Doc;
    Doc.RowSpacing = 15;
    Doc.FindEvent(true, 9);
    try {
      ReadObjectText(Doc, "object TEventList\r\n  RowSpacing = 2\r\n  Items = <>\r\nend\r\n" == Case.Text
                              ? ""
                              : Case.Text);
      ADD_FAILURE() << "accepted: " << Case.Why;
    } catch (const EQuillbayError& E) {
      EXPECT_STREQ(E.what(), "The file is not valid") << Case.Why;
    }
    EXPECT_EQ(Doc.RowSpacing, 15) << Case.Why;
    EXPECT_EQ(Doc.Style().Title, "") << Case.Why;
    EXPECT_EQ(Doc.Name, "") << Case.Why;
    ASSERT_EQ(Doc.Count(), 1) << Case.Why;
    EXPECT_EQ(Doc.FindEvent(false, 9), &Doc.Events(0)) << Case.Why;
  }
}

TEST_F(DataLibTest, RunEndsAreFoundAtEveryOffset) {
  for (size_t Offset = 0; Offset < 20; ++Offset) {
    const std::string Lead(Offset, 'x');
    TEventList Doc;
    ReadObjectText(Doc, Header("  ExportFile = '" + Lead + "''" + Lead + "'\r\n"));
    EXPECT_EQ(Doc.ExportFile, Lead + "'" + Lead) << Offset;
    for (char Bad : {'\r', '\n', '\0'}) {
      std::string Text = Header("  ExportFile = '" + Lead + Bad + Lead + "'\r\n");
      EXPECT_THROW(ReadObjectText(Doc, Text), EQuillbayError) << Offset << " " << int(Bad);
    }
  }
}

// Faults while applying: the lines before the fault stay applied.
TEST_F(DataLibTest, ApplyFaultsKeepWhatWasAppliedBefore) {
  const TBadInput Cases[] = {
      {"unknown property", "  Foo = 1\r\n"},
      {"read-only property", "  Items = <\r\n    item\r\n      HTMLText = 'x'\r\n    end>\r\n"},
      {"path through a string", "  Style.Title.X = 1\r\n"},
      {"path through nothing", "  Foo.Bar = 1\r\n"},
      {"value to an object", "  Style = 1\r\n"},
      {"string to an integer", "  RowSpacing = '1'\r\n"},
      {"integer to a string", "  ExportFile = 1\r\n"},
      {"identifier to an integer", "  RowSpacing = clWhite\r\n"},
      {"unknown colour", "  Style.BGColor = clPink\r\n"},
      {"boolean as a number", "  Style.ShowYear = 1\r\n"},
      {"unknown boolean", "  Style.ShowYear = Yes\r\n"},
      {"unknown set member", "  Style.Days.FontStyle = [fsHuge]\r\n"},
      {"set to an integer", "  RowSpacing = []\r\n"},
      {"suffixed date", "  Items = <\r\n    item\r\n      Date = 46086d\r\n    end>\r\n"},
      {"float to an integer", "  RowSpacing = 1.5\r\n"},
      {"year beyond a word", "  ExportYear = 65536\r\n"},
      {"negative year", "  ExportYear = -1\r\n"},
      {"integer beyond 32 bits", "  RowSpacing = 2147483648\r\n"},
      {"date beyond 2^53", "  Items = <\r\n    item\r\n      Date = 9007199254740993\r\n    end>\r\n"},
      {"float date beyond 2^53", "  Items = <\r\n    item\r\n      Date = -9.1e15\r\n    end>\r\n"},
      {"list value", "  RowSpacing = (1 2)\r\n"},
      {"byte block", "  RowSpacing = {00FF}\r\n"},
      {"collection to a string", "  ExportFile = <>\r\n"},
  };
  for (const auto& Case : Cases) {
    TEventList Doc;
    Doc.FindEvent(true, 9);
    try {
      ReadObjectText(Doc, Header("  RowSpacing = 2\r\n" + Case.Text + "  ColSpacing = 3\r\n"));
      ADD_FAILURE() << "accepted: " << Case.Why;
    } catch (const EQuillbayError& E) {
      EXPECT_STREQ(E.what(), "The file is not valid") << Case.Why;
    }
    EXPECT_EQ(Doc.RowSpacing, 2) << Case.Why;
    EXPECT_EQ(Doc.ColSpacing, 0) << Case.Why;
  }
}

TEST_F(DataLibTest, NestedObjectStopsTheReadingAfterThePropertiesBeforeIt) {
  TEventList Doc;
  EXPECT_THROW(
      ReadObjectText(Doc, Header("  RowSpacing = 2\r\n  object Inner: TEventList\r\n    ColSpacing = 3\r\n"
                                 "  end\r\n")),
      EQuillbayError);
  EXPECT_EQ(Doc.RowSpacing, 2);
  EXPECT_EQ(Doc.ColSpacing, 0);
}

TEST_F(DataLibTest, FaultInsideACollectionKeepsTheItemsReadSoFar) {
  TEventList Doc;
  Doc.FindEvent(true, 1);
  Doc.FindEvent(true, 2);
  Doc.FindEvent(true, 3);
  EXPECT_THROW(
      ReadObjectText(Doc, Header("  Items = <\r\n    item\r\n      Date = 7\r\n    end\r\n    item\r\n"
                                 "      Date = 8\r\n      Bad = 1\r\n    end>\r\n")),
      EQuillbayError);
  ASSERT_EQ(Doc.Count(), 2);
  EXPECT_EQ(Doc.Events(0).Date(), 7);
  EXPECT_EQ(Doc.Events(1).Date(), 8);
  EXPECT_EQ(Doc.FindEvent(false, 1), nullptr);
}

TEST_F(DataLibTest, GalleryFileLoadedIntoADocumentFailsOnName) {
  TEventList Doc;
  EXPECT_THROW(ReadObjectText(Doc,
                              "object TCalStyleGallery\r\n  Items = <\r\n    item\r\n      Name = 'Blue'\r\n"
                              "    end>\r\nend\r\n"),
               EQuillbayError);
  EXPECT_EQ(Doc.Count(), 1);  // the collection was emptied and one item begun
}

// ---------------------------------------------------------------------------
// Code pages

TEST_F(DataLibTest, Windows1252FileOpensWithItsAccents) {
  TEventList Doc;
  ReadObjectText(
      Doc,
      Header(
          "  Items = <\r\n    item\r\n      Date = 46086\r\n      Text = 'F\xEAte d'#39'\xE9t\xE9 \x80 5'\r\n"
          "    end>\r\n  DefaultFolder = 'C:\\Mes documents\\Calendrier'\r\n"));
  ASSERT_EQ(Doc.Count(), 1);
  EXPECT_EQ(Doc.Events(0).Text, "F\xC3\xAAte d'\xC3\xA9t\xC3\xA9 \xE2\x82\xAC 5");
}

TEST_F(DataLibTest, Utf8FileIsTakenAsItIs) {
  TEventList Doc;
  ReadObjectText(Doc,
                 Header("  ExportFile = 'F\xC3\xAAte \xE2\x82\xAC'\r\n  DefaultFolder = '\xC3\xA9'\r\n"));
  EXPECT_EQ(Doc.ExportFile, "F\xC3\xAAte \xE2\x82\xAC");
  EXPECT_EQ(Doc.DefaultFolder, "\xC3\xA9");
}

TEST_F(DataLibTest, OneForeignStringMakesTheWholeFileWindows1252) {
  // Bytes that happen to form UTF-8 in one string are still code-page bytes
  // when another string of the same file is not UTF-8.
  TEventList Doc;
  ReadObjectText(Doc, Header("  ExportFile = '\xC3\xA9'\r\n  DefaultFolder = '\xE9'\r\n"));
  EXPECT_EQ(Doc.ExportFile, "\xC3\x83\xC2\xA9");
  EXPECT_EQ(Doc.DefaultFolder, "\xC3\xA9");
}

// ---------------------------------------------------------------------------
// Round trips and checksum

// A random document with texts that exercise every corner of the string rule.
void RandomDocument(std::mt19937& Random, TEventList& Doc) {
  auto Pick = [&](int N) { return static_cast<int>(Random() % static_cast<unsigned>(N)); };
  const char* Pieces[] = {
      "a", "Z",    " ",    "'",    "\r\n", "\t",  "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x8E\x89", "#",
      "+", "<br>", "\x01", "\x7F", "''",   "end", "x"};
  auto Text = [&](int MaxPieces) {
    std::string S;
    int N = Pick(MaxPieces + 1);
    for (int I = 0; I < N; ++I) {
      const char* P = Pieces[Pick(static_cast<int>(std::size(Pieces)))];
      int Repeat = 1 + Pick(Pick(4) == 0 ? 70 : 3);
      for (int R = 0; R < Repeat; ++R) S += P;
    }
    return S;
  };
  if (Pick(2)) Doc.Style().ResetToDefaults();
  int Events = Pick(12);
  for (int I = 0; I < Events; ++I) {
    TEvent* E = Doc.FindEvent(true, Pick(3) == 0 ? -Pick(600000) : Pick(2958465));
    E->Text = Text(8);
  }
  Doc.Style().Title = Text(3);
  Doc.Style().Header = Text(20);
  Doc.Style().Footer = Text(5);
  Doc.Style().Caption().FontName = Text(2);
  Doc.Style().Caption().FontStyle = static_cast<TFontStyles>(Pick(16));
  Doc.Style().Days().BGColor = static_cast<TColor>(Random());
  Doc.Style().BorderColor =
      Pick(2) ? static_cast<TColor>(0x80000000u + static_cast<unsigned>(Pick(30))) : Pick(2);
  Doc.Style().CellWidth = static_cast<int32_t>(Random());
  Doc.Style().WrapEvents = Pick(2);
  Doc.DefaultFolder = Text(4);
  Doc.ExportYear = static_cast<uint16_t>(Random());
  Doc.Tag = Pick(3) == 0 ? static_cast<int32_t>(Random()) : 0;
}

TEST_F(DataLibTest, WriteReadWriteGivesTheSameBytes) {
  std::mt19937 Random(20260305);
  for (int Round = 0; Round < 400; ++Round) {
    TEventList First;
    RandomDocument(Random, First);
    const std::string Text = Save(First);
    TEventList Second;
    ReadObjectText(Second, Text);
    ASSERT_EQ(Save(Second), Text) << "round " << Round;
    ASSERT_EQ(Second.Checksum(), First.Checksum()) << "round " << Round;
  }
}

TEST_F(DataLibTest, OptInStylePropertiesAreWrittenOnlyWhenSet) {
  TEventList Doc;
  MakeWorkedExample(Doc);
  const uint32_t Plain = Doc.Checksum();
  ASSERT_EQ(Save(Doc), WorkedExample) << "the defaults write nothing";

  Doc.Style().ModernPage = true;
  Doc.Style().WeekStart = 2;
  Doc.Style().EventsAsText = true;
  const std::string Text = Save(Doc);
  EXPECT_EQ(LinesFrom(Text, "Style.HideBanner", 4),
            CrLfLines({"  Style.HideBanner = False", "  Style.ModernPage = True", "  Style.WeekStart = 2",
                       "  Style.EventsAsText = True"}));
  TEventList Back;
  ReadObjectText(Back, Text);
  EXPECT_EQ(Save(Back), Text);

  // Each of them alone changes the checksum.
  for (int Which = 0; Which < 3; ++Which) {
    TEventList One;
    MakeWorkedExample(One);
    if (Which == 0) One.Style().ModernPage = true;
    if (Which == 1) One.Style().WeekStart = 7;
    if (Which == 2) One.Style().EventsAsText = true;
    EXPECT_NE(One.Checksum(), Plain) << Which;
  }

  // A first day of the week outside Sunday..Saturday reads as Sunday, in a
  // document and in a gallery scheme alike.
  for (const char* Value : {"0", "8", "-3"}) {
    TEventList Odd;
    ReadObjectText(Odd, Header(std::string("  Style.WeekStart = ") + Value + "\r\n"));
    EXPECT_EQ(Odd.Style().WeekStart, 1) << Value;
  }
  TCalStyleGallery Gallery;
  ReadObjectText(Gallery,
                 "object TCalStyleGallery\r\n  Items = <\r\n    item\r\n      Name = 'Wide'\r\n"
                 "      Style.ModernPage = True\r\n      Style.WeekStart = 2\r\n"
                 "      Style.EventsAsText = True\r\n    end>\r\nend\r\n");
  ASSERT_EQ(Gallery.Count(), 1);
  EXPECT_TRUE(Gallery.Item(0).Style().ModernPage);
  EXPECT_EQ(Gallery.Item(0).Style().WeekStart, 2);
  EXPECT_TRUE(Gallery.Item(0).Style().EventsAsText);
}

TEST_F(DataLibTest, ChecksumFollowsTheStoredProperties) {
  TEventList A, B;
  MakeWorkedExample(A);
  MakeWorkedExample(B);
  EXPECT_EQ(A.Checksum(), B.Checksum());
  uint32_t Before = A.Checksum();
  A.ExportMonths = 0x0FFE;
  EXPECT_EQ(A.Checksum(), Before);
  A.Style().Title = "Calendas";
  EXPECT_NE(A.Checksum(), Before);
  A.Style().Title = "Calendar";
  A.DefaultFolder = "/home/club";
  EXPECT_NE(A.Checksum(), Before);
}

uint32_t SumOfWords(const std::string& Bytes) {
  uint32_t Sum = 0;
  uint8_t W[4] = {0, 0, 0, 0};
  for (size_t I = 0; I < Bytes.size(); I += 4) {
    for (size_t K = 0; K < 4 && I + K < Bytes.size(); ++K) W[K] = static_cast<uint8_t>(Bytes[I + K]);
    Sum += W[0] | W[1] << 8 | W[2] << 16 | static_cast<uint32_t>(W[3]) << 24;
  }
  return Sum;
}

TEST_F(DataLibTest, ChecksumOfALargeDocumentSumsTheSavedBytes) {
  // Large enough that the text reaches the sum in several pieces, with odd
  // lengths at the joins.
  TEventList Doc;
  for (int I = 0; I < 9000; ++I) Doc.FindEvent(true, I + 1)->Text = std::string(1 + I % 37, 'a' + I % 26);
  const std::string Bytes = Save(Doc);
  ASSERT_GT(Bytes.size(), 600000u);
  ASSERT_NE(Bytes.size() % 4, 0u);
  EXPECT_EQ(Doc.Checksum(), SumOfWords(Bytes));
}

TEST_F(DataLibTest, ChecksumSumsLittleEndianWordsAndReusesHighBytes) {
  // The saved text of an empty document, summed by the rule independently.
  TEventList Doc;
  std::string Bytes = Save(Doc);
  ASSERT_NE(Bytes.size() % 4, 0u);
  EXPECT_EQ(Doc.Checksum(), SumOfWords(Bytes));
}

// ---------------------------------------------------------------------------
// Files

TEST_F(DataLibTest, SaveAndLoadThroughAFile) {
  TTempFolder Folder;
  TEventList Doc;
  MakeWorkedExample(Doc);
  Doc.SaveToFile(Folder.Path("club.qby"));
  EXPECT_EQ(ReadFileBytes(Folder.Path("club.qby")), WorkedExample);
  TEventList Back;
  Back.LoadFromFile(Folder.Path("club.qby"));
  EXPECT_EQ(Save(Back), WorkedExample);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path()), {}), 1);
}

TEST_F(DataLibTest, ShippedExamplesOpenAndSaveUnchanged) {
  const std::filesystem::path Examples = std::filesystem::path(QUILLBAY_TEST_SOURCE_DIR) / "examples";
  int Seen = 0;
  for (const auto& Entry : std::filesystem::directory_iterator(Examples)) {
    if (Entry.path().extension() != ".qby") continue;
    ++Seen;
    TEventList Doc;
    Doc.LoadFromFile(Entry.path().string());
    EXPECT_GT(Doc.Count(), 0) << Entry.path();
    EXPECT_EQ(Save(Doc), ReadFileBytes(Entry.path().string())) << Entry.path();
  }
  EXPECT_GT(Seen, 0);
}

TEST_F(DataLibTest, RefusedFileNamesTheLineWhereReadingStopped) {
  TTempFolder Folder;
  const std::string Name = Folder.Path("club.qby");
  auto Message = [&](const std::string& Text) {
    WriteFileBytes(Name, Text);
    TEventList Doc;
    try {
      Doc.LoadFromFile(Name);
    } catch (const EQuillbayError& E) {
      return std::string(E.what());
    }
    return std::string("accepted");
  };
  const struct {
    std::string Text;
    int Line;
  } Cases[] = {
      {Header("  RowSpacing = 2\r\n  Foo = 1\r\n"), 3},         // a value that does not fit
      {Header("  RowSpacing = 2\r\n  RowSpacing = ;\r\n"), 3},  // a syntax error
      {"object TEventList\n  Items = <\n    item\n      Text = 'half", 4},
      {"object TEventList\r\n  RowSpacing = 2\r\n\r\n\r\n", 2},  // the end: its last line that holds text
  };
  for (const auto& C : Cases)
    EXPECT_EQ(Message(C.Text), "The file is not valid\n" + Name + ", line " + std::to_string(C.Line))
        << C.Text;

  // A file of some megabytes, whose memory goes back while it is read: the
  // lines are still counted, and what was read before the fault stays.
  std::string Big = "object TEventList\r\n  Items = <\r\n";
  for (int I = 0; I < 60000; ++I)
    Big += "    item\r\n      Date = " + std::to_string(40000 + I) +
           "\r\n      Text = 'Choir practice in the parish hall'\r\n    end\r\n";
  Big.resize(Big.size() - 2);
  Big += ">\r\n  Bad = 1\r\nend\r\n";
  ASSERT_GT(Big.size(), 4u << 20);
  EXPECT_EQ(Message(Big), "The file is not valid\n" + Name + ", line 240003");
  TEventList Doc;
  EXPECT_THROW(Doc.LoadFromFile(Name), EQuillbayError);
  ASSERT_EQ(Doc.Count(), 60000);
  EXPECT_EQ(Doc.Events(0).Text, "Choir practice in the parish hall");
  EXPECT_EQ(Doc.FindEvent(false, 40000 + 59999), &Doc.Events(59999));
}

TEST_F(DataLibTest, MissingFileCannotBeOpened) {
  TTempFolder Folder;
  TEventList Doc;
  const std::string Name = Folder.Path("none.qby");
  try {
    Doc.LoadFromFile(Name);
    ADD_FAILURE();
  } catch (const EQuillbayError& E) {
    EXPECT_EQ(std::string(E.what()), "Cannot open file " + Name);
  }
  EXPECT_THROW(Doc.LoadFromFile(Folder.Path()), EQuillbayError);  // a folder
}

TEST_F(DataLibTest, OversizedFileIsNotValid) {
  TTempFolder Folder;
  const std::string Name = Folder.Path("big.qby");
  {
    std::ofstream Out(Name, std::ios::binary);
    Out << "object TEventList\r\n";
    Out.seekp(static_cast<std::streamoff>(MaxObjectFileSize) + 10);
    Out << "end\r\n";
  }
  TEventList Doc;
  try {
    Doc.LoadFromFile(Name);
    ADD_FAILURE();
  } catch (const EQuillbayError& E) {
    EXPECT_EQ(std::string(E.what()), "The file is not valid\n" + Name + ", larger than 64 MB");
  }
}

TEST_F(DataLibTest, PipeWithoutWriterIsNotValidAndDoesNotHang) {
  TTempFolder Folder;
  const std::string Name = Folder.Path("pipe.qby");
  ASSERT_EQ(::mkfifo(Name.c_str(), 0600), 0);
  TEventList Doc;
  try {
    Doc.LoadFromFile(Name);
    ADD_FAILURE();
  } catch (const EQuillbayError& E) {
    EXPECT_EQ(std::string(E.what()), "The file is not valid\n" + Name + ", line 1");
  }
}

TEST_F(DataLibTest, EndlessDeviceIsNotValid) {
  if (::access("/dev/zero", R_OK) != 0) GTEST_SKIP() << "needs /dev/zero";
  TEventList Doc;
  EXPECT_THROW(Doc.LoadFromFile("/dev/zero"), EQuillbayError);
}

TEST_F(DataLibTest, SaveIntoMissingFolderCannotCreate) {
  TTempFolder Folder;
  TEventList Doc;
  const std::string Name = Folder.Path("no/such/folder/club.qby");
  try {
    Doc.SaveToFile(Name);
    ADD_FAILURE();
  } catch (const EQuillbayError& E) {
    EXPECT_EQ(std::string(E.what()), "Cannot create file " + Name);
  }
}

TEST_F(DataLibTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
  TTempFolder Folder;
  const std::string Name = Folder.Path("club.qby");
  WriteFileBytes(Name, "previous document");
  ::chmod(Name.c_str(), 0640);

  TEventList Doc;
  MakeWorkedExample(Doc);
  // The file size limit makes the write fail half way, as a full disk would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit Old{};
  ::getrlimit(RLIMIT_FSIZE, &Old);
  rlimit Small = Old;
  Small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &Small), 0);
  std::string Message;
  try {
    Doc.SaveToFile(Name);
  } catch (const EQuillbayError& E) {
    Message = E.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &Old);
  EXPECT_EQ(Message, "Stream write error");
  EXPECT_EQ(ReadFileBytes(Name), "previous document");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path()), {}), 1);

  // The next save goes through and keeps the permissions.
  Doc.SaveToFile(Name);
  EXPECT_EQ(ReadFileBytes(Name), WorkedExample);
  struct stat St {};
  ::stat(Name.c_str(), &St);
  EXPECT_EQ(St.st_mode & 0777, 0640u);
}

TEST_F(DataLibTest, DeviceIsWrittenInPlaceAndNeverReplaced) {
  // A full device reports the write error; the device node stays a device.
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "needs /dev/full";
  TEventList Doc;
  MakeWorkedExample(Doc);
  try {
    Doc.SaveToFile("/dev/full");
    ADD_FAILURE();
  } catch (const EQuillbayError& E) {
    EXPECT_STREQ(E.what(), "Stream write error");
  }
  struct stat St {};
  ASSERT_EQ(::stat("/dev/full", &St), 0);
  EXPECT_TRUE(S_ISCHR(St.st_mode));
}

TEST_F(DataLibTest, ReadOnlyFolderCannotCreate) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TTempFolder Folder;
  const std::string Name = Folder.Path("club.qby");
  WriteFileBytes(Name, "previous document");
  ::chmod(Folder.Path().c_str(), 0555);
  TEventList Doc;
  try {
    Doc.SaveToFile(Name);
    ADD_FAILURE();
  } catch (const EQuillbayError& E) {
    EXPECT_EQ(std::string(E.what()), "Cannot create file " + Name);
  }
  EXPECT_EQ(ReadFileBytes(Name), "previous document");
}

TEST_F(DataLibTest, SaveThroughALinkReplacesTheLinkedFile) {
  TTempFolder Folder;
  WriteFileBytes(Folder.Path("real.qby"), "old");
  std::filesystem::create_symlink(Folder.Path("real.qby"), Folder.Path("link.qby"));
  TEventList Doc;
  Doc.SaveToFile(Folder.Path("link.qby"));
  EXPECT_TRUE(std::filesystem::is_symlink(Folder.Path("link.qby")));
  EXPECT_EQ(ReadFileBytes(Folder.Path("real.qby")), Save(Doc));
}

}  // namespace
