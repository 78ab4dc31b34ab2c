#pragma once
// Brings a remote folder up to date with a local site folder, sending only
// what changed, so that every remote file is at each moment either its old
// or its new version and a broken or cancelled upload is completed by the
// next one.
//
// The site's manifest (its files' names, SHA-256 and sizes) is uploaded with
// the site. An upload reads the remote manifest, and the remote copy of the
// new manifest that a broken upload may have left (".quillbay-manifest.tmp");
// the names they list are Quillbay's own on the server, and only those are
// ever replaced or removed: every other remote file is left alone, and one in
// the way of a site file stops the upload. The steps: the new manifest goes
// up first under its temporary name (so that what is about to be written is
// known as ours whatever happens next), then each changed page, the feed and
// index.html, each to a temporary name renamed over the old file; then the
// files that the site no longer has are removed; last the manifest takes its
// place. This unit knows the manifest's format only through the reader it is
// given.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "net/RemoteFolder.h"

// One file of the site, as its manifest lists it.
struct TSiteFile {
  std::string Name;
  std::string Sha256;  // hexadecimal
  uint64_t Size = 0;
};

inline constexpr char kSiteManifestName[] = ".quillbay-manifest";
inline constexpr char kSiteManifestTempName[] = ".quillbay-manifest.tmp";

// The files that a manifest's text lists; raises EQuillbayError when the text
// is not a valid manifest.
using TManifestReader = std::function<std::vector<TSiteFile>(const std::string& Text)>;

struct TUploadPlan {
  std::vector<TSiteFile> Send;           // in the order they go up
  std::vector<std::string> Remove;       // Quillbay's files that the site no longer has
  std::vector<std::string> RemoveFirst;  // the same, written only by a broken upload
  std::vector<std::string> LeftOver;     // temporary files of ours left by a broken upload
  size_t Unchanged = 0;
  bool ManifestChanged = false;  // the remote manifest differs from the local one
  bool Recovering = false;       // a broken upload left its manifest behind
  uint64_t BytesToSend() const;
  bool NothingToDo() const {
    return Send.empty() && Remove.empty() && RemoveFirst.empty() && LeftOver.empty() && !ManifestChanged;
  }
};

struct TUploadResult {
  size_t Sent = 0, Unchanged = 0, Removed = 0;
  uint64_t BytesSent = 0;
  bool Cancelled = false;
};

struct TUploadProgress {
  size_t FilesDone = 0, FilesTotal = 0;
  uint64_t BytesDone = 0, BytesTotal = 0;
  std::string Name;  // the file being sent or removed
};

enum class TUploadStep { Sent, Removed };

struct TUploadCallbacks {
  std::function<void(const TUploadProgress&)> Progress;
  // After each file sent or removed, for a line per file.
  std::function<void(TUploadStep, const std::string& Name, uint64_t Bytes)> FileDone;
  // Set from another thread: the upload ends after the current file.
  const std::atomic<bool>* Cancel = nullptr;
};

class TSiteUpload {
 public:
  // Files: the local site's manifest entries; LocalFolder holds them and the
  // manifest file itself.
  TSiteUpload(TRemoteFolder& Remote, std::string LocalFolder, std::vector<TSiteFile> Files,
              TManifestReader Reader);

  // Reads the remote folder and decides what to do. Raises EUploadError
  // (Foreign) when a file that Quillbay did not write has a site file's name,
  // (Refused) when the remote manifest cannot be read or names a path.
  TUploadPlan Plan();
  // Carries the plan out.
  TUploadResult Run(const TUploadPlan& Plan, const TUploadCallbacks& Callbacks = {});

 private:
  TRemoteFolder& FRemote;
  std::string FLocalFolder;
  std::vector<TSiteFile> FFiles;
  TManifestReader FReader;
};

// A file name that may be sent to or removed from a server: no folder part,
// no leading dot, no control or quote characters.
bool IsSafeSiteName(const std::string& Name);
// The temporary name a file goes up under.
std::string UploadTempName(const std::string& Name);
// "Uploaded 3 files, 361 unchanged, 1 removed".
std::string UploadSummary(const TUploadResult& Result);
