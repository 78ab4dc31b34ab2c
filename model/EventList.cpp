#include "model/EventList.h"

#include <cmath>
#include <cstring>

namespace {
// The index key of a whole day: the bits of the number, with -0 read as 0.
uint64_t DayKey(TDateTime Day) {
  if (Day == 0) Day = 0;
  uint64_t Key;
  std::memcpy(&Key, &Day, sizeof Key);
  return Key;
}
}  // namespace

// ---------------------------------------------------------------------------
// TEvent

TEvent::~TEvent() {
  // Leave the collection while this is still a whole event, so that the
  // collection can take it out of its index.
  Detach();
}

void TEvent::SetDate(TDateTime Value) {
  TDateTime Old = FDate;
  FDate = DateOnly(Value);
  if (DayKey(Old) == DayKey(FDate)) return;
  if (auto* Owner = dynamic_cast<TEventCollection*>(Collection())) Owner->DateChanging(*this, Old, FDate);
}

std::string TEvent::HTMLText() const {
  std::string Result;
  Result.reserve(Text.size());
  size_t I = 0;
  while (I < Text.size()) {
    size_t Pos = Text.find("\r\n", I);
    if (Pos == std::string::npos) {
      Result.append(Text, I, std::string::npos);
      break;
    }
    Result.append(Text, I, Pos - I);
    Result += "<br>";
    I = Pos + 2;
  }
  return Result;
}

const TPropertyList& TEvent::Properties() const {
  static const TPropertyList List = [] {
    TPropInfo Date;
    Date.Name = "Date";
    Date.Kind = TPropKind::Date;
    Date.GetDate = [](const TPersistent& O) { return static_cast<const TEvent&>(O).Date(); };
    Date.SetDate = [](TPersistent& O, double V) { static_cast<TEvent&>(O).SetDate(V); };
    TPropInfo Html;
    Html.Name = "HTMLText";
    Html.Kind = TPropKind::String;
    Html.ReadOnly = true;
    Html.GetString = [](const TPersistent& O) { return static_cast<const TEvent&>(O).HTMLText(); };
    return TPropertyList{Date, StringProperty("Text", &TEvent::Text), Html};
  }();
  return List;
}

// ---------------------------------------------------------------------------
// TEventCollection

TEvent* TEventCollection::Find(TDateTime Day) const {
  Day = DateOnly(Day);
  if (std::isnan(Day)) return nullptr;  // equal to nothing
  auto It = FFirst.find(DayKey(Day));
  return It == FFirst.end() ? nullptr : It->second;
}

void TEventCollection::ItemAdded(TCollectionItem& Item) {
  auto& Event = static_cast<TEvent&>(Item);
  Event.FSequence = FNextSequence++;
  IndexAdd(Event, DayKey(Event.Date()));
}

void TEventCollection::ItemRemoved(TCollectionItem& Item) {
  auto& Event = static_cast<TEvent&>(Item);
  IndexRemove(Event, DayKey(Event.Date()));
}

void TEventCollection::DateChanging(TEvent& Event, TDateTime OldDate, TDateTime NewDate) {
  IndexRemove(Event, DayKey(OldDate));
  IndexAdd(Event, DayKey(NewDate));
}

void TEventCollection::IndexAdd(TEvent& Event, uint64_t Key) {
  auto [It, Inserted] = FFirst.try_emplace(Key, &Event);
  if (Inserted) return;
  ++FExtra[Key];
  // An event that moves to a day keeps its place in Items: it becomes the
  // day's first event when it stands before the current one.
  if (Event.FSequence < It->second->FSequence) It->second = &Event;
}

void TEventCollection::IndexRemove(TEvent& Event, uint64_t Key) {
  auto It = FFirst.find(Key);
  if (It == FFirst.end()) return;
  auto Extra = FExtra.find(Key);
  if (Extra == FExtra.end()) {
    if (It->second == &Event) FFirst.erase(It);
    return;
  }
  if (--Extra->second == 0) FExtra.erase(Extra);
  if (It->second != &Event) return;
  // The day's first event goes while others of that day remain: the next one
  // in Items order takes its place. Only documents that hold two events of
  // one day come here.
  TEvent* Next = nullptr;
  for (int I = 0; I < Count(); ++I) {
    TEvent& Candidate = Item(I);
    if (&Candidate == &Event || DayKey(Candidate.Date()) != Key) continue;
    if (!Next || Candidate.FSequence < Next->FSequence) Next = &Candidate;
  }
  if (Next) {
    It->second = Next;
    return;
  }
  FFirst.erase(It);
  FExtra.erase(Key);
}

// ---------------------------------------------------------------------------
// TEventList

TEventList::TEventList() : FStyle(std::make_unique<TCalStyle>()) {}

TEventList::~TEventList() { FItems.Clear(); }

TEvent* TEventList::FindEvent(bool Create, TDateTime Date) {
  Date = DateOnly(Date);
  if (TEvent* Found = FItems.Find(Date)) return Found;
  if (!Create) return nullptr;
  TEvent& Event = FItems.Add();
  Event.SetDate(Date);
  return &Event;
}

const TPropertyList& TEventList::Properties() const {
  using C = TEventList;
  TEventCollection& (C::*ItemsOf)() = &C::Items;
  TCalStyle& (C::*StyleOf)() = &C::Style;
  static const TPropertyList List = {
      TagProperty(),
      CollectionProperty("Items", ItemsOf),
      ObjectProperty("Style", StyleOf),
      StringProperty("DefaultFolder", &C::DefaultFolder),
      StringProperty("ExportFile", &C::ExportFile),
      OrdinalProperty("ExportYear", TPropKind::Word, &C::ExportYear),
      OrdinalProperty("ExportCols", TPropKind::Integer, &C::ExportCols),
      OrdinalProperty("ColSpacing", TPropKind::Integer, &C::ColSpacing),
      OrdinalProperty("RowSpacing", TPropKind::Integer, &C::RowSpacing),
  };
  return List;
}
