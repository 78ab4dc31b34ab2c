// Feeds arbitrary bytes to the known_hosts reader, as a file that anyone's
// tools may have written. Besides crashes, hangs and leaks it checks that
// every line the reader keeps writes back to a line that reads the same,
// that a key's type is the one its blob names, and that a hashed line made
// for the key is found again for its host and nothing else.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/KnownHosts.h"

namespace {
void Check(bool Condition) {
  if (!Condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  TKnownHosts Hosts = TKnownHosts::Parse(Text);
  std::string Name = Text.substr(0, std::min<size_t>(Text.find('\n'), 64));
  for (const TKnownHostLine& Line : Hosts.Lines()) {
    Check(KeyTypeOf(Line.Key) == Line.KeyType);
    std::string Back = Line.Patterns + " " + Line.KeyType + " " + Base64Encode(Line.Key);
    if (Line.Marker == TKnownHostLine::TMarker::Revoked) Back = "@revoked " + Back;
    if (Line.Marker == TKnownHostLine::TMarker::CertAuthority) Back = "@cert-authority " + Back;
    TKnownHosts Again = TKnownHosts::Parse(Back);
    Check(Again.Lines().size() == 1 && Again.Lines()[0].Key == Line.Key &&
          Again.Lines()[0].Patterns == Line.Patterns && Again.Lines()[0].Marker == Line.Marker);
    HostMatchesPatterns(Name, Line.Patterns);
    Hosts.Check(Name, 22, Line.Key);
  }
  if (!Hosts.Lines().empty()) {
    const TKeyBlob& Key = Hosts.Lines()[0].Key;
    TKnownHosts Hashed = TKnownHosts::Parse(HashedKnownHostLine("host.example", 2222, Key));
    Check(Hashed.Check("host.example", 2222, Key) == THostKeyVerdict::Known);
    Check(Hashed.Check("host.example", 22, Key) == THostKeyVerdict::Unknown);
  }
  return 0;
}
