#pragma once
// Persistence by declaration. Every persistable class lists its published
// properties once, in stream order (name, kind, accessors); one writer and one
// reader of the object text form (ObjectText.h) serve every class, and the
// checksum sums the same bytes that a save writes. TDataStore adds file storage to a root object
// (a document or the style gallery), written and read whole through the
// platform's file unit, so a failed save never damages the previous file.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Errors.h"

class TPersistent;
class TCollectionBase;

enum class TPropKind {
  Integer,     // 32-bit signed
  Word,        // 16-bit unsigned
  Color,       // TColor, written by name when it has one
  Boolean,     // True / False
  FontStyles,  // [fsBold, fsItalic, fsUnderline, fsStrikeOut]
  String,      // never written when empty
  Date,        // whole day number; never written when 0
  Object,      // owned object, written as nested properties
  Collection,  // owned collection, written as <item ... end>
};

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  bool ReadOnly = false;  // never written; rejected when read (TEvent.HTMLText)
  // An integer or Boolean property with a declared default (Tag, the opt-in
  // style properties) is written only when its value differs from Default.
  bool HasDefault = false;
  int64_t Default = 0;
  // Integer, Word, Color, Boolean (0/1) and FontStyles (bits) go through these.
  std::function<int64_t(const TPersistent&)> GetInt;
  std::function<void(TPersistent&, int64_t)> SetInt;
  std::function<std::string(const TPersistent&)> GetString;
  // For a string held in a field: read without a copy (the writer's path).
  std::function<const std::string&(const TPersistent&)> GetStringRef;
  std::function<void(TPersistent&, std::string_view)> SetString;
  std::function<double(const TPersistent&)> GetDate;
  std::function<void(TPersistent&, double)> SetDate;
  std::function<TPersistent*(const TPersistent&)> GetObject;
  std::function<TCollectionBase*(const TPersistent&)> GetCollection;
};

using TPropertyList = std::vector<TPropInfo>;

class TCollectionItem;

class TPersistent {
 public:
  virtual ~TPersistent() = default;
  // The published properties in stream order, inherited ones first.
  virtual const TPropertyList& Properties() const = 0;
};

class TCollectionItem : public TPersistent {
 public:
  TCollectionItem() = default;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;
  // Destroying an item removes it from its collection at once.
  ~TCollectionItem() override;
  TCollectionBase* Collection() const { return FCollection; }
  // 0-based position in the collection, -1 when it belongs to none.
  int Index() const;

 protected:
  // Leaves the collection now; a derived item calls it from its own destructor
  // so that the collection still sees the complete item.
  void Detach();

 private:
  friend class TCollectionBase;
  TCollectionBase* FCollection = nullptr;
};

// An ordered list of owned items of one class. Items are appended (Add) or
// destroyed; nothing inserts in the middle or sorts.
class TCollectionBase {
 public:
  TCollectionBase() = default;
  TCollectionBase(const TCollectionBase&) = delete;
  TCollectionBase& operator=(const TCollectionBase&) = delete;
  virtual ~TCollectionBase();

  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises "List index out of bounds (%d)" for a bad index.
  TCollectionItem& ItemAt(int Index) const;
  // A new item with every field zero or empty, appended.
  TCollectionItem& AddItem();
  // Destroys every item.
  void Clear();
  // Destroys the item at Index; the items behind it move up one place.
  void Delete(int Index);

  // Many items are about to be added: a collection that keeps an index of
  // its items may build it once, at the matching EndUpdate. Updates nest.
  void BeginUpdate() { ++FUpdates; }
  void EndUpdate();
  bool Updating() const { return FUpdates > 0; }

  // Reading a file replaces a collection's items but must be able to put
  // them back: they leave without being destroyed (TakeItems), and return in
  // their order (RestoreItems appends them).
  std::vector<std::unique_ptr<TCollectionItem>> TakeItems();
  void RestoreItems(std::vector<std::unique_ptr<TCollectionItem>> Items);

 protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() = 0;
  // Hooks for collections that keep an index of their items.
  virtual void ItemAdded(TCollectionItem&) {}
  virtual void ItemRemoved(TCollectionItem&) {}
  // Clear: every item is about to go at once (no ItemRemoved for each).
  virtual void ItemsCleared() {}
  // The outermost update ended.
  virtual void Updated() {}

 private:
  friend class TCollectionItem;
  void Unlink(TCollectionItem& Item);
  std::vector<TCollectionItem*> FItems;  // owned
  int FUpdates = 0;
};

template <class T>
class TCollection : public TCollectionBase {
 public:
  T& Item(int Index) const { return static_cast<T&>(ItemAt(Index)); }
  T& Add() { return static_cast<T&>(AddItem()); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<T>(); }
};

// Upper bound of a file that LoadFromFile reads; a larger file is not valid.
constexpr uint64_t MaxObjectFileSize = 64ull << 20;

// Declaration helpers: a property of a name and kind, with the accessors that
// the helpers below add.
inline TPropInfo NamedProperty(std::string Name, TPropKind Kind) {
  TPropInfo P;
  P.Name = std::move(Name);
  P.Kind = Kind;
  return P;
}

// A published property backed by a data member.
template <class C, class T>
TPropInfo OrdinalProperty(std::string Name, TPropKind Kind, T C::*Field) {
  TPropInfo P = NamedProperty(std::move(Name), Kind);
  P.GetInt = [Field](const TPersistent& O) { return static_cast<int64_t>(static_cast<const C&>(O).*Field); };
  P.SetInt = [Field](TPersistent& O, int64_t V) { static_cast<C&>(O).*Field = static_cast<T>(V); };
  return P;
}

template <class C>
TPropInfo StringProperty(std::string Name, std::string C::*Field) {
  TPropInfo P = NamedProperty(std::move(Name), TPropKind::String);
  P.GetString = [Field](const TPersistent& O) { return static_cast<const C&>(O).*Field; };
  P.GetStringRef = [Field](const TPersistent& O) -> const std::string& {
    return static_cast<const C&>(O).*Field;
  };
  P.SetString = [Field](TPersistent& O, std::string_view V) { static_cast<C&>(O).*Field = V; };
  return P;
}

// The getter of an owned part reached through an accessor of C: the property
// lists see their object as const, but the parts it owns are its to change.
template <class C, class T>
auto OwnedPart(T& (C::*Accessor)()) {
  return [Accessor](const TPersistent& O) { return &(const_cast<C&>(static_cast<const C&>(O)).*Accessor)(); };
}

// An owned object reached through an accessor of C (Style, Caption...).
template <class C, class T>
TPropInfo ObjectProperty(std::string Name, T& (C::*Accessor)()) {
  TPropInfo P = NamedProperty(std::move(Name), TPropKind::Object);
  P.GetObject = OwnedPart(Accessor);
  return P;
}

template <class C, class T>
TPropInfo CollectionProperty(std::string Name, T& (C::*Accessor)()) {
  TPropInfo P = NamedProperty(std::move(Name), TPropKind::Collection);
  P.GetCollection = OwnedPart(Accessor);
  return P;
}

// Colour names of the object text form ("clWhite"); nullptr for a colour that
// has none. ColorFromName answers false for an unknown name (case ignored).
const char* ColorToName(int32_t Color);
bool ColorFromName(const std::string& Name, int32_t& Color);

class TDataStore : public TPersistent {
 public:
  // The class name written in the first line of the file.
  virtual std::string ClassName() const = 0;
  // Wrap-around 32-bit sum over the saved form of the object.
  virtual uint32_t Checksum() const;
  // Raises "Cannot open file %s", or for a file that does not read or is
  // larger than MaxObjectFileSize "The file is not valid" and, on a second
  // line, the file name and the line where reading stopped.
  virtual void LoadFromFile(const std::string& FileName);
  // Raises "Cannot create file %s" or "Stream write error"; the previous file
  // is then untouched.
  virtual void SaveToFile(const std::string& FileName) const;

  // The object's name, read from "object Name: TClass"; documents have none.
  std::string Name;
  int32_t Tag = 0;

 protected:
  // The inherited published property Tag, first in every store's list.
  static TPropInfo TagProperty();
};
