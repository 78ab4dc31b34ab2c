// How it works: one libcurl easy handle holds the connection. Each operation
// resets the handle's options (which keeps its live connection), sets the
// common ones (protocol, login, host key check or TLS, limits) and its own,
// and runs; a temporary failure runs it again after a pause that doubles.
// Listing, reading and writing are transfers on the folder's or the file's
// address; renaming and removing are commands of a transfer-less request:
// SFTP's "rm" and "rename" with whole paths, FTP's "DELE", "RNFR" and "RNTO"
// sent after the request has gone to the folder.
//
// The SSH host key: libcurl hands the server's key to our key callback only
// when a known_hosts file is named, so the user's file is named (libssh2 also
// uses it to prefer the key type the file holds for the host), but the
// verdict is ours and the callback never asks libcurl to write the file.
// Once a key has passed, its fingerprint is given to libcurl for the
// following connections of this upload, so a reconnection cannot meet
// another key.
#include "net/CurlRemote.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

#include "net/Curl.h"
#include "net/KnownHosts.h"
#include "text/Ascii.h"

namespace {

constexpr size_t kReadLimit = 16 << 20;

struct TSlist {
  curl_slist* List = nullptr;
  TSlist(std::initializer_list<std::string> Items) {
    for (const std::string& Item : Items) List = curl_slist_append(List, Item.c_str());
  }
  TSlist(const TSlist&) = delete;
  TSlist& operator=(const TSlist&) = delete;
  ~TSlist() { curl_slist_free_all(List); }
};

bool IsTemporary(CURLcode Code, TUploadProtocol Protocol) {
  // libcurl reports an SSH handshake that the server broke off (no banner:
  // too many connections, a restart) as a failed start.
  if (Code == CURLE_FAILED_INIT) return Protocol == TUploadProtocol::Sftp;
  switch (Code) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_SSH:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_FTP_PORT_FAILED:
      return true;
    default:
      return false;
  }
}

bool IsCertificateFailure(CURLcode Code) {
  return Code == CURLE_PEER_FAILED_VERIFICATION || Code == CURLE_SSL_CACERT_BADFILE ||
         Code == CURLE_SSL_ISSUER_ERROR || Code == CURLE_SSL_PINNEDPUBKEYNOTMATCH ||
         Code == CURLE_SSL_INVALIDCERTSTATUS;
}

size_t AppendToString(char* Data, size_t Size, size_t Count, void* Target) {
  auto& Text = *static_cast<std::string*>(Target);
  if (Text.size() + Size * Count > kReadLimit) return 0;
  Text.append(Data, Size * Count);
  return Size * Count;
}

size_t ReadFromFd(char* Buffer, size_t Size, size_t Count, void* Fd) {
  ssize_t Got = read(*static_cast<int*>(Fd), Buffer, Size * Count);
  return Got < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(Got);
}

int ReportUpload(void* Progress, curl_off_t, curl_off_t, curl_off_t, curl_off_t Sent) {
  auto* Report = static_cast<const TByteProgress*>(Progress);
  if (*Report) (*Report)(static_cast<uint64_t>(Sent));
  return 0;
}

// A request's step, for the messages of its failure: the message when the
// connection fails, the one when the server refuses, and the step's names.
struct TStep {
  TMessageId NetworkFailed;
  TMessageId ServerRefused;
  std::vector<std::string> Names;
};

TStep LoginStep() { return {TMessageId::ConnectionFailedLogin, TMessageId::ServerRefusedLogin, {}}; }
TStep ListingStep(const std::string& Folder) {
  return {TMessageId::ConnectionFailedListing, TMessageId::ServerRefusedListing, {Folder}};
}
TStep FileStep(const std::string& Name) {
  return {TMessageId::ConnectionFailedFile, TMessageId::ServerRefusedFile, {Name}};
}
TStep RenamingStep(const std::string& From, const std::string& To) {
  return {TMessageId::ConnectionFailedRenaming, TMessageId::ServerRefusedRenaming, {From, To}};
}
TStep RemovingStep(const std::string& Name) {
  return {TMessageId::ConnectionFailedRemoving, TMessageId::ServerRefusedRemoving, {Name}};
}

}  // namespace

