#include "net/CalendarFetch.h"

#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/Errors.h"
#include "platform/FileIO.h"

namespace {
// The first line of a kept copy; the validators follow, one per line, then
// an empty line and the body as it came.
const std::string_view CacheHeader = "Quillbay fetched calendar 1\n";

std::string Sha256Hex(const std::string& Text) {
  unsigned char Digest[EVP_MAX_MD_SIZE];
  unsigned int Size = 0;
  if (!EVP_Digest(Text.data(), Text.size(), Digest, &Size, EVP_sha256(), nullptr))
    throw EQuillbayError("Cannot compute a SHA-256 digest");
  static const char Hex[] = "0123456789abcdef";
  std::string Out;
  for (unsigned int I = 0; I < Size; ++I) {
    Out += Hex[Digest[I] >> 4];
    Out += Hex[Digest[I] & 15];
  }
  return Out;
}

struct TKeptCopy {
  TFetchValidators Validators;
  std::string Body;
};

// The kept copy in File; false when there is none or it cannot be used.
bool ReadKeptCopy(const std::string& File, uint64_t MaxBytes, TKeptCopy& Copy) {
  std::string Data;
  if (TryReadFile(File, Data, MaxBytes + 4096) != TReadStatus::Read) return false;
  if (Data.compare(0, CacheHeader.size(), CacheHeader) != 0) return false;
  size_t At = CacheHeader.size();
  while (true) {
    const size_t End = Data.find('\n', At);
    if (End == std::string::npos) return false;
    const std::string Line = Data.substr(At, End - At);
    At = End + 1;
    if (Line.empty()) break;
    if (Line.rfind("ETag: ", 0) == 0)
      Copy.Validators.ETag = Line.substr(6);
    else if (Line.rfind("Last-Modified: ", 0) == 0)
      Copy.Validators.LastModified = Line.substr(15);
    else
      return false;
  }
  Copy.Body = Data.substr(At);
  return LooksLikeICalendar(Copy.Body);
}

bool HasLineBreak(const std::string& S) { return S.find_first_of("\r\n") != std::string::npos; }

// Keeps Body with its validators; a failure only means that the next fetch
// is a whole one.
void KeepCopy(const std::string& Folder, const std::string& File, const TFetchResponse& Response) {
  const TFetchValidators& V = Response.Validators;
  const bool Usable =
      (!V.ETag.empty() || !V.LastModified.empty()) && !HasLineBreak(V.ETag) && !HasLineBreak(V.LastModified);
  try {
    if (!Usable) {
      ::unlink(File.c_str());
      return;
    }
    const std::string Parent = Folder.substr(0, Folder.find_last_of('/'));
    if (!Parent.empty()) ::mkdir(Parent.c_str(), 0700);
    if (::mkdir(Folder.c_str(), 0700) != 0 && errno != EEXIST) return;
    std::string Text(CacheHeader);
    if (!V.ETag.empty()) Text += "ETag: " + V.ETag + "\n";
    if (!V.LastModified.empty()) Text += "Last-Modified: " + V.LastModified + "\n";
    Text += "\n";
    Text += Response.Body;
    WriteStringToFile(File, Text, TNewFileAccess::OwnerOnly);
    ::chmod(File.c_str(), 0600);
  } catch (const EQuillbayError&) {
  }
}
}  // namespace

std::string CalendarCacheFolder() {
  const char* Cache = std::getenv("XDG_CACHE_HOME");
  if (Cache && Cache[0] == '/') return std::string(Cache) + "/Quillbay";
  const char* Home = std::getenv("HOME");
  if (Home && Home[0] == '/') return std::string(Home) + "/.cache/Quillbay";
  return "";
}

std::string CalendarCacheFile(const std::string& Folder, const std::string& Address) {
  return Folder + "/" + Sha256Hex(FetchableAddress(Address));
}

bool LooksLikeICalendar(std::string_view Bytes) {
  if (Bytes.substr(0, 3) == "\xEF\xBB\xBF") Bytes.remove_prefix(3);
  while (!Bytes.empty() &&
         (Bytes.front() == '\r' || Bytes.front() == '\n' || Bytes.front() == ' ' || Bytes.front() == '\t'))
    Bytes.remove_prefix(1);
  const std::string_view Begin = "BEGIN:VCALENDAR";
  if (Bytes.size() < Begin.size()) return false;
  for (size_t I = 0; I < Begin.size(); ++I) {
    char C = Bytes[I];
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
    if (C != Begin[I]) return false;
  }
  return true;
}

TCalendarDownload FetchCalendar(const std::string& Address, const TFetchOptions& Options,
                                const std::string& CacheFolder) {
  const std::string File = CacheFolder.empty() ? "" : CalendarCacheFile(CacheFolder, Address);
  TKeptCopy Kept;
  const bool HasCopy = !File.empty() && ReadKeptCopy(File, Options.Limits.MaxBytes, Kept);
  TFetchResponse Response = FetchAddress(Address, Options, HasCopy ? Kept.Validators : TFetchValidators{});
  TCalendarDownload Download;
  if (Response.NotModified) {
    Download.Bytes = std::move(Kept.Body);
    Download.FromCache = true;
    return Download;
  }
  if (!LooksLikeICalendar(Response.Body))
    throw EQuillbayError(
        FormatMessage("The address %s does not give an iCalendar file", AddressForMessages(Address)));
  if (!File.empty()) KeepCopy(CacheFolder, File, Response);
  Download.Bytes = std::move(Response.Body);
  return Download;
}
