// Uploads to a real pure-ftpd, started for these tests on 127.0.0.1 with a
// certificate of the tests' own authority and one user with a password.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/net/UploadSteps.h"

namespace {

class FtpsUploadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Server = new TFtpServer(TFtpServer::TTls::Required); }
  static void TearDownTestSuite() {
    delete Server;
    Server = nullptr;
  }
  static TUploadOptions Options() {
    TUploadOptions Result;
    Result.Password = TFtpServer::kPassword;
    Result.CaFile = Server->CaFile();
    Result.Retry = QuickRetries();
    return Result;
  }
  static TFtpServer* Server;
};

TFtpServer* FtpsUploadTest::Server = nullptr;

TEST_F(FtpsUploadTest, StepsSendOnlyWhatChangedAndLeaveOtherFilesAlone) {
  std::string Remote = Server->MakeFolder("steps");
  std::map<std::string, std::string> Foreign = {{"guestbook.php", "<?php // by hand\n"}};
  WriteFileBytes(Remote + "/guestbook.php", Foreign["guestbook.php"]);
  ExpectStepsSendOnlyWhatChanged(Server->Address("ftps", "steps"), Remote, Options(), Foreign);
}

TEST_F(FtpsUploadTest, EachAddressFormAsksForTlsAndFailuresHaveTheirKind) {
  struct TCase {
    const char* Name;
    std::string Scheme;
    bool TrustTestAuthority;
    const char* Password;
    std::optional<TUploadFailure> Failure;
  };
  const TCase Cases[] = {
      {"ftps:// with the authority trusted", "ftps", true, TFtpServer::kPassword, std::nullopt},
      {"ftp:// upgraded to TLS", "ftp", true, TFtpServer::kPassword, std::nullopt},
      {"certificate of an unknown authority", "ftps", false, TFtpServer::kPassword,
       TUploadFailure::Certificate},
      {"wrong password", "ftps", true, "not-the-password", TUploadFailure::Login},
  };
  TTestSite Site(1);
  Site.Write();
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TUploadOptions Options = this->Options();
    if (!Case.TrustTestAuthority) Options.CaFile.clear();
    Options.Password = Case.Password;
    try {
      UploadSite(Server->Address(Case.Scheme, "forms-" + Case.Scheme), Site, Options);
      EXPECT_FALSE(Case.Failure);
    } catch (const EUploadError& Error) {
      ASSERT_TRUE(Case.Failure) << Error.what();
      EXPECT_EQ(Error.Kind(), *Case.Failure) << Error.what();
      EXPECT_EQ(std::string(Error.what()).find(Case.Password), std::string::npos) << Error.what();
    }
  }
}

TEST(PlainFtpUploadTest, PlainFtpOnlyWhenTheUserAllowsIt) {
  TFtpServer Server(TFtpServer::TTls::None);
  TTestSite Site(1);
  Site.Write();
  TUploadOptions Options;
  Options.Password = TFtpServer::kPassword;
  Options.Retry = QuickRetries();
  for (const char* Scheme : {"ftp", "ftps"}) {
    try {
      UploadSite(Server.Address(Scheme, "plain"), Site, Options);
      ADD_FAILURE() << Scheme << ": the password went in the clear";
    } catch (const EUploadError& Error) {
      EXPECT_EQ(Error.Kind(), TUploadFailure::Certificate) << Error.what();
      EXPECT_NE(std::string(Error.what()).find("does not offer encryption"), std::string::npos)
          << Error.what();
    }
  }
  EXPECT_TRUE(ReadFolder(Server.Root() + "/plain").empty());

  Options.InsecureFtp = true;
  EXPECT_THROW(UploadSite(Server.Address("ftps", "plain"), Site, Options), EUploadError)
      << "an ftps:// address never falls back to plain FTP";
  UploadSite(Server.Address("ftp", "plain"), Site, Options);
  EXPECT_EQ(ReadFolder(Server.Root() + "/plain"), Expected(Site, {}));
}

}  // namespace