int UploadExitCode(TUploadFailure Kind) {
  switch (Kind) {
    case TUploadFailure::Foreign:
      return 3;
    case TUploadFailure::HostKey:
    case TUploadFailure::Certificate:
      return 4;
    case TUploadFailure::Login:
      return 5;
    case TUploadFailure::Network:
      return 6;
    default:
      return 1;
  }
}

struct TCurlRemote::TState {
  TUploadTarget Target;
  TUploadOptions Options;
  CURL* Easy = nullptr;
  char ErrorText[CURL_ERROR_SIZE] = {};

  // One way to log in over SFTP: a key file, the agent, or the password.
  struct TLogin {
    long AuthTypes;
    std::string KeyFile, PublicKeyFile;
  };
  std::vector<TLogin> Logins;
  size_t LoginIndex = 0;
  bool Connected = false;

  // What the key callback saw on the last connection.
  THostKeyVerdict Verdict = THostKeyVerdict::Known;
  bool KeyRejected = false;
  std::string Fingerprint;
  std::optional<TMessage> KeyProblem;  // a known_hosts line that could not be appended
  std::string Pinned;                  // the fingerprint of the key that passed, without "SHA256:"
  bool FtpDeletesBeforeRename = false;

  std::string BaseAddress() const {
    std::string Scheme = Target.Protocol == TUploadProtocol::Sftp             ? "sftp"
                         : Target.Protocol == TUploadProtocol::FtpImplicitTls ? "ftps"
                                                                              : "ftp";
    return Scheme + "://" + Target.HostInAddress() + ":" + std::to_string(Target.Port);
  }
  std::string FolderAddress() const { return BaseAddress() + PercentEncode(Target.Folder, "/"); }
  std::string FileAddress(const std::string& Name) const {
    return FolderAddress() + PercentEncode(Name, "/");
  }

  // A file's path in a command: SFTP takes it from the root, or from the
  // login folder for "/~/..."; FTP runs the commands in the folder itself,
  // after the request has gone there.
  std::string CommandPath(const std::string& Name) const {
    if (Target.Protocol != TUploadProtocol::Sftp) return Name;
    std::string Folder = Target.Folder;
    if (Folder.starts_with("/~/")) Folder = Folder.substr(3);
    return "\"" + Folder + Name + "\"";
  }

  static int KeyCallback(CURL*, const curl_khkey*, const curl_khkey* Found, curl_khmatch, void* Self) {
    auto& S = *static_cast<TState*>(Self);
    TKeyBlob Key = Found->len ? TKeyBlob(Found->key, Found->len) : TKeyBlob();
    if (Found->len == 0 && !Base64Decode(Found->key, Key)) return CURLKHSTAT_REJECT;
    S.Fingerprint = KeyFingerprint(Key);
    S.Verdict = TKnownHosts::Load(S.Options.KnownHostsFile).Check(S.Target.Host, S.Target.Port, Key);
    S.KeyRejected = true;
    if (S.Verdict == THostKeyVerdict::Unknown && !S.Options.AcceptedHostKey.empty() &&
        S.Options.AcceptedHostKey == S.Fingerprint) {
      try {
        AppendKnownHost(S.Options.KnownHostsFile, S.Target.Host, S.Target.Port, Key);
      } catch (const EQuillbayError& Error) {
        S.KeyProblem = Error.Message();  // the key passes for this upload all the same
      }
      S.Verdict = THostKeyVerdict::Known;
    }
    if (S.Verdict != THostKeyVerdict::Known) return CURLKHSTAT_REJECT;
    S.KeyRejected = false;
    return CURLKHSTAT_FINE;
  }

