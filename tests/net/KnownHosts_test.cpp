// The known_hosts reader, judged against OpenSSH's own tools: ssh-keygen
// prints the fingerprints, hashes lines (-H) and finds hosts (-F).
#include "net/KnownHosts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "tests/net/NetTestSupport.h"

namespace {

struct TKey {
  std::string Line;  // "type base64 comment"
  TKeyBlob Blob;
};

TKey MakeKey(const TTempFolder& Folder, const std::string& Name, const std::string& Type) {
  RunProgram({"ssh-keygen", "-q", "-t", Type, "-N", "", "-C", "test", "-f", Folder / Name});
  TKey Key;
  Key.Line = ReadFileBytes(Folder / (Name + ".pub"));
  std::string Base64 = Key.Line.substr(Key.Line.find(' ') + 1);
  Base64 = Base64.substr(0, Base64.find(' '));
  EXPECT_TRUE(Base64Decode(Base64, Key.Blob));
  return Key;
}

class KnownHostsTest : public ::testing::Test {
 protected:
  TTempFolder Folder;
};

TEST_F(KnownHostsTest, FingerprintsAreTheOnesSshKeygenPrints) {
  for (const char* Type : {"ed25519", "ecdsa", "rsa"}) {
    TKey Key = MakeKey(Folder, Type, Type);
    std::string Output;
    RunProgram({"ssh-keygen", "-l", "-f", Folder / (std::string(Type) + ".pub")}, &Output);
    EXPECT_NE(Output.find(KeyFingerprint(Key.Blob) + " "), std::string::npos) << Type << ": " << Output;
    EXPECT_EQ(KeyTypeOf(Key.Blob), Key.Line.substr(0, Key.Line.find(' ')));
  }
}

TEST_F(KnownHostsTest, LinesJudgeTheKeyAHostShows) {
  TKey A = MakeKey(Folder, "a", "ed25519"), B = MakeKey(Folder, "b", "ed25519");
  TKey Rsa = MakeKey(Folder, "rsa", "rsa");
  std::string KeyA = A.Line.substr(0, A.Line.rfind(' '));
  std::string BlobA = KeyA.substr(KeyA.find(' ') + 1);
  struct TCase {
    const char* Name;
    std::string Text;
    std::string Host;
    int Port;
    const TKeyBlob* Shown;
    THostKeyVerdict Verdict;
  };
  using V = THostKeyVerdict;
  const TCase Cases[] = {
      {"plain name", "example.org " + KeyA + "\n", "example.org", 22, &A.Blob, V::Known},
      {"another key of the same type", "example.org " + KeyA + "\n", "example.org", 22, &B.Blob, V::Changed},
      {"a key of another type only", "example.org " + KeyA + "\n", "example.org", 22, &Rsa.Blob, V::Unknown},
      {"names without case", "Example.ORG " + KeyA + "\n", "example.org", 22, &A.Blob, V::Known},
      {"other host", "other.org " + KeyA + "\n", "example.org", 22, &B.Blob, V::Unknown},
      {"list with a wildcard", "www.example.org,*.org " + KeyA + "\n", "example.org", 22, &A.Blob, V::Known},
      {"question mark", "exampl?.org " + KeyA + "\n", "example.org", 22, &A.Blob, V::Known},
      {"negation wins", "*.org,!example.org " + KeyA + "\n", "example.org", 22, &B.Blob, V::Unknown},
      {"port in brackets", "[example.org]:2222 " + KeyA + "\n", "example.org", 2222, &A.Blob, V::Known},
      {"port 22 line for port 2222", "example.org " + KeyA + "\n", "example.org", 2222, &B.Blob, V::Unknown},
      {"revoked for every host", "example.org " + KeyA + "\n@revoked * " + KeyA + "\n", "example.org", 22,
       &A.Blob, V::Revoked},
      {"certificate authority only", "@cert-authority *.org " + KeyA + "\n", "example.org", 22, &B.Blob,
       V::Unknown},
      {"unknown marker", "@trusted example.org " + KeyA + "\n", "example.org", 22, &A.Blob, V::Unknown},
      {"broken base64", "example.org ssh-ed25519 AAAA!!!\n", "example.org", 22, &A.Blob, V::Unknown},
      {"type that is not the key's", "example.org ssh-rsa " + BlobA + "\n", "example.org", 22, &B.Blob,
       V::Unknown},
      {"comment, blank and short lines", "# example.org " + KeyA + "\n\n   \nexample.org\n", "example.org",
       22, &B.Blob, V::Unknown},
      {"Windows line ends, comment after the key", "example.org " + KeyA + " me@home\r\n", "example.org", 22,
       &A.Blob, V::Known},
  };
  for (const TCase& Case : Cases)
    EXPECT_EQ(TKnownHosts::Parse(Case.Text).Check(Case.Host, Case.Port, *Case.Shown), Case.Verdict)
        << Case.Name;
}

TEST_F(KnownHostsTest, LinesHashedBySshKeygenAreRead) {
  TKey A = MakeKey(Folder, "a", "ed25519"), B = MakeKey(Folder, "b", "ecdsa");
  std::string File = Folder / "known_hosts";
  WriteFileBytes(File, "example.org " + A.Line + "[example.org]:2222 " + B.Line);
  ASSERT_EQ(RunProgram({"ssh-keygen", "-H", "-f", File}), 0);
  TKnownHosts Hosts = TKnownHosts::Load(File);
  ASSERT_EQ(Hosts.Lines().size(), 2u);
  EXPECT_TRUE(Hosts.Lines()[0].Patterns.starts_with("|1|"));
  EXPECT_EQ(Hosts.Check("example.org", 22, A.Blob), THostKeyVerdict::Known);
  EXPECT_EQ(Hosts.Check("example.org", 2222, B.Blob), THostKeyVerdict::Known);
  EXPECT_EQ(Hosts.Check("example.net", 22, A.Blob), THostKeyVerdict::Unknown);
}

TEST_F(KnownHostsTest, AnAcceptedKeyIsAppendedAsALineOpenSshFinds) {
  TKey A = MakeKey(Folder, "a", "ed25519"), B = MakeKey(Folder, "b", "ed25519");
  std::string Existing = "other.org " + A.Line.substr(0, A.Line.size() - 1);  // no line end
  struct TCase {
    const char* Name;
    std::string File;
    std::string Before;  // empty: no file yet
  };
  const TCase Cases[] = {{"new file in a new folder", Folder / ".ssh/known_hosts", ""},
                         {"file without a last line end", Folder / "known_hosts", Existing}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    if (!Case.Before.empty()) WriteFileBytes(Case.File, Case.Before);
    AppendKnownHost(Case.File, "Example.org", 2222, B.Blob);
    std::string Text = ReadFileBytes(Case.File);
    EXPECT_TRUE(Text.starts_with(Case.Before + (Case.Before.empty() ? "" : "\n"))) << Text;
    std::string Found;
    EXPECT_EQ(RunProgram({"ssh-keygen", "-F", "[example.org]:2222", "-f", Case.File}, &Found), 0) << Found;
    EXPECT_EQ(TKnownHosts::Load(Case.File).Check("example.org", 2222, B.Blob), THostKeyVerdict::Known);
    EXPECT_EQ(Text.find("example.org"), std::string::npos) << "the host name is hashed";
    struct stat Info {};
    stat(Case.File.c_str(), &Info);
    if (Case.Before.empty()) {
      EXPECT_EQ(Info.st_mode & 0777, 0600u);
    }
  }
}

// Forgetting a host drops its own lines only; every other line, even one
// with a CR LF end or none at all, stays byte for byte, and the file keeps its
// mode with no temporary file left beside it.
TEST_F(KnownHostsTest, ForgettingAHostRemovesOnlyItsLinesForThatPort) {
  TKey A = MakeKey(Folder, "a", "ed25519"), B = MakeKey(Folder, "b", "ed25519");
  const std::string KeyA = A.Line.substr(0, A.Line.rfind(' '));
  const std::string KeyB = B.Line.substr(0, B.Line.rfind(' '));
  // A line for example.org hashed by OpenSSH itself.
  const std::string Hashing = Folder / "hashing";
  WriteFileBytes(Hashing, "example.org " + KeyB + "\n");
  ASSERT_EQ(RunProgram({"ssh-keygen", "-H", "-f", Hashing}), 0);
  const std::string Hashed = ReadFileBytes(Hashing);
  ASSERT_TRUE(Hashed.starts_with("|1|")) << Hashed;
  const std::string Kept[] = {
      "# my hosts\r\n",
      "[example.org]:2222 " + KeyA + "\n",
      "*.org " + KeyA + "\n",
      "@revoked example.org " + KeyB + "\n",
      "!example.org,*.org " + KeyB + "\n",
      "example.net " + KeyA + "\r\n",
  };
  const std::string Original = Kept[0] + "example.org " + KeyA + "\n" + Kept[1] + Hashed + Kept[2] +
                               "example.net,EXAMPLE.org " + KeyA + "\n" + Kept[3] + Kept[4] + Kept[5] +
                               "example.com " + KeyB;  // no line end
  const std::string File = Folder / "known_hosts";
  WriteFileBytes(File, Original);
  chmod(File.c_str(), 0644);
  EXPECT_EQ(RemoveKnownHost(File, "Example.org", 22), 3);
  EXPECT_EQ(ReadFileBytes(File), Kept[0] + Kept[1] + Kept[2] + "example.net " + KeyA + "\n" + Kept[3] +
                                     Kept[4] + Kept[5] + "example.com " + KeyB);
  std::string Found;
  EXPECT_EQ(RunProgram({"ssh-keygen", "-F", "[example.org]:2222", "-f", File}, &Found), 0) << Found;
  struct stat Info {};
  stat(File.c_str(), &Info);
  EXPECT_EQ(Info.st_mode & 0777, 0644u);

  const std::string Before = ReadFileBytes(File);
  EXPECT_EQ(RemoveKnownHost(File, "example.org", 22), 0) << "nothing left for port 22";
  EXPECT_EQ(RemoveKnownHost(File, "unknown.example", 2222), 0);
  EXPECT_EQ(ReadFileBytes(File), Before);
  EXPECT_EQ(RemoveKnownHost(File, "example.org", 2222), 1);
  EXPECT_EQ(ReadFileBytes(File), Kept[0] + Kept[2] + "example.net " + KeyA + "\n" + Kept[3] + Kept[4] +
                                     Kept[5] + "example.com " + KeyB);
  EXPECT_EQ(RemoveKnownHost(Folder / "missing", "example.org", 22), 0);
  EXPECT_FALSE(std::filesystem::exists(Folder / "missing"));
  const std::vector<std::string> Names = {"a",       "a.pub",       "b",          "b.pub",
                                          "hashing", "hashing.old", "known_hosts"};
  std::vector<std::string> Present;
  for (const auto& Entry : std::filesystem::directory_iterator(Folder.Path()))
    Present.push_back(Entry.path().filename());
  std::sort(Present.begin(), Present.end());
  EXPECT_EQ(Present, Names) << "no temporary file left";
}

}  // namespace
