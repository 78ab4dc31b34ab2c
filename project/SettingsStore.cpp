#include "project/SettingsStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <mutex>
#include <sstream>

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "project/UserDialogs.h"

namespace {
const char* const Header = "QuillbaySettings";
const char* const IntegerPrefix = "int:";

char AsciiLower(char C) { return (C >= 'A' && C <= 'Z') ? static_cast<char>(C + 32) : C; }

std::string Quote(const std::string& Text) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string Out = "\"";
  for (char C : Text) {
    auto U = static_cast<unsigned char>(C);
    switch (C) {
      case '\\':
        Out += "\\\\";
        break;
      case '"':
        Out += "\\\"";
        break;
      case '\n':
        Out += "\\n";
        break;
      case '\r':
        Out += "\\r";
        break;
      case '\t':
        Out += "\\t";
        break;
      default:
        if (U < 0x20 || U == 0x7F) {
          Out += "\\x";
          Out += Hex[U >> 4];
          Out += Hex[U & 15];
        } else {
          Out += C;
        }
    }
  }
  return Out + "\"";
}

int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  C = AsciiLower(C);
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return -1;
}

// Reads a quoted text at Pos (which points at the opening quote) and moves Pos
// past the closing quote. A NUL ends the text and what follows it is dropped,
// the same cut that writing a value makes.
bool Unquote(const std::string& Line, size_t& Pos, std::string& Out) {
  if (Pos >= Line.size() || Line[Pos] != '"') return false;
  Out.clear();
  bool Ended = false;
  for (++Pos; Pos < Line.size(); ++Pos) {
    char C = Line[Pos];
    if (C == '"') {
      ++Pos;
      return true;
    }
    if (C != '\\') {
      if (!Ended) Out += C;
      continue;
    }
    if (++Pos >= Line.size()) return false;
    char E = Line[Pos];
    char Decoded;
    switch (E) {
      case '\\':
        Decoded = '\\';
        break;
      case '"':
        Decoded = '"';
        break;
      case 'n':
        Decoded = '\n';
        break;
      case 'r':
        Decoded = '\r';
        break;
      case 't':
        Decoded = '\t';
        break;
      case 'x': {
        if (Pos + 2 >= Line.size()) return false;
        int H = HexDigit(Line[Pos + 1]);
        int L = HexDigit(Line[Pos + 2]);
        if (H < 0 || L < 0) return false;
        Decoded = static_cast<char>(H * 16 + L);
        Pos += 2;
        break;
      }
      default:
        return false;
    }
    if (Decoded == '\0') Ended = true;
    if (!Ended) Out += Decoded;
  }
  return false;
}

bool ParseInteger(const std::string& Text, int32_t& Out) {
  if (Text.empty()) return false;
  auto [End, Ec] = std::from_chars(Text.data(), Text.data() + Text.size(), Out);
  return Ec == std::errc() && End == Text.data() + Text.size();
}

bool IsRootName(const std::string& Name) {
  return Name == "HKEY_CURRENT_USER" || Name == "HKEY_LOCAL_MACHINE" || Name == "HKEY_CLASSES_ROOT";
}

// Parses a value line ("name"=...). Unknown types are accepted only when
// Lenient; the caller decides what an invalid line means.
bool ParseValueLine(const std::string& Line, bool Lenient, TSettingsValue& Value) {
  size_t Pos = 0;
  if (!Unquote(Line, Pos, Value.Name)) return false;
  if (Pos >= Line.size() || Line[Pos] != '=') return false;
  std::string Rest = Line.substr(Pos + 1);
  if (!Rest.empty() && Rest[0] == '"') {
    size_t P = 0;
    if (!Unquote(Rest, P, Value.Text) || P != Rest.size()) return false;
    Value.Type = TSettingsValueType::Text;
    return true;
  }
  if (Rest.rfind(IntegerPrefix, 0) == 0 && ParseInteger(Rest.substr(4), Value.Integer)) {
    Value.Type = TSettingsValueType::Integer;
    return true;
  }
  if (!Lenient) return false;
  Value.Type = TSettingsValueType::Unknown;
  Value.Text = Rest;
  return true;
}

std::string ValueLine(const TSettingsValue& Value) {
  std::string Line = Quote(Value.Name) + "=";
  switch (Value.Type) {
    case TSettingsValueType::Text:
      return Line + Quote(Value.Text);
    case TSettingsValueType::Integer:
      return Line + IntegerPrefix + std::to_string(Value.Integer);
    case TSettingsValueType::Unknown:
      return Line + Value.Text;
  }
  return Line;
}

