// Find Next over a document: which event, where in its text box, and where
// the next search goes on.

#include "model/EventSearch.h"

#include <gtest/gtest.h>

#include "model/EventList.h"

namespace {

class EventSearchTest : public ::testing::Test {
 protected:
  // "event index:start-end" of the next match, or "none".
  std::string Next(const std::string& Find, TMatchCase Case = TMatchCase::Ignore) {
    const std::optional<TEventMatch> Match = Search.FindNext(Doc, Find, Case);
    if (!Match) return "none";
    for (int I = 0; I < Doc.Count(); ++I)
      if (&Doc.Events(I) == Match->Event)
        return std::to_string(I) + ":" + std::to_string(Match->BoxStart) + "-" +
               std::to_string(Match->BoxEnd);
    return "not an event of the document";
  }

  TEventList Doc;
  TEventSearch Search;
};

TEST_F(EventSearchTest, IgnoringCaseFoldsOnlyTheLettersAToZ) {
  Doc.FindEvent(true, 46113)->Text = "xABCx";
  Doc.FindEvent(true, 46114)->Text = "caf\xC3\x89";  // "cafÉ"
  EXPECT_EQ(Next("abc"), "0:1-4");
  Search.Restart();
  EXPECT_EQ(Next("caf\xC3\xA9"), "none") << "é and É are different characters";
  Search.Restart();
  EXPECT_EQ(Next("CAF\xC3\x89"), "1:0-4");
  Search.Restart();
  EXPECT_EQ(Next("abc", TMatchCase::Respect), "none");
  Search.Restart();
  EXPECT_EQ(Next(""), "none");
}

TEST_F(EventSearchTest, MatchesDoNotOverlapFollowDocumentOrderAndEndUntilRestart) {
  Doc.FindEvent(true, 46183)->Text = "aaaa";
  Doc.FindEvent(true, 46175)->Text = "first line\r\nsaab";
  EXPECT_EQ(Next("aa"), "0:0-2");
  EXPECT_EQ(Next("aa"), "0:2-4");
  EXPECT_EQ(Next("aa"), "1:12-14") << "one line feed in the box for CR LF";
  EXPECT_EQ(Next("aa"), "none");
  EXPECT_EQ(Next("first"), "none") << "the search stays at the end";
  Search.Restart();
  EXPECT_EQ(Next("aa"), "0:0-2");
}

TEST_F(EventSearchTest, KeepsItsPlaceOnTheFoundEventWhenEventsLeave) {
  Doc.FindEvent(true, 46113)->Text = "the day being left";
  Doc.FindEvent(true, 46114)->Text = "aa aa";
  Doc.FindEvent(true, 46115)->Text = "aa";
  EXPECT_EQ(Next("aa"), "1:0-2");
  delete Doc.FindEvent(false, 46113);  // its text was cleared as the search moved on
  EXPECT_EQ(Next("aa"), "0:3-5") << "the rest of the found event";
  delete Doc.FindEvent(false, 46114);  // the found event itself leaves
  EXPECT_EQ(Next("aa"), "0:0-2") << "the next event, from its start";
  EXPECT_EQ(Next("aa"), "none");
}

TEST_F(EventSearchTest, BoxPositionsCountUtf16Units) {
  // "é😀", CR LF, "x😀": the emoji is two units in a text box.
  Doc.FindEvent(true, 46113)->Text = "\xC3\xA9\xF0\x9F\x98\x80\r\nx\xF0\x9F\x98\x80";
  EXPECT_EQ(Next("\xF0\x9F\x98\x80"), "0:1-3");
  EXPECT_EQ(Next("\xF0\x9F\x98\x80"), "0:5-7");
  Search.Restart();
  EXPECT_EQ(Next("X"), "0:4-5");
}

}  // namespace
