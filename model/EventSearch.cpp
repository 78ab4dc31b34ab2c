#include "model/EventSearch.h"

#include <algorithm>

#include "model/EventList.h"

namespace {

char UpperAscii(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }

// Where Find starts in Text at or after From, or npos. Ignoring case folds
// only a to z; bytes of other UTF-8 characters never take part in folding.
size_t FindFrom(const std::string& Text, const std::string& Find, size_t From, TMatchCase Case) {
  if (Find.empty() || From > Text.size()) return std::string::npos;
  if (Case == TMatchCase::Respect) return Text.find(Find, From);
  const auto Found = std::search(Text.begin() + static_cast<std::ptrdiff_t>(From), Text.end(), Find.begin(),
                                 Find.end(), [](char A, char B) { return UpperAscii(A) == UpperAscii(B); });
  return Found == Text.end() ? std::string::npos : static_cast<size_t>(Found - Text.begin());
}

// UTF-16 code units of UTF-8 text: one per character, two for a character
// beyond U+FFFF (a four-byte sequence).
int Utf16Length(const std::string& Text, size_t Begin, size_t End) {
  int Units = 0;
  for (size_t I = Begin; I < End; ++I) {
    const auto Byte = static_cast<unsigned char>(Text[I]);
    if ((Byte & 0xC0) != 0x80) ++Units;
    if (Byte >= 0xF0) ++Units;
  }
  return Units;
}

// The text box position of byte Offset of a stored text: each CR LF before it
// is one line feed in the box.
int BoxPosition(const std::string& Stored, size_t Offset) {
  int Position = Utf16Length(Stored, 0, Offset);
  for (size_t I = Stored.find("\r\n"); I != std::string::npos && I + 1 < Offset;
       I = Stored.find("\r\n", I + 2))
    --Position;
  return Position;
}

}  // namespace

void TEventSearch::Restart() {
  FSequence = 0;
  FLastStart.reset();
}

std::optional<TEventMatch> TEventSearch::FindNext(TEventList& Document, const std::string& Find,
                                                  TMatchCase Case) {
  // The first event at or after the search's place; events before it may
  // have left since the last search.
  const int Low = Document.FirstFromSequence(FSequence);
  if (Low < Document.Count() && Document.Events(Low).Sequence() != FSequence) FLastStart.reset();
  for (int Index = Low; Index < Document.Count(); ++Index, FLastStart.reset()) {
    TEvent& Event = Document.Events(Index);
    FSequence = Event.Sequence();
    const size_t From = FLastStart ? *FLastStart + Find.size() : 0;
    const size_t Found = FindFrom(Event.Text, Find, From, Case);
    if (Found == std::string::npos) continue;
    FLastStart = Found;
    const int BoxStart = BoxPosition(Event.Text, Found);
    return TEventMatch{&Event, BoxStart, BoxStart + Utf16Length(Find, 0, Find.size())};
  }
  // Past the last event: only events added later are searched again.
  if (Document.Count() > 0) FSequence = Document.Events(Document.Count() - 1).Sequence() + 1;
  FLastStart.reset();
  return std::nullopt;
}
