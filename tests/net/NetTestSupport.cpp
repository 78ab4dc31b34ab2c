#include "tests/net/NetTestSupport.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <openssl/evp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace {

[[noreturn]] void ExecWith(const std::vector<std::string>& Args, const std::vector<std::string>& Env) {
  for (const std::string& Entry : Env) putenv(const_cast<char*>(Entry.c_str()));
  std::vector<char*> Argv;
  for (const std::string& Arg : Args) Argv.push_back(const_cast<char*>(Arg.c_str()));
  Argv.push_back(nullptr);
  execvp(Argv[0], Argv.data());
  _exit(127);
}

// Starts Args with Input on its standard input and its output to OutFd.
pid_t Spawn(const std::vector<std::string>& Args, const std::vector<std::string>& Env, int OutFd,
            const std::string& Input) {
  int InPipe[2];
  if (pipe(InPipe) != 0) throw std::runtime_error("pipe");
  pid_t Pid = fork();
  if (Pid < 0) throw std::runtime_error("fork");
  if (Pid == 0) {
    dup2(InPipe[0], 0);
    close(InPipe[1]);
    dup2(OutFd, 1);
    dup2(OutFd, 2);
    setpgid(0, 0);
    ExecWith(Args, Env);
  }
  close(InPipe[0]);
  signal(SIGPIPE, SIG_IGN);
  if (!Input.empty() && write(InPipe[1], Input.data(), Input.size()) < 0) {
  }
  close(InPipe[1]);
  return Pid;
}

void Check(bool Ok, const std::string& What) {
  if (!Ok) throw std::runtime_error(What);
}

}  // namespace

