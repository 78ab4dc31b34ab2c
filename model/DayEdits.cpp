#include "model/DayEdits.h"

#include <algorithm>
#include <memory>

#include "model/EventList.h"
#include "platform/TextUtil.h"

namespace {
// Whether Line could be a line of a day: something visible, no line break.
bool IsOneLine(const std::string& Line) {
  return !IsBlank(Line) && Line.find('\r') == std::string::npos && Line.find('\n') == std::string::npos;
}

// Text without its lines equal to Line.
std::string WithoutLine(const std::string& Text, const std::string& Line) {
  std::string Out;
  bool First = true;
  size_t I = 0;
  for (;;) {
    const size_t Break = Text.find("\r\n", I);
    const size_t End = Break == std::string::npos ? Text.size() : Break;
    if (Text.compare(I, End - I, Line) != 0) {
      if (!First) Out += "\r\n";
      Out.append(Text, I, End - I);
      First = false;
    }
    if (Break == std::string::npos) return Out;
    I = Break + 2;
  }
}

bool InRange(TDateTime Day, const TDayRange& Range) { return Day >= Range.From && Day <= Range.To; }

// The index of the event whose sequence number is Sequence, or -1: Items
// holds its events in rising order of these numbers.
int IndexOfSequence(const TEventList& Doc, uint64_t Sequence) {
  const int Low = Doc.FirstFromSequence(Sequence);
  return Low < Doc.Count() && Doc.Events(Low).Sequence() == Sequence ? Low : -1;
}
}  // namespace

bool HoldsLine(const std::string& Text, const std::string& Line) {
  for (size_t At = Text.find(Line); At != std::string::npos; At = Text.find(Line, At + 1)) {
    const bool Starts = At == 0 || (At >= 2 && Text.compare(At - 2, 2, "\r\n") == 0);
    const size_t End = At + Line.size();
    const bool Ends = End == Text.size() || Text.compare(End, 2, "\r\n") == 0;
    if (Starts && Ends) return true;
  }
  return false;
}

TDayEditUndo AppendLineToDays(TEventList& Doc, const std::string& Line, const std::vector<TDateTime>& Days) {
  TDayEditUndo Undo;
  if (!IsOneLine(Line)) return Undo;
  for (TDateTime Day : Days) {
    TEvent* Event = Doc.FindEvent(false, Day);
    if (Event && HoldsLine(Event->Text, Line)) continue;
    if (!Event) {
      Event = Doc.FindEvent(true, Day);
      Undo.FSteps.push_back({TDayEditUndo::TKind::Added, Event->Sequence(), Event->Date(), {}});
      Event->Text = Line;
      continue;
    }
    Undo.FSteps.push_back({TDayEditUndo::TKind::Changed, Event->Sequence(), Event->Date(), Event->Text});
    if (IsBlank(Event->Text)) {
      Event->Text = Line;
      continue;
    }
    if (!Event->Text.ends_with("\r\n")) Event->Text += "\r\n";
    Event->Text += Line;
  }
  return Undo;
}

int CountDaysHoldingLine(const TEventList& Doc, const std::string& Line, const TDayRange& Range) {
  if (!IsOneLine(Line)) return 0;
  int Count = 0;
  for (int I = 0; I < Doc.Count(); ++I) {
    const TEvent& Event = Doc.Events(I);
    if (InRange(Event.Date(), Range) && HoldsLine(Event.Text, Line)) ++Count;
  }
  return Count;
}

TDayEditUndo RemoveLineFromDays(TEventList& Doc, const std::string& Line, const TDayRange& Range) {
  TDayEditUndo Undo;
  if (!IsOneLine(Line)) return Undo;
  // Events left blank go in one pass over the list, which numbers the
  // events anew: each step notes the event's index among those that stay
  // (a removed one: the index of the next one that stays), its number then.
  std::vector<bool> Blank(static_cast<size_t>(Doc.Count()), false);
  int Kept = 0;
  for (int I = 0; I < Doc.Count(); ++I) {
    TEvent& Event = Doc.Events(I);
    if (!InRange(Event.Date(), Range) || !HoldsLine(Event.Text, Line)) {
      ++Kept;
      continue;
    }
    std::string Text = WithoutLine(Event.Text, Line);
    Blank[static_cast<size_t>(I)] = IsBlank(Text);
    const auto Kind =
        Blank[static_cast<size_t>(I)] ? TDayEditUndo::TKind::Removed : TDayEditUndo::TKind::Changed;
    Undo.FSteps.push_back({Kind, static_cast<uint64_t>(Kept), Event.Date(), std::move(Event.Text)});
    Event.Text = std::move(Text);
    if (Kind == TDayEditUndo::TKind::Changed) ++Kept;
  }
  if (Undo.FSteps.empty()) return Undo;
  std::vector<std::unique_ptr<TCollectionItem>> Items = Doc.Items().TakeItems();
  std::vector<std::unique_ptr<TCollectionItem>> Staying;
  Staying.reserve(static_cast<size_t>(Kept));
  for (size_t I = 0; I < Items.size(); ++I)
    if (!Blank[I]) Staying.push_back(std::move(Items[I]));
  Items.clear();  // the blank events
  Doc.Items().RestoreItems(std::move(Staying));
  return Undo;
}

void TDayEditUndo::Undo(TEventList& Doc) const {
  std::vector<const TStep*> Removed;
  // From the last step back, so that the added events, the newest of the
  // list, go from its end.
  for (auto Step = FSteps.rbegin(); Step != FSteps.rend(); ++Step) {
    if (Step->Kind == TKind::Removed) continue;
    const int Index = IndexOfSequence(Doc, Step->Sequence);
    if (Index < 0) continue;
    if (Step->Kind == TKind::Added)
      delete &Doc.Events(Index);
    else
      Doc.Events(Index).Text = Step->Text;
  }
  for (const TStep& Step : FSteps)
    if (Step.Kind == TKind::Removed) Removed.push_back(&Step);
  if (Removed.empty()) return;
  // A removed event goes back before the event that followed it: the whole
  // list is taken out and put back in order, which numbers the events anew.
  const auto Recreated = [](const TStep& Step) {
    auto Event = std::make_unique<TEvent>();
    Event->SetDate(Step.Day);
    Event->Text = Step.Text;
    return Event;
  };
  std::vector<std::unique_ptr<TCollectionItem>> Items = Doc.Items().TakeItems();
  std::vector<std::unique_ptr<TCollectionItem>> Restored;
  Restored.reserve(Items.size() + Removed.size());
  size_t Next = 0;
  for (auto& Item : Items) {
    const uint64_t Sequence = static_cast<TEvent&>(*Item).Sequence();
    for (; Next < Removed.size() && Removed[Next]->Sequence <= Sequence; ++Next)
      Restored.push_back(Recreated(*Removed[Next]));
    Restored.push_back(std::move(Item));
  }
  for (; Next < Removed.size(); ++Next) Restored.push_back(Recreated(*Removed[Next]));
  Doc.Items().RestoreItems(std::move(Restored));
}
