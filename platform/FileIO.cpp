#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/Errors.h"

bool WriteAll(int Fd, const char* Data, size_t Size) {
  while (Size > 0) {
    const ssize_t N = ::write(Fd, Data, Size);
    if (N < 0 && errno == EINTR) continue;
    if (N <= 0) return false;
    Data += N;
    Size -= static_cast<size_t>(N);
  }
  return true;
}

namespace {
// An open descriptor, closed when it goes; with a path, a temporary file that
// is also removed unless the write went through.
class TFileHandle {
 public:
  TFileHandle() = default;
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  ~TFileHandle() {
    if (Fd >= 0) ::close(Fd);
    if (!TempPath.empty()) ::unlink(TempPath.c_str());
  }
  // Flushes the bytes to the disk and closes; false when either failed.
  bool SyncAndClose() {
    const bool Synced = ::fsync(Fd) == 0;
    const int Closing = Fd;
    Fd = -1;
    return ::close(Closing) == 0 && Synced;
  }
  int Fd = -1;
  std::string TempPath;
};

std::string FolderOf(const std::string& Path) {
  const auto Slash = Path.rfind('/');
  if (Slash == std::string::npos) return ".";
  if (Slash == 0) return "/";
  return Path.substr(0, Slash);
}

// The file that a link names; any other name as it is.
std::string FollowLink(const std::string& FileName) {
  std::error_code Ec;
  if (!std::filesystem::is_symlink(FileName, Ec)) return FileName;
  const auto Resolved = std::filesystem::weakly_canonical(FileName, Ec);
  return Ec ? FileName : Resolved.string();
}

TTextSink SinkTo(int Fd) {
  return [Fd](const char* Data, size_t Size) {
    if (!WriteAll(Fd, Data, Size)) throw EQuillbayError(TMessageId::StreamWriteError);
  };
}

// A new file with an unused name beside Target; Fd stays -1 when none can be
// made.
void CreateTempBeside(const std::string& Target, TNewFileAccess Access, TFileHandle& Temp) {
  static std::mt19937_64 Random{std::random_device{}()};
  const mode_t Mode = Access == TNewFileAccess::OwnerOnly ? 0600 : 0666;
  for (int Attempt = 0; Attempt < 16; ++Attempt) {
    char Suffix[24];
    std::snprintf(Suffix, sizeof Suffix, "%012llx",
                  static_cast<unsigned long long>(Random() & 0xFFFFFFFFFFFFull));
    const std::string Candidate = Target + ".quillbay-" + Suffix + ".tmp";
    const int Fd = ::open(Candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Mode);
    if (Fd >= 0) {
      Temp.Fd = Fd;
      Temp.TempPath = Candidate;
      return;
    }
    if (errno != EEXIST) return;
  }
}

void KeepOwnerAndMode(int Fd, const struct stat& Existing) {
  ::fchmod(Fd, Existing.st_mode & 07777);
  if (::fchown(Fd, Existing.st_uid, Existing.st_gid) != 0) {
    // Only the owner's group may be lost here; the permissions stay.
  }
}

// Makes a new name in the folder durable; a failure here loses nothing.
void SyncFolderOf(const std::string& Path) {
  const int Dir = ::open(FolderOf(Path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Dir < 0) return;
  ::fsync(Dir);
  ::close(Dir);
}
}  // namespace

void WriteStreamToFile(const std::string& FileName, const TTextProducer& Produce, TNewFileAccess Access) {
  const EQuillbayError CannotCreate(TMessageId::CannotCreateFile, {FileName});
  if (FileName.empty()) throw CannotCreate;
  const std::string Target = FollowLink(FileName);
  struct stat Existing {};
  const bool Exists = ::stat(Target.c_str(), &Existing) == 0;
  if (Exists && S_ISDIR(Existing.st_mode)) throw CannotCreate;

  TFileHandle File;
  if (Exists && !S_ISREG(Existing.st_mode)) {
    File.Fd = ::open(Target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (File.Fd < 0) throw CannotCreate;
    Produce(SinkTo(File.Fd));
    return;
  }

  CreateTempBeside(Target, Access, File);
  if (File.Fd < 0) throw CannotCreate;
  if (Exists) KeepOwnerAndMode(File.Fd, Existing);
  Produce(SinkTo(File.Fd));
  if (!File.SyncAndClose()) throw EQuillbayError(TMessageId::StreamWriteError);
  if (::rename(File.TempPath.c_str(), Target.c_str()) != 0) throw CannotCreate;
  File.TempPath.clear();
  SyncFolderOf(Target);
}

void WriteStringToFile(const std::string& FileName, std::string_view Data, TNewFileAccess Access) {
  WriteStreamToFile(
      FileName, [Data](const TTextSink& Write) { Write(Data.data(), Data.size()); }, Access);
}

namespace {
// Opens FileName for reading, not blocking on open, so that a pipe nobody
// writes to reads as empty instead of hanging the program. St tells what was
// opened; a folder is Failed.
TReadStatus OpenToRead(const std::string& FileName, TFileHandle& File, struct stat& St) {
  File.Fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (File.Fd < 0) return errno == ENOENT ? TReadStatus::Missing : TReadStatus::Failed;
  ::fcntl(File.Fd, F_SETFL, ::fcntl(File.Fd, F_GETFL) & ~O_NONBLOCK);
  if (::fstat(File.Fd, &St) != 0 || S_ISDIR(St.st_mode)) return TReadStatus::Failed;
  return TReadStatus::Read;
}

// A regular file of known size: read whole at once. Bytes added after it was
// opened are not read.
bool HasKnownSize(const struct stat& St) { return S_ISREG(St.st_mode) && St.st_size > 0; }

// Reads until Size bytes are in Data or the file ends (one call unless the
// system splits it); the count read, or -1.
ssize_t ReadUpTo(int Fd, char* Data, size_t Size) {
  size_t Done = 0;
  while (Done < Size) {
    const ssize_t N = ::read(Fd, Data + Done, Size - Done);
    if (N < 0 && errno == EINTR) continue;
    if (N < 0) return -1;
    if (N == 0) break;
    Done += static_cast<size_t>(N);
  }
  return static_cast<ssize_t>(Done);
}

}  // namespace

// A pipe, a device or a file of the /proc kind, whose size is known only at
// its end: read in pieces, up to Limit bytes.
TReadStatus ReadPieces(int Fd, std::string& Data, uint64_t Limit) {
  char Buffer[65536];
  for (;;) {
    const ssize_t N = ::read(Fd, Buffer, sizeof Buffer);
    if (N < 0 && errno == EINTR) continue;
    if (N < 0) return TReadStatus::Failed;
    if (N == 0) return TReadStatus::Read;
    if (Data.size() + static_cast<uint64_t>(N) > Limit) {
      Data.clear();
      return TReadStatus::TooLarge;
    }
    Data.append(Buffer, static_cast<size_t>(N));
  }
}

TReadStatus TryReadFile(const std::string& FileName, std::string& Data, uint64_t Limit) {
  Data.clear();
  TFileHandle File;
  struct stat St {};
  if (const TReadStatus Opened = OpenToRead(FileName, File, St); Opened != TReadStatus::Read) return Opened;
  if (!HasKnownSize(St)) return ReadPieces(File.Fd, Data, Limit);
  if (static_cast<uint64_t>(St.st_size) > Limit) return TReadStatus::TooLarge;
  Data.resize(static_cast<size_t>(St.st_size));
  const ssize_t N = ReadUpTo(File.Fd, Data.data(), Data.size());
  if (N < 0) {
    Data.clear();
    return TReadStatus::Failed;
  }
  Data.resize(static_cast<size_t>(N));
  return TReadStatus::Read;
}

TFileBytes::~TFileBytes() { Reset(); }

void TFileBytes::Reset() {
  if (FMapped) ::munmap(FData, FMapped);
  FData = nullptr;
  FSize = FMapped = FReleased = 0;
  FUnit = 1;
  FHeld.clear();
}

void TFileBytes::Release(size_t Offset) {
  if (!FMapped) return;
  const size_t Upto = std::min(Offset, FSize) / FUnit * FUnit;
  if (Upto <= FReleased) return;
  ::madvise(FData + FReleased, Upto - FReleased, MADV_DONTNEED);
  FReleased = Upto;
}

TReadStatus ReadWholeFile(const std::string& FileName, TFileBytes& Bytes, uint64_t Limit) {
  Bytes.Reset();
  TFileHandle File;
  struct stat St {};
  if (const TReadStatus Opened = OpenToRead(FileName, File, St); Opened != TReadStatus::Read) return Opened;
  if (!HasKnownSize(St)) {
    const TReadStatus Status = ReadPieces(File.Fd, Bytes.FHeld, Limit);
    Bytes.FData = Bytes.FHeld.data();
    Bytes.FSize = Bytes.FHeld.size();
    return Status;
  }
  if (static_cast<uint64_t>(St.st_size) > Limit) return TReadStatus::TooLarge;
  // Pages of their own (not the heap's), so that each can be given back; a
  // large file in huge pages where the system has them: a few faults fill
  // them, and whole ones go back.
  const size_t Size = static_cast<size_t>(St.st_size);
  static const size_t Page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
  constexpr size_t HugePage = size_t{2} << 20;
  const bool Huge = Size >= 2 * HugePage;
  const size_t Unit = Huge ? HugePage : Page;
  const size_t Length = (Size + Unit - 1) / Unit * Unit;
  const size_t Slack = Huge ? HugePage : 0;  // room to align the start
  void* Map = ::mmap(nullptr, Length + Slack, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (Map == MAP_FAILED) return TReadStatus::Failed;
  char* Start = static_cast<char*>(Map);
  if (Huge) {
    char* Aligned =
        reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(Start) + HugePage - 1) & ~(HugePage - 1));
    if (Aligned > Start) ::munmap(Start, static_cast<size_t>(Aligned - Start));
    const size_t Tail = static_cast<size_t>(Start + Length + Slack - (Aligned + Length));
    if (Tail > 0) ::munmap(Aligned + Length, Tail);
    Start = Aligned;
    ::madvise(Start, Length, MADV_HUGEPAGE);
  }
  Bytes.FData = Start;
  Bytes.FMapped = Length;
  Bytes.FUnit = Unit;
  const ssize_t N = ReadUpTo(File.Fd, Bytes.FData, Size);
  if (N < 0) {
    Bytes.Reset();
    return TReadStatus::Failed;
  }
  Bytes.FSize = static_cast<size_t>(N);
  return TReadStatus::Read;
}

std::string ReadFileToString(const std::string& FileName) {
  std::string Data;
  if (TryReadFile(FileName, Data) != TReadStatus::Read)
    throw EQuillbayError(TMessageId::CannotOpenFile, {FileName});
  return Data;
}
