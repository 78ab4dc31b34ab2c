#include "net/KnownHosts.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "text/Ascii.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Glob matching of one pattern ("*" any run, "?" one character), without case.
bool GlobMatches(std::string_view Name, std::string_view Pattern) {
  size_t N = 0, P = 0, StarP = std::string_view::npos, StarN = 0;
  while (N < Name.size()) {
    if (P < Pattern.size() && (Pattern[P] == '?' || AsciiLower(Pattern[P]) == AsciiLower(Name[N]))) {
      ++N;
      ++P;
    } else if (P < Pattern.size() && Pattern[P] == '*') {
      StarP = P++;
      StarN = N;
    } else if (StarP != std::string_view::npos) {
      P = StarP + 1;
      N = ++StarN;
    } else {
      return false;
    }
  }
  while (P < Pattern.size() && Pattern[P] == '*') ++P;
  return P == Pattern.size();
}

// "|1|salt|hash": the SHA-1 HMAC of the name keyed with the salt.
bool HashedNameMatches(std::string_view Name, std::string_view Field) {
  std::string_view Rest = Field.substr(3);
  size_t Bar = Rest.find('|');
  if (Bar == std::string_view::npos) return false;
  std::string Salt, Hash;
  if (!Base64Decode(Rest.substr(0, Bar), Salt) || !Base64Decode(Rest.substr(Bar + 1), Hash)) return false;
  if (Salt.size() != 20 || Hash.size() != 20) return false;
  unsigned char Digest[EVP_MAX_MD_SIZE];
  unsigned int Length = 0;
  std::string LowerName = AsciiLower(Name);
  if (!HMAC(EVP_sha1(), Salt.data(), static_cast<int>(Salt.size()),
            reinterpret_cast<const unsigned char*>(LowerName.data()), LowerName.size(), Digest, &Length))
    return false;
  return Length == Hash.size() && std::equal(Hash.begin(), Hash.end(), reinterpret_cast<const char*>(Digest));
}

// The next blank-separated field of Line, advancing it.
std::string_view NextField(std::string_view& Line) {
  size_t Start = Line.find_first_not_of(" \t");
  if (Start == std::string_view::npos) {
    Line = {};
    return {};
  }
  size_t End = Line.find_first_of(" \t", Start);
  std::string_view Field =
      Line.substr(Start, End == std::string_view::npos ? Line.size() - Start : End - Start);
  Line = End == std::string_view::npos ? std::string_view() : Line.substr(End);
  return Field;
}

bool ParseLine(std::string_view Line, TKnownHostLine& Result) {
  std::string_view First = NextField(Line);
  if (First.empty() || First[0] == '#') return false;
  if (First[0] == '@') {
    if (First == "@revoked")
      Result.Marker = TKnownHostLine::TMarker::Revoked;
    else if (First == "@cert-authority")
      Result.Marker = TKnownHostLine::TMarker::CertAuthority;
    else
      return false;
    First = NextField(Line);
  }
  std::string_view Type = NextField(Line);
  std::string_view Key = NextField(Line);
  if (First.empty() || Type.empty() || Key.empty()) return false;
  Result.Patterns = std::string(First);
  Result.KeyType = std::string(Type);
  // The blob names its own type; a line whose two names differ is broken.
  return Base64Decode(Key, Result.Key) && KeyTypeOf(Result.Key) == Result.KeyType;
}

}  // namespace

std::string Base64Encode(std::string_view Data, bool Pad) {
  std::string Text;
  Text.reserve((Data.size() + 2) / 3 * 4);
  size_t I = 0;
  for (; I + 2 < Data.size(); I += 3) {
    uint32_t V = (uint8_t(Data[I]) << 16) | (uint8_t(Data[I + 1]) << 8) | uint8_t(Data[I + 2]);
    for (int Shift : {18, 12, 6, 0}) Text += kAlphabet[(V >> Shift) & 63];
  }
  size_t Left = Data.size() - I;
  if (Left > 0) {
    uint32_t V = uint8_t(Data[I]) << 16;
    if (Left == 2) V |= uint8_t(Data[I + 1]) << 8;
    Text += kAlphabet[(V >> 18) & 63];
    Text += kAlphabet[(V >> 12) & 63];
    if (Left == 2) Text += kAlphabet[(V >> 6) & 63];
    if (Pad) Text.append(3 - Left, '=');
  }
  return Text;
}

