#include "site/SiteAddress.h"

#include "platform/Errors.h"
#include "text/Ascii.h"

namespace {
[[noreturn]] void Refuse(const std::string& Address, const char* Why) {
  throw EQuillbayError(TMessageId::SiteAddressNotUsable, {Address, Why});
}

bool IsHostChar(char C) {
  return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') || C == '-' || C == '.' ||
         C == ':' || C == '[' || C == ']';
}

// The address after its scheme: "//host[:port]/path".
size_t SchemeLength(const std::string& Address) {
  if (StartsWithNoCase(Address, 0, "https://")) return 8;
  if (StartsWithNoCase(Address, 0, "http://")) return 7;
  return 0;
}
}  // namespace

void CheckSiteAddress(const std::string& Address) {
  const size_t Scheme = SchemeLength(Address);
  if (Scheme == 0) Refuse(Address, "it must start with https:// or http://");
  for (char C : Address) {
    const auto U = static_cast<unsigned char>(C);
    if (U <= 0x20 || U == 0x7F || C == '"' || C == '\'' || C == '`' || C == '<' || C == '>' || C == '\\')
      Refuse(Address, "it must not hold blanks, quotes, angle brackets or backslashes");
    if (C == '?' || C == '#') Refuse(Address, "it must be the address of a folder, without ? or #");
  }
  const size_t PathAt = Address.find('/', Scheme);
  const std::string Host =
      Address.substr(Scheme, PathAt == std::string::npos ? std::string::npos : PathAt - Scheme);
  if (Host.find('@') != std::string::npos) Refuse(Address, "it must not hold a user name or password");
  if (Host.empty() || Host[0] == ':' || Host[0] == '.') Refuse(Address, "it names no host");
  for (char C : Host)
    if (!IsHostChar(C)) Refuse(Address, "its host name must be written in ASCII letters, digits, - and .");
}

TSubscribeLinks SubscribeLinks(const std::string& Address, const std::string& FeedName) {
  CheckSiteAddress(Address);
  std::string Folder = Address;
  if (Folder.back() != '/') Folder += '/';
  // Letters outside ASCII in the path travel as UTF-8 bytes, percent-encoded.
  std::string Path;
  for (char C : Folder)
    Path += static_cast<unsigned char>(C) >= 0x80 ? PercentEncode(std::string(1, C)) : std::string(1, C);
  TSubscribeLinks L;
  L.Https = Path + PercentEncode(FeedName);
  L.Webcal = "webcal://" + L.Https.substr(SchemeLength(L.Https));
  L.Google = "https://calendar.google.com/calendar/r?cid=" + PercentEncode(L.Webcal);
  L.Outlook = "https://outlook.live.com/calendar/0/addfromweb?url=" + PercentEncode(L.Https);
  return L;
}
