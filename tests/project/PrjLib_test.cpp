#include "project/PrjLib.h"

#include <thread>

#include "ProjectTestSupport.h"

namespace {
class TRecordingMenu : public TReopenMenu {
 public:
  void ClearItems() override {
    Items.clear();
    ++Clears;
  }
  void AddItem(const TReopenMenuItem& Item) override { Items.push_back(Item); }
  int ItemCount() const override { return static_cast<int>(Items.size()); }
  void SetEnabled(bool Value) override { Enabled = Value; }

  std::vector<TReopenMenuItem> Items;
  bool Enabled = true;
  int Clears = 0;
};

class PrjLibTest : public TProjectLayerTest {
 protected:
  PrjLibTest() {
    // As the main window configures its controller.
    Project.RegistryAddress = {hkeyCurrentUser, "\\Software\\tolvsoft\\Quillbay"};
    Project.DefaultExt = "qby";
    Project.FileFilter = "Calendar Files|*.qby|All Files|*.*";
    Project.SaveAlert = "The calendar has been changed. Save?";
    Project.MaxListSize = 10;
    Record(Project.OnOpen, "OnOpen");
    Record(Project.OnNew, "OnNew");
    Record(Project.OnChanged, "OnChanged");
    Record(Project.OnClose, "OnClose");
    Record(Project.OnNameChanged, "OnNameChanged");
    Record(Project.OnSave, "OnSave");
    Record(Project.OnProjectListAdd, "OnProjectListAdd");
  }

  void Record(TProjectEvent& Event, const std::string& Name) {
    Event = [this, Name](TProject& Sender) {
      EXPECT_EQ(&Sender, &Project);
      if (Name == "OnNameChanged") {
        Events.push_back(Name + "(" + Sender.FileName() + ")");
      } else if (Name == "OnChanged") {
        Events.push_back(Name + "(" + (Sender.Modified() ? "true" : "false") + ")");
      } else {
        Events.push_back(Name);
      }
      if (Name == FailingEvent) throw EQuillbayError("Cannot create file " + Sender.FileName());
    };
  }

  // Opens Path through the open dialog, then forgets the events.
  void OpenNamed(const std::string& Path) {
    FDialogs.OpenAnswers.push_back(Path);
    Project.Open();
    Events.clear();
  }

  std::vector<std::string> StoredEntries() {
    auto Reg = OpenAddressKey(Project.RegistryAddress, "Projects");
    std::vector<std::string> Names;
    Reg->GetValueNames(Names);
    std::vector<std::string> Result;
    for (const auto& Name : Names) Result.push_back(Name + "=" + Reg->ReadString(Name));
    return Result;
  }

  void StoreEntry(const std::string& Name, const std::string& Value) {
    OpenAddressKey(Project.RegistryAddress, "Projects")->WriteString(Name, Value);
  }

