#pragma once
// Whole files in one piece: every file the program writes for the user (a
// document, the colour-scheme gallery, a page, the preview, the settings
// store) goes through here, and so does reading a whole file back.
//
// A write goes to a temporary file in the target's folder, which is flushed
// to the disk, renamed over the target and made durable by syncing the
// folder, so a failed or interrupted write leaves the previous file intact and
// no temporary file behind. The target's permissions (and, where allowed, its
// owner) are kept. A symbolic link is followed: the file it names is replaced
// and the link stays. A device or a pipe is written in place: replacing it by
// a file would destroy it, and there is no previous content to protect.
// Failures raise EQuillbayError with the program's texts.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Receives the bytes of a text in consecutive pieces.
using TTextSink = std::function<void(const char* Data, size_t Size)>;
// Hands a whole text to the sink it is given, piece by piece.
using TTextProducer = std::function<void(const TTextSink& Sink)>;

// Who may read a file that a write creates; an existing file keeps its own
// permissions. Both are narrowed by the umask.
enum class TNewFileAccess { Shared, OwnerOnly };

// Raises "Cannot create file %s" (no temporary file, rename refused, a
// folder) or "Stream write error" (the disk refused the bytes).
void WriteStringToFile(const std::string& FileName, std::string_view Data,
                       TNewFileAccess Access = TNewFileAccess::Shared);
// As WriteStringToFile, for a text too large to hold whole; an exception from
// Produce also leaves the old file untouched.
void WriteStreamToFile(const std::string& FileName, const TTextProducer& Produce,
                       TNewFileAccess Access = TNewFileAccess::Shared);

enum class TReadStatus { Read, Missing, TooLarge, Failed };

// The bytes of a whole file in memory of their own. A reader that goes
// through them once may give back the pages it has passed, so that a large
// file and what is made of it are not both held whole.
class TFileBytes {
 public:
  TFileBytes() = default;
  TFileBytes(const TFileBytes&) = delete;
  TFileBytes& operator=(const TFileBytes&) = delete;
  ~TFileBytes();
  std::string_view View() const { return {FData, FSize}; }
  // The bytes before Offset will not be read again: their memory goes back
  // to the system, and they read as zeros from now on.
  void Release(size_t Offset);

 private:
  friend TReadStatus ReadWholeFile(const std::string& FileName, TFileBytes& Bytes, uint64_t Limit);
  void Reset();
  char* FData = nullptr;
  size_t FSize = 0;
  size_t FMapped = 0;    // length of the mapping at FData; 0 when FData is in FHeld
  size_t FUnit = 1;      // what can be given back is a whole number of these
  size_t FReleased = 0;  // bytes at the start already given back
  std::string FHeld;     // a pipe's or device's bytes, read in pieces
};

// Reads the whole file into Data, a regular file with one system call. A file
// larger than Limit bytes is not read (TooLarge, Data empty); a folder or a
// read error is Failed. A pipe that no one writes to reads as empty instead
// of blocking.
TReadStatus TryReadFile(const std::string& FileName, std::string& Data, uint64_t Limit = UINT64_MAX);
// What is left to read of Fd, to its end, in pieces of up to 64 KiB (for
// files whose size is known only at the end): TooLarge past Limit bytes.
TReadStatus ReadPieces(int Fd, std::string& Data, uint64_t Limit = UINT64_MAX);
// Writes Size bytes of Data to Fd, again after an interruption; false when
// the system refuses.
bool WriteAll(int Fd, const char* Data, size_t Size);
// As TryReadFile, into pages of their own that can be given back.
TReadStatus ReadWholeFile(const std::string& FileName, TFileBytes& Bytes, uint64_t Limit = UINT64_MAX);
// The whole file; raises "Cannot open file %s" when it cannot be read.
std::string ReadFileToString(const std::string& FileName);