bool Base64Decode(std::string_view Text, std::string& Data) {
  Data.clear();
  while (!Text.empty() && Text.back() == '=') Text.remove_suffix(1);
  if (Text.size() % 4 == 1) return false;
  uint32_t Accumulator = 0;
  int Bits = 0;
  for (char C : Text) {
    const char* Found = C ? std::strchr(kAlphabet, C) : nullptr;
    if (!Found) return false;
    Accumulator = (Accumulator << 6) | static_cast<uint32_t>(Found - kAlphabet);
    Bits += 6;
    if (Bits >= 8) {
      Bits -= 8;
      Data += static_cast<char>((Accumulator >> Bits) & 0xFF);
    }
  }
  return true;
}

std::string KeyTypeOf(const TKeyBlob& Key) {
  if (Key.size() < 4) return {};
  uint32_t Length =
      (uint8_t(Key[0]) << 24) | (uint8_t(Key[1]) << 16) | (uint8_t(Key[2]) << 8) | uint8_t(Key[3]);
  if (Length == 0 || Length > 64 || Length > Key.size() - 4) return {};
  std::string Type = Key.substr(4, Length);
  for (char C : Type)
    if (static_cast<unsigned char>(C) <= ' ' || static_cast<unsigned char>(C) >= 127) return {};
  return Type;
}

std::string KeyFingerprint(const TKeyBlob& Key) {
  unsigned char Digest[EVP_MAX_MD_SIZE];
  unsigned int Length = 0;
  EVP_Digest(Key.data(), Key.size(), Digest, &Length, EVP_sha256(), nullptr);
  return "SHA256:" + Base64Encode(std::string_view(reinterpret_cast<const char*>(Digest), Length), false);
}

std::string KnownHostName(const std::string& Host, int Port) {
  std::string Name = AsciiLower(Host);
  return Port == 22 ? Name : "[" + Name + "]:" + std::to_string(Port);
}

bool HostMatchesPatterns(std::string_view Name, std::string_view Patterns) {
  if (Patterns.starts_with("|1|")) return HashedNameMatches(Name, Patterns);
  bool Matched = false;
  while (!Patterns.empty()) {
    size_t Comma = Patterns.find(',');
    std::string_view Pattern = Patterns.substr(0, Comma);
    Patterns = Comma == std::string_view::npos ? std::string_view() : Patterns.substr(Comma + 1);
    bool Negated = Pattern.starts_with('!');
    if (Negated) Pattern.remove_prefix(1);
    if (Pattern.empty() || !GlobMatches(Name, Pattern)) continue;
    if (Negated) return false;  // a negation wins over every other pattern
    Matched = true;
  }
  return Matched;
}

TKnownHosts TKnownHosts::Parse(std::string_view Text) {
  TKnownHosts Result;
  while (!Text.empty()) {
    size_t End = Text.find('\n');
    std::string_view Line = Text.substr(0, End);
    Text = End == std::string_view::npos ? std::string_view() : Text.substr(End + 1);
    if (!Line.empty() && Line.back() == '\r') Line.remove_suffix(1);
    TKnownHostLine Parsed;
    if (ParseLine(Line, Parsed)) Result.FLines.push_back(std::move(Parsed));
  }
  return Result;
}

TKnownHosts TKnownHosts::Load(const std::string& FileName) {
  std::string Text;
  TryReadFile(FileName, Text, 16 << 20);
  return Parse(Text);
}

THostKeyVerdict TKnownHosts::Check(const std::string& Host, int Port, const TKeyBlob& Key) const {
  std::string Name = KnownHostName(Host, Port);
  std::string Type = KeyTypeOf(Key);
  bool Known = false, OtherKey = false;
  for (const TKnownHostLine& Line : FLines) {
    if (Line.Marker == TKnownHostLine::TMarker::CertAuthority) continue;
    bool SameKey = Line.Key == Key;
    // A revoked line holds for the hosts its patterns name; the usual
    // "@revoked * ..." names them all.
    if (Line.Marker == TKnownHostLine::TMarker::Revoked) {
      if (SameKey && HostMatchesPatterns(Name, Line.Patterns)) return THostKeyVerdict::Revoked;
      continue;
    }
    if (Line.KeyType != Type || !HostMatchesPatterns(Name, Line.Patterns)) continue;
    if (SameKey)
      Known = true;
    else
      OtherKey = true;
  }
  if (Known) return THostKeyVerdict::Known;
  return OtherKey ? THostKeyVerdict::Changed : THostKeyVerdict::Unknown;
}

