#pragma once
// The upload as the command-line tool runs it: one call from an address and
// a published site folder to the remote site brought up to date, with one
// line per file when asked, a summary always ("Uploaded 3 files, 361
// unchanged, 1 removed"), and an exit code per kind of failure (see
// UploadExitCode). The password comes only from a private file; it is never
// printed, and neither is the address's folder of a refused file.

#include <iosfwd>
#include <string>
#include <vector>

#include "net/SiteUpload.h"

struct TUploadCommand {
  std::string Address;          // "sftp://user@host/folder/", "ftps://..." or "ftp://..."
  std::string SiteFolder;       // the published site, with its manifest
  std::string AcceptedHostKey;  // "SHA256:..." of an unknown SSH host the user checked
  std::string PasswordFile;     // empty: keys and the agent (SFTP)
  std::string CaFile;           // certificates trusted besides the system's
  std::string SshFolder;        // keys and known_hosts; empty: $HOME/.ssh
  bool InsecureFtp = false;     // "ftp://" may fall back to plain FTP
  bool DryRun = false;          // say what would be sent and removed, change nothing
  bool Verbose = false;         // one line per file
};

// Files: the site's manifest entries; Reader reads the remote manifest.
// Writes the lines to Out and failures to Err; returns 0 or the exit code.
int RunUploadCommand(const TUploadCommand& Command, const std::vector<TSiteFile>& Files,
                     const TManifestReader& Reader, std::ostream& Out, std::ostream& Err);
// The same for a site that the publisher wrote: its files are those of the
// folder's .quillbay-manifest, and the remote manifest is read alike.
int RunUploadCommand(const TUploadCommand& Command, std::ostream& Out, std::ostream& Err);

// The files that the text of a site's manifest lists, for the upload: the
// names a broken publish was about to write count too, without a hash, so
// that they are always sent. Raises EQuillbayError when the manifest is
// refused.
std::vector<TSiteFile> SiteManifestFiles(const std::string& Text);
// The files of the site published whole in SiteFolder, as its manifest lists
// them. Raises EQuillbayError when the manifest cannot be read or a publish
// did not end (only a whole site goes up).
std::vector<TSiteFile> PublishedSiteFiles(const std::string& SiteFolder);