// The session of the batch that this thread runs, if any.
thread_local TSettingsSession* GBatchSession = nullptr;

std::mutex GNoticeMutex;
std::optional<TMessage> GPendingNotice;
bool GNoticeShown = false;
}  // namespace

bool SameSettingsName(const std::string& A, const std::string& B) {
  if (A.size() != B.size()) return false;
  for (size_t I = 0; I < A.size(); ++I) {
    if (AsciiLower(A[I]) != AsciiLower(B[I])) return false;
  }
  return true;
}

bool TSettingsDocument::Parse(const std::string& Text) {
  Version = 1;
  KeptPreamble.clear();
  Keys.clear();
  if (Text.find('\0') != std::string::npos) return false;
  std::istringstream In(Text);
  std::string Line;
  bool HeaderSeen = false;
  TSettingsKey* Current = nullptr;
  while (std::getline(In, Line)) {
    // Every CR at the end goes, not only that of a CR LF: a kept line is
    // written back with a line feed alone, and its CRs would end it then.
    while (!Line.empty() && Line.back() == '\r') Line.pop_back();
    if (Line.find_first_not_of(" \t") == std::string::npos) continue;
    if (!HeaderSeen) {
      int32_t V = 0;
      if (Line.rfind(Header, 0) != 0 || Line.size() < 18 || Line[16] != ' ' ||
          !ParseInteger(Line.substr(17), V) || V < 1) {
        return false;
      }
      Version = V;
      HeaderSeen = true;
      continue;
    }
    bool Lenient = Version > 1;
    if (Line[0] == ';' || Line[0] == '#') continue;  // a comment
    if (Line[0] == '[' && Line.back() == ']') {
      std::string Path = Line.substr(1, Line.size() - 2);
      std::string Root = Path.substr(0, Path.find('\\'));
      if (IsRootName(Root)) {
        Current = &CreateKey(Path);
        continue;
      }
    } else if (Line[0] == '"' && Current) {
      TSettingsValue Value;
      if (ParseValueLine(Line, Lenient, Value)) {
        SetValue(*Current, Value);
        continue;
      }
    }
    if (!Lenient) return false;
    if (Current) {
      Current->Lines.push_back({true, Line, {}});
    } else {
      KeptPreamble.push_back(Line);
    }
  }
  return true;
}

std::string TSettingsDocument::ToText() const {
  std::string Out = std::string(Header) + " " + std::to_string(Version) + "\n";
  Out += "; Quillbay's settings: the recently used calendars and the window's place.\n";
  for (const auto& Line : KeptPreamble) Out += Line + "\n";
  for (const auto& Key : Keys) {
    Out += "\n[" + Key.Path + "]\n";
    for (const auto& Line : Key.Lines) Out += (Line.Kept ? Line.Raw : ValueLine(Line.Value)) + "\n";
  }
  return Out;
}

TSettingsKey* TSettingsDocument::FindKey(const std::string& Path) {
  for (auto& Key : Keys) {
    if (SameSettingsName(Key.Path, Path)) return &Key;
  }
  return nullptr;
}

TSettingsKey& TSettingsDocument::CreateKey(const std::string& Path) {
  // Every key above the wanted one exists too, so that each key on the path
  // can be opened by itself.
  size_t Pos = Path.find('\\');
  while (Pos != std::string::npos) {
    std::string Above = Path.substr(0, Pos);
    if (Above.find('\\') != std::string::npos && !FindKey(Above)) Keys.push_back({Above, {}});
    Pos = Path.find('\\', Pos + 1);
  }
  if (TSettingsKey* Existing = FindKey(Path)) return *Existing;
  Keys.push_back({Path, {}});
  return Keys.back();
}

TSettingsValue* TSettingsDocument::FindValue(TSettingsKey& Key, const std::string& Name) {
  for (auto& Line : Key.Lines) {
    if (!Line.Kept && Line.Value.Name == Name) return &Line.Value;
  }
  return nullptr;
}

bool TSettingsDocument::SetValue(TSettingsKey& Key, const TSettingsValue& Value) {
  TSettingsValue* Existing = FindValue(Key, Value.Name);
  if (!Existing) {
    Key.Lines.push_back({false, {}, Value});
    return true;
  }
  if (Existing->Type == Value.Type && Existing->Text == Value.Text && Existing->Integer == Value.Integer) {
    return false;
  }
  *Existing = Value;
  return true;
}

bool TSettingsDocument::DeleteValue(TSettingsKey& Key, const std::string& Name) {
  for (auto It = Key.Lines.begin(); It != Key.Lines.end(); ++It) {
    if (!It->Kept && It->Value.Name == Name) {
      Key.Lines.erase(It);
      return true;
    }
  }
  return false;
}

