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

// Reads the whole file into Data. A file larger than Limit bytes is not read
// (TooLarge, Data empty); a folder or a read error is Failed. A pipe that no
// one writes to reads as empty instead of blocking.
TReadStatus TryReadFile(const std::string& FileName, std::string& Data, uint64_t Limit = UINT64_MAX);
// The whole file; raises "Cannot open file %s" when it cannot be read.
std::string ReadFileToString(const std::string& FileName);