  using TEvents = std::vector<std::string>;
  TProject Project;
  TEvents Events;
  std::string FailingEvent;
};

TEST_F(PrjLibTest, ConstructorDefaults) {
  TProject Fresh;
  EXPECT_EQ(Fresh.FileName(), "");
  EXPECT_FALSE(Fresh.Modified());
  EXPECT_EQ(Fresh.DefaultExt, "dat");
  EXPECT_EQ(Fresh.FileFilter, "All Files|*.*");
  EXPECT_EQ(Fresh.SaveAlert, "The data have been changed. Save?");
  EXPECT_EQ(Fresh.MaxListSize, 5);
  EXPECT_EQ(Fresh.RegistryAddress.Root, hkeyCurrentUser);
  EXPECT_EQ(Fresh.RegistryAddress.Path, "");
  EXPECT_TRUE(Fresh.OpenTitle.empty() && Fresh.SaveTitle.empty());
  Fresh.SetModified(true);  // unassigned events are skipped
  FDialogs.MessageAnswers.push_back(TMsgResult::No);
  Fresh.New();
  EXPECT_FALSE(Fresh.Modified());
}

TEST_F(PrjLibTest, ModifiedRaisesOnChangedOnEveryAssignment) {
  Project.SetModified(false);
  Project.SetModified(true);
  Project.SetModified(true);
  EXPECT_EQ(Events, (TEvents{"OnChanged(false)", "OnChanged(true)", "OnChanged(true)"}));
}

TEST_F(PrjLibTest, NewOnACleanUntitledDocumentAsksNothing) {
  Project.New();
  EXPECT_EQ(Events, (TEvents{"OnChanged(false)", "OnNameChanged()", "OnClose", "OnNew", "OnChanged(false)"}));
  EXPECT_TRUE(FDialogs.Log.empty());
  EXPECT_TRUE(StoredEntries().empty());
}

TEST_F(PrjLibTest, OpeningWhileANamedDocumentIsOpen) {
  std::string Old = MakeFile("docs/old.qby");
  std::string New = MakeFile("docs/new.qby");
  OpenNamed(Old);
  FDialogs.OpenAnswers.push_back(New);
  Project.Open();
  EXPECT_EQ(Events, (TEvents{"OnProjectListAdd", "OnChanged(false)", "OnNameChanged()", "OnClose",
                             "OnNameChanged(" + New + ")", "OnOpen", "OnChanged(false)"}));
  EXPECT_EQ(Project.FileName(), New);
  EXPECT_EQ(Project.LastFolder, FTemp.Path() + "/docs");
  EXPECT_EQ(StoredEntries(), (TEvents{"File_000=" + Old}));
}

TEST_F(PrjLibTest, DialogRequestsCarryTheControllersSettings) {
  Project.OpenTitle = "Open calendar";
  Project.SaveTitle = "Save calendar";
  Project.LastFolder = "/srv/club";
  FDialogs.OpenAnswers.push_back(std::nullopt);
  Project.Open();
  FDialogs.SaveAnswers.push_back(std::nullopt);
  Project.SaveAs();
  ASSERT_EQ(FDialogs.OpenRequests.size(), 1u);
  ASSERT_EQ(FDialogs.SaveRequests.size(), 1u);
  const auto& O = FDialogs.OpenRequests[0];
  EXPECT_EQ(O.Title, "Open calendar");
  EXPECT_EQ(O.DefaultExt, "qby");
  EXPECT_EQ(O.Filter, "Calendar Files|*.qby|All Files|*.*");
  EXPECT_EQ(O.FilterIndex, 1);
  EXPECT_EQ(O.InitialDir, "/srv/club");
  EXPECT_TRUE(O.HideReadOnly && O.Resizable);
  EXPECT_FALSE(O.MustExist || O.PromptOverwrite);
  const auto& S = FDialogs.SaveRequests[0];
  EXPECT_EQ(S.Title, "Save calendar");
  EXPECT_EQ(S.DefaultExt, "qby");
  EXPECT_EQ(S.Filter, "Calendar Files|*.qby|All Files|*.*");
  EXPECT_EQ(S.FilterIndex, 1);
  EXPECT_EQ(S.InitialDir, "/srv/club");
  EXPECT_TRUE(S.PromptOverwrite && S.HideReadOnly && S.Resizable);
  EXPECT_TRUE(Events.empty()) << "cancelled dialogs change nothing";
}

TEST_F(PrjLibTest, TheSaveQuestion) {
  Project.SetModified(true);
  FDialogs.MessageAnswers.push_back(TMsgResult::Cancel);
  EXPECT_FALSE(Project.QuerySave());
  ASSERT_EQ(FDialogs.Messages.size(), 1u);
  const auto& M = FDialogs.Messages[0];
  EXPECT_EQ(M.Caption, "Confirm");
  EXPECT_EQ(M.Text, "The calendar has been changed. Save?");
  EXPECT_EQ(M.Icon, TMsgIcon::Question);
  EXPECT_EQ(M.Buttons, TMsgButtons::YesNoCancel);
  EXPECT_EQ(M.DefaultButton, TMsgResult::Yes);
  EXPECT_EQ(M.EscapeResult, TMsgResult::Cancel);

  FDialogs.MessageAnswers.push_back(TMsgResult::No);
  EXPECT_TRUE(Project.QuerySave());
  EXPECT_TRUE(Project.Modified()) << "No leaves the flag";

  Project.SetModified(false);
  EXPECT_TRUE(Project.QuerySave());
  EXPECT_EQ(FDialogs.Messages.size(), 2u) << "a clean document asks nothing";
}

TEST_F(PrjLibTest, SavingANamedDocumentClearsTheFlagBeforeOnSave) {
  OpenNamed(MakeFile("a.qby"));
  Project.SetModified(true);
  Events.clear();
  Project.Save();
  EXPECT_EQ(Events, (TEvents{"OnChanged(false)", "OnSave"}));
  EXPECT_TRUE(FDialogs.SaveRequests.empty());
}

TEST_F(PrjLibTest, SaveAsNamesTheDocumentAndRecordsNothing) {
  std::string Old = MakeFile("old.qby");
  OpenNamed(Old);
  std::string Target = FTemp.Path() + "/sub/new.qby";
  FDialogs.SaveAnswers.push_back(Target);
  Project.SaveAs();
  EXPECT_EQ(Events, (TEvents{"OnNameChanged(" + Target + ")", "OnChanged(false)", "OnSave"}));
  EXPECT_EQ(Project.LastFolder, FTemp.Path() + "/sub");
  EXPECT_TRUE(StoredEntries().empty()) << "the old name is not recorded by SaveAs";
}

TEST_F(PrjLibTest, YesThenSaveDialogCancelledAbandonsTheOperation) {
  // Mended: the user asked to keep the changes, so they are not dropped.
  Project.SetModified(true);
  Events.clear();
  for (int Operation = 0; Operation < 3; ++Operation) {
    FDialogs.MessageAnswers.push_back(TMsgResult::Yes);
    FDialogs.SaveAnswers.push_back(std::nullopt);
    if (Operation == 0) Project.New();
    if (Operation == 1) Project.Open();
    if (Operation == 2) {
      EXPECT_FALSE(Project.QuerySave());
    }
  }
  EXPECT_TRUE(Events.empty());
  EXPECT_TRUE(Project.Modified());
  EXPECT_TRUE(FDialogs.OpenRequests.empty());
  EXPECT_EQ(FDialogs.SaveRequests.size(), 3u);
}

TEST_F(PrjLibTest, YesSavesAnUntitledDocumentThenGoesOn) {
  Project.SetModified(true);
  Events.clear();
  std::string Target = FTemp.Path() + "/saved.qby";
  FDialogs.MessageAnswers.push_back(TMsgResult::Yes);
  FDialogs.SaveAnswers.push_back(Target);
  Project.New();
  EXPECT_EQ(Events,
            (TEvents{"OnNameChanged(" + Target + ")", "OnChanged(false)", "OnSave", "OnProjectListAdd",
                     "OnChanged(false)", "OnNameChanged()", "OnClose", "OnNew", "OnChanged(false)"}));
}

TEST_F(PrjLibTest, AFailedSaveLeavesTheDocumentModified) {
  // Mended: OnSave failing never leaves a document that counts as saved.
  OpenNamed(MakeFile("a.qby"));
  Project.SetModified(true);
  Events.clear();
  FailingEvent = "OnSave";
  EXPECT_THROW(Project.Save(), EQuillbayError);
  EXPECT_EQ(Events, (TEvents{"OnChanged(false)", "OnSave", "OnChanged(true)"}));
  EXPECT_TRUE(Project.Modified());

  // The close query that asked does not go on either.
  Events.clear();
  FDialogs.MessageAnswers.push_back(TMsgResult::Yes);
  EXPECT_THROW(Project.New(), EQuillbayError);
  EXPECT_EQ(Events, (TEvents{"OnChanged(false)", "OnSave", "OnChanged(true)"}));
  EXPECT_NE(Project.FileName(), "");
}

TEST_F(PrjLibTest, NoThenCancelledOpenKeepsTheChanges) {
  Project.SetModified(true);
  Events.clear();
  FDialogs.MessageAnswers.push_back(TMsgResult::No);
  FDialogs.OpenAnswers.push_back(std::nullopt);
  Project.Open();
  EXPECT_TRUE(Events.empty());
  EXPECT_TRUE(Project.Modified());
}

TEST_F(PrjLibTest, AFailingOnOpenLeavesAnUntitledDocumentAndListsNothing) {
  std::string Path = MakeFile("unreadable.qby");
  FailingEvent = "OnOpen";
  FDialogs.OpenAnswers.push_back(Path);
  EXPECT_THROW(Project.Open(), EQuillbayError);
  EXPECT_EQ(Project.FileName(), "");
  EXPECT_FALSE(Project.Modified());
  EXPECT_EQ(Project.LastFolder, FTemp.Path());
  EXPECT_EQ(Events.back(), "OnNameChanged()");
  Project.Close();
  EXPECT_TRUE(StoredEntries().empty());
}

TEST_F(PrjLibTest, RecentlyUsedListInsertsAtTheFrontWithoutDuplicates) {
  std::string A = MakeFile("A.qby");
  std::string B = MakeFile("B.qby");
  std::string Lower = MakeFile("a.qby");  // another file than A.qby
  std::string Link = FTemp.Path() + "/link.qby";
  std::filesystem::create_symlink(A, Link);
  Project.AddToProjectList(A);
  Project.AddToProjectList(B);
  EXPECT_EQ(StoredEntries(), (TEvents{"File_000=" + B, "File_001=" + A}));
  Project.AddToProjectList(Lower);
  Project.AddToProjectList(Link);
  EXPECT_EQ(StoredEntries(),
            (TEvents{"File_000=" + Link, "File_001=" + Lower, "File_002=" + B, "File_003=" + A}));

  // A relative path, "." and ".." name B again; the list keeps the plain absolute path.
  const std::filesystem::path Previous = std::filesystem::current_path();
  std::filesystem::current_path(FTemp.Path());
  Project.AddToProjectList("./sub/../B.qby");
  std::filesystem::current_path(Previous);
  EXPECT_EQ(StoredEntries(),
            (TEvents{"File_000=" + B, "File_001=" + Link, "File_002=" + Lower, "File_003=" + A}));
  EXPECT_EQ(Events.size(), 5u);
}

TEST_F(PrjLibTest, TheEleventhDocumentDropsTheOldest) {
  std::vector<std::string> Files;
  for (int I = 0; I < 11; ++I) Files.push_back(MakeFile("doc" + std::to_string(I) + ".qby"));
  for (int I = 0; I < 10; ++I) Project.AddToProjectList(Files[I]);
  Project.AddToProjectList(Files[10]);
  auto Entries = StoredEntries();
  ASSERT_EQ(Entries.size(), 10u);
  EXPECT_EQ(Entries.front(), "File_000=" + Files[10]);
  EXPECT_EQ(Entries.back(), "File_009=" + Files[1]);
}

TEST_F(PrjLibTest, ALongStoredListLosesOneEntryPerAddition) {
  Project.MaxListSize = 3;
  std::vector<std::string> Files;
  for (int I = 0; I < 6; ++I) {
    Files.push_back(MakeFile("doc" + std::to_string(I) + ".qby"));
    StoreEntry(ProjectEntryName(I), Files[I]);
  }
  std::string New = MakeFile("new.qby");
  Project.AddToProjectList(New);
  EXPECT_EQ(StoredEntries().size(), 6u) << "six stored, one added, one dropped";
  Project.AddToProjectList(New);
  EXPECT_EQ(StoredEntries().size(), 5u);
  EXPECT_EQ(StoredEntries().front(), "File_000=" + New);
}

TEST_F(PrjLibTest, MaxListSizeZeroWritesNoEntries) {
  Project.MaxListSize = 0;
  Project.AddToProjectList(MakeFile("a.qby"));
  EXPECT_TRUE(StoredEntries().empty());
  EXPECT_EQ(Events, (TEvents{"OnProjectListAdd"}));
}

TEST_F(PrjLibTest, MissingFilesAreSkippedButANewPathIsAlwaysWritten) {
  std::string Gone = FTemp.Path() + "/gone.qby";
  std::string Here = MakeFile("here.qby");
  std::filesystem::create_directories(FTemp.Path() + "/folder.qby");
  StoreEntry("File_000", Gone);
  StoreEntry("File_001", Here);
  StoreEntry("File_002", FTemp.Path() + "/folder.qby");
  std::vector<std::string> List;
  Project.ReadProjectList(List);
  EXPECT_EQ(List, (TEvents{Here}));
  Project.AddToProjectList(Gone);
  EXPECT_EQ(StoredEntries(), (TEvents{"File_000=" + Gone, "File_001=" + Here}));
}

TEST_F(PrjLibTest, ValuesNotBeginningWithFileAreKeptAndIgnored) {
  std::string A = MakeFile("a.qby");
  StoreEntry("file_000", "/lower/case.qby");
  StoreEntry("Note", "kept");
  StoreEntry("FileX", A);  // begins with "File": an entry
  Project.AddToProjectList(MakeFile("b.qby"));
  EXPECT_EQ(StoredEntries(), (TEvents{"file_000=/lower/case.qby", "Note=kept",
                                      "File_000=" + FTemp.Path() + "/b.qby", "File_001=" + A}));
  TRecordingMenu Menu;
  Project.FillReopenMenu(Menu);
  ASSERT_EQ(Menu.Items.size(), 2u);
}

TEST_F(PrjLibTest, AnEntryThatIsNotTextRaisesWhileReading) {
  OpenAddressKey(Project.RegistryAddress, "Projects")->WriteInteger("File_000", 3);
  OpenNamed(MakeFile("a.qby"));
  EXPECT_THROW(Project.Close(), EQuillbayError);
  EXPECT_NE(Project.FileName(), "") << "the error comes before the name is cleared";
  EXPECT_TRUE(Events.empty());
}

TEST_F(PrjLibTest, FillReopenMenuListsTheStoredDocuments) {
  TRecordingMenu Menu;
  Project.FillReopenMenu(Menu);
  EXPECT_FALSE(Menu.Enabled) << "an empty list disables the submenu";
  EXPECT_EQ(Menu.Clears, 1);

  std::string A = MakeFile("a.qby");
  std::string B = MakeFile("b b.qby");
  Project.AddToProjectList(A);
  Project.AddToProjectList(B);
  Project.FillReopenMenu(Menu);
  EXPECT_TRUE(Menu.Enabled);
  ASSERT_EQ(Menu.Items.size(), 2u);
  EXPECT_EQ(Menu.Items[0].Caption, "1 " + B);
  EXPECT_EQ(Menu.Items[0].Name, "a1");
  EXPECT_EQ(Menu.Items[0].Tag, 0);
  EXPECT_EQ(Menu.Items[1].Caption, "2 " + A);
  EXPECT_EQ(Menu.Items[1].Name, "a2");
  EXPECT_EQ(Menu.Items[1].Tag, 1);
  EXPECT_TRUE(Menu.Items[1].Enabled);
  EXPECT_FALSE(Menu.Items[1].Checked);
  EXPECT_EQ(Project.ProjectList, (TEvents{B, A}));
}

TEST_F(PrjLibTest, ReopenTakesThePathBeforeTheMenuIsRebuilt) {
  std::string A = MakeFile("dir/a.qby");
  std::string B = MakeFile("b.qby");
  Project.AddToProjectList(A);
  TRecordingMenu Menu;
  Project.FillReopenMenu(Menu);
  Project.OnProjectListAdd = [&](TProject&) { Project.FillReopenMenu(Menu); };
  OpenNamed(B);  // closes nothing: untitled before

  Project.SetModified(true);
  Events.clear();
  FDialogs.MessageAnswers.push_back(TMsgResult::No);
  Project.ReopenItemClick(0);
  EXPECT_EQ(FDialogs.Log, (TEvents{"OpenFile", "ProcessMessages", "MessageBox: " + Project.SaveAlert}));
  EXPECT_EQ(Project.FileName(), A);
  EXPECT_EQ(Project.LastFolder, FTemp.Path() + "/dir");
  EXPECT_EQ(Project.ProjectList, (TEvents{B, A})) << "rebuilt by the close";
  EXPECT_EQ(Events.back(), "OnChanged(false)");

  Project.ReopenItemClick(7);  // a tag from an older menu: nothing
  EXPECT_EQ(Project.FileName(), A);
}

TEST_F(PrjLibTest, ReopenCancelledKeepsTheDocument) {
  Project.ProjectList = {"/somewhere/x.qby"};
  Project.SetModified(true);
  Events.clear();
  FDialogs.MessageAnswers.push_back(TMsgResult::Cancel);
  Project.ReopenItemClick(0);
  EXPECT_TRUE(Events.empty());
  EXPECT_EQ(Project.FileName(), "");
}

TEST_F(PrjLibTest, InitialDirFallsBackOnTheListThenTheDocumentsFolder) {
  EXPECT_EQ(Project.GetInitialDir(), "") << "no list, no documents folder";
  FPlatform.FDocumentsFolder = "/home/ann/Documents";
  Project.LastFolder = " \t";
  EXPECT_EQ(Project.GetInitialDir(), "/home/ann/Documents");
  Project.LastFolder = "";
  Project.ProjectList = {"/srv/club/a.qby"};
  EXPECT_EQ(Project.GetInitialDir(), "/srv/club");
  Project.LastFolder = " /kept as typed ";
  EXPECT_EQ(Project.GetInitialDir(), " /kept as typed ");
}

TEST_F(PrjLibTest, ReadingTheListFillsABlankLastFolder) {
  std::string A = MakeFile("one/a.qby");
  StoreEntry("File_000", A);
  Project.ProjectList = {"/from/the/menu/x.qby"};
  std::vector<std::string> List;
  Project.ReadProjectList(List);
  EXPECT_EQ(Project.LastFolder, "/from/the/menu") << "taken from ProjectList, not the list just read";
}

TEST_F(PrjLibTest, FolderPartOfAPath) {
  EXPECT_EQ(ExtractFolder("/home/ann/club.qby"), "/home/ann");
  EXPECT_EQ(ExtractFolder("/club.qby"), "/");
  EXPECT_EQ(ExtractFolder("club.qby"), "");
  EXPECT_EQ(ExtractFolder("/home/ann/"), "/home/ann");
  EXPECT_EQ(ExtractFolder(""), "");
  EXPECT_EQ(ProjectEntryName(0), "File_000");
  EXPECT_EQ(ProjectEntryName(9), "File_009");
  EXPECT_EQ(ProjectEntryName(1234), "File_1234");
  EXPECT_TRUE(IsProjectEntryName("Filed"));
  EXPECT_FALSE(IsProjectEntryName("file_000"));
  EXPECT_FALSE(IsProjectEntryName("Fil"));
}

TEST_F(PrjLibTest, TwoProgramsClosingDocumentsAtOnceLoseNoEntry) {
  // Each addition rewrites the whole list; two copies of the program doing so
  // at the same moment must still end with every document in the list.
  std::vector<std::string> Files;
  for (int I = 0; I < 16; ++I) Files.push_back(MakeFile("doc" + std::to_string(I) + ".qby"));
  auto Closer = [&](int First) {
    TProject Copy;
    Copy.RegistryAddress = Project.RegistryAddress;
    Copy.MaxListSize = 20;
    for (int I = First; I < 16; I += 2) Copy.AddToProjectList(Files[I]);
  };
  std::thread Even(Closer, 0);
  std::thread Odd(Closer, 1);
  Even.join();
  Odd.join();
  std::vector<std::string> List;
  Project.ReadProjectList(List);
  EXPECT_EQ(List.size(), 16u);
  EXPECT_EQ(StoredEntries().back().rfind("File_015=", 0), 0u);
}

TEST_F(PrjLibTest, AFailedListReadLeavesTheStoredListWhole) {
  std::string A = MakeFile("a.qby");
  StoreEntry("File_000", A);
  OpenAddressKey(Project.RegistryAddress, "Projects")->WriteInteger("File_001", 3);
  EXPECT_THROW(Project.AddToProjectList(MakeFile("b.qby")), EQuillbayError);
  EXPECT_EQ(OpenAddressKey(Project.RegistryAddress, "Projects")->ReadString("File_000"), A);
}
}  // namespace
