// Uploads to a real OpenSSH server, started for these tests on 127.0.0.1 and
// confined to a folder of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "net/KnownHosts.h"
#include "net/UploadCommand.h"
#include "tests/net/UploadSteps.h"

namespace {

class SftpUploadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Server = new TSshServer(); }
  static void TearDownTestSuite() {
    delete Server;
    Server = nullptr;
  }
  // Options whose known_hosts holds the server's key (for its own port).
  TUploadOptions Options() const {
    TUploadOptions Result;
    Result.SshFolder = Server->ClientSshFolder();
    Result.KnownHostsFile = Hosts / "known_hosts";
    Result.Retry = QuickRetries();
    return Result;
  }
  void TrustServer() const {
    std::string Public = ReadFileBytes(Server->HostKeyFile() + ".pub");
    WriteFileBytes(Hosts / "known_hosts", "[127.0.0.1]:" + std::to_string(Server->Port()) + " " + Public);
  }
  static std::string Remote(const std::string& Folder) { return Server->Root() + "/" + Folder; }
  static std::string ServerFingerprint() {
    std::string Output;
    RunProgram({"ssh-keygen", "-l", "-f", Server->HostKeyFile() + ".pub"}, &Output);
    return Output.substr(Output.find("SHA256:"),
                         Output.find(' ', Output.find("SHA256:")) - Output.find("SHA256:"));
  }
  static TSshServer* Server;
  TTempFolder Hosts;
};

TSshServer* SftpUploadTest::Server = nullptr;

TEST_F(SftpUploadTest, StepsSendOnlyWhatChangedAndLeaveOtherFilesAlone) {
  TrustServer();
  mkdir(Remote("steps").c_str(), 0755);
  std::map<std::string, std::string> Foreign = {{"notes.txt", "the treasurer's notes\n"},
                                                {"12_2026.html.bak", "an old copy kept by hand\n"}};
  for (const auto& [Name, Data] : Foreign) WriteFileBytes(Remote("steps") + "/" + Name, Data);
  ExpectStepsSendOnlyWhatChanged(Server->Address("steps"), Remote("steps"), Options(), Foreign);
}

TEST_F(SftpUploadTest, AFileQuillbayDidNotWriteInTheWayStopsTheUpload) {
  TrustServer();
  mkdir(Remote("taken").c_str(), 0755);
  WriteFileBytes(Remote("taken") + "/index.html", "someone else's home page\n");
  TTestSite Site(2);
  Site.Write();
  try {
    UploadSite(Server->Address("taken"), Site, Options());
    FAIL() << "the upload went on";
  } catch (const EUploadError& Error) {
    EXPECT_EQ(Error.Kind(), TUploadFailure::Foreign) << Error.what();
    EXPECT_EQ(UploadExitCode(Error.Kind()), 3);
  }
  EXPECT_EQ(ReadFolder(Remote("taken")),
            (std::map<std::string, std::string>{{"index.html", "someone else's home page\n"}}));
}

