#include "net/UploadTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/Errors.h"
#include "text/Ascii.h"

namespace {

[[noreturn]] void Refuse(const std::string& Address, TMessageId Reason) {
  throw EQuillbayError(Reason, {Address});
}

bool PercentDecode(std::string_view Text, std::string& Result) {
  Result.clear();
  for (size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] != '%') {
      Result += Text[I];
      continue;
    }
    if (I + 2 >= Text.size() || !std::isxdigit(static_cast<unsigned char>(Text[I + 1])) ||
        !std::isxdigit(static_cast<unsigned char>(Text[I + 2])))
      return false;
    Result += static_cast<char>(std::stoi(std::string(Text.substr(I + 1, 2)), nullptr, 16));
    I += 2;
  }
  return true;
}

bool HasUnsafeCharacter(const std::string& Text) {
  return std::any_of(Text.begin(), Text.end(), [](char C) {
    auto U = static_cast<unsigned char>(C);
    return U < 32 || U == 127 || C == '"' || C == '\'' || C == '\\';
  });
}

std::string Trimmed(const std::string& Text) {
  const size_t First = Text.find_first_not_of(" \t");
  if (First == std::string::npos) return {};
  return Text.substr(First, Text.find_last_not_of(" \t") - First + 1);
}

// "scheme://user@host:port/folder/", the user and the folder percent-encoded
// where they need it when Encoded.
std::string AddressOf(const TUploadTarget& Target, bool Encoded) {
  const char* Scheme = Target.Protocol == TUploadProtocol::Sftp ? "sftp"
                       : Target.PlainFtpAsked                   ? "ftp"
                                                                : "ftps";
  return std::string(Scheme) + "://" + (Encoded ? PercentEncode(Target.User) : Target.User) + "@" +
         Target.HostInAddress() + ":" + std::to_string(Target.Port) +
         (Encoded ? PercentEncode(Target.Folder, "/") : Target.Folder);
}

}  // namespace

std::string UploadAddressText(const TUploadTarget& Target) { return AddressOf(Target, true); }

TUploadTarget UploadTargetOf(TUploadScheme Scheme, const std::string& Server, const std::string& User,
                             const std::string& Folder) {
  const std::string Host = Trimmed(Server);
  // A user or a password belongs in its own field; the message leaves it out.
  if (const size_t At = Host.rfind('@'); At != std::string::npos)
    Refuse(Host.substr(At + 1), TMessageId::UploadAddressServerHoldsUser);
  if (Host.find_first_of("/?# \t") != std::string::npos) Refuse(Host, TMessageId::UploadAddressHostNotValid);
  std::string Path = Trimmed(Folder);
  // SFTP starts at the root, FTP at the login folder.
  if (Scheme == TUploadScheme::Sftp) {
    if (Path == "~" || Path.starts_with("~/"))
      Path = "/" + Path;
    else if (!Path.starts_with('/'))
      Path = "/~/" + Path;
  } else if (!Path.starts_with('/')) {
    Path = "/" + Path;
  }
  const char* Prefix = Scheme == TUploadScheme::Sftp   ? "sftp://"
                       : Scheme == TUploadScheme::Ftps ? "ftps://"
                                                       : "ftp://";
  return ParseUploadAddress(Prefix + PercentEncode(Trimmed(User)) + "@" + Host + PercentEncode(Path, "/"));
}

std::string TUploadTarget::Display() const { return AddressOf(*this, false); }

std::string TUploadTarget::HostInAddress() const {
  return Host.find(':') != std::string::npos ? "[" + Host + "]" : Host;
}

