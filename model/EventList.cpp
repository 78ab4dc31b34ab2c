#include "model/EventList.h"

#include <cmath>
#include <cstring>

#include "text/Lines.h"

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
  // A value that is not a number would be saved as text no reader accepts.
  FDate = std::isfinite(Value) ? DateOnly(Value) : 0;
  if (DayKey(Old) == DayKey(FDate) || !Collection() || Collection()->Updating()) return;
  if (auto* Owner = dynamic_cast<TEventCollection*>(Collection())) Owner->DateChanging(*this, Old, FDate);
}

std::string TEvent::HTMLText() const {
  std::string Result;
  Result.reserve(Text.size());
  bool First = true;
  ForEachCrLfLine(Text, [&](std::string_view Line) {
    if (!First) Result += "<br>";
    First = false;
    Result += Line;
  });
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
// TDayTable

size_t TDayTable::Home(uint64_t Key) const {
  // The bits of a day number differ mostly in the high mantissa; mix them.
  Key ^= Key >> 33;
  Key *= 0xFF51AFD7ED558CCDull;
  Key ^= Key >> 33;
  return static_cast<size_t>(Key) & (FSlots.size() - 1);
}

size_t TDayTable::Locate(uint64_t Key) const {
  size_t Mask = FSlots.size() - 1;
  size_t I = Home(Key);
  while (FSlots[I].Value && FSlots[I].Key != Key) I = (I + 1) & Mask;
  return I;
}

TEvent* TDayTable::Find(uint64_t Key) const {
  if (FCount == 0) return nullptr;
  return FSlots[Locate(Key)].Value;
}

TEvent* TDayTable::Insert(uint64_t Key, TEvent* Value) {
  if ((FCount + 1) * 4 > FSlots.size() * 3) Grow();
  TSlot& Slot = FSlots[Locate(Key)];
  if (Slot.Value) return Slot.Value;
  Slot.Key = Key;
  Slot.Value = Value;
  ++FCount;
  return nullptr;
}

void TDayTable::Assign(uint64_t Key, TEvent* Value) {
  TSlot& Slot = FSlots[Locate(Key)];
  if (Slot.Value) Slot.Value = Value;
}

void TDayTable::Erase(uint64_t Key) {
  if (FCount == 0) return;
  size_t Mask = FSlots.size() - 1;
  size_t I = Locate(Key);
  if (!FSlots[I].Value) return;
  // Shift the following entries back so that no probe chain breaks.
  for (size_t J = (I + 1) & Mask; FSlots[J].Value; J = (J + 1) & Mask) {
    size_t H = Home(FSlots[J].Key);
    bool Stays = (J > I) ? (H > I && H <= J) : (H > I || H <= J);
    if (Stays) continue;
    FSlots[I] = FSlots[J];
    I = J;
  }
  FSlots[I] = TSlot{};
  --FCount;
}

void TDayTable::Clear() {
  FSlots.clear();
  FCount = 0;
}

void TDayTable::Reserve(size_t Count) {
  size_t Size = 16;
  while (Count * 4 > Size * 3) Size *= 2;
  if (Size <= FSlots.size()) return;
  std::vector<TSlot> Old;
  Old.swap(FSlots);
  FSlots.resize(Size);
  for (const TSlot& Slot : Old)
    if (Slot.Value) FSlots[Locate(Slot.Key)] = Slot;
}

void TDayTable::Grow() {
  std::vector<TSlot> Old;
  Old.swap(FSlots);
  FSlots.resize(Old.empty() ? 16 : Old.size() * 2);
  for (const TSlot& Slot : Old)
    if (Slot.Value) FSlots[Locate(Slot.Key)] = Slot;
}

// ---------------------------------------------------------------------------
// TEventCollection

TEvent* TEventCollection::Find(TDateTime Day) const {
  Day = DateOnly(Day);
  if (std::isnan(Day)) return nullptr;  // equal to nothing
  uint64_t Key = DayKey(Day);
  if (Updating()) {
    for (int I = 0; I < Count(); ++I)
      if (DayKey(Item(I).Date()) == Key) return &Item(I);
    return nullptr;
  }
  if (TEvent* First = FFirst.Find(Key)) return First;
  // The pending event is the newest, so it is found only when no indexed
  // event has that day.
  if (FPending && DayKey(FPending->Date()) == Key) return FPending;
  return nullptr;
}

void TEventCollection::ItemAdded(TCollectionItem& Item) {
  auto& Event = static_cast<TEvent&>(Item);
  if (Updating()) return;  // numbered and indexed when the update ends
  IndexPending();
  Event.FSequence = FNextSequence++;
  FPending = &Event;
}

void TEventCollection::ItemRemoved(TCollectionItem& Item) {
  auto& Event = static_cast<TEvent&>(Item);
  if (Updating()) return;
  if (&Event == FPending) {
    FPending = nullptr;
    return;
  }
  IndexPending();
  IndexRemove(Event, DayKey(Event.Date()));
}

void TEventCollection::ItemsCleared() {
  FPending = nullptr;
  FFirst.Clear();
  FExtra.clear();
}

void TEventCollection::Updated() { RebuildIndex(); }

void TEventCollection::RebuildIndex() {
  FPending = nullptr;
  FFirst.Clear();
  FExtra.clear();
  FFirst.Reserve(static_cast<size_t>(Count()));
  // The events and their slots lie all over memory: each is asked for a few
  // steps ahead (the event, then its slot), so that the waits overlap.
  constexpr int Ahead = 16;
  for (int I = 0; I < Count(); ++I) {
    if (I + 2 * Ahead < Count()) __builtin_prefetch(&Item(I + 2 * Ahead));
    if (I + Ahead < Count()) FFirst.Prefetch(DayKey(Item(I + Ahead).Date()));
    TEvent& Event = Item(I);
    Event.FSequence = static_cast<uint64_t>(I);
    IndexAdd(Event, DayKey(Event.Date()));
  }
  FNextSequence = static_cast<uint64_t>(Count());
}

void TEventCollection::DateChanging(TEvent& Event, TDateTime OldDate, TDateTime NewDate) {
  if (&Event == FPending) return;  // indexed later, at its day then
  IndexPending();
  IndexRemove(Event, DayKey(OldDate));
  IndexAdd(Event, DayKey(NewDate));
}

void TEventCollection::IndexPending() {
  if (!FPending) return;
  TEvent& Event = *FPending;
  FPending = nullptr;
  IndexAdd(Event, DayKey(Event.Date()));
}

void TEventCollection::IndexAdd(TEvent& Event, uint64_t Key) {
  TEvent* Current = FFirst.Insert(Key, &Event);
  if (!Current) return;
  ++FExtra[Key];
  // An event that moves to a day keeps its place in Items: it becomes the
  // day's first event when it stands before the current one.
  if (Event.FSequence < Current->FSequence) FFirst.Assign(Key, &Event);
}

void TEventCollection::IndexRemove(TEvent& Event, uint64_t Key) {
  TEvent* Current = FFirst.Find(Key);
  if (!Current) return;
  auto Extra = FExtra.empty() ? FExtra.end() : FExtra.find(Key);
  if (Extra == FExtra.end()) {
    if (Current == &Event) FFirst.Erase(Key);
    return;
  }
  if (--Extra->second == 0) FExtra.erase(Extra);
  if (Current != &Event) return;
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
    FFirst.Assign(Key, Next);
    return;
  }
  FFirst.Erase(Key);
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

namespace {
// A property written only when its value differs from Default.
TPropInfo Defaulted(TPropInfo P, int64_t Default) {
  P.HasDefault = true;
  P.Default = Default;
  return P;
}
}  // namespace

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
      StringProperty("SiteFolder", &C::SiteFolder),
      StringProperty("SiteAddress", &C::SiteAddress),
      StringProperty("SiteFrom", &C::SiteFrom),
      StringProperty("SiteTo", &C::SiteTo),
      Defaulted(OrdinalProperty("SiteUpcomingDays", TPropKind::Integer, &C::SiteUpcomingDays), 60),
      Defaulted(OrdinalProperty("SiteFeedMonthsBack", TPropKind::Integer, &C::SiteFeedMonthsBack), 12),
      Defaulted(OrdinalProperty("SiteFeedMonthsAhead", TPropKind::Integer, &C::SiteFeedMonthsAhead), 24),
      StringProperty("UploadAddress", &C::UploadAddress),
      Defaulted(OrdinalProperty("UploadPlainFtp", TPropKind::Boolean, &C::UploadPlainFtp), false),
  };
  return List;
}

void SetDocumentDefaults(TEventList& Document, const std::string& Folder, uint16_t Year) {
  Document.DefaultFolder = Folder;
  Document.ExportYear = Year;
  Document.ExportCols = 1;
  Document.ColSpacing = 30;
  Document.RowSpacing = 15;
}

int TEventList::FirstFromSequence(uint64_t Sequence) const {
  int Low = 0, High = Count();
  while (Low < High) {
    const int Middle = Low + (High - Low) / 2;
    if (Events(Middle).Sequence() < Sequence)
      Low = Middle + 1;
    else
      High = Middle;
  }
  return Low;
}
