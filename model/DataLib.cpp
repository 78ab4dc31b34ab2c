#include "model/DataLib.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "model/ObjectText.h"
#include "platform/FileIO.h"

// ---------------------------------------------------------------------------
// Collections

TCollectionItem::~TCollectionItem() { Detach(); }

void TCollectionItem::Detach() {
  if (!FCollection) return;
  TCollectionBase* Owner = FCollection;
  FCollection = nullptr;
  Owner->Unlink(*this);
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  const auto& Items = FCollection->FItems;
  for (size_t I = 0; I < Items.size(); ++I)
    if (Items[I] == this) return static_cast<int>(I);
  return -1;
}

TCollectionBase::~TCollectionBase() { Clear(); }

TCollectionItem& TCollectionBase::ItemAt(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EQuillbayError(TMessageId::ListIndexOutOfBounds, {std::to_string(Index)});
  return *FItems[static_cast<size_t>(Index)];
}

TCollectionItem& TCollectionBase::AddItem() {
  std::unique_ptr<TCollectionItem> Item = NewItem();
  FItems.push_back(Item.get());
  Item->FCollection = this;
  TCollectionItem& Result = *Item.release();
  ItemAdded(Result);
  return Result;
}

void TCollectionBase::Clear() {
  std::vector<TCollectionItem*> Items;
  Items.swap(FItems);
  ItemsCleared();
  for (TCollectionItem* Item : Items) {
    Item->FCollection = nullptr;
    delete Item;
  }
}

void TCollectionBase::Delete(int Index) { delete &ItemAt(Index); }

void TCollectionBase::EndUpdate() {
  if (--FUpdates == 0) Updated();
}

std::vector<std::unique_ptr<TCollectionItem>> TCollectionBase::TakeItems() {
  std::vector<TCollectionItem*> Items;
  Items.swap(FItems);
  ItemsCleared();
  std::vector<std::unique_ptr<TCollectionItem>> Taken;
  Taken.reserve(Items.size());
  for (TCollectionItem* Item : Items) {
    Item->FCollection = nullptr;
    Taken.emplace_back(Item);
  }
  return Taken;
}

void TCollectionBase::RestoreItems(std::vector<std::unique_ptr<TCollectionItem>> Items) {
  BeginUpdate();
  for (auto& Owned : Items) {
    TCollectionItem* Item = Owned.release();
    FItems.push_back(Item);
    Item->FCollection = this;
    ItemAdded(*Item);
  }
  EndUpdate();
}

void TCollectionBase::Unlink(TCollectionItem& Item) {
  // The most recently added item is the likeliest one to go.
  for (size_t I = FItems.size(); I-- > 0;) {
    if (FItems[I] != &Item) continue;
    ItemRemoved(Item);
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(I));
    return;
  }
}

// ---------------------------------------------------------------------------
// Colour names

namespace {
struct TColorName {
  const char* Name;
  uint32_t Value;
};

const TColorName ColorNames[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
};
}  // namespace

const char* ColorToName(int32_t Color) {
  for (const TColorName& C : ColorNames)
    if (C.Value == static_cast<uint32_t>(Color)) return C.Name;
  return nullptr;
}

bool ColorFromName(const std::string& Name, int32_t& Color) {
  for (const TColorName& C : ColorNames) {
    if (SameIdent(Name.data(), Name.size(), C.Name)) {
      Color = static_cast<int32_t>(C.Value);
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------------------
// The store

TPropInfo TDataStore::TagProperty() {
  TPropInfo P = OrdinalProperty("Tag", TPropKind::Integer, &TDataStore::Tag);
  P.HasDefault = true;
  P.Default = 0;
  return P;
}

namespace {
// The wrap-around sum of little-endian 32-bit words over bytes that arrive in
// pieces of any length. A short last group is read into the low bytes of the
// word buffer, whose high bytes still hold the preceding group's.
class TWordSum {
 public:
  void Add(const char* Data, size_t Size) {
    if (FFill != 0) {
      const size_t Take = std::min(Size, sizeof FWord - FFill);
      std::memcpy(FWord + FFill, Data, Take);
      FFill += Take;
      Data += Take;
      Size -= Take;
      if (FFill < sizeof FWord) return;
      FSum += WordValue();
      FFill = 0;
    }
    const size_t Words = Size / 4;
    for (size_t I = 0; I < Words; ++I) {
      uint32_t Word;
      std::memcpy(&Word, Data + I * 4, 4);
      FSum += Little(Word);
    }
    if (Words > 0) std::memcpy(FWord, Data + (Words - 1) * 4, 4);
    FFill = Size % 4;
    std::memcpy(FWord, Data + Words * 4, FFill);
  }
  uint32_t Finish() const { return FFill ? FSum + WordValue() : FSum; }

 private:
  static uint32_t Little(uint32_t Word) {
    if constexpr (std::endian::native == std::endian::little) return Word;
    return __builtin_bswap32(Word);
  }
  uint32_t WordValue() const {
    return static_cast<uint32_t>(FWord[0]) | static_cast<uint32_t>(FWord[1]) << 8 |
           static_cast<uint32_t>(FWord[2]) << 16 | static_cast<uint32_t>(FWord[3]) << 24;
  }
  unsigned char FWord[4] = {0, 0, 0, 0};
  size_t FFill = 0;
  uint32_t FSum = 0;
};
}  // namespace

uint32_t TDataStore::Checksum() const {
  TWordSum Sum;
  WriteObjectTextTo(*this, ClassName(), Name, [&Sum](const char* Data, size_t Size) { Sum.Add(Data, Size); });
  return Sum.Finish();
}

void TDataStore::LoadFromFile(const std::string& FileName) {
  TFileBytes File;
  switch (ReadWholeFile(FileName, File, MaxObjectFileSize)) {
    case TReadStatus::Read:
      break;
    case TReadStatus::TooLarge:
      throw EQuillbayError(TMessageId::FileNotValidTooLarge,
                           {FileName, std::to_string(MaxObjectFileSize >> 20)});
    default:
      throw EQuillbayError(TMessageId::CannotOpenFile, {FileName});
  }
  TReadFault Fault;
  try {
    // What the reader has passed is given back while the document grows.
    ReadObjectText(*this, File.View(), &Fault, [&File](size_t Offset) { File.Release(Offset); });
  } catch (const EQuillbayError&) {
    throw EQuillbayError(TMessageId::FileNotValidAtLine, {FileName, std::to_string(Fault.Line)});
  }
}

void TDataStore::SaveToFile(const std::string& FileName) const {
  WriteStreamToFile(FileName,
                    [this](const TTextSink& Write) { WriteObjectTextTo(*this, ClassName(), Name, Write); });
}
