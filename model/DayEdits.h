#pragma once
// A line of text added to many days or removed from them in one step, and
// the record that takes such a step back in one. The steps work on the day
// texts of a document the way typing does (lines joined with CR LF, a day
// left blank has no event); the record keeps only the events a step touched,
// known by their place among the document's additions, so that taking it
// back leaves the document as it was, byte for byte when saved. The caller
// keeps the record and drops it when the texts change otherwise.

#include <cstdint>
#include <string>
#include <vector>

#include "model/CalDate.h"

class TEventList;

class TDayEditUndo {
 public:
  // The number of days (events) the step changed.
  int Days() const { return static_cast<int>(FSteps.size()); }
  // Puts every event the step touched back as it was: its text, the events
  // it added gone, the events it removed back at their places in the
  // document's order. Meant for the document the step changed, before its
  // texts change otherwise; an event that has gone since is left out.
  void Undo(TEventList& Doc) const;

 private:
  friend TDayEditUndo AppendLineToDays(TEventList&, const std::string&, const std::vector<TDateTime>&);
  friend TDayEditUndo RemoveLineFromDays(TEventList&, const std::string&, const TDayRange&);
  enum class TKind { Changed, Added, Removed };
  struct TStep {
    TKind Kind;
    uint64_t Sequence;  // the event's place among the additions (TEvent::Sequence)
    TDateTime Day;
    std::string Text;  // the text before the step
  };
  std::vector<TStep> FSteps;
};

// Whether Text holds Line as a whole line (lines end at CR LF).
bool HoldsLine(const std::string& Text, const std::string& Line);
// Appends Line to the text of each of Days, after the existing text and a CR
// LF, on a new event for a day without one; a blank text gives way to Line.
// A day that already holds Line as a line stays as it is. A blank Line, or
// one that holds a line break, changes nothing.
TDayEditUndo AppendLineToDays(TEventList& Doc, const std::string& Line, const std::vector<TDateTime>& Days);
// The number of events of the days of Range that hold Line as a line.
int CountDaysHoldingLine(const TEventList& Doc, const std::string& Line, const TDayRange& Range);
// Removes each line equal to Line from the events of the days of Range; an
// event left blank is removed from the document. Lines that only contain
// Line stay.
TDayEditUndo RemoveLineFromDays(TEventList& Doc, const std::string& Line, const TDayRange& Range);
