#pragma once
// Real peers for the network tests, each a child process of the test on
// 127.0.0.1 that ends with it: an OpenSSH server confined to a test folder,
// pure-ftpd with a test certificate, and a proxy that cuts a connection after
// a number of bytes. Also a small site folder with a manifest of the tests'
// own simple form ("SHA256 SIZE NAME" lines), and a reader of it.

#include <sys/types.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "net/SiteUpload.h"
#include "tests/support/TestFiles.h"

// A program started with Args (and Env entries "NAME=value" added to the
// test's own), its output to LogFile; stopped (SIGTERM, then waited for)
// when it goes.
class TChildProcess {
 public:
  TChildProcess(const std::vector<std::string>& Args, const std::vector<std::string>& Env,
                const std::string& LogFile, const std::string& Input = "");
  ~TChildProcess() { Stop(); }
  void Stop();
  pid_t Pid() const { return FPid; }

 private:
  pid_t FPid = -1;
};

// Runs a program to its end; its exit status, with its output in Output.
int RunProgram(const std::vector<std::string>& Args, std::string* Output = nullptr,
               const std::string& Input = "");
// Whether a Secret Service (a keyring) owns its name on the session bus.
bool SecretServiceRuns();
// A TCP port on 127.0.0.1 that nothing listens on now.
int FreePort();
// Waits until something accepts connections on Port (at most about 20 s).
bool WaitForPort(int Port);
// The bytes of every regular file in Folder, by name.
std::map<std::string, std::string> ReadFolder(const std::string& Folder);
std::string CurrentUserName();

class TCutProxy {
 public:
  // Forwards 127.0.0.1:Port() to TargetPort; once the client has sent
  // CutAfter bytes, cuts the connection and accepts no other.
  TCutProxy(int TargetPort, uint64_t CutAfter);
  ~TCutProxy();
  int Port() const { return FPort; }
  bool HasCut() const { return FCut; }

 private:
  void Serve();
  int FTargetPort, FPort = 0, FListener = -1;
  uint64_t FCutAfter;
  std::atomic<bool> FStop{false}, FCut{false};
  std::thread FThread;
};

class TSshServer {
 public:
  // sshd on a free port with its own host key and configuration; the test's
  // user logs in with the key in ClientSshFolder(), SFTP only, confined to
  // Root() by the server's configuration.
  TSshServer();
  int Port() const { return FPort; }
  const std::string& Root() const { return FRoot; }
  std::string ClientSshFolder() const { return FFolder / "client"; }
  std::string HostKeyFile() const { return FFolder / "host_ed25519"; }
  // "sftp://user@127.0.0.1:PORT/ROOT/Folder/" (on another port when given).
  std::string Address(const std::string& Folder, int Port = 0) const;

 private:
  TTempFolder FFolder;
  std::string FRoot;
  int FPort = 0;
  std::unique_ptr<TChildProcess> FServer;
};

class TFtpServer {
 public:
  enum class TTls { Required, None };
  // pure-ftpd on a free port with one virtual user (puredb) whose home is
  // Root(), and, when Tls is Required, a certificate for 127.0.0.1 signed
  // by the test's own authority (CaFile()).
  explicit TFtpServer(TTls Tls);
  int Port() const { return FPort; }
  const std::string& Root() const { return FRoot; }
  std::string CaFile() const { return FFolder / "ca.pem"; }
  static constexpr char kUser[] = "webmaster";
  static constexpr char kPassword[] = "Sesame-42-test";
  std::string Address(const std::string& Scheme, const std::string& Folder) const;
  // A folder in Root() that the server's user may write to.
  std::string MakeFolder(const std::string& Name) const;

 private:
  TTempFolder FFolder;
  std::string FRoot;
  int FPort = 0;
  uid_t FUid = 0;
  gid_t FGid = 0;
  std::unique_ptr<TChildProcess> FServer;
};

// A site folder: pages, a feed and index.html, with its manifest.
class TTestSite {
 public:
  // Months pages "M_2026.html" for 1..Months, the feed "Chor Sankt
  // Jürgen.ics" (a space and UTF-8 in its name), "index.html";
  // each page PageSize bytes.
  TTestSite(int Months, size_t PageSize = 2000);
  std::string Folder() const { return FFolder.Path(); }
  std::map<std::string, std::string>& Files() { return FFiles; }
  // Writes the files and the manifest; removes files no longer listed.
  void Write();
  std::vector<TSiteFile> Entries() const;

 private:
  TTempFolder FFolder;
  std::map<std::string, std::string> FFiles;
};

std::string Sha256Hex(const std::string& Data);
std::string TestManifestText(const std::map<std::string, std::string>& Files);
std::vector<TSiteFile> ReadTestManifest(const std::string& Text);
