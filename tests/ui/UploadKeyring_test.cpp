// The upload's password and the desktop keyring, through the window, against
// a real Secret Service (gnome-keyring-daemon, started by the test on the
// D-Bus session that the test command made for it) and pure-ftpd: a password
// asked for once and kept at the user's word is found the next time, forgotten
// by its button, and never reaches the document or the settings file.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "model/EventList.h"
#include "net/Keyring.h"
#include "project/RegistryLib.h"
#include "tests/net/NetTestSupport.h"
#include "tests/support/FakePlatform.h"
#include "tests/ui/UploadAnswers.h"
#include "ui/PublishDlg.h"

namespace {

class UploadKeyringTest : public ::testing::Test {
 protected:
  UploadKeyringTest() : PlatformScope(Fake) {
    Fake.FConfigFolder = Temp / "config";
    Doc.Style().ResetToDefaults();
    Doc.FindEvent(true, EncodeDate(2026, 3, 14))->Text = "Spring fair";
  }
  void SetUp() override {
    ASSERT_NE(getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "run inside dbus-run-session";
    ASSERT_FALSE(SecretServiceRuns()) << "a keyring already runs on this session";
    const std::string Data = Keyring / "data", Runtime = Keyring / "runtime";
    mkdir(Data.c_str(), 0700);
    mkdir(Runtime.c_str(), 0700);
    Daemon = std::make_unique<TChildProcess>(
        std::vector<std::string>{"gnome-keyring-daemon", "--foreground", "--unlock", "--components=secrets"},
        std::vector<std::string>{"XDG_DATA_HOME=" + Data, "XDG_RUNTIME_DIR=" + Runtime},
        Keyring / "daemon.log", "keyring-test-password");
    for (int Try = 0; Try < 200 && !SecretServiceRuns(); ++Try) usleep(100000);
    ASSERT_TRUE(SecretServiceRuns()) << ReadFileBytes(Keyring / "daemon.log");
  }

  TTempFolder Keyring;
  std::unique_ptr<TChildProcess> Daemon;  // ended by its process id
  TTempFolder Temp;
  TFakePlatform Fake;
  TScopedPlatform PlatformScope;
  TEventList Doc;
};

TEST_F(UploadKeyringTest, APasswordKeptInTheKeyringIsFoundNextTimeAndNeverWrittenElsewhere) {
  TFtpServer Server(TFtpServer::TTls::None);
  Server.MakeFolder("club");
  int Asked = 0;
  auto AnswerPassword = [&Asked](TfrmUploadPassword& Dialog) {
    ++Asked;
    Dialog.edtPassword->setText(TFtpServer::kPassword);
    Dialog.chkKeepPassword->setChecked(true);
    Dialog.accept();
  };
  WhenModal<TfrmUploadPassword>(AnswerPassword);
  TMessageAnswers First({[](QMessageBox& Box) { Box.button(QMessageBox::Close)->click(); }});
  {
    TfrmPublish Dialog(nullptr, Doc, Temp / "club.qby");
    FillPlainFtpUpload(Dialog, Temp / "site", Server.Port(), "club");
    Dialog.btnPublish->click();
  }
  EXPECT_EQ(Asked, 1);
  ASSERT_EQ(First.Texts.size(), 1);
  EXPECT_TRUE(First.Texts[0].contains("\nUploaded ")) << First.Texts[0].toStdString();
  const std::string Target = ParseUploadAddress(Doc.UploadAddress).Display();
  EXPECT_EQ(FindUploadPassword(Target), TFtpServer::kPassword);

  // Publish again takes the password from the keyring without a question.
  TMessageAnswers Again({[](QMessageBox& Box) { Box.button(QMessageBox::Close)->click(); }});
  RepublishSite(nullptr, Doc, Temp / "club.qby");
  ASSERT_EQ(Again.Texts.size(), 1);
  EXPECT_TRUE(Again.Texts[0].contains("\nUploaded 0 files")) << Again.Texts[0].toStdString();
  EXPECT_EQ(Asked, 1);

  // Neither the document nor the settings hold the password.
  Doc.SaveToFile(Temp / "club.qby");
  const std::string Saved = ReadFileBytes(Temp / "club.qby");
  EXPECT_NE(Saved.find("UploadAddress = 'ftp://webmaster@127.0.0.1:"), std::string::npos) << Saved;
  for (const std::string& File : {Temp / "club.qby", SettingsFileName()})
    EXPECT_EQ(ReadFileBytes(File).find(TFtpServer::kPassword), std::string::npos) << File;

  // Forget password empties the keyring for this target.
  TfrmPublish Dialog(nullptr, Doc, Temp / "club.qby");
  TMessageAnswers Forgot({[](QMessageBox& Box) { Box.button(QMessageBox::Ok)->click(); }});
  Dialog.btnForgetPassword->click();
  ASSERT_EQ(Forgot.Texts.size(), 1);
  EXPECT_EQ(Forgot.Texts[0].toStdString(), "The password for " + Target + " was removed from the keyring.");
  EXPECT_EQ(FindUploadPassword(Target), std::nullopt);
}

}  // namespace
