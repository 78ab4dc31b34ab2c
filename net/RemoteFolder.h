#pragma once
// The remote folder that a site is uploaded into, as the site's upload sees
// it: list its names, read a small file, write a file under a name, rename a
// file over another, remove one. The one implementation speaks SFTP or FTPS
// (CurlRemote.h); the upload's logic (SiteUpload.h) knows only this.
//
// Failures raise EUploadError, an EQuillbayError with the kind of failure, so
// that the tool can give each kind its exit code and the window its advice.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Errors.h"

enum class TUploadFailure {
  HostKey,      // the SSH host key is unknown, changed or revoked
  Certificate,  // the TLS certificate is not trusted, or the server offers no TLS
  Login,        // the server refused the user, key or password
  Network,      // the connection failed or broke, after the retries
  Remote,       // the server refused an operation on a file (rights, space)
  Foreign,      // a file that Quillbay did not write is in the way
  Refused,      // a remote manifest or name that cannot be trusted
};

class EUploadError : public EQuillbayError {
 public:
  EUploadError(TUploadFailure Kind, TMessage Message, std::string Fingerprint = {})
      : EQuillbayError(std::move(Message)), FKind(Kind), FFingerprint(std::move(Fingerprint)) {}
  TUploadFailure Kind() const { return FKind; }
  // For an unknown host key: its "SHA256:..." fingerprint, for asking the user.
  const std::string& Fingerprint() const { return FFingerprint; }

 private:
  TUploadFailure FKind;
  std::string FFingerprint;
};

// The tool's exit code for a failure: 3 foreign file, 4 host key or
// certificate, 5 login, 6 network, 1 anything else.
int UploadExitCode(TUploadFailure Kind);

// Bytes of the current file sent so far.
using TByteProgress = std::function<void(uint64_t Sent)>;

class TRemoteFolder {
 public:
  virtual ~TRemoteFolder() = default;
  // The names in the folder (no "." or ".."); empty when it does not exist yet.
  virtual std::vector<std::string> List() = 0;
  // The whole file; false when it does not exist.
  virtual bool Read(const std::string& Name, std::string& Data) = 0;
  // Sends the local file under Name, creating the folder when missing; an
  // existing file of that name is overwritten.
  virtual void Write(const std::string& Name, const std::string& LocalFile,
                     const TByteProgress& Progress) = 0;
  // Renames From to To; an existing To is replaced (by deleting it first where
  // the server cannot rename over a file).
  virtual void Rename(const std::string& From, const std::string& To) = 0;
  // Writes the local file under Temporary, then renames it over Name: the
  // remote Name is whole at every moment, old or new. A connection may do
  // both in one request.
  virtual void Replace(const std::string& Name, const std::string& Temporary, const std::string& LocalFile,
                       const TByteProgress& Progress) {
    Write(Temporary, LocalFile, Progress);
    Rename(Temporary, Name);
  }
  virtual void Remove(const std::string& Name) = 0;
};
