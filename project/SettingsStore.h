#pragma once
// The text form of the settings store and the guarded access to its file.
// TSettingsDocument is the whole store in memory: keys by full path (root
// name first, "HKEY_CURRENT_USER\Software\tolvsoft\Quillbay"), each with its
// values in writing order. Its text form:
//
//   QuillbaySettings 1
//   [HKEY_CURRENT_USER\Software\tolvsoft\Quillbay\Forms\frmMain]
//   "Top"=int:107
//   "File_000"="/home/ann/club.qby"
//
// Text values are quoted with \\ \" \n \r \t and \xHH escapes; integers are
// signed decimal. A file that declares a later version than 1 is read
// leniently: lines and value types this version does not know are kept and
// written back unchanged. Key paths compare without regard to ASCII letter
// case and keep the case of their first writing; value names are exact, so
// "file_000" is never taken for "File_000".
//
// TSettingsSession holds the store file's lock for one read-modify-write:
// it reads what is on disk now and replaces the file atomically on Commit.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class TSettingsValueType { Text, Integer, Unknown };

struct TSettingsValue {
  std::string Name;
  TSettingsValueType Type = TSettingsValueType::Text;
  std::string Text;     // Text: the characters; Unknown: the line after "=" as read
  int32_t Integer = 0;  // Integer
};

// One line of a key: a value, or a line of a later version kept as it was.
struct TSettingsLine {
  bool Kept = false;
  std::string Raw;
  TSettingsValue Value;
};

struct TSettingsKey {
  std::string Path;  // root name and key names joined by "\"
  std::vector<TSettingsLine> Lines;
};

class TSettingsDocument {
 public:
  // Replaces the content; false (content undefined) when the text is damaged.
  bool Parse(const std::string& Text);
  std::string ToText() const;

  TSettingsKey* FindKey(const std::string& Path);
  // The key, created with every missing key above it (below the root name).
  TSettingsKey& CreateKey(const std::string& Path);
  static TSettingsValue* FindValue(TSettingsKey& Key, const std::string& Name);
  // True when something changed.
  static bool SetValue(TSettingsKey& Key, const TSettingsValue& Value);
  static bool DeleteValue(TSettingsKey& Key, const std::string& Name);

  int Version = 1;
  std::vector<std::string> KeptPreamble;  // later-version lines before the first key
  std::vector<TSettingsKey> Keys;
};

bool SameSettingsName(const std::string& A, const std::string& B);

class TSettingsSession {
 public:
  // Locks the store file StoreFile (through "<StoreFile>.lock") and reads it.
  // A damaged or unreadable file is renamed to "<StoreFile>.bad" and the user
  // is told once; when even that fails, the session reads an empty store and
  // cannot commit. ForWriting creates the folder when it is missing.
  TSettingsSession(const std::string& StoreFile, bool ForWriting);
  ~TSettingsSession();
  TSettingsSession(const TSettingsSession&) = delete;
  TSettingsSession& operator=(const TSettingsSession&) = delete;

  TSettingsDocument& Document() { return FOuter ? FOuter->FDocument : FDocument; }
  // Replaces the store file whole (see platform/FileIO.h); a new store can be
  // read by its owner only, an existing one keeps its permissions. False when
  // the file could not be written; the old store is then untouched. Inside a
  // batch the writing waits for the batch; ChangedName names the change in
  // the batch's error message.
  bool Commit(const std::string& ChangedName = std::string());

 private:
  friend class TSettingsBatch;
  void Load();
  void SetAside(bool Damaged);  // damaged, else unreadable
  bool WriteFile();

  std::string FStoreFile;
  int FLockFd = -1;
  bool FUsable = true;
  TSettingsDocument FDocument;
  TSettingsSession* FOuter = nullptr;  // the batch's session that this one joined
  bool FDirty = false;
  std::string FFirstChange;
};

// Makes every session of this thread on the store file one locked
// read-modify-write: the file is written once, on Commit, and other copies
// of the program see all of the changes or none. Without Commit the changes
// are dropped. A batch inside a batch on the same file joins it.
class TSettingsBatch {
 public:
  explicit TSettingsBatch(const std::string& StoreFile);
  ~TSettingsBatch();
  TSettingsBatch(const TSettingsBatch&) = delete;
  TSettingsBatch& operator=(const TSettingsBatch&) = delete;
  // Raises "Failed to set data for '%s'" naming the first change when the
  // store cannot be written.
  void Commit();

 private:
  std::unique_ptr<TSettingsSession> FOwned;
  TSettingsSession* FSession = nullptr;
  bool FJoined = false;
  TSettingsSession* FPrevious = nullptr;
};

// Shows the notice about a store that was set aside, once per run, as soon as
// dialogs are installed. Every registry operation calls it when it is done.
void ShowPendingSettingsNotice();
// Forgets that the notice was shown (tests of a second damaged store).
void ResetSettingsNotice();
