#pragma once
// The SSH hosts the user trusts, read from an OpenSSH known_hosts file by our
// own reader: plain and hashed ("|1|salt|hash") host patterns, wildcards and
// negations, "[host]:port" for other ports than 22, and the "@revoked" and
// "@cert-authority" markers. It decides whether a key that a server shows is
// known, unknown, changed or revoked, and appends a key the user accepted as
// one hashed line. Only forgetting a host rewrites the file, whole and in one
// piece, with every line that does not name that host byte for byte as it
// was; otherwise lines it does not understand stay as they are, and an
// unreadable line only means that it vouches for nothing. Fingerprints are
// written as ssh-keygen prints them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A host's key in the SSH wire form (the base64-decoded second field of a
// known_hosts line), which starts with its own type name.
using TKeyBlob = std::string;

enum class THostKeyVerdict {
  Known,    // a line for the host holds this very key
  Unknown,  // no line for the host holds a key of this type
  Changed,  // a line for the host holds another key of this type
  Revoked,  // a "@revoked" line for the host holds this key
};

struct TKnownHostLine {
  enum class TMarker { None, Revoked, CertAuthority };
  TMarker Marker = TMarker::None;
  std::string Patterns;  // the first field: patterns or one hashed name
  std::string KeyType;   // "ssh-ed25519", "ecdsa-sha2-nistp256", ...
  TKeyBlob Key;
};

class TKnownHosts {
 public:
  // Lines that cannot be read (a bad base64 key, a missing field) are left
  // out; comments and blank lines too.
  static TKnownHosts Parse(std::string_view Text);
  // The file's lines; a missing file holds none.
  static TKnownHosts Load(const std::string& FileName);

  // What the file says about Key shown by Host on Port. Certificate
  // authorities vouch only for certificates, which this program does not
  // accept, so a host known only through one is Unknown.
  THostKeyVerdict Check(const std::string& Host, int Port, const TKeyBlob& Key) const;
  const std::vector<TKnownHostLine>& Lines() const { return FLines; }

 private:
  std::vector<TKnownHostLine> FLines;
};

// "SHA256:" and the unpadded base64 of the key's SHA-256, as ssh-keygen -l.
std::string KeyFingerprint(const TKeyBlob& Key);
// The type name at the start of a key blob; empty when the blob is malformed.
std::string KeyTypeOf(const TKeyBlob& Key);
// The name a known_hosts line gives to Host on Port: "host" for port 22,
// "[host]:port" otherwise.
std::string KnownHostName(const std::string& Host, int Port);
// True when the name matches a comma-separated pattern list of known_hosts,
// with "*" and "?" wildcards and "!" negations, or one hashed "|1|" name.
bool HostMatchesPatterns(std::string_view Name, std::string_view Patterns);
// A hashed line for Host, Port and Key ("|1|salt|hash type base64"), with a
// fresh random salt, without the newline.
std::string HashedKnownHostLine(const std::string& Host, int Port, const TKeyBlob& Key);
// The user's own SSH folder ($HOME/.ssh) and known_hosts file in it.
std::string UserSshFolder();
std::string UserKnownHostsFile();
// Appends that line to FileName, creating the file (mode 0600) and its
// folder (0700) when missing; an existing file is only appended to, never
// rewritten. Raises EQuillbayError when it cannot be written.
void AppendKnownHost(const std::string& FileName, const std::string& Host, int Port, const TKeyBlob& Key);

// Forgets Host on Port: drops the hashed lines for it, and its exact name
// from plain pattern lists (the line goes when no name is left). Wildcards,
// negations and "@revoked" or "@cert-authority" lines stay: they speak for
// other hosts too, and a revoked key must stay refused. The file is replaced
// whole (its permissions kept) only when something was removed. Returns how
// many names were removed; raises EQuillbayError when the file cannot be
// written.
int RemoveKnownHost(const std::string& FileName, const std::string& Host, int Port);

// Base64 without line breaks; Decode gives false on a character outside the
// alphabet or a bad length (padding optional).
std::string Base64Encode(std::string_view Data, bool Pad = true);
bool Base64Decode(std::string_view Text, std::string& Data);
