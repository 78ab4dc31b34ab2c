#pragma once
// The remote folder over SFTP (libssh2) or FTP with TLS (OpenSSL), through
// libcurl: one connection kept for every operation of an upload and opened
// again after a break, each handle allowed only its target's protocol.
//
// SFTP: the server's key is checked against known_hosts by our own reader
// (KnownHosts.h) and, once seen, pinned by its fingerprint for the rest of the
// upload; an unknown key passes only when the user accepted its fingerprint,
// and is then appended to known_hosts by us. Login tries id_ed25519,
// id_ecdsa, id_rsa and the agent in that order, or the password when one is
// given. FTP: "ftp://" and "ftps://" both ask for TLS and refuse to go on
// without it (AUTH TLS), unless plain FTP was explicitly allowed; port 990
// speaks TLS from the start. Certificates are checked against the system's
// store (and the given CA file).
//
// A temporary failure (connection refused, cut, timed out) is retried with a
// doubling pause; a permanent one raises at once, naming the file. Nothing
// here writes a password anywhere: it goes from the options to libcurl only.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "net/RemoteFolder.h"
#include "net/UploadTarget.h"

struct TRetryPolicy {
  int Attempts = 4;  // tries of one operation, the first included
  int FirstPauseMs = 1000;
  // How a pause is waited for; tests pass one that returns at once.
  std::function<void(int Milliseconds)> Sleep;
};

struct TUploadOptions {
  std::string Password;         // empty: keys and the agent (SFTP)
  std::string SshFolder;        // the keys' folder; empty: $HOME/.ssh
  std::string KnownHostsFile;   // empty: SshFolder/known_hosts
  std::string AcceptedHostKey;  // "SHA256:..." that the user accepted for an unknown host
  bool InsecureFtp = false;     // plain FTP allowed for an "ftp://" address
  std::string CaFile;           // certificates trusted besides the system's
  TRetryPolicy Retry;
};

class TCurlRemote : public TRemoteFolder {
 public:
  TCurlRemote(TUploadTarget Target, TUploadOptions Options);
  ~TCurlRemote() override;
  TCurlRemote(const TCurlRemote&) = delete;
  TCurlRemote& operator=(const TCurlRemote&) = delete;

  // Connects and logs in, trying each way to log in in turn. Every other
  // operation connects first when it has not been done.
  void Connect();
  // The fingerprint of the key the SFTP server showed; empty before that.
  std::string HostKeyFingerprint() const;
  // Why an accepted host key could not be added to known_hosts (it passed
  // for this upload all the same); none when it was added or none was.
  const std::optional<TMessage>& KnownHostsProblem() const;

  std::vector<std::string> List() override;
  bool Read(const std::string& Name, std::string& Data) override;
  void Write(const std::string& Name, const std::string& LocalFile, const TByteProgress& Progress) override;
  void Rename(const std::string& From, const std::string& To) override;
  // The upload and the renaming in one request.
  void Replace(const std::string& Name, const std::string& Temporary, const std::string& LocalFile,
               const TByteProgress& Progress) override;
  void Remove(const std::string& Name) override;

 private:
  struct TState;
  std::unique_ptr<TState> F;
};
