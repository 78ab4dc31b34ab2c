// The keyring against a real Secret Service: gnome-keyring-daemon, started
// by the test with keyrings in a folder of its own and unlocked with a test
// password, on the D-Bus session that the test command made for this test.
#include "net/Keyring.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Errors.h"
#include "tests/net/NetTestSupport.h"

namespace {

class KeyringTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_NE(getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "run inside dbus-run-session";
    ASSERT_FALSE(SecretServiceRuns()) << "a keyring already runs on this session";
    Folder = new TTempFolder();
    std::string Data = *Folder / "data", Runtime = *Folder / "runtime";
    mkdir(Data.c_str(), 0700);
    mkdir(Runtime.c_str(), 0700);
    Daemon = new TChildProcess({"gnome-keyring-daemon", "--foreground", "--unlock", "--components=secrets"},
                               {"XDG_DATA_HOME=" + Data, "XDG_RUNTIME_DIR=" + Runtime},
                               *Folder / "daemon.log", "keyring-test-password");
    for (int Try = 0; Try < 200 && !SecretServiceRuns(); ++Try) usleep(100000);
    ASSERT_TRUE(SecretServiceRuns()) << ReadFileBytes(*Folder / "daemon.log");
  }
  static void TearDownTestSuite() {
    delete Daemon;  // ends it by its process id
    delete Folder;
  }
  static TTempFolder* Folder;
  static TChildProcess* Daemon;
};

TTempFolder* KeyringTest::Folder = nullptr;
TChildProcess* KeyringTest::Daemon = nullptr;

TEST_F(KeyringTest, APasswordIsStoredFoundReplacedAndForgottenPerTarget) {
  const std::string Choir = "sftp://anna@example.org:22/var/www/choir/";
  const std::string Club = "ftps://anna@ftp.example.org:21/club/";
  EXPECT_EQ(FindUploadPassword(Choir), std::nullopt);
  StoreUploadPassword(Choir, "choir-Secret-1");
  StoreUploadPassword(Club, "club Secret ä");
  EXPECT_EQ(FindUploadPassword(Choir), "choir-Secret-1");
  EXPECT_EQ(FindUploadPassword(Club), "club Secret ä");
  StoreUploadPassword(Choir, "choir-Secret-2");
  EXPECT_EQ(FindUploadPassword(Choir), "choir-Secret-2");
  EXPECT_TRUE(ForgetUploadPassword(Choir));
  EXPECT_EQ(FindUploadPassword(Choir), std::nullopt);
  EXPECT_FALSE(ForgetUploadPassword(Choir));
  EXPECT_EQ(FindUploadPassword(Club), "club Secret ä") << "forgetting one target keeps the others";
  // The keyring keeps its secrets encrypted: no password is in its folder
  // in the clear.
  std::string Output;
  RunProgram({"grep", "-r", "-l", "club Secret", *Folder / "data"}, &Output);
  EXPECT_EQ(Output, "");
}

}  // namespace
