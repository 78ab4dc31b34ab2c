// The upload's reading of the publisher's manifest.
#include "net/UploadCommand.h"

#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "site/Manifest.h"

namespace {

TEST(UploadCommandTest, AManifestListsItsFilesAndThoseAboutToBeWritten) {
  TManifest Manifest;
  Manifest.FeedName = "choir.ics";
  Manifest.Files["3_2026.html"] = {std::string(64, 'a'), 1200, ""};
  Manifest.Files["index.html"] = {std::string(64, 'b'), 800, ""};
  Manifest.Pending = {"4_2026.html", "index.html"};
  std::vector<TSiteFile> Files = SiteManifestFiles(WriteManifest(Manifest));
  ASSERT_EQ(Files.size(), 3u);
  EXPECT_EQ(Files[0].Name, "3_2026.html");
  EXPECT_EQ(Files[0].Sha256, std::string(64, 'a'));
  EXPECT_EQ(Files[0].Size, 1200u);
  EXPECT_EQ(Files[1].Name, "index.html");
  EXPECT_EQ(Files[2].Name, "4_2026.html") << "a name about to be written is Quillbay's too";
  EXPECT_EQ(Files[2].Sha256, "") << "and has no hash, so it is always sent";
  EXPECT_THROW(SiteManifestFiles("not a manifest\n"), EQuillbayError);
}

}  // namespace
