#pragma once
// Finding a text in a document's events, one match at a time, as Find Next
// does: events in document order (Items, not date order), each event's text
// from its start, and a repeated search going on past the match it found
// before. Letter case is ignored for the letters a to z only; every other
// character must match as it is. The search keeps only its place, the event
// it stands on rather than that event's index: it neither owns nor changes the
// document, and a changed document is searched from that place as it now
// stands (from the next event when the one it stood on was removed).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class TEvent;
class TEventList;

enum class TMatchCase { Ignore, Respect };

struct TEventMatch {
  TEvent* Event = nullptr;
  // The match in the event's text box, which joins lines with one line feed
  // where the stored text has CR LF; positions count UTF-16 code units, as
  // text boxes do.
  int BoxStart = 0;
  int BoxEnd = 0;
};

class TEventSearch {
 public:
  // The next search starts again at the first event.
  void Restart();
  // The next match of Find, or nothing when no event from the search's place
  // on holds one; the search then stays at the end until Restart. An empty
  // Find matches nothing. The next search in the same event starts after the
  // found start by the length of the text sought then, so matches of one text
  // never overlap.
  std::optional<TEventMatch> FindNext(TEventList& Document, const std::string& Find, TMatchCase Case);

 private:
  // The event the search stands on, by its sequence number: the first event
  // whose number is not below this one.
  uint64_t FSequence = 0;
  std::optional<size_t> FLastStart;  // in the text of that event, while it is there
};
