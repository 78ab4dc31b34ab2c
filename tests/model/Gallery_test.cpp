// The gallery of colour schemes: its file in the user's data folder, the
// shipped starter file, name lookup and listing.

#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "model/CalStyle.h"
#include "tests/support/FakePlatform.h"

namespace {

class GalleryTest : public ::testing::Test {
 protected:
  GalleryTest() {
    Fake.FDataFolder = Folder.Path("data/Quillbay");
    Fake.FSharedDataFolder = Folder.Path("shared");
  }
  TTempFolder Folder;
  TFakePlatform Fake;
  TScopedPlatform Scope{Fake};

  // A scheme as the style dialog stores one: the five texts emptied.
  static void AddScheme(TCalStyleGallery& G, const std::string& Name, TColor Border) {
    TStyleGalleryItem& Item = G.Items().Add();
    Item.Name = Name;
    Item.Style().ResetToDefaults();
    Item.Style().BorderColor = Border;
    Item.Style().Title.clear();
    Item.Style().Width.clear();
    Item.Style().Language.clear();
    Item.Style().Header.clear();
    Item.Style().Footer.clear();
  }
};

TEST_F(GalleryTest, FileLivesInTheUserDataFolder) {
  EXPECT_EQ(TCalStyleGallery::GalleryFileName(), Folder.Path("data/Quillbay/styles.data"));
}

TEST_F(GalleryTest, NoFileGivesAnEmptyGalleryAndSavingCreatesIt) {
  TCalStyleGallery G;
  G.LoadGallery();
  EXPECT_EQ(G.Count(), 0);
  G.SaveGallery();
  EXPECT_EQ(ReadFileBytes(TCalStyleGallery::GalleryFileName()),
            CrLfLines({"object TCalStyleGallery", "  Items = <>", "end"}));
}

TEST_F(GalleryTest, SavedSchemesLeaveOutTheFiveTextsAndReadBack) {
  TCalStyleGallery G;
  AddScheme(G, "Blue", 0x904040);
  G.SaveGallery();
  const std::string Text = ReadFileBytes(TCalStyleGallery::GalleryFileName());
  const std::string Start =
      "object TCalStyleGallery\r\n  Items = <\r\n    item\r\n      Name = 'Blue'\r\n"
      "      Style.Caption.Align = 'center'\r\n";
  const std::string Finish = "      Style.HideBanner = False\r\n    end>\r\nend\r\n";
  EXPECT_EQ(Text.substr(0, Start.size()), Start);
  EXPECT_EQ(Text.substr(Text.size() - Finish.size()), Finish);
  for (const char* Absent : {"Title", "Width", "Language", "Header", "Footer"})
    EXPECT_EQ(Text.find(std::string("Style.") + Absent + " ="), std::string::npos) << Absent;
  EXPECT_NE(Text.find("      Style.BorderColor = 9453632\r\n"), std::string::npos);

  TCalStyleGallery Back;
  Back.LoadGallery();
  ASSERT_EQ(Back.Count(), 1);
  EXPECT_EQ(Back.Item(0).Name, "Blue");
  EXPECT_EQ(Back.Item(0).Style().Title, "");
  EXPECT_EQ(Back.Item(0).Style().Events().BGColor, 0x783232);
}

TEST_F(GalleryTest, EqualNamesAreAllListedAndTheFirstIsFound) {
  TCalStyleGallery G;
  AddScheme(G, "Blue", 1);
  AddScheme(G, "Green", 2);
  AddScheme(G, "blue", 3);
  std::vector<std::string> Names = {"stale"};
  G.ListNames(Names);
  EXPECT_EQ(Names, (std::vector<std::string>{"Blue", "Green", "blue"}));
  EXPECT_EQ(G.FindStyle("BLUE"), &G.Item(0));
  EXPECT_EQ(G.FindStyle("Blue "), nullptr);  // no trimming
  EXPECT_EQ(G.FindStyle("Red"), nullptr);
  // Replacing a scheme found in another letter case renames it in place.
  TStyleGalleryItem* Found = G.FindStyle("bLUE");
  Found->Name = "bLUE";
  EXPECT_EQ(G.Item(0).Name, "bLUE");
  delete G.FindStyle("blue");
  EXPECT_EQ(G.Count(), 2);
  EXPECT_EQ(G.FindStyle("blue")->Style().BorderColor, 3);
}

TEST_F(GalleryTest, StarterFileIsReadWhenTheUserHasNone) {
  std::filesystem::create_directories(Folder.Path("shared"));
  WriteFileBytes(Folder.Path("shared/styles.data"),
                 CrLfLines({"object TCalStyleGallery", "  Items = <", "    item", "      Name = 'Starter'",
                            "    end>", "end"}));
  TCalStyleGallery G;
  G.LoadGallery();
  ASSERT_EQ(G.Count(), 1);
  EXPECT_EQ(G.Item(0).Name, "Starter");
  G.SaveGallery();  // the user's file, never the shipped one
  EXPECT_TRUE(std::filesystem::exists(TCalStyleGallery::GalleryFileName()));

  // Once the user has a file of their own, the starter file is not read.
  TCalStyleGallery Empty;
  Empty.Items().Clear();
  Empty.SaveGallery();
  TCalStyleGallery Again;
  Again.LoadGallery();
  EXPECT_EQ(Again.Count(), 0);
}

TEST_F(GalleryTest, UnreadableFileKeepsTheSchemesBeforeTheFaultAndIsReplacedOnSave) {
  std::filesystem::create_directories(Fake.FDataFolder);
  WriteFileBytes(
      TCalStyleGallery::GalleryFileName(),
      CrLfLines({"object TCalStyleGallery", "  Items = <", "    item", "      Name = 'Kept'", "    end",
                 "    item", "      Name = 'Broken'", "      Colour = 1", "    end>", "end"}));
  TCalStyleGallery G;
  try {
    G.LoadGallery();
    ADD_FAILURE();
  } catch (const EQuillbayError& E) {
    EXPECT_EQ(std::string(E.what()),
              "The file is not valid\n" + TCalStyleGallery::GalleryFileName() + ", line 8");
  }
  ASSERT_EQ(G.Count(), 2);
  EXPECT_EQ(G.Item(0).Name, "Kept");
  G.SaveGallery();
  TCalStyleGallery Back;
  Back.LoadGallery();
  EXPECT_EQ(Back.Count(), 2);
}

TEST_F(GalleryTest, SaveFailureNamesTheFile) {
  // A plain file where the data folder should be: the folder cannot be made.
  WriteFileBytes(Folder.Path("data"), "x");
  TCalStyleGallery G;
  try {
    G.SaveGallery();
    ADD_FAILURE();
  } catch (const EQuillbayError& E) {
    EXPECT_EQ(std::string(E.what()), "Cannot create file " + TCalStyleGallery::GalleryFileName());
  }
}

}  // namespace