TEST_F(SftpUploadTest, UnknownHostIsAskedChangedKeyRefused) {
  struct TCase {
    const char* Name;
    bool KnowOtherKey;  // known_hosts holds another key for the server
    bool Accept;        // the user accepted the fingerprint shown
    bool Passes;
    const char* Message;
  };
  const TCase Cases[] = {
      {"unknown host", false, false, false, "is not known"},
      {"unknown host, fingerprint accepted", false, true, true, ""},
      {"changed key", true, false, false, "has changed"},
      {"changed key, its new fingerprint given: never overridden", true, true, false, "has changed"},
  };
  TTestSite Site(1);
  Site.Write();
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    std::string KnownHosts = Hosts / "known_hosts";
    unlink(KnownHosts.c_str());
    if (Case.KnowOtherKey) {
      TTempFolder Other;
      RunProgram({"ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f", Other / "key"});
      WriteFileBytes(KnownHosts, "[127.0.0.1]:" + std::to_string(Server->Port()) + " " +
                                     ReadFileBytes(Other / "key.pub"));
    }
    TUploadOptions Options = this->Options();
    if (Case.Accept) Options.AcceptedHostKey = ServerFingerprint();
    std::string Before = ReadFileBytes(KnownHosts);
    try {
      UploadSite(Server->Address(std::string("hostkey") + (Case.Accept ? "-accepted" : "")), Site, Options);
      EXPECT_TRUE(Case.Passes);
    } catch (const EUploadError& Error) {
      EXPECT_FALSE(Case.Passes) << Error.what();
      EXPECT_EQ(Error.Kind(), TUploadFailure::HostKey) << Error.what();
      EXPECT_NE(std::string(Error.what()).find(Case.Message), std::string::npos) << Error.what();
      EXPECT_NE(std::string(Error.what()).find(ServerFingerprint()), std::string::npos) << Error.what();
      EXPECT_EQ(ReadFileBytes(KnownHosts), Before) << "a refused key changed known_hosts";
    }
    if (Case.Passes) {
      // The accepted key was appended, hashed, and OpenSSH finds it there;
      // the next upload passes without asking.
      std::string Found;
      EXPECT_EQ(
          RunProgram({"ssh-keygen", "-F", "[127.0.0.1]:" + std::to_string(Server->Port()), "-f", KnownHosts},
                     &Found),
          0);
      EXPECT_NE(Found.find("|1|"), std::string::npos) << Found;
      Options.AcceptedHostKey.clear();
      EXPECT_NO_THROW(UploadSite(Server->Address("hostkey-accepted"), Site, Options));
    }
  }
}

TEST_F(SftpUploadTest, ACutUploadLeavesEachFileOldOrNewAndTheNextOneCompletes) {
  const uint64_t CutPoints[] = {60000, 900000, 2200000};  // bytes from the client
  for (uint64_t CutAfter : CutPoints) {
    SCOPED_TRACE(CutAfter);
    TrustServer();
    std::string Folder = "cut-" + std::to_string(CutAfter);
    TTestSite Site(12, 200000);
    Site.Write();
    UploadSite(Server->Address(Folder), Site, Options());
    std::map<std::string, std::string> Old = Expected(Site, {});
    for (auto& [Name, Data] : Site.Files()) Data.replace(0, 15, "<!DOCTYPE HTML>");
    Site.Files()["13_2026.html"] = "a new page\n";
    Site.Files().erase("1_2026.html");
    Site.Write();
    std::map<std::string, std::string> New = Expected(Site, {});

    TCutProxy Proxy(Server->Port(), CutAfter);
    TUploadOptions Options = this->Options();
    Options.AcceptedHostKey = ServerFingerprint();
    try {
      UploadSite(Server->Address(Folder, Proxy.Port()), Site, Options);
      FAIL() << "the cut went unnoticed";
    } catch (const EUploadError& Error) {
      EXPECT_EQ(Error.Kind(), TUploadFailure::Network) << Error.what();
    }
    EXPECT_TRUE(Proxy.HasCut());
    for (const auto& [Name, Data] : ReadFolder(Remote(Folder))) {
      if (Name.ends_with(".quillbay-tmp") || Name == kSiteManifestTempName) continue;
      bool OldOrNew = (Old.count(Name) && Old[Name] == Data) || (New.count(Name) && New[Name] == Data);
      EXPECT_TRUE(OldOrNew) << Name << " is neither the old nor the new file";
    }
    TUploadRun Run = UploadSite(Server->Address(Folder), Site, this->Options());
    EXPECT_EQ(ReadFolder(Remote(Folder)), New);
  }
}

