#include "project/RegistryLib.h"

#include <exception>
#include <optional>

#include "platform/Errors.h"
#include "platform/Platform.h"
#include "project/SettingsStore.h"

namespace {
const char* RootName(uint32_t Key) {
  switch (Key) {
    case HKEY_CLASSES_ROOT:
      return "HKEY_CLASSES_ROOT";
    case HKEY_LOCAL_MACHINE:
      return "HKEY_LOCAL_MACHINE";
    default:
      return "HKEY_CURRENT_USER";
  }
}

// Splits a key path into its key names; false when a name cannot be stored
// (a control character).
bool SplitKeyPath(const std::string& Path, std::vector<std::string>& Names) {
  std::string Name;
  for (char C : Path + "\\") {
    if (C == '\\') {
      if (!Name.empty()) Names.push_back(Name);
      Name.clear();
      continue;
    }
    if (static_cast<unsigned char>(C) < 0x20) return false;
    Name += C;
  }
  return true;
}

std::string JoinKeyPath(const std::vector<std::string>& Names) {
  std::string Path;
  for (const auto& Name : Names) Path += (Path.empty() ? "" : "\\") + Name;
  return Path;
}

// Shows a pending notice about the store once the operation is over and the
// file is no longer locked.
struct TNoticeAfter {
  // May raise what the message box raises; never while an error unwinds.
  ~TNoticeAfter() noexcept(false) {
    if (std::uncaught_exceptions() == 0) ShowPendingSettingsNotice();
  }
};
}  // namespace

uint32_t RootKeyHandle(TRegistryRootKey Root) {
  static const uint32_t Handles[3] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT};
  return Handles[Root <= hkeyClassesRoot ? Root : hkeyCurrentUser];
}

std::string SettingsFileName() {
  std::string Folder = Platform().ConfigFolder();
  if (Folder.empty()) return {};
  return Folder + "/settings.ini";
}

TRegistry::TRegistry() : FStoreFile(SettingsFileName()) {}

TRegistry::TRegistry(std::string StoreFile) : FStoreFile(std::move(StoreFile)) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(uint32_t Key) {
  if (Key != HKEY_CURRENT_USER && Key != HKEY_LOCAL_MACHINE && Key != HKEY_CLASSES_ROOT) return;
  if (Key == FRootKey) return;
  CloseKey();
  FRootKey = Key;
}

namespace {
// The key path below the root that Path names from an accessor whose open key
// is Current (nullptr: none); nothing when Path cannot be stored.
std::optional<std::string> ResolveKeyPath(const std::string* Current, const std::string& Path) {
  std::vector<std::string> Names;
  bool Absolute = !Path.empty() && Path[0] == '\\';
  if (!Absolute && Current && !SplitKeyPath(*Current, Names)) return std::nullopt;
  if (!SplitKeyPath(Path, Names)) return std::nullopt;
  return JoinKeyPath(Names);
}

std::string FullKeyPath(uint32_t Root, const std::string& Path) {
  return Path.empty() ? std::string(RootName(Root)) : std::string(RootName(Root)) + "\\" + Path;
}
}  // namespace

bool TRegistry::OpenKey(const std::string& Path, bool CanCreate) {
  TNoticeAfter Notice;
  auto Resolved = ResolveKeyPath(FKeyOpen ? &FCurrentPath : nullptr, Path);
  if (!Resolved) return false;
  std::string Full = FullKeyPath(FRootKey, *Resolved);
  if (!Resolved->empty()) {
    TSettingsSession Session(FStoreFile, CanCreate);
    if (!Session.Document().FindKey(Full)) {
      if (!CanCreate) return false;
      Session.Document().CreateKey(Full);
      if (!Session.Commit()) return false;
    }
  }
  FKeyOpen = true;
  FCurrentPath = *Resolved;
  return true;
}

void TRegistry::CloseKey() {
  FKeyOpen = false;
  FCurrentPath.clear();
}

bool TRegistry::KeyExists(const std::string& Path) {
  TNoticeAfter Notice;
  auto Resolved = ResolveKeyPath(FKeyOpen ? &FCurrentPath : nullptr, Path);
  if (!Resolved) return false;
  if (Resolved->empty()) return true;
  TSettingsSession Session(FStoreFile, false);
  return Session.Document().FindKey(FullKeyPath(FRootKey, *Resolved)) != nullptr;
}

namespace {
// A copy of the value as it is on disk now, if the key and the value exist.
std::optional<TSettingsValue> ReadValue(const std::string& StoreFile, const std::string& KeyPath,
                                        const std::string& Name) {
  TSettingsSession Session(StoreFile, false);
  TSettingsKey* Key = Session.Document().FindKey(KeyPath);
  if (!Key) return std::nullopt;
  TSettingsValue* Value = TSettingsDocument::FindValue(*Key, Name);
  if (!Value) return std::nullopt;
  return *Value;
}
}  // namespace

