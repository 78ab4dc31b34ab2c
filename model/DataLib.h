#pragma once
// Persistence by declaration. Every persistable class lists its published
// properties once, in stream order (name, kind, accessors); one writer and one
// reader of the object text form serve every class, and the checksum sums the
// same bytes that a save writes. TDataStore adds file storage to a root object
// (a document or the style gallery). Files are written to a temporary file in
// the same folder and renamed over the target, so a failed save never damages
// the previous file.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
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
  TPropKind Kind;
  bool ReadOnly = false;  // never written; rejected when read (TEvent.HTMLText)
  // Integer, Word, Color, Boolean (0/1) and FontStyles (bits) go through these.
  std::function<int64_t(const TPersistent&)> GetInt;
  std::function<void(TPersistent&, int64_t)> SetInt;
  std::function<std::string(const TPersistent&)> GetString;
  std::function<void(TPersistent&, const std::string&)> SetString;
  std::function<double(const TPersistent&)> GetDate;
  std::function<void(TPersistent&, double)> SetDate;
  std::function<TPersistent*(const TPersistent&)> GetObject;
  std::function<TCollectionBase*(const TPersistent&)> GetCollection;
};

using TPropertyList = std::vector<TPropInfo>;

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

protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() = 0;
  // Hooks for collections that keep an index of their items.
  virtual void ItemAdded(TCollectionItem&) {}
  virtual void ItemRemoved(TCollectionItem&) {}

private:
  friend class TCollectionItem;
  void Unlink(TCollectionItem& Item);
  std::vector<TCollectionItem*> FItems;  // owned
};

template <class T>
class TCollection : public TCollectionBase {
public:
  T& Item(int Index) const { return static_cast<T&>(ItemAt(Index)); }
  T& Add() { return static_cast<T&>(AddItem()); }

protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<T>(); }
};

// Writes the object text form of Root (class name ClassName, optional object
// name) with CR LF line ends, byte for byte as a save writes it.
std::string WriteObjectText(const TPersistent& Root, const std::string& ClassName, const std::string& Name = "");
// Parses Text completely, then applies it to Root in file order. Raises "The
// file is not valid" on any syntax or apply fault; values applied before an
// apply fault stay applied. Returns the object's name ("" when none).
std::string ReadObjectText(TPersistent& Root, const std::string& Text);

// Writes Data to FileName through a temporary file in the same folder, flushed
// and renamed over the target; the target's permissions are kept. Raises
// "Cannot create file %s" or "Stream write error"; on failure the old file is
// untouched and no temporary file is left.
void SaveBytesToFile(const std::string& FileName, const std::string& Data);
// Raises "Cannot open file %s" when the file cannot be opened or read.
std::string LoadBytesFromFile(const std::string& FileName);

class TDataStore : public TPersistent {
public:
  // The class name written in the first line of the file.
  virtual std::string ClassName() const = 0;
  // Wrap-around 32-bit sum over the saved form of the object.
  virtual uint32_t Checksum() const;
  virtual void LoadFromFile(const std::string& FileName);
  virtual void SaveToFile(const std::string& FileName) const;

  // The object's name, read from "object Name: TClass"; documents have none.
  std::string Name;
  int32_t Tag = 0;
};
