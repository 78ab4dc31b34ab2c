// The confirmed upload targets: asked once per target, kept in the settings
// store across runs, and never confused with another target.

#include "project/UploadTrust.h"

#include "ProjectTestSupport.h"

namespace {

class UploadTrustTest : public TProjectLayerTest {};

TEST_F(UploadTrustTest, EachTargetIsAskedOnceAndKeptInTheSettings) {
  const std::string Club = "sftp://ann@example.org:22/var/www/club/";
  const std::string Other = "sftp://ann@example.org:2222/var/www/club/";
  int Asked = 0;
  auto No = [&Asked] { return ++Asked, false; };
  auto Yes = [&Asked] { return ++Asked, true; };
  EXPECT_FALSE(ConfirmUploadTarget(Club, No));
  EXPECT_FALSE(UploadTargetTrusted(Club)) << "a refusal is not kept";
  EXPECT_TRUE(ConfirmUploadTarget(Club, Yes));
  EXPECT_TRUE(ConfirmUploadTarget(Club, No));
  EXPECT_EQ(Asked, 2) << "asked again after no, not after yes";
  EXPECT_FALSE(UploadTargetTrusted(Other)) << "another port is another target";
  EXPECT_FALSE(UploadTargetTrusted("SFTP://ann@example.org:22/var/www/club/"));
  const std::string Text = ReadFileBytes(Store());
  EXPECT_NE(Text.find("[HKEY_CURRENT_USER\\Software\\tolvsoft\\Quillbay\\UploadTargets]\n\"" + Club +
                      "\"=int:1\n"),
            std::string::npos)
      << Text;
}

}  // namespace
