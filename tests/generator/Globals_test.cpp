#include "generator/Globals.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "generator/CalGen.h"
#include "model/EventList.h"
#include "tests/generator/TestSupport.h"
#include "tests/support/FakePlatform.h"

namespace {
namespace fs = std::filesystem;

class GlobalsTest : public ::testing::Test {
 protected:
  GlobalsTest() : FScoped(FPlatform) {
    FillSampleDocument(Doc);
    FPlatform.FTempFolder = Temp.Path();
    FPlatform.FProgramFolder = Program.Path();
  }

  std::string MarchPage(const TCalStyle& Style) {
    TCalGen Gen(Doc, Style);
    Gen.BuildMonthPage(3, 2026);
    return Gen.PageText();
  }
  static mode_t Mode(const std::string& Path) {
    struct stat St;
    return lstat(Path.c_str(), &St) == 0 ? (St.st_mode & 07777) : 0;
  }
  // Runs PreviewMonth and answers the message it raised ("" for none).
  std::string PreviewError(TDateTime Date) {
    try {
      PreviewMonth(Doc, Doc.Style(), Date);
    } catch (const EQuillbayError& E) {
      return E.what();
    }
    return {};
  }

  TFakePlatform FPlatform;
  TScopedPlatform FScoped;
  TTempFolder Temp, Program;
  TEventList Doc;
  const TDateTime March5 = EncodeDate(2026, 3, 5);
};

TEST_F(GlobalsTest, WorkFolderIsTheTempFolderWhenItExists) {
  EXPECT_EQ(GetTempFolder(), Temp.Path());
  EXPECT_EQ(GetWorkFolder(), Temp.Path());
  EXPECT_EQ(GetPreviewFileName(), Temp.Path() + "/Quillbay/calendar.html");
  FPlatform.FTempFolder = Temp.Path() + "/";
  EXPECT_EQ(GetPreviewFileName(), Temp.Path() + "/Quillbay/calendar.html");

  FPlatform.FTempFolder = Temp / "gone";
  EXPECT_EQ(GetWorkFolder(), Program / "tmp");
  FPlatform.FTempFolder = " \t";
  EXPECT_EQ(GetWorkFolder(), Program / "tmp");
  EXPECT_FALSE(fs::exists(Program / "tmp")) << "the fallback is not created by asking for it";
}

TEST_F(GlobalsTest, PreviewWritesTheMonthPageAndOpensIt) {
  PreviewMonth(Doc, Doc.Style(), March5 + 0.75);
  const std::string File = Temp / "Quillbay/calendar.html";
  EXPECT_EQ(ReadFileBytes(File), MarchPage(Doc.Style()));
  EXPECT_EQ(FPlatform.Opened, std::vector<std::string>{File});
  EXPECT_EQ(Mode(Temp / "Quillbay"), 0700u);

  // A second preview, with an edited style, replaces the first; the document's style is untouched.
  TCalStyle Edited;
  Edited.ResetToDefaults();
  Edited.Title = "Edited";
  PreviewMonth(Doc, Edited, March5);
  EXPECT_EQ(ReadFileBytes(File), MarchPage(Edited));
  EXPECT_EQ(Doc.Style().Title, "Calendar");
  EXPECT_EQ(std::distance(fs::directory_iterator(Temp / "Quillbay"), {}), 1);
}

TEST_F(GlobalsTest, MissingTempFolderFallsBackToTheProgramFolder) {
  FPlatform.FTempFolder = Temp / "gone";
  PreviewMonth(Doc, Doc.Style(), March5);
  EXPECT_TRUE(fs::is_regular_file(Program / "tmp/Quillbay/calendar.html"));
  EXPECT_EQ(Mode(Program / "tmp"), 0700u);
  EXPECT_EQ(Mode(Program / "tmp/Quillbay"), 0700u);
}

TEST_F(GlobalsTest, DeletePreviewFileKeepsTheFolder) {
  DeletePreviewFile();  // nothing there yet: ignored
  PreviewMonth(Doc, Doc.Style(), March5);
  DeletePreviewFile();
  EXPECT_FALSE(fs::exists(Temp / "Quillbay/calendar.html"));
  EXPECT_TRUE(fs::is_directory(Temp / "Quillbay"));
}

TEST_F(GlobalsTest, FailuresOpenNothing) {
  EXPECT_EQ(PreviewError(EncodeDate(9999, 12, 31) + 1), "Invalid argument to date encode");
  FPlatform.FTempFolder = "";
  FPlatform.FProgramFolder = "/dev/null/quillbay";
  EXPECT_EQ(PreviewError(March5), "Cannot create file /dev/null/quillbay/tmp/Quillbay/calendar.html");
  EXPECT_TRUE(FPlatform.Opened.empty());
}

TEST_F(GlobalsTest, LinkedPreviewFolderIsRefused) {
  TTempFolder Victim;
  WriteFileBytes(Victim / "calendar.html", "victim");
  fs::create_directory_symlink(Victim.Path(), Temp / "Quillbay");
  EXPECT_EQ(PreviewError(March5),
            "The preview folder " + Temp.Path() + "/Quillbay is a symbolic link; remove it and try again");
  DeletePreviewFile();
  EXPECT_EQ(ReadFileBytes(Victim / "calendar.html"), "victim")
      << "neither written nor deleted through the link";
  EXPECT_TRUE(FPlatform.Opened.empty());
}

TEST_F(GlobalsTest, FolderOthersCanWriteIsRefused) {
  fs::create_directory(Temp / "Quillbay");
  chmod((Temp / "Quillbay").c_str(), 0777);
  WriteFileBytes(Temp / "Quillbay/calendar.html", "planted");
  EXPECT_EQ(PreviewError(March5),
            "The preview folder " + Temp.Path() + "/Quillbay can be changed by other users");
  DeletePreviewFile();
  EXPECT_EQ(ReadFileBytes(Temp / "Quillbay/calendar.html"), "planted");

  chmod((Temp / "Quillbay").c_str(), 0770);
  EXPECT_NE(PreviewError(March5), "");

  fs::remove_all(Temp / "Quillbay");
  WriteFileBytes(Temp / "Quillbay", "not a folder");
  EXPECT_EQ(PreviewError(March5),
            "The preview folder " + Temp.Path() + "/Quillbay is not a folder; remove it and try again");
  EXPECT_TRUE(FPlatform.Opened.empty());
}

TEST_F(GlobalsTest, ReadableFolderOfOursIsMadePrivate) {
  fs::create_directory(Temp / "Quillbay");
  chmod((Temp / "Quillbay").c_str(), 0755);
  EXPECT_EQ(PreviewError(March5), "");
  EXPECT_EQ(Mode(Temp / "Quillbay"), 0700u);
}

TEST_F(GlobalsTest, FolderOfAnotherUserIsRefused) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to give a folder to another user";
  fs::create_directory(Temp / "Quillbay");
  chmod((Temp / "Quillbay").c_str(), 0755);
  ASSERT_EQ(chown((Temp / "Quillbay").c_str(), 65534, 65534), 0);
  EXPECT_EQ(PreviewError(March5), "The preview folder " + Temp.Path() + "/Quillbay belongs to another user");
  EXPECT_FALSE(fs::exists(Temp / "Quillbay/calendar.html"));
}

TEST_F(GlobalsTest, PreviewFileLinkIsReplacedNotFollowed) {
  TTempFolder Victim;
  WriteFileBytes(Victim / "index.html", "victim");
  fs::create_directory(Temp / "Quillbay");
  chmod((Temp / "Quillbay").c_str(), 0700);
  fs::create_symlink(Victim / "index.html", Temp / "Quillbay/calendar.html");
  EXPECT_EQ(PreviewError(March5), "");
  EXPECT_EQ(ReadFileBytes(Victim / "index.html"), "victim");
  EXPECT_FALSE(fs::is_symlink(Temp / "Quillbay/calendar.html"));
  EXPECT_EQ(ReadFileBytes(Temp / "Quillbay/calendar.html"), MarchPage(Doc.Style()));
}
}  // namespace