std::string HashedKnownHostLine(const std::string& Host, int Port, const TKeyBlob& Key) {
  unsigned char Salt[20];
  if (RAND_bytes(Salt, sizeof Salt) != 1) throw EQuillbayError(TMessageId::CannotMakeRandomSalt);
  std::string Name = KnownHostName(Host, Port);
  unsigned char Digest[EVP_MAX_MD_SIZE];
  unsigned int Length = 0;
  HMAC(EVP_sha1(), Salt, sizeof Salt, reinterpret_cast<const unsigned char*>(Name.data()), Name.size(),
       Digest, &Length);
  return "|1|" + Base64Encode(std::string_view(reinterpret_cast<const char*>(Salt), sizeof Salt)) + "|" +
         Base64Encode(std::string_view(reinterpret_cast<const char*>(Digest), Length)) + " " +
         KeyTypeOf(Key) + " " + Base64Encode(Key);
}

std::string UserSshFolder() {
  const char* Home = std::getenv("HOME");
  return std::string(Home ? Home : "") + "/.ssh";
}

std::string UserKnownHostsFile() { return UserSshFolder() + "/known_hosts"; }

void AppendKnownHost(const std::string& FileName, const std::string& Host, int Port, const TKeyBlob& Key) {
  std::string Line = HashedKnownHostLine(Host, Port, Key) + "\n";
  size_t Slash = FileName.rfind('/');
  if (Slash != std::string::npos && Slash > 0) mkdir(FileName.substr(0, Slash).c_str(), 0700);
  int Fd = open(FileName.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (Fd < 0) throw EQuillbayError(TMessageId::CannotCreateFile, {FileName});
  // A file whose last line has no end gets one first, so that the new line
  // stays a line of its own.
  struct stat Info {};
  if (fstat(Fd, &Info) == 0 && Info.st_size > 0) {
    char Last = '\n';
    if (pread(Fd, &Last, 1, Info.st_size - 1) == 1 && Last != '\n') Line.insert(Line.begin(), '\n');
  }
  bool Written = write(Fd, Line.data(), Line.size()) == static_cast<ssize_t>(Line.size()) && fsync(Fd) == 0;
  close(Fd);
  if (!Written) throw EQuillbayError(TMessageId::CannotCreateFile, {FileName});
}

namespace {

constexpr size_t kNone = std::string_view::npos;

// Line without Name: a hashed line for it gives nothing, a plain pattern list
// loses that name; Removed counts the names taken out. An empty result means
// the line goes.
std::string LineWithoutHost(std::string_view Line, const std::string& Name, int& Removed) {
  std::string_view Rest = Line;
  std::string_view First = NextField(Rest);
  if (First.empty() || First[0] == '#' || First[0] == '@') return std::string(Line);
  if (First.starts_with("|1|")) {
    if (!HashedNameMatches(Name, First)) return std::string(Line);
    ++Removed;
    return {};
  }
  std::string Kept;
  int Dropped = 0;
  std::string_view Patterns = First;
  while (true) {
    size_t Comma = Patterns.find(',');
    std::string_view Pattern = Patterns.substr(0, Comma);
    if (AsciiLower(Pattern) == Name) {
      ++Dropped;
    } else {
      if (!Kept.empty()) Kept += ',';
      Kept += Pattern;
    }
    if (Comma == kNone) break;
    Patterns.remove_prefix(Comma + 1);
  }
  if (Dropped == 0) return std::string(Line);
  Removed += Dropped;
  if (Kept.empty()) return {};
  const size_t Start = static_cast<size_t>(First.data() - Line.data());
  return std::string(Line.substr(0, Start)) + Kept + std::string(Line.substr(Start + First.size()));
}

}  // namespace

int RemoveKnownHost(const std::string& FileName, const std::string& Host, int Port) {
  std::string Text;
  const TReadStatus Status = TryReadFile(FileName, Text, 16 << 20);
  if (Status == TReadStatus::Missing) return 0;
  if (Status != TReadStatus::Read) throw EQuillbayError(TMessageId::CannotOpenFile, {FileName});
  const std::string Name = KnownHostName(Host, Port);
  std::string Result;
  int Removed = 0;
  std::string_view Rest = Text;
  while (!Rest.empty()) {
    const size_t End = Rest.find('\n');
    // The line with its own ending, so that kept lines stay byte for byte.
    const std::string_view Whole = Rest.substr(0, End == kNone ? Rest.size() : End + 1);
    Rest.remove_prefix(Whole.size());
    std::string_view Body = Whole;
    if (Body.ends_with('\n')) Body.remove_suffix(1);
    if (Body.ends_with('\r')) Body.remove_suffix(1);
    const int Before = Removed;
    const std::string Line = LineWithoutHost(Body, Name, Removed);
    if (Removed == Before) {
      Result += Whole;
    } else if (!Line.empty()) {
      Result += Line;
      Result += Whole.substr(Body.size());
    }
  }
  if (Removed > 0) WriteStringToFile(FileName, Result, TNewFileAccess::OwnerOnly);
  return Removed;
}