TEST_F(SftpUploadTest, CancelEndsAfterTheCurrentFileAndTheNextUploadCompletes) {
  TrustServer();
  TTestSite Site(6);
  Site.Write();
  std::atomic<bool> Cancel{false};
  TCurlRemote Connection(ParseUploadAddress(Server->Address("cancel")), Options());
  TSiteUpload Upload(Connection, Site.Folder(), Site.Entries(), ReadTestManifest);
  TUploadCallbacks Callbacks;
  Callbacks.Cancel = &Cancel;
  Callbacks.FileDone = [&](TUploadStep, const std::string&, uint64_t) { Cancel = true; };
  TUploadResult Result = Upload.Run(Upload.Plan(), Callbacks);
  EXPECT_TRUE(Result.Cancelled);
  EXPECT_EQ(Result.Sent, 1u);
  EXPECT_EQ(ReadFolder(Remote("cancel")).count("1_2026.html"), 1u);

  TUploadRun Run = UploadSite(Server->Address("cancel"), Site, Options());
  EXPECT_EQ(Run.Result.Sent, 7u);  // the file sent before Cancel is known from the manifest left behind
  EXPECT_EQ(Run.Result.Unchanged, 1u);
  EXPECT_EQ(ReadFolder(Remote("cancel")), Expected(Site, {}));
}

TEST_F(SftpUploadTest, AFolderUnderTheLoginFolderIsReachedByTilde) {
  TrustServer();
  TTestSite Site(2);
  Site.Write();
  // The server starts each session in Root(), as a host starts it in the
  // user's home.
  std::string Address =
      "sftp://" + CurrentUserName() + "@127.0.0.1:" + std::to_string(Server->Port()) + "/~/www/";
  UploadSite(Address, Site, Options());
  Site.Files()["index.html"] += "<!-- again -->\n";
  Site.Write();
  EXPECT_EQ(UploadSite(Address, Site, Options()).Result.Sent, 1u);
  EXPECT_EQ(ReadFolder(Remote("www")), Expected(Site, {}));
}