  void SetCommonOptions() {
    curl_easy_reset(Easy);
    curl_easy_setopt(Easy, CURLOPT_ERRORBUFFER, ErrorText);
    curl_easy_setopt(Easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(Easy, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(Easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, 60L);
    curl_easy_setopt(Easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(Easy, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(Easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(Easy, CURLOPT_USERNAME, Target.User.c_str());
    const char* Protocols = Target.Protocol == TUploadProtocol::Sftp             ? "sftp"
                            : Target.Protocol == TUploadProtocol::FtpImplicitTls ? "ftps"
                                                                                 : "ftp";
    curl_easy_setopt(Easy, CURLOPT_PROTOCOLS_STR, Protocols);
    curl_easy_setopt(Easy, CURLOPT_REDIR_PROTOCOLS_STR, Protocols);
    if (Target.Protocol == TUploadProtocol::Sftp) {
      const TLogin& Login = Logins[LoginIndex];
      curl_easy_setopt(Easy, CURLOPT_SSH_AUTH_TYPES, Login.AuthTypes);
      if (!Login.KeyFile.empty()) {
        curl_easy_setopt(Easy, CURLOPT_SSH_PRIVATE_KEYFILE, Login.KeyFile.c_str());
        curl_easy_setopt(Easy, CURLOPT_SSH_PUBLIC_KEYFILE, Login.PublicKeyFile.c_str());
      }
      if (Login.AuthTypes & CURLSSH_AUTH_PASSWORD)
        curl_easy_setopt(Easy, CURLOPT_PASSWORD, Options.Password.c_str());
      if (!Pinned.empty()) {
        curl_easy_setopt(Easy, CURLOPT_SSH_HOST_PUBLIC_KEY_SHA256, Pinned.c_str());
      } else {
        curl_easy_setopt(Easy, CURLOPT_SSH_KNOWNHOSTS, Options.KnownHostsFile.c_str());
        curl_easy_setopt(Easy, CURLOPT_SSH_KEYFUNCTION, &TState::KeyCallback);
        curl_easy_setopt(Easy, CURLOPT_SSH_KEYDATA, this);
      }
      return;
    }
    curl_easy_setopt(Easy, CURLOPT_PASSWORD, Options.Password.c_str());
    bool Plain = Target.PlainFtpAsked && Options.InsecureFtp;
    curl_easy_setopt(Easy, CURLOPT_USE_SSL, Plain ? CURLUSESSL_TRY : CURLUSESSL_ALL);
    curl_easy_setopt(Easy, CURLOPT_FTPSSLAUTH, static_cast<long>(CURLFTPAUTH_TLS));
    curl_easy_setopt(Easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(Easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!Options.CaFile.empty()) curl_easy_setopt(Easy, CURLOPT_CAINFO, Options.CaFile.c_str());
    curl_easy_setopt(Easy, CURLOPT_FTP_USE_EPSV, 1L);
  }

  [[noreturn]] void Fail(CURLcode Code, const TStep& What) {
    std::string Detail = ErrorText[0] ? ErrorText : curl_easy_strerror(Code);
    if (Target.Protocol == TUploadProtocol::Sftp && KeyRejected) {
      std::string Host = KnownHostName(Target.Host, Target.Port);
      if (Verdict == THostKeyVerdict::Unknown)
        throw EUploadError(TUploadFailure::HostKey, {TMessageId::HostKeyUnknown, {Host, Fingerprint}},
                           Fingerprint);
      if (Verdict == THostKeyVerdict::Revoked)
        throw EUploadError(TUploadFailure::HostKey, {TMessageId::HostKeyRevoked, {Host, Fingerprint}});
      throw EUploadError(TUploadFailure::HostKey,
                         {TMessageId::HostKeyChanged, {Host, Fingerprint, Options.KnownHostsFile}});
    }
    if (Code == CURLE_PEER_FAILED_VERIFICATION && Target.Protocol == TUploadProtocol::Sftp)
      throw EUploadError(TUploadFailure::HostKey, {TMessageId::HostKeyNotAccepted, {Target.Host, Detail}});
    if (IsCertificateFailure(Code))
      throw EUploadError(TUploadFailure::Certificate,
                         {TMessageId::CertificateNotTrusted, {Target.Host, Detail}});
    if (Code == CURLE_USE_SSL_FAILED)
      throw EUploadError(TUploadFailure::Certificate, {TMessageId::ServerOffersNoTls, {Target.Host}});
    if (Code == CURLE_LOGIN_DENIED)
      throw EUploadError(TUploadFailure::Login,
                         {TMessageId::LoginRefused, {Target.Host, Target.User, Detail}});
    std::vector<std::string> Args = What.Names;
    Args.push_back(Detail);
    if (IsTemporary(Code, Target.Protocol)) {
      Args.insert(Args.begin(), Target.Display());
      throw EUploadError(TUploadFailure::Network, {What.NetworkFailed, Args});
    }
    throw EUploadError(TUploadFailure::Remote, {What.ServerRefused, Args});
  }

  // Runs one request, configured by Setup, with the retries; OkCodes are
  // codes that the caller handles as an answer rather than a failure.
  CURLcode Perform(const TStep& What, const std::function<void()>& Setup,
                   std::initializer_list<CURLcode> OkCodes = {}) {
    int Pause = Options.Retry.FirstPauseMs;
    for (int Attempt = 1;; ++Attempt) {
      SetCommonOptions();
      Setup();
      ErrorText[0] = 0;
      KeyRejected = false;
      CURLcode Code = curl_easy_perform(Easy);
      if (Code == CURLE_OK || std::find(OkCodes.begin(), OkCodes.end(), Code) != OkCodes.end()) {
        if (Target.Protocol == TUploadProtocol::Sftp && Pinned.empty() && !Fingerprint.empty())
          Pinned = Fingerprint.substr(7);
        return Code;
      }
      if (!IsTemporary(Code, Target.Protocol) || Attempt >= Options.Retry.Attempts || KeyRejected)
        Fail(Code, What);
      if (Options.Retry.Sleep)
        Options.Retry.Sleep(Pause);
      else
        std::this_thread::sleep_for(std::chrono::milliseconds(Pause));
      Pause *= 2;
    }
  }

  // Sends LocalFile under Name, then runs After's commands, if any.
  void Upload(const std::string& Name, const std::string& LocalFile, const TByteProgress& Progress,
              curl_slist* After) {
    int Fd = open(LocalFile.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat Info {};
    if (Fd < 0 || fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode)) {
      if (Fd >= 0) close(Fd);
      throw EQuillbayError(TMessageId::CannotOpenFile, {LocalFile});
    }
    struct TCloser {
      int Fd;
      ~TCloser() { close(Fd); }
    } Closer{Fd};
    Perform(FileStep(Name), [&] {
      lseek(Fd, 0, SEEK_SET);
      curl_easy_setopt(Easy, CURLOPT_URL, FileAddress(Name).c_str());
      curl_easy_setopt(Easy, CURLOPT_UPLOAD, 1L);
      curl_easy_setopt(Easy, CURLOPT_READFUNCTION, &ReadFromFd);
      curl_easy_setopt(Easy, CURLOPT_READDATA, &Closer.Fd);
      curl_easy_setopt(Easy, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(Info.st_size));
      curl_easy_setopt(Easy, CURLOPT_FTP_CREATE_MISSING_DIRS, static_cast<long>(CURLFTP_CREATE_DIR_RETRY));
      curl_easy_setopt(Easy, CURLOPT_NEW_FILE_PERMS, 0644L);
      curl_easy_setopt(Easy, CURLOPT_NOPROGRESS, 0L);
      curl_easy_setopt(Easy, CURLOPT_XFERINFOFUNCTION, &ReportUpload);
      curl_easy_setopt(Easy, CURLOPT_XFERINFODATA, &Progress);
      if (After) curl_easy_setopt(Easy, CURLOPT_POSTQUOTE, After);
    });
  }

  void Command(const TStep& What, std::initializer_list<std::string> Commands) {
    TSlist List(Commands);
    bool Sftp = Target.Protocol == TUploadProtocol::Sftp;
    Perform(What, [&] {
      curl_easy_setopt(Easy, CURLOPT_URL, Sftp ? BaseAddress().append("/").c_str() : FolderAddress().c_str());
      curl_easy_setopt(Easy, CURLOPT_NOBODY, 1L);
      curl_easy_setopt(Easy, Sftp ? CURLOPT_QUOTE : CURLOPT_POSTQUOTE, List.List);
    });
  }
};

TCurlRemote::TCurlRemote(TUploadTarget Target, TUploadOptions Options) : F(std::make_unique<TState>()) {
  InitCurlOnce();
  F->Target = std::move(Target);
  F->Options = std::move(Options);
  if (F->Options.SshFolder.empty()) F->Options.SshFolder = UserSshFolder();
  if (F->Options.KnownHostsFile.empty()) F->Options.KnownHostsFile = F->Options.SshFolder + "/known_hosts";
  F->Easy = curl_easy_init();
  if (!F->Easy) throw EQuillbayError(TMessageId::CannotStartNetworkLibrary);

  if (F->Target.Protocol != TUploadProtocol::Sftp) return;
  if (!F->Options.Password.empty()) {
    F->Logins.push_back({CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD, {}, {}});
    return;
  }
  for (const char* Name : {"id_ed25519", "id_ecdsa", "id_rsa"}) {
    std::string Key = F->Options.SshFolder + "/" + Name;
    if (access(Key.c_str(), R_OK) != 0) continue;
    std::string Public = Key + ".pub";
    F->Logins.push_back({CURLSSH_AUTH_PUBLICKEY, Key, access(Public.c_str(), R_OK) == 0 ? Public : ""});
  }
  if (std::getenv("SSH_AUTH_SOCK")) F->Logins.push_back({CURLSSH_AUTH_AGENT, {}, {}});
}

TCurlRemote::~TCurlRemote() { curl_easy_cleanup(F->Easy); }

std::string TCurlRemote::HostKeyFingerprint() const { return F->Fingerprint; }

const std::optional<TMessage>& TCurlRemote::KnownHostsProblem() const { return F->KeyProblem; }

void TCurlRemote::Connect() {
  if (F->Connected) return;
  if (F->Target.Protocol == TUploadProtocol::Sftp && F->Logins.empty())
    throw EUploadError(TUploadFailure::Login,
                       {TMessageId::NoKeyAgentOrPassword, {F->Options.SshFolder, F->Target.Host}});
  if (F->Target.Protocol != TUploadProtocol::Sftp && F->Options.Password.empty())
    throw EUploadError(TUploadFailure::Login, {TMessageId::NoPassword, {F->Target.Host}});
  for (F->LoginIndex = 0;; ++F->LoginIndex) {
    try {
      F->Perform(LoginStep(), [&] {
        curl_easy_setopt(F->Easy, CURLOPT_URL, F->BaseAddress().append("/").c_str());
        curl_easy_setopt(F->Easy, CURLOPT_NOBODY, 1L);
      });
      F->Connected = true;
      return;
    } catch (const EUploadError& Error) {
      bool MoreLogins = F->LoginIndex + 1 < F->Logins.size();
      if (Error.Kind() != TUploadFailure::Login || !MoreLogins) throw;
    }
  }
}

std::vector<std::string> TCurlRemote::List() {
  Connect();
  std::string Text;
  CURLcode Code = F->Perform(ListingStep(F->Target.Folder),
                             [&] {
                               Text.clear();
                               curl_easy_setopt(F->Easy, CURLOPT_URL, F->FolderAddress().c_str());
                               curl_easy_setopt(F->Easy, CURLOPT_DIRLISTONLY, 1L);
                               curl_easy_setopt(F->Easy, CURLOPT_WRITEFUNCTION, &AppendToString);
                               curl_easy_setopt(F->Easy, CURLOPT_WRITEDATA, &Text);
                             },
                             {CURLE_REMOTE_FILE_NOT_FOUND, CURLE_REMOTE_ACCESS_DENIED});
  std::vector<std::string> Names;
  if (Code != CURLE_OK) return Names;  // the folder does not exist yet
  size_t Start = 0;
  while (Start < Text.size()) {
    size_t End = Text.find('\n', Start);
    if (End == std::string::npos) End = Text.size();
    std::string Name = Text.substr(Start, End - Start);
    if (!Name.empty() && Name.back() == '\r') Name.pop_back();
    if (Name.find('/') != std::string::npos)
      Name = Name.substr(Name.rfind('/') + 1);  // some servers give paths
    if (!Name.empty() && Name != "." && Name != "..") Names.push_back(Name);
    Start = End + 1;
  }
  return Names;
}

bool TCurlRemote::Read(const std::string& Name, std::string& Data) {
  Connect();
  CURLcode Code =
      F->Perform(FileStep(Name),
                 [&] {
                   Data.clear();
                   curl_easy_setopt(F->Easy, CURLOPT_URL, F->FileAddress(Name).c_str());
                   curl_easy_setopt(F->Easy, CURLOPT_WRITEFUNCTION, &AppendToString);
                   curl_easy_setopt(F->Easy, CURLOPT_WRITEDATA, &Data);
                 },
                 {CURLE_REMOTE_FILE_NOT_FOUND, CURLE_REMOTE_ACCESS_DENIED, CURLE_FTP_COULDNT_RETR_FILE});
  if (Code == CURLE_OK) return true;
  Data.clear();
  return false;
}

void TCurlRemote::Write(const std::string& Name, const std::string& LocalFile,
                        const TByteProgress& Progress) {
  Connect();
  F->Upload(Name, LocalFile, Progress, nullptr);
}

void TCurlRemote::Replace(const std::string& Name, const std::string& Temporary, const std::string& LocalFile,
                          const TByteProgress& Progress) {
  Connect();
  std::string Source = F->CommandPath(Temporary), Target = F->CommandPath(Name);
  if (F->Target.Protocol == TUploadProtocol::Sftp) {
    TSlist After{"*rm " + Target, "rename " + Source + " " + Target};
    F->Upload(Temporary, LocalFile, Progress, After.List);
    return;
  }
  if (F->FtpDeletesBeforeRename) {
    TSlist After{"*DELE " + Target, "RNFR " + Source, "RNTO " + Target};
    F->Upload(Temporary, LocalFile, Progress, After.List);
    return;
  }
  Write(Temporary, LocalFile, Progress);
  Rename(Temporary, Name);
}

void TCurlRemote::Rename(const std::string& From, const std::string& To) {
  Connect();
  const TStep What = RenamingStep(From, To);
  std::string Source = F->CommandPath(From), Target = F->CommandPath(To);
  if (F->Target.Protocol == TUploadProtocol::Sftp) {
    // OpenSSH's server renames only onto a free name: delete first (a
    // missing file is no failure, so that a retry after a break goes on).
    F->Command(What, {"*rm " + Target, "rename " + Source + " " + Target});
    return;
  }
  // FTP servers differ: most rename over a file, some refuse. Once one has
  // refused, it is asked to delete first for the rest of the upload (a
  // refused command also costs the connection and a new login).
  if (!F->FtpDeletesBeforeRename) {
    try {
      F->Command(What, {"RNFR " + Source, "RNTO " + Target});
      return;
    } catch (const EUploadError& Error) {
      if (Error.Kind() != TUploadFailure::Remote) throw;
      F->FtpDeletesBeforeRename = true;
    }
  }
  F->Command(What, {"*DELE " + Target, "RNFR " + Source, "RNTO " + Target});
}

void TCurlRemote::Remove(const std::string& Name) {
  Connect();
  std::string Path = F->CommandPath(Name);
  F->Command(RemovingStep(Name),
             {F->Target.Protocol == TUploadProtocol::Sftp ? "rm " + Path : "DELE " + Path});
}
