// A line added to and removed from many days, and each step taken back.

#include "model/DayEdits.h"

#include <gtest/gtest.h>

#include "model/EventList.h"
#include "tests/model/ModelTestSupport.h"

namespace {
// Tuesdays 3, 10 and 17 March 2026 (day numbers: EncodeDate must not run
// before the dates unit is ready).
constexpr TDateTime D1 = 46084, D2 = 46091, D3 = 46098;

std::string TextOf(TEventList& Doc, TDateTime Day) {
  const TEvent* Event = Doc.FindEvent(false, Day);
  return Event ? Event->Text : "<none>";
}

// The bytes that saving Doc writes.
std::string Saved(const TEventList& Doc) {
  TTempFolder Dir;
  Doc.SaveToFile(Dir / "c.qby");
  return ReadFileBytes(Dir / "c.qby");
}

struct TTextCase {
  const char* Before;  // nullptr: the day has no event
  const char* After;   // nullptr: the day has no event
};
}  // namespace

TEST(DayEditsTest, AppendJoinsWithCrLfAfterTheTextAndNeverAddsALineTwice) {
  const TTextCase Cases[] = {
      {nullptr, "Rehearsal"},
      {"  ", "Rehearsal"},
      {"Fair", "Fair\r\nRehearsal"},
      {"Fair\r\n", "Fair\r\nRehearsal"},
      {"Rehearsal", "Rehearsal"},
      {"A\r\nRehearsal\r\nB", "A\r\nRehearsal\r\nB"},
      {"No Rehearsal", "No Rehearsal\r\nRehearsal"},
  };
  for (const TTextCase& Case : Cases) {
    TEventList Doc;
    if (Case.Before) Doc.FindEvent(true, D1)->Text = Case.Before;
    const TDayEditUndo Undo = AppendLineToDays(Doc, "Rehearsal", {D1});
    EXPECT_EQ(TextOf(Doc, D1), Case.After) << (Case.Before ? Case.Before : "<none>");
    EXPECT_EQ(Undo.Days(), Case.Before && std::string(Case.Before) == Case.After ? 0 : 1) << Case.After;
  }
  TEventList Doc;
  EXPECT_EQ(AppendLineToDays(Doc, " ", {D1}).Days(), 0) << "a blank line";
  EXPECT_EQ(AppendLineToDays(Doc, "A\r\nB", {D1}).Days(), 0) << "two lines";
  EXPECT_EQ(Doc.Count(), 0);
}

TEST(DayEditsTest, RemoveTakesOnlyWholeLinesAndRemovesADayLeftBlank) {
  const TTextCase Cases[] = {
      {"Rehearsal", nullptr},
      {"Rehearsal\r\n ", nullptr},
      {"Rehearsal\r\nRehearsal", nullptr},
      {"Fair\r\nRehearsal", "Fair"},
      {"Rehearsal\r\nFair", "Fair"},
      {"A\r\nRehearsal\r\nB", "A\r\nB"},
      {"A\r\nRehearsal\r\n", "A\r\n"},
      {"Rehearsal moved", "Rehearsal moved"},
      {"No Rehearsal", "No Rehearsal"},
      {"rehearsal", "rehearsal"},
  };
  for (const TTextCase& Case : Cases) {
    TEventList Doc;
    Doc.FindEvent(true, D1)->Text = "Rehearsal";
    Doc.FindEvent(true, D2)->Text = Case.Before;
    Doc.FindEvent(true, D3)->Text = "Rehearsal";
    const TDayRange Range{D2, D2};
    const int Count = CountDaysHoldingLine(Doc, "Rehearsal", Range);
    const TDayEditUndo Undo = RemoveLineFromDays(Doc, "Rehearsal", Range);
    EXPECT_EQ(TextOf(Doc, D2), Case.After ? Case.After : "<none>") << Case.Before;
    EXPECT_EQ(Undo.Days(), Count) << Case.Before;
    EXPECT_EQ(Count, Case.After && std::string(Case.After) == Case.Before ? 0 : 1) << Case.Before;
    EXPECT_EQ(TextOf(Doc, D1), "Rehearsal") << "outside the range";
    EXPECT_EQ(TextOf(Doc, D3), "Rehearsal") << "outside the range";
  }
}

TEST(DayEditsTest, UndoRestoresTheSavedDocumentByteForByte) {
  TEventList Doc;
  MakeFresh(Doc);
  // Added out of date order, with a day that a file brought twice.
  Doc.FindEvent(true, D3)->Text = "Rehearsal";
  Doc.FindEvent(true, D1)->Text = "Fair\r\nRehearsal";
  Doc.Items().Add().SetDate(D2);
  Doc.Events(2).Text = "Rehearsal";
  Doc.FindEvent(true, EncodeDate(2026, 4, 1))->Text = "Concert";
  Doc.Items().Add().SetDate(D3);
  Doc.Events(4).Text = "Rehearsal\r\nSecond";
  const std::string Before = Saved(Doc);

  const TDayEditUndo Removed = RemoveLineFromDays(Doc, "Rehearsal", {D1, D3});
  EXPECT_EQ(Removed.Days(), 4);
  EXPECT_EQ(Doc.Count(), 3) << "the two days left blank are gone";
  EXPECT_NE(Saved(Doc), Before);
  Removed.Undo(Doc);
  EXPECT_EQ(Saved(Doc), Before);
  EXPECT_EQ(TextOf(Doc, D3), "Rehearsal") << "the day's first event is found again";

  const TDayEditUndo Added =
      AppendLineToDays(Doc, "Choir", {D1, D2, EncodeDate(2026, 3, 24), EncodeDate(2026, 3, 31)});
  EXPECT_EQ(Added.Days(), 4);
  const std::string AfterAdding = Saved(Doc);
  const TDayEditUndo RemovedAgain = RemoveLineFromDays(Doc, "Choir", {D1, EncodeDate(2026, 3, 31)});
  EXPECT_EQ(RemovedAgain.Days(), 4);
  RemovedAgain.Undo(Doc);
  EXPECT_EQ(Saved(Doc), AfterAdding);
  Added.Undo(Doc);
  EXPECT_EQ(Saved(Doc), Before);
  EXPECT_EQ(TextOf(Doc, EncodeDate(2026, 3, 24)), "<none>");
}
