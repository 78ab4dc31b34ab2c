#pragma once
// The calendar document: the dated events (one block of text per day) in the
// order they were added or read, the document's one style, and the settings of
// the last year export. The main window owns one document at a time and
// replaces it as a whole on New and Open; the page generators only read it.
// FindEvent answers from an index that stays true through additions,
// removals, date changes and loading, not from a scan.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/CalDate.h"
#include "model/CalStyle.h"
#include "model/DataLib.h"

class TEventList;

class TEvent : public TCollectionItem {
 public:
  TEvent() = default;
  ~TEvent() override;

  TDateTime Date() const { return FDate; }
  // Keeps only the whole-day part, cut toward zero.
  void SetDate(TDateTime Value);
  std::string Text;
  // Text with every CR LF pair replaced by "<br>"; nothing else changes.
  std::string HTMLText() const;
  // The event's place among its collection's additions: Items holds its
  // events in rising order of these numbers, and no two events share one.
  // Reading a file numbers the events anew.
  uint64_t Sequence() const { return FSequence; }

  const TPropertyList& Properties() const override;

 private:
  friend class TEventCollection;
  TDateTime FDate = 0;
  uint64_t FSequence = 0;  // position among the collection's additions
};

// Day -> the first event of that day: an open-addressing table, so that a
// look-up touches one or two cache lines and adding an event allocates
// nothing but an occasional doubling.
class TDayTable {
 public:
  TEvent* Find(uint64_t Key) const;
  // The event stored for Key, or nullptr after storing Value for it.
  TEvent* Insert(uint64_t Key, TEvent* Value);
  void Assign(uint64_t Key, TEvent* Value);
  void Erase(uint64_t Key);
  void Clear();
  // Room for Count days without growing.
  void Reserve(size_t Count);
  // Brings the slot of Key toward the processor ahead of an Insert.
  void Prefetch(uint64_t Key) const { __builtin_prefetch(&FSlots[Home(Key)]); }

 private:
  struct TSlot {
    uint64_t Key = 0;
    TEvent* Value = nullptr;  // nullptr marks a free slot
  };
  size_t Home(uint64_t Key) const;
  size_t Locate(uint64_t Key) const;  // the slot of Key, or the free slot where it would go
  void Grow();
  std::vector<TSlot> FSlots;
  size_t FCount = 0;
};

class TEventCollection : public TCollection<TEvent> {
 public:
  // The first event of that day (Date cut to a whole day) in Items order.
  // During an update (a file being read) the index waits and this scans.
  TEvent* Find(TDateTime Day) const;

 protected:
  void ItemAdded(TCollectionItem& Item) override;
  void ItemRemoved(TCollectionItem& Item) override;
  void ItemsCleared() override;
  // The index is built once for all the events of an update.
  void Updated() override;

 private:
  friend class TEvent;
  void DateChanging(TEvent& Event, TDateTime OldDate, TDateTime NewDate);
  void RebuildIndex();
  void IndexAdd(TEvent& Event, uint64_t Key);
  void IndexRemove(TEvent& Event, uint64_t Key);
  void IndexPending();
  // The newest event is indexed only when something else happens to the
  // collection, so that an event added and then given its date (as every
  // event read from a file is) enters the index once, at its own day.
  TEvent* FPending = nullptr;
  // Day -> the first event of that day in Items order. Items order is the
  // order of additions (nothing inserts in the middle), so the sequence
  // number of an event decides which of two events of one day comes first.
  TDayTable FFirst;
  // Day -> how many more events of that day there are; only days that have
  // more than one event appear here.
  std::unordered_map<uint64_t, uint32_t> FExtra;
  uint64_t FNextSequence = 0;
};

class TEventList : public TDataStore {
 public:
  TEventList();
  ~TEventList() override;

  int Count() const { return FItems.Count(); }
  // The index of the first event whose sequence number is Sequence or
  // greater (Count() when none): events are held in rising order of it.
  int FirstFromSequence(uint64_t Sequence) const;
  // Raises "List index out of bounds (%d)" for an index outside 0..Count()-1.
  TEvent& Events(int Index) const { return FItems.Item(Index); }
  // The event of the day of Date; when there is none, a new event of that day
  // appended to Items if Create is true, else nullptr. A file may bring two
  // events of one day: the one earlier in Items is found.
  TEvent* FindEvent(bool Create, TDateTime Date);
  // Removing an event: delete it (it leaves Items at once).

  TEventCollection& Items() { return FItems; }
  const TEventCollection& Items() const { return FItems; }
  TCalStyle& Style() { return *FStyle; }
  const TCalStyle& Style() const { return *FStyle; }

  std::string DefaultFolder;
  std::string ExportFile;
  uint16_t ExportYear = 0;
  int32_t ExportCols = 0;
  int32_t ColSpacing = 0;
  int32_t RowSpacing = 0;
  // Months ticked in the last year export (bit m for month m); not stored.
  uint16_t ExportMonths = 0;
  // The site published from this document, stored only once set: its
  // folder, its public address, its months ("YYYY-MM"; empty for the
  // default), the days that "Coming up" lists and the feed's window in whole
  // months before and after the publishing month.
  std::string SiteFolder, SiteAddress, SiteFrom, SiteTo;
  int32_t SiteUpcomingDays = 60;
  int32_t SiteFeedMonthsBack = 12, SiteFeedMonthsAhead = 24;
  // Where the published site is uploaded, stored only once set: the address
  // without any secret ("sftp://user@host:22/folder/"; empty: no upload),
  // and whether plain FTP, which sends the password unencrypted, was allowed.
  std::string UploadAddress;
  bool UploadPlainFtp = false;

  std::string ClassName() const override { return "TEventList"; }
  const TPropertyList& Properties() const override;

 private:
  TEventCollection FItems;
  std::unique_ptr<TCalStyle> FStyle;
};

// What a document holds before anything is read or typed into it: pages go
// to Folder, and the year export proposes Year in one column, 30 pixels
// between columns and 15 below each month. Events and style stay as they are.
void SetDocumentDefaults(TEventList& Document, const std::string& Folder, uint16_t Year);