bool TRegistry::ValueExists(const std::string& Name) {
  TNoticeAfter Notice;
  if (!FKeyOpen) return false;
  return ReadValue(FStoreFile, FullKeyPath(FRootKey, FCurrentPath), Name).has_value();
}

std::string TRegistry::ReadString(const std::string& Name) {
  TNoticeAfter Notice;
  if (!FKeyOpen) return {};
  auto Value = ReadValue(FStoreFile, FullKeyPath(FRootKey, FCurrentPath), Name);
  if (!Value) return {};
  if (Value->Type != TSettingsValueType::Text) throw EQuillbayError(TMessageId::SettingsInvalidType, {Name});
  return Value->Text;
}

int32_t TRegistry::ReadInteger(const std::string& Name) {
  TNoticeAfter Notice;
  std::optional<TSettingsValue> Value;
  if (FKeyOpen) Value = ReadValue(FStoreFile, FullKeyPath(FRootKey, FCurrentPath), Name);
  if (!Value) throw EQuillbayError(TMessageId::SettingsCannotGet, {Name});
  if (Value->Type != TSettingsValueType::Integer) {
    throw EQuillbayError(TMessageId::SettingsInvalidType, {Name});
  }
  return Value->Integer;
}

namespace {
// Sets the value in the key as it is on disk now; the key is recreated when
// another copy of the program has not got it.
void WriteValue(const std::string& StoreFile, const std::string& KeyPath, const TSettingsValue& Value) {
  TSettingsSession Session(StoreFile, true);
  bool KeyExisted = Session.Document().FindKey(KeyPath) != nullptr;
  TSettingsKey& Key = Session.Document().CreateKey(KeyPath);
  if (!TSettingsDocument::SetValue(Key, Value) && KeyExisted) return;
  if (!Session.Commit(Value.Name)) throw EQuillbayError(TMessageId::SettingsCannotSet, {Value.Name});
}
}  // namespace

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
  TNoticeAfter Notice;
  if (!FKeyOpen) throw EQuillbayError(TMessageId::SettingsCannotSet, {Name});
  TSettingsValue V;
  V.Name = Name;
  V.Type = TSettingsValueType::Text;
  // A stored text ends at its first NUL; what follows is never kept.
  V.Text = Value.substr(0, Value.find('\0'));
  WriteValue(FStoreFile, FullKeyPath(FRootKey, FCurrentPath), V);
}

void TRegistry::WriteInteger(const std::string& Name, int32_t Value) {
  TNoticeAfter Notice;
  if (!FKeyOpen) throw EQuillbayError(TMessageId::SettingsCannotSet, {Name});
  TSettingsValue V;
  V.Name = Name;
  V.Type = TSettingsValueType::Integer;
  V.Integer = Value;
  WriteValue(FStoreFile, FullKeyPath(FRootKey, FCurrentPath), V);
}

bool TRegistry::DeleteValue(const std::string& Name) {
  TNoticeAfter Notice;
  if (!FKeyOpen) return false;
  TSettingsSession Session(FStoreFile, false);
  TSettingsKey* Key = Session.Document().FindKey(FullKeyPath(FRootKey, FCurrentPath));
  if (!Key || !TSettingsDocument::DeleteValue(*Key, Name)) return false;
  return Session.Commit(Name);
}

void TRegistry::GetValueNames(std::vector<std::string>& List) {
  TNoticeAfter Notice;
  List.clear();
  if (!FKeyOpen) return;
  TSettingsSession Session(FStoreFile, false);
  TSettingsKey* Key = Session.Document().FindKey(FullKeyPath(FRootKey, FCurrentPath));
  if (!Key) return;
  for (const auto& Line : Key->Lines) {
    if (!Line.Kept) List.push_back(Line.Value.Name);
  }
}

std::string AddressKeyPath(const TRegistryAddress& Address, const std::string& Name) {
  if (!Name.empty() && Name[0] == '\\') return Name;
  std::string Path = Address.Path;
  if (!Name.empty() && (Path.empty() || Path.back() != '\\')) Path += '\\';
  return Path + Name;
}

std::unique_ptr<TRegistry> OpenRegistryKey(TRegistryRootKey Root, const std::string& Path) {
  auto Reg = std::make_unique<TRegistry>();
  Reg->SetRootKey(RootKeyHandle(Root));
  Reg->OpenKey(Path, true);
  return Reg;
}

std::unique_ptr<TRegistry> OpenAddressKey(const TRegistryAddress& Address, const std::string& Name) {
  return OpenRegistryKey(Address.Root, AddressKeyPath(Address, Name));
}

TRegistryBatch::TRegistryBatch() : FBatch(std::make_unique<TSettingsBatch>(SettingsFileName())) {}

TRegistryBatch::~TRegistryBatch() = default;

void TRegistryBatch::Commit() {
  if (!FBatch) return;
  FBatch->Commit();
  FBatch.reset();  // unlocks the store before the user may be told anything
  ShowPendingSettingsNotice();
}