TSettingsSession::TSettingsSession(const std::string& StoreFile, bool ForWriting) : FStoreFile(StoreFile) {
  if (GBatchSession && GBatchSession->FStoreFile == FStoreFile) {
    FOuter = GBatchSession;
    return;
  }
  if (FStoreFile.empty()) {
    FUsable = false;
    return;
  }
  std::filesystem::path Folder = std::filesystem::path(FStoreFile).parent_path();
  std::error_code Ec;
  if (ForWriting && !Folder.empty()) std::filesystem::create_directories(Folder, Ec);
  if (Folder.empty() || std::filesystem::is_directory(Folder, Ec)) {
    FLockFd = ::open((FStoreFile + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock (a file system that has none) the store still works.
    if (FLockFd >= 0) {
      while (::flock(FLockFd, LOCK_EX) < 0 && errno == EINTR) {
      }
    }
  }
  Load();
}

TSettingsSession::~TSettingsSession() {
  if (FLockFd >= 0) ::close(FLockFd);  // releases the lock
}

void TSettingsSession::Load() {
  std::string Text;
  switch (TryReadFile(FStoreFile, Text)) {
    case TReadStatus::Missing:
      return;
    case TReadStatus::Read:
      if (!FDocument.Parse(Text)) SetAside(true);
      return;
    default:
      SetAside(false);
  }
}

void TSettingsSession::SetAside(bool Damaged) {
  FDocument = TSettingsDocument();
  std::string Bad = FStoreFile + ".bad";
  if (std::rename(FStoreFile.c_str(), Bad.c_str()) != 0) {
    // Writing would destroy a file that might still be readable later.
    FUsable = false;
    std::lock_guard Lock(GNoticeMutex);
    if (!GNoticeShown && !GPendingNotice) {
      GPendingNotice = TMessage{
          Damaged ? TMessageId::SettingsDamagedKept : TMessageId::SettingsUnreadableKept, {FStoreFile}};
    }
    return;
  }
  std::lock_guard Lock(GNoticeMutex);
  if (!GNoticeShown && !GPendingNotice) {
    GPendingNotice =
        TMessage{Damaged ? TMessageId::SettingsDamagedRenamed : TMessageId::SettingsUnreadableRenamed,
                 {FStoreFile, Bad}};
  }
}

bool TSettingsSession::Commit(const std::string& ChangedName) {
  if (!FOuter) return WriteFile();
  if (!FOuter->FDirty) FOuter->FFirstChange = ChangedName;
  FOuter->FDirty = true;
  return FOuter->FUsable;
}

bool TSettingsSession::WriteFile() {
  if (!FUsable) return false;
  try {
    WriteStringToFile(FStoreFile, FDocument.ToText(), TNewFileAccess::OwnerOnly);
  } catch (const EQuillbayError&) {
    return false;  // the caller names the change that could not be kept
  }
  return true;
}

void ShowPendingSettingsNotice() {
  TMessage Notice;
  {
    std::lock_guard Lock(GNoticeMutex);
    // Not while a batch holds the store's lock: the user may take their time.
    if (!GPendingNotice || GNoticeShown || !InstalledUserDialogs() || GBatchSession) return;
    Notice = std::move(*GPendingNotice);
    GPendingNotice.reset();
    GNoticeShown = true;
  }
  TMessageRequest Request{.Caption = "Quillbay", .Text = {}, .Icon = TMsgIcon::Warning};
  Request.SetText(Notice);
  UserDialogs().MessageBox(Request);
}

void ResetSettingsNotice() {
  std::lock_guard Lock(GNoticeMutex);
  GPendingNotice.reset();
  GNoticeShown = false;
}

TSettingsBatch::TSettingsBatch(const std::string& StoreFile) {
  if (GBatchSession && GBatchSession->FStoreFile == StoreFile) {
    FJoined = true;
    FSession = GBatchSession;
    return;
  }
  FOwned = std::make_unique<TSettingsSession>(StoreFile, true);
  FSession = FOwned.get();
  FPrevious = GBatchSession;
  GBatchSession = FSession;
}

TSettingsBatch::~TSettingsBatch() {
  if (FJoined) return;
  GBatchSession = FPrevious;
}

void TSettingsBatch::Commit() {
  if (FJoined || !FSession->FDirty) return;
  FSession->FDirty = false;
  if (!FSession->WriteFile()) {
    throw EQuillbayError(TMessageId::SettingsCannotSet, {FSession->FFirstChange});
  }
}
