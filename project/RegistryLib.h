#pragma once
// The settings store: keys by path below three roots, each key holding named
// text and 32-bit integer values. On Linux the whole store is one text file,
// settings.ini in the user's configuration folder (Platform().ConfigFolder()).
// Every change is read-modify-written under a lock on what is on disk at that
// moment and replaces the file atomically, so two running copies of the
// program never lose each other's values and a crash never leaves a torn file.
// A damaged store is renamed aside ("settings.ini.bad") and the user is told
// once. An accessor lives for one operation: open a key, use it, close it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum TRegistryRootKey : uint8_t { hkeyCurrentUser = 0, hkeyLocalMachine = 1, hkeyClassesRoot = 2 };

// The predefined root keys as handle values, the form that SetRootKey and
// RootKey use.
constexpr uint32_t HKEY_CLASSES_ROOT = 0x80000000u;
constexpr uint32_t HKEY_CURRENT_USER = 0x80000001u;
constexpr uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;

// HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT, in that order.
uint32_t RootKeyHandle(TRegistryRootKey Root);

// A root and a key path that a component publishes to say where its settings
// live. The path may start with "\" or not.
struct TRegistryAddress {
  TRegistryRootKey Root = hkeyCurrentUser;
  std::string Path;
};

// The full path of the store file: settings.ini in Platform().ConfigFolder().
std::string SettingsFileName();

class TRegistry {
 public:
  // An accessor on the store file named by SettingsFileName() at this moment;
  // root HKEY_CURRENT_USER, no key open.
  TRegistry();
  // An accessor on another store file (tools and tests).
  explicit TRegistry(std::string StoreFile);
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  uint32_t RootKey() const { return FRootKey; }
  // Closes the open key when the root changes; an unknown handle is refused
  // and the root stays.
  void SetRootKey(uint32_t Key);

  // A path that begins with "\" starts at the root key, any other at the open
  // key (or the root when none is open). With CanCreate every missing key on
  // the way is created. On success the new key becomes the open key.
  bool OpenKey(const std::string& Path, bool CanCreate);
  void CloseKey();
  bool HasOpenKey() const { return FKeyOpen; }
  // The open key's path below the root, without a leading "\"; empty for the
  // root itself or when no key is open.
  std::string CurrentPath() const { return FCurrentPath; }
  // True when the key (same path rules as OpenKey) exists; creates nothing.
  bool KeyExists(const std::string& Path);

  bool ValueExists(const std::string& Name);
  // A missing value reads as empty text; a value that is not text raises
  // "Invalid data type for '%s'".
  std::string ReadString(const std::string& Name);
  // Raises "Failed to set data for '%s'" when no key is open or the store
  // cannot be written.
  void WriteString(const std::string& Name, const std::string& Value);
  // A missing value raises "Failed to get data for '%s'", a value that is not
  // an integer "Invalid data type for '%s'".
  int32_t ReadInteger(const std::string& Name);
  void WriteInteger(const std::string& Name, int32_t Value);
  // True when the value existed and is gone from the store.
  bool DeleteValue(const std::string& Name);
  // Clears List, then adds the names of the open key's values in the order in
  // which they were first written; empty when no key is open.
  void GetValueNames(std::vector<std::string>& List);

  const std::string& StoreFile() const { return FStoreFile; }

 private:
  std::string FStoreFile;
  uint32_t FRootKey = HKEY_CURRENT_USER;
  bool FKeyOpen = false;
  std::string FCurrentPath;
};

class TSettingsBatch;

// Makes the registry work of one task on this thread (one rewrite of the
// recently used list) a single locked read-modify-write of the store: the
// file is written once, on Commit, and another running copy of the program
// sees all of the changes or none. Without Commit (an error came first) the
// changes are dropped.
class TRegistryBatch {
 public:
  TRegistryBatch();
  ~TRegistryBatch();
  TRegistryBatch(const TRegistryBatch&) = delete;
  TRegistryBatch& operator=(const TRegistryBatch&) = delete;
  // Raises "Failed to set data for '%s'" when the store cannot be written.
  // Later operations of the thread are no longer part of the batch.
  void Commit();

 private:
  std::unique_ptr<TSettingsBatch> FBatch;
};

// A new accessor whose open key is Path below Root, created when missing
// (whether that succeeded is not examined).
std::unique_ptr<TRegistry> OpenRegistryKey(TRegistryRootKey Root, const std::string& Path);
// Name taken relative to the address: a Name beginning with "\" is used as it
// is; otherwise Path, one "\" unless Path already ends with one or Name is
// empty, then Name.
std::unique_ptr<TRegistry> OpenAddressKey(const TRegistryAddress& Address, const std::string& Name);
// The key path that OpenAddressKey opens.
std::string AddressKeyPath(const TRegistryAddress& Address, const std::string& Name);