TUploadTarget ParseUploadAddress(const std::string& Address) {
  TUploadTarget Target;
  // Messages show the address without its user part, where a password
  // might be, until the user part has been checked.
  size_t SchemeEnd = Address.find("://");
  std::string Shown = Address;
  if (SchemeEnd != std::string::npos) {
    size_t AuthorityEnd = std::min(Address.find('/', SchemeEnd + 3), Address.size());
    size_t At = Address.rfind('@', AuthorityEnd);
    if (At != std::string::npos && At > SchemeEnd) Shown.erase(SchemeEnd + 3, At + 1 - (SchemeEnd + 3));
  } else {
    Shown = Address.substr(Address.rfind('@') == std::string::npos ? 0 : Address.rfind('@') + 1);
  }
  if (SchemeEnd == std::string::npos) Refuse(Shown, TMessageId::UploadAddressNoProtocol);
  std::string Scheme = Address.substr(0, SchemeEnd);
  std::transform(Scheme.begin(), Scheme.end(), Scheme.begin(),
                 [](unsigned char C) { return std::tolower(C); });
  std::string_view Rest = std::string_view(Address).substr(SchemeEnd + 3);
  size_t PathStart = Rest.find('/');
  std::string_view Authority = Rest.substr(0, PathStart);
  std::string_view Path = PathStart == std::string_view::npos ? "/" : Rest.substr(PathStart);
  if (Path.find_first_of("?#") != std::string_view::npos) Refuse(Shown, TMessageId::UploadAddressHasQuery);

  size_t At = Authority.rfind('@');
  if (At == std::string_view::npos) Refuse(Shown, TMessageId::UploadAddressNoUser);
  std::string_view UserInfo = Authority.substr(0, At);
  if (UserInfo.find(':') != std::string_view::npos) Refuse(Shown, TMessageId::UploadAddressHasPassword);
  if (!PercentDecode(UserInfo, Target.User) || Target.User.empty() || HasUnsafeCharacter(Target.User))
    Refuse(Shown, TMessageId::UploadAddressUserNotValid);
  Shown = Address;

  std::string_view HostPort = Authority.substr(At + 1);
  std::string_view PortText;
  if (HostPort.starts_with('[')) {
    size_t Close = HostPort.find(']');
    if (Close == std::string_view::npos) Refuse(Shown, TMessageId::UploadAddressHostNotValid);
    Target.Host = std::string(HostPort.substr(1, Close - 1));
    std::string_view After = HostPort.substr(Close + 1);
    if (!After.empty() && !After.starts_with(':')) Refuse(Shown, TMessageId::UploadAddressHostNotValid);
    if (!After.empty()) PortText = After.substr(1);
  } else {
    size_t Colon = HostPort.find(':');
    Target.Host = std::string(HostPort.substr(0, Colon));
    if (Colon != std::string_view::npos) PortText = HostPort.substr(Colon + 1);
  }
  bool HostOk = !Target.Host.empty() && std::all_of(Target.Host.begin(), Target.Host.end(), [](char C) {
    return std::isalnum(static_cast<unsigned char>(C)) || C == '.' || C == '-' || C == ':' || C == '_';
  });
  if (!HostOk) Refuse(Shown, TMessageId::UploadAddressHostNotValid);

  if (Scheme == "sftp") {
    Target.Protocol = TUploadProtocol::Sftp;
    Target.Port = 22;
  } else if (Scheme == "ftps" || Scheme == "ftp") {
    Target.Protocol = TUploadProtocol::FtpExplicitTls;
    Target.PlainFtpAsked = Scheme == "ftp";
    Target.Port = 21;
  } else {
    Refuse(Shown, TMessageId::UploadAddressNoProtocol);
  }
  if (!PortText.empty()) {
    if (PortText.size() > 5 || !std::all_of(PortText.begin(), PortText.end(), ::isdigit))
      Refuse(Shown, TMessageId::UploadAddressPortNotValid);
    Target.Port = std::stoi(std::string(PortText));
    if (Target.Port < 1 || Target.Port > 65535) Refuse(Shown, TMessageId::UploadAddressPortNotValid);
  }
  if (Scheme == "ftps" && Target.Port == 990) Target.Protocol = TUploadProtocol::FtpImplicitTls;

  if (!PercentDecode(Path, Target.Folder) || HasUnsafeCharacter(Target.Folder))
    Refuse(Shown, TMessageId::UploadAddressFolderNotValid);
  if (!Target.Folder.ends_with('/')) Target.Folder += '/';
  for (size_t Start = 0; Start < Target.Folder.size();) {
    size_t End = Target.Folder.find('/', Start);
    if (Target.Folder.compare(Start, End - Start, "..") == 0 ||
        Target.Folder.compare(Start, End - Start, ".") == 0)
      Refuse(Shown, TMessageId::UploadAddressFolderHasDots);
    Start = End + 1;
  }
  return Target;
}

std::string ReadPasswordFile(const std::string& FileName) {
  int Fd = open(FileName.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (Fd < 0) throw EQuillbayError(TMessageId::CannotOpenFile, {FileName});
  struct stat Info {};
  std::optional<TMessageId> Problem;
  if (fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode))
    Problem = TMessageId::PasswordFileNotRegular;
  else if (Info.st_uid != geteuid())
    Problem = TMessageId::PasswordFileNotYours;
  else if ((Info.st_mode & 077) != 0)
    Problem = TMessageId::PasswordFileOpenToOthers;
  std::string Data;
  if (!Problem) {
    char Buffer[4096];
    ssize_t Got = 0;
    while (Data.size() < 65536 && (Got = read(Fd, Buffer, sizeof Buffer)) > 0) Data.append(Buffer, Got);
    if (Got < 0) Problem = TMessageId::PasswordFileUnreadable;
  }
  close(Fd);
  if (Problem) throw EQuillbayError(*Problem, {FileName});
  Data = Data.substr(0, Data.find('\n'));
  if (!Data.empty() && Data.back() == '\r') Data.pop_back();
  return Data;
}