TChildProcess::TChildProcess(const std::vector<std::string>& Args, const std::vector<std::string>& Env,
                             const std::string& LogFile, const std::string& Input) {
  int Fd = open(LogFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  Check(Fd >= 0, "cannot open " + LogFile);
  FPid = Spawn(Args, Env, Fd, Input);
  close(Fd);
}

void TChildProcess::Stop() {
  if (FPid <= 0) return;
  kill(FPid, SIGTERM);
  int Status = 0;
  waitpid(FPid, &Status, 0);
  FPid = -1;
}

bool SecretServiceRuns() {
  std::string Answer;
  RunProgram(
      {"gdbus", "call", "--session", "--dest", "org.freedesktop.DBus", "--object-path",
       "/org/freedesktop/DBus", "--method", "org.freedesktop.DBus.NameHasOwner", "org.freedesktop.secrets"},
      &Answer);
  return Answer.find("true") != std::string::npos;
}

int RunProgram(const std::vector<std::string>& Args, std::string* Output, const std::string& Input) {
  char Name[] = "/tmp/quillbay-run-XXXXXX";
  int Fd = mkstemp(Name);
  Check(Fd >= 0, "mkstemp");
  unlink(Name);
  pid_t Pid = Spawn(Args, {}, Fd, Input);
  int Status = 0;
  waitpid(Pid, &Status, 0);
  if (Output) {
    Output->clear();
    lseek(Fd, 0, SEEK_SET);
    char Buffer[4096];
    ssize_t Got;
    while ((Got = read(Fd, Buffer, sizeof Buffer)) > 0) Output->append(Buffer, Got);
  }
  close(Fd);
  return WIFEXITED(Status) ? WEXITSTATUS(Status) : 128;
}

int FreePort() {
  int Fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in Address{};
  Address.sin_family = AF_INET;
  Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  Check(bind(Fd, reinterpret_cast<sockaddr*>(&Address), sizeof Address) == 0, "bind");
  socklen_t Length = sizeof Address;
  getsockname(Fd, reinterpret_cast<sockaddr*>(&Address), &Length);
  close(Fd);
  return ntohs(Address.sin_port);
}

bool WaitForPort(int Port) {
  for (int Try = 0; Try < 400; ++Try) {
    int Fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    Address.sin_port = htons(Port);
    bool Up = connect(Fd, reinterpret_cast<sockaddr*>(&Address), sizeof Address) == 0;
    close(Fd);
    if (Up) return true;
    usleep(50000);
  }
  return false;
}

std::map<std::string, std::string> ReadFolder(const std::string& Folder) {
  std::map<std::string, std::string> Files;
  DIR* Dir = opendir(Folder.c_str());
  if (!Dir) return Files;
  while (dirent* Entry = readdir(Dir)) {
    std::string Path = Folder + "/" + Entry->d_name;
    struct stat Info {};
    if (lstat(Path.c_str(), &Info) == 0 && S_ISREG(Info.st_mode)) Files[Entry->d_name] = ReadFileBytes(Path);
  }
  closedir(Dir);
  return Files;
}

std::string CurrentUserName() {
  passwd* Entry = getpwuid(geteuid());
  return Entry ? Entry->pw_name : "root";
}

TCutProxy::TCutProxy(int TargetPort, uint64_t CutAfter) : FTargetPort(TargetPort), FCutAfter(CutAfter) {
  FListener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in Address{};
  Address.sin_family = AF_INET;
  Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  Check(bind(FListener, reinterpret_cast<sockaddr*>(&Address), sizeof Address) == 0, "bind");
  socklen_t Length = sizeof Address;
  getsockname(FListener, reinterpret_cast<sockaddr*>(&Address), &Length);
  FPort = ntohs(Address.sin_port);
  listen(FListener, 8);
  FThread = std::thread(&TCutProxy::Serve, this);
}

TCutProxy::~TCutProxy() {
  FStop = true;
  FThread.join();
  if (FListener >= 0) close(FListener);
}

void TCutProxy::Serve() {
  uint64_t Sent = 0;
  while (!FStop && !FCut) {
    pollfd Wait{FListener, POLLIN, 0};
    if (poll(&Wait, 1, 100) <= 0) continue;
    int Client = accept4(FListener, nullptr, nullptr, SOCK_CLOEXEC);
    if (Client < 0) continue;
    int Server = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    Address.sin_port = htons(FTargetPort);
    if (connect(Server, reinterpret_cast<sockaddr*>(&Address), sizeof Address) != 0) {
      close(Client);
      close(Server);
      continue;
    }
    char Buffer[16384];
    bool Open = true;
    while (Open && !FStop) {
      pollfd Ends[2] = {{Client, POLLIN, 0}, {Server, POLLIN, 0}};
      if (poll(Ends, 2, 100) <= 0) continue;
      for (int I = 0; I < 2 && Open; ++I) {
        if (!(Ends[I].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        int From = I == 0 ? Client : Server, To = I == 0 ? Server : Client;
        size_t Want = sizeof Buffer;
        if (I == 0 && FCutAfter - Sent < Want) Want = FCutAfter - Sent;
        ssize_t Got = Want ? read(From, Buffer, Want) : 0;
        if (Got <= 0 || write(To, Buffer, Got) != Got) Open = false;
        if (I == 0 && Got > 0) Sent += Got;
        if (Sent >= FCutAfter) {
          FCut = true;
          Open = false;
        }
      }
    }
    shutdown(Client, SHUT_RDWR);
    shutdown(Server, SHUT_RDWR);
    close(Client);
    close(Server);
  }
  // After the cut nothing more is accepted, as when the server went away.
  close(FListener);
  FListener = -1;
}

TSshServer::TSshServer() {
  FRoot = FFolder / "remote";
  mkdir(FRoot.c_str(), 0755);
  if (geteuid() == 0) mkdir("/run/sshd", 0755);  // the server's privilege separation folder
  std::string Client = ClientSshFolder();
  mkdir(Client.c_str(), 0700);
  Check(RunProgram({"ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f", HostKeyFile()}) == 0,
        "ssh-keygen host");
  Check(RunProgram({"ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f", Client + "/id_ed25519"}) == 0,
        "ssh-keygen client");
  WriteFileBytes(FFolder / "authorized_keys", ReadFileBytes(Client + "/id_ed25519.pub"));
  FPort = FreePort();
  std::ostringstream Config;
  Config << "Port " << FPort << "\nListenAddress 127.0.0.1\nHostKey " << HostKeyFile()
         << "\nPidFile none\nAuthorizedKeysFile " << (FFolder / "authorized_keys")
         << "\nStrictModes no\nUsePAM no\nPasswordAuthentication yes\nKbdInteractiveAuthentication no\n"
         << "PermitRootLogin prohibit-password\nAllowUsers " << CurrentUserName()
         << "\nSubsystem sftp internal-sftp\nForceCommand internal-sftp -d " << FRoot
         << "\nAllowTcpForwarding no\nX11Forwarding no\nLogLevel VERBOSE\n";
  WriteFileBytes(FFolder / "sshd_config", Config.str());
  FServer = std::make_unique<TChildProcess>(
      std::vector<std::string>{"/usr/sbin/sshd", "-D", "-e", "-f", FFolder / "sshd_config"},
      std::vector<std::string>{}, FFolder / "sshd.log");
  Check(WaitForPort(FPort), "sshd did not start: " + ReadFileBytes(FFolder / "sshd.log"));
}

std::string TSshServer::Address(const std::string& Folder, int Port) const {
  return "sftp://" + CurrentUserName() + "@127.0.0.1:" + std::to_string(Port ? Port : FPort) + FRoot + "/" +
         Folder + "/";
}

TFtpServer::TFtpServer(TTls Tls) {
  FRoot = FFolder / "home";
  mkdir(FRoot.c_str(), 0755);
  std::string Passwd = FFolder / "pureftpd.passwd", Db = FFolder / "pureftpd.pdb";
  // pure-pw gives no virtual user the root's ids: as root, the user is
  // "nobody", and its home is its own.
  FUid = geteuid() == 0 ? 65534 : geteuid();
  FGid = geteuid() == 0 ? 65534 : getegid();
  Check(chown(FRoot.c_str(), FUid, FGid) == 0, "chown");
  std::string Uid = std::to_string(FUid), Gid = std::to_string(FGid);
  std::string Password = std::string(kPassword) + "\n" + kPassword + "\n";
  std::string Output;
  Check(RunProgram({"pure-pw", "useradd", kUser, "-f", Passwd, "-u", Uid, "-g", Gid, "-d", FRoot}, &Output,
                   Password) == 0,
        "pure-pw useradd: " + Output);
  Check(RunProgram({"pure-pw", "mkdb", Db, "-f", Passwd}, &Output) == 0, "pure-pw mkdb: " + Output);
  FPort = FreePort();
  int Passive = FreePort();
  std::vector<std::string> Args = {"/usr/sbin/pure-ftpd",
                                   "-S",
                                   "127.0.0.1," + std::to_string(FPort),
                                   "-l",
                                   "puredb:" + Db,
                                   "-E",
                                   "-H",
                                   "-A",
                                   "-D",
                                   "-4",
                                   "-p",
                                   std::to_string(Passive) + ":" + std::to_string(Passive + 40)};
  if (Tls == TTls::Required) {
    std::string Key = FFolder / "server.key", Csr = FFolder / "server.csr", Cert = FFolder / "server.pem";
    std::string CaKey = FFolder / "ca.key";
    Check(RunProgram({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                      "/CN=Quillbay test authority", "-keyout", CaKey, "-out", CaFile()},
                     &Output) == 0,
          "openssl ca: " + Output);
    std::string Extensions = FFolder / "server.ext";
    WriteFileBytes(Extensions, "subjectAltName=IP:127.0.0.1\n");
    Check(RunProgram({"openssl", "req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1", "-keyout",
                      Key, "-out", Csr},
                     &Output) == 0,
          "openssl csr: " + Output);
    Check(RunProgram({"openssl", "x509", "-req", "-in", Csr, "-CA", CaFile(), "-CAkey", CaKey,
                      "-CAcreateserial", "-days", "2", "-extfile", Extensions, "-out", Cert},
                     &Output) == 0,
          "openssl sign: " + Output);
    Args.insert(Args.end(), {"-2", Cert + "," + Key, "-Y", "2"});
  }
  FServer = std::make_unique<TChildProcess>(Args, std::vector<std::string>{}, FFolder / "pure-ftpd.log");
  Check(WaitForPort(FPort), "pure-ftpd did not start: " + ReadFileBytes(FFolder / "pure-ftpd.log"));
}

std::string TFtpServer::MakeFolder(const std::string& Name) const {
  std::string Folder = FRoot + "/" + Name;
  mkdir(Folder.c_str(), 0755);
  Check(chown(Folder.c_str(), FUid, FGid) == 0, "chown");
  return Folder;
}

std::string TFtpServer::Address(const std::string& Scheme, const std::string& Folder) const {
  return Scheme + "://" + kUser + "@127.0.0.1:" + std::to_string(FPort) + "/" + Folder + "/";
}

std::string Sha256Hex(const std::string& Data) {
  unsigned char Digest[EVP_MAX_MD_SIZE];
  unsigned int Length = 0;
  EVP_Digest(Data.data(), Data.size(), Digest, &Length, EVP_sha256(), nullptr);
  std::string Hex;
  char Byte[3];
  for (unsigned I = 0; I < Length; ++I) {
    snprintf(Byte, sizeof Byte, "%02x", Digest[I]);
    Hex += Byte;
  }
  return Hex;
}

std::string TestManifestText(const std::map<std::string, std::string>& Files) {
  std::string Text = "test-manifest 1\n";
  for (const auto& [Name, Data] : Files)
    Text += Sha256Hex(Data) + " " + std::to_string(Data.size()) + " " + Name + "\n";
  return Text;
}

std::vector<TSiteFile> ReadTestManifest(const std::string& Text) {
  std::istringstream Lines(Text);
  std::string Line;
  if (!std::getline(Lines, Line) || Line != "test-manifest 1") throw EQuillbayError("not a manifest");
  std::vector<TSiteFile> Files;
  while (std::getline(Lines, Line)) {
    std::istringstream Fields(Line);
    TSiteFile File;
    if (!(Fields >> File.Sha256 >> File.Size) || Fields.get() != ' ' || !std::getline(Fields, File.Name) ||
        File.Name.empty())
      throw EQuillbayError("bad manifest line");
    Files.push_back(File);
  }
  if (!Text.ends_with('\n')) throw EQuillbayError("manifest cut short");
  return Files;
}

TTestSite::TTestSite(int Months, size_t PageSize) {
  for (int Month = 1; Month <= Months; ++Month) {
    std::string Name = std::to_string(Month) + "_2026.html";
    std::string Page = "<!DOCTYPE html><title>" + Name + "</title>\n";
    while (Page.size() < PageSize) Page += "<p>Choir practice, month " + std::to_string(Month) + ".</p>\n";
    FFiles[Name] = Page.substr(0, PageSize);
  }
  FFiles["Chor Sankt Jürgen.ics"] = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n";
  FFiles["index.html"] = "<!DOCTYPE html><title>Calendar</title><a href=\"1_2026.html\">January</a>\n";
}

void TTestSite::Write() {
  for (const auto& [Name, Data] : ReadFolder(FFolder.Path()))
    if (!FFiles.count(Name)) unlink((FFolder / Name).c_str());
  for (const auto& [Name, Data] : FFiles) WriteFileBytes(FFolder / Name, Data);
  WriteFileBytes(FFolder / kSiteManifestName, TestManifestText(FFiles));
}

std::vector<TSiteFile> TTestSite::Entries() const { return ReadTestManifest(TestManifestText(FFiles)); }