TEST_F(SftpUploadTest, TheToolsUploadStepPrintsLinesAndGivesExitCodes) {
  for (const char* Name : {"id_ed25519", "id_ed25519.pub"})
    WriteFileBytes(Hosts / Name, ReadFileBytes(Server->ClientSshFolder() + "/" + Name));
  chmod((Hosts / "id_ed25519").c_str(), 0600);
  WriteFileBytes(Hosts / "shared-password", "Sesame\n");
  chmod((Hosts / "shared-password").c_str(), 0644);
  TTestSite Site(1);
  Site.Write();
  struct TCase {
    const char* Name;
    bool Accept, DryRun, SharedPasswordFile;
    int ExitCode;
    std::string Out, Err;  // expected whole, or as a part for Err
  };
  const TCase Cases[] = {
      {"unknown host", false, false, false, 4, "", "--accept-host-key " + ServerFingerprint()},
      {"dry run", true, true, false, 0,
       "would send 1_2026.html (2000 bytes)\nwould send Chor Sankt Jürgen.ics (45 bytes)\n"
       "would send index.html (72 bytes)\nWould upload 3 files (2117 bytes), 0 unchanged, 0 removed\n",
       ""},
      {"first upload", true, false, false, 0,
       "sent 1_2026.html (2000 bytes)\nsent Chor Sankt Jürgen.ics (45 bytes)\nsent index.html (72 bytes)\n"
       "Uploaded 3 files, 0 unchanged, 0 removed\n",
       ""},
      {"known host now, nothing changed", false, false, false, 0,
       "Uploaded 0 files, 3 unchanged, 0 removed\n", ""},
      {"password file others may read", false, false, true, 1, "", "others may read or change it"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TUploadCommand Command;
    Command.Address = Server->Address("tool");
    Command.SiteFolder = Site.Folder();
    Command.SshFolder = Hosts.Path();
    Command.AcceptedHostKey = Case.Accept ? ServerFingerprint() : "";
    Command.DryRun = Case.DryRun;
    Command.Verbose = true;
    if (Case.SharedPasswordFile) Command.PasswordFile = Hosts / "shared-password";
    std::ostringstream Out, Err;
    EXPECT_EQ(RunUploadCommand(Command, Site.Entries(), ReadTestManifest, Out, Err), Case.ExitCode)
        << Err.str();
    EXPECT_EQ(Out.str(), Case.Out);
    EXPECT_NE(Err.str().find(Case.Err), std::string::npos) << Err.str();
    EXPECT_EQ(Err.str().find("Sesame"), std::string::npos);
    if (Case.DryRun) {
      EXPECT_TRUE(ReadFolder(Remote("tool")).empty());
    }
  }
  EXPECT_EQ(ReadFolder(Remote("tool")), Expected(Site, {}));
}

TEST_F(SftpUploadTest, KeysAreTriedInTheirOrderUntilOneLogsIn) {
  TrustServer();
  TTestSite Site(1);
  Site.Write();
  struct TCase {
    const char* Name;
    const char* Passphrase;  // of the first key, which the server does not know
  };
  const TCase Cases[] = {{"an unknown key first", ""}, {"a key locked by a passphrase first", "not given"}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TTempFolder Keys;
    RunProgram({"ssh-keygen", "-q", "-t", "ed25519", "-N", Case.Passphrase, "-f", Keys / "id_ed25519"});
    // The server's key for the test as the second in turn: ECDSA's name,
    // whatever its type.
    for (const char* Suffix : {"", ".pub"})
      WriteFileBytes(Keys / (std::string("id_ecdsa") + Suffix),
                     ReadFileBytes(Server->ClientSshFolder() + "/id_ed25519" + Suffix));
    chmod((Keys / "id_ecdsa").c_str(), 0600);
    TUploadOptions Options = this->Options();
    Options.SshFolder = Keys.Path();
    EXPECT_NO_THROW(UploadSite(Server->Address("keys"), Site, Options));
  }
}

TEST_F(SftpUploadTest, TheToolPublishesThenUploadsWithItsExitCodes) {
  TTempFolder Home;
  mkdir((Home / ".ssh").c_str(), 0700);
  for (const char* Name : {"id_ed25519", "id_ed25519.pub"})
    WriteFileBytes(Home / (std::string(".ssh/") + Name),
                   ReadFileBytes(Server->ClientSshFolder() + "/" + Name));
  chmod((Home / ".ssh/id_ed25519").c_str(), 0600);
  std::string Site = Home / "site";
  std::vector<std::string> Tool = {"env",
                                   "HOME=" + Home.Path(),
                                   "SSH_AUTH_SOCK=",
                                   QUILLBAY_EXPORT_TOOL,
                                   std::string(QUILLBAY_TEST_SOURCE_DIR) + "/examples/choir-2026.qby",
                                   "--site",
                                   Site,
                                   "--upload",
                                   Server->Address("published")};
  struct TCase {
    const char* Name;
    std::vector<std::string> More;
    int ExitCode;
    const char* Says;
  };
  const TCase Cases[] = {
      {"unknown host", {}, 4, "--accept-host-key SHA256:"},
      {"fingerprint accepted", {"--accept-host-key", ServerFingerprint()}, 0, "unchanged, 0 removed"},
      {"nothing changed", {}, 0, "Uploaded 0 files"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    std::vector<std::string> Args = Tool;
    Args.insert(Args.end(), Case.More.begin(), Case.More.end());
    std::string Output;
    EXPECT_EQ(RunProgram(Args, &Output), Case.ExitCode) << Output;
    EXPECT_NE(Output.find(Case.Says), std::string::npos) << Output;
  }
  EXPECT_EQ(ReadFolder(Remote("published")), ReadFolder(Site));
}

TEST_F(SftpUploadTest, WrongPasswordIsALoginFailure) {
  TrustServer();
  TUploadOptions Options = this->Options();
  Options.Password = "not-the-password";
  TTestSite Site(1);
  Site.Write();
  try {
    UploadSite(Server->Address("login"), Site, Options);
    FAIL() << "logged in";
  } catch (const EUploadError& Error) {
    EXPECT_EQ(Error.Kind(), TUploadFailure::Login) << Error.what();
    EXPECT_EQ(std::string(Error.what()).find(Options.Password), std::string::npos);
  }
}

}  // namespace
