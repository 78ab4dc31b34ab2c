#include "model/DataLib.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "model/ObjectText.h"

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
    throw EQuillbayError("List index out of bounds (" + std::to_string(Index) + ")");
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
// Files

namespace {
// Closes a descriptor and removes the temporary file unless the save went
// through.
class TTempFile {
 public:
  TTempFile() = default;
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;
  ~TTempFile() {
    if (Fd >= 0) ::close(Fd);
    if (!Path.empty()) ::unlink(Path.c_str());
  }
  int Fd = -1;
  std::string Path;
};

std::string FolderOf(const std::string& Path) {
  auto Slash = Path.rfind('/');
  if (Slash == std::string::npos) return ".";
  if (Slash == 0) return "/";
  return Path.substr(0, Slash);
}

bool WriteAll(int Fd, const char* Data, size_t Size) {
  while (Size > 0) {
    ssize_t N = ::write(Fd, Data, Size);
    if (N < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (N == 0) return false;
    Data += N;
    Size -= static_cast<size_t>(N);
  }
  return true;
}
}  // namespace

void SaveStreamToFile(const std::string& FileName, const std::function<void(const TTextSink&)>& Produce) {
  const std::string CannotCreate = FormatMessage("Cannot create file %s", FileName);
  if (FileName.empty()) throw EQuillbayError(CannotCreate);

  // A link is followed, so that the file it names is replaced and the link
  // stays a link.
  std::string Target = FileName;
  std::error_code Ec;
  if (std::filesystem::is_symlink(Target, Ec)) {
    auto Resolved = std::filesystem::weakly_canonical(Target, Ec);
    if (!Ec) Target = Resolved.string();
  }

  struct stat Existing {};
  bool Exists = ::stat(Target.c_str(), &Existing) == 0;
  if (Exists && S_ISDIR(Existing.st_mode)) throw EQuillbayError(CannotCreate);
  if (Exists && !S_ISREG(Existing.st_mode)) {
    // A device or a pipe is written in place: replacing it by a file would
    // destroy it, and there is no previous content to protect.
    TTempFile Device;
    Device.Fd = ::open(Target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (Device.Fd < 0) throw EQuillbayError(CannotCreate);
    Produce([&Device](const char* Data, size_t Size) {
      if (!WriteAll(Device.Fd, Data, Size)) throw EQuillbayError("Stream write error");
    });
    return;
  }

  TTempFile Temp;
  static std::mt19937_64 Random{std::random_device{}()};
  const std::string Base = Target + ".quillbay-";
  for (int Attempt = 0; Attempt < 16 && Temp.Fd < 0; ++Attempt) {
    char Suffix[24];
    std::snprintf(Suffix, sizeof Suffix, "%012llx",
                  static_cast<unsigned long long>(Random() & 0xFFFFFFFFFFFFull));
    std::string Candidate = Base + Suffix + ".tmp";
    int Fd = ::open(Candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (Fd >= 0) {
      Temp.Fd = Fd;
      Temp.Path = Candidate;
    } else if (errno != EEXIST) {
      break;
    }
  }
  if (Temp.Fd < 0) throw EQuillbayError(CannotCreate);

  if (Exists) {
    // Keep the owner's permissions (and, where allowed, the owner).
    ::fchmod(Temp.Fd, Existing.st_mode & 07777);
    if (::fchown(Temp.Fd, Existing.st_uid, Existing.st_gid) != 0) {
      // Only the owner's group may be lost here; the permissions stay.
    }
  }

  const TTextSink Write = [&Temp](const char* Data, size_t Size) {
    if (!WriteAll(Temp.Fd, Data, Size)) throw EQuillbayError("Stream write error");
  };
  Produce(Write);
  if (::fsync(Temp.Fd) != 0) throw EQuillbayError("Stream write error");
  int Fd = Temp.Fd;
  Temp.Fd = -1;
  if (::close(Fd) != 0) throw EQuillbayError("Stream write error");
  if (::rename(Temp.Path.c_str(), Target.c_str()) != 0) throw EQuillbayError(CannotCreate);
  Temp.Path.clear();

  // Make the new name itself durable; a failure here loses nothing.
  int Dir = ::open(FolderOf(Target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Dir >= 0) {
    ::fsync(Dir);
    ::close(Dir);
  }
}

void SaveBytesToFile(const std::string& FileName, const std::string& Data) {
  SaveStreamToFile(FileName, [&Data](const TTextSink& Write) { Write(Data.data(), Data.size()); });
}

namespace {
std::string ReadBytes(const std::string& FileName, uint64_t Limit, bool& TooLarge) {
  const std::string CannotOpen = FormatMessage("Cannot open file %s", FileName);
  TooLarge = false;
  // Not blocking on open, so that a pipe nobody writes to reads as empty
  // instead of hanging the program.
  int Fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (Fd < 0) throw EQuillbayError(CannotOpen);
  ::fcntl(Fd, F_SETFL, ::fcntl(Fd, F_GETFL) & ~O_NONBLOCK);
  struct Closer {
    int Fd;
    ~Closer() { ::close(Fd); }
  } Close{Fd};

  struct stat St {};
  if (::fstat(Fd, &St) != 0 || S_ISDIR(St.st_mode)) throw EQuillbayError(CannotOpen);
  std::string Data;
  if (S_ISREG(St.st_mode)) {
    if (static_cast<uint64_t>(St.st_size) > Limit) {
      TooLarge = true;
      return {};
    }
    Data.reserve(static_cast<size_t>(St.st_size));
  }
  char Buffer[65536];
  for (;;) {
    ssize_t N = ::read(Fd, Buffer, sizeof Buffer);
    if (N < 0) {
      if (errno == EINTR) continue;
      throw EQuillbayError(CannotOpen);
    }
    if (N == 0) break;
    if (Data.size() + static_cast<size_t>(N) > Limit) {
      TooLarge = true;
      return {};
    }
    Data.append(Buffer, static_cast<size_t>(N));
  }
  return Data;
}
}  // namespace

std::string LoadBytesFromFile(const std::string& FileName) {
  bool TooLarge = false;
  std::string Data = ReadBytes(FileName, UINT64_MAX >> 1, TooLarge);
  return Data;
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
  bool TooLarge = false;
  std::string Text = ReadBytes(FileName, MaxObjectFileSize, TooLarge);
  if (TooLarge) throw EQuillbayError("The file is not valid");
  ReadObjectText(*this, Text);
}

void TDataStore::SaveToFile(const std::string& FileName) const {
  SaveStreamToFile(FileName,
                   [this](const TTextSink& Write) { WriteObjectTextTo(*this, ClassName(), Name, Write); });
}
