#include "project/RegistryLib.h"

#include <signal.h>
#include <sys/resource.h>

#include <functional>
#include <thread>

#include "ProjectTestSupport.h"
#include "project/ShellLib.h"

namespace {
class RegistryLibTest : public TProjectLayerTest {
 protected:
  TRegistryAddress Address(TRegistryRootKey Root, const std::string& Path) { return {Root, Path}; }

  bool KeyExists(TRegistryRootKey Root, const std::string& Path) {
    TRegistry Reg;
    Reg.SetRootKey(RootKeyHandle(Root));
    return Reg.KeyExists(Path);
  }
};

TEST_F(RegistryLibTest, AddressTableJoinsPathAndName) {
  struct TCase {
    std::string Path, Name, Expected;
  } Cases[] = {
      {"\\Software\\tolvsoft\\Quillbay", "Projects", "\\Software\\tolvsoft\\Quillbay\\Projects"},
      {"\\Software\\tolvsoft\\Quillbay\\", "Projects", "\\Software\\tolvsoft\\Quillbay\\Projects"},
      {"\\Software\\tolvsoft\\Quillbay", "", "\\Software\\tolvsoft\\Quillbay"},
      {"\\Software\\tolvsoft\\Quillbay", "\\Elsewhere\\Key", "\\Elsewhere\\Key"},
      {"", "Projects", "\\Projects"},
      {"\\Software\\tolvsoft\\Quillbay", "Forms\\frmMain", "\\Software\\tolvsoft\\Quillbay\\Forms\\frmMain"},
  };
  for (const auto& C : Cases) {
    EXPECT_EQ(AddressKeyPath(Address(hkeyCurrentUser, C.Path), C.Name), C.Expected)
        << C.Path << " + " << C.Name;
  }
}

TEST_F(RegistryLibTest, OpeningAnAddressCreatesTheKeyAndTheKeysAboveIt) {
  auto Reg = OpenAddressKey(Address(hkeyCurrentUser, "\\Software\\tolvsoft\\Quillbay"), "Forms\\frmMain");
  EXPECT_TRUE(Reg->HasOpenKey());
  EXPECT_EQ(Reg->RootKey(), HKEY_CURRENT_USER);
  EXPECT_EQ(Reg->CurrentPath(), "Software\\tolvsoft\\Quillbay\\Forms\\frmMain");
  Reg.reset();
  EXPECT_TRUE(KeyExists(hkeyCurrentUser, "\\Software\\tolvsoft\\Quillbay\\Forms\\frmMain"));
  EXPECT_TRUE(KeyExists(hkeyCurrentUser, "Software\\tolvsoft\\Quillbay\\Forms"));
  EXPECT_TRUE(KeyExists(hkeyCurrentUser, "Software"));
  EXPECT_FALSE(KeyExists(hkeyLocalMachine, "Software"));
  EXPECT_EQ(ReadFileBytes(Store()),
            "QuillbaySettings 1\n"
            "; Quillbay's settings: the recently used calendars and the window's place.\n"
            "\n[HKEY_CURRENT_USER\\Software]\n"
            "\n[HKEY_CURRENT_USER\\Software\\tolvsoft]\n"
            "\n[HKEY_CURRENT_USER\\Software\\tolvsoft\\Quillbay]\n"
            "\n[HKEY_CURRENT_USER\\Software\\tolvsoft\\Quillbay\\Forms]\n"
            "\n[HKEY_CURRENT_USER\\Software\\tolvsoft\\Quillbay\\Forms\\frmMain]\n");
}

TEST_F(RegistryLibTest, RootsFollowTheirOrdinals) {
  EXPECT_EQ(RootKeyHandle(hkeyCurrentUser), 0x80000001u);
  EXPECT_EQ(RootKeyHandle(hkeyLocalMachine), 0x80000002u);
  EXPECT_EQ(RootKeyHandle(hkeyClassesRoot), 0x80000000u);
  EXPECT_EQ(OpenAddressKey(Address(hkeyLocalMachine, "A"), "B")->RootKey(), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(OpenAddressKey(Address(hkeyClassesRoot, "A"), "\\C")->RootKey(), HKEY_CLASSES_ROOT);
  EXPECT_TRUE(KeyExists(hkeyLocalMachine, "A\\B"));
  EXPECT_TRUE(KeyExists(hkeyClassesRoot, "C"));
  EXPECT_FALSE(KeyExists(hkeyClassesRoot, "A"));
  EXPECT_FALSE(KeyExists(hkeyCurrentUser, "A"));
}

TEST_F(RegistryLibTest, RelativePathsStartAtTheOpenKeyAbsoluteOnesAtTheRoot) {
  TRegistry Reg;
  ASSERT_TRUE(Reg.OpenKey("Software", true));
  ASSERT_TRUE(Reg.OpenKey("Sub", true));
  EXPECT_EQ(Reg.CurrentPath(), "Software\\Sub");
  ASSERT_TRUE(Reg.OpenKey("\\Other", true));
  EXPECT_EQ(Reg.CurrentPath(), "Other");
  EXPECT_FALSE(Reg.OpenKey("\\Missing", false));
  EXPECT_EQ(Reg.CurrentPath(), "Other") << "a failed open keeps the open key";
  Reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(Reg.HasOpenKey()) << "changing the root closes the key";
}

TEST_F(RegistryLibTest, TextAndIntegerValuesKeepTheirType) {
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\Software\\Test");
  Reg->WriteString("Name", "a \"quoted\" \\ text\twith\r\nlines");
  Reg->WriteInteger("Top", -107);
  Reg->WriteInteger("Big", 2147483647);
  EXPECT_EQ(Reg->ReadString("Name"), "a \"quoted\" \\ text\twith\r\nlines");
  EXPECT_EQ(Reg->ReadInteger("Top"), -107);
  EXPECT_EQ(Reg->ReadInteger("Big"), 2147483647);
  EXPECT_TRUE(Reg->ValueExists("Top"));
  EXPECT_FALSE(Reg->ValueExists("top")) << "value names keep their letter case";
  EXPECT_FALSE(Reg->ValueExists("Left"));
  EXPECT_EQ(Reg->ReadString("Missing"), "");

  struct TCase {
    std::function<void()> Call;
    std::string Message;
  } Cases[] = {
      {[&] { Reg->ReadString("Top"); }, "Invalid data type for 'Top'"},
      {[&] { Reg->ReadInteger("Name"); }, "Invalid data type for 'Name'"},
      {[&] { Reg->ReadInteger("Left"); }, "Failed to get data for 'Left'"},
  };
  for (const auto& C : Cases) {
    try {
      C.Call();
      ADD_FAILURE() << "no error, expected " << C.Message;
    } catch (const EQuillbayError& E) {
      EXPECT_EQ(std::string(E.what()), C.Message);
    }
  }
}

TEST_F(RegistryLibTest, WritingWithoutAnOpenKeyFails) {
  TRegistry Reg;
  EXPECT_THROW(Reg.WriteString("X", "y"), EQuillbayError);
  EXPECT_THROW(Reg.WriteInteger("X", 1), EQuillbayError);
  EXPECT_FALSE(std::filesystem::exists(Store()));
}

TEST_F(RegistryLibTest, ValueNamesComeBackInWritingOrder) {
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\K");
  for (const char* Name : {"File_002", "Zeta", "File_000", "alpha"}) Reg->WriteString(Name, "v");
  Reg->WriteString("Zeta", "rewritten");  // keeps its place
  std::vector<std::string> Names;
  Reg->GetValueNames(Names);
  EXPECT_EQ(Names, (std::vector<std::string>{"File_002", "Zeta", "File_000", "alpha"}));
  EXPECT_TRUE(Reg->DeleteValue("File_002"));
  EXPECT_FALSE(Reg->DeleteValue("File_002"));
  Reg->WriteString("File_002", "again");
  Reg->GetValueNames(Names);
  EXPECT_EQ(Names, (std::vector<std::string>{"Zeta", "File_000", "alpha", "File_002"}));
}

TEST_F(RegistryLibTest, TheStoreFileIsReadableText) {
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\Software\\tolvsoft\\Quillbay\\Projects");
  Reg->WriteString("File_000", "/home/ann/Club \"A\".qby");
  Reg->WriteInteger("Count", 3);
  Reg->WriteString("Odd", std::string("a\x01"
                                      "b\x7f",
                                      4));
  std::string Text = ReadFileBytes(Store());
  EXPECT_NE(Text.find("\n[HKEY_CURRENT_USER\\Software\\tolvsoft\\Quillbay\\Projects]\n"
                      "\"File_000\"=\"/home/ann/Club \\\"A\\\".qby\"\n"
                      "\"Count\"=int:3\n"
                      "\"Odd\"=\"a\\x01b\\x7F\"\n"),
            std::string::npos)
      << Text;
  TSettingsDocument Doc;
  ASSERT_TRUE(Doc.Parse(Text));
  EXPECT_EQ(Doc.ToText(), Text) << "reading and writing again changes nothing";
}

TEST_F(RegistryLibTest, TextEndsAtTheFirstNul) {
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\K");
  Reg->WriteString("V", std::string("abc\0def", 7));
  EXPECT_EQ(Reg->ReadString("V"), "abc");
}

TEST_F(RegistryLibTest, DamagedTextsAreRecognised) {
  const char* Cases[] = {
      "[HKEY_CURRENT_USER\\K]\n",                        // no header
      "QuillbaySettings x\n",                            // bad version
      "QuillbaySettings 1\n\"V\"=\"before any key\"\n",  // value outside a key
      "QuillbaySettings 1\n[HKEY_SOMEWHERE\\K]\n",       // unknown root
      "QuillbaySettings 1\n[HKEY_CURRENT_USER\\K]\n\"V\"=\"unterminated\n",
      "QuillbaySettings 1\n[HKEY_CURRENT_USER\\K]\n\"V\"=\"bad \\q escape\"\n",
      "QuillbaySettings 1\n[HKEY_CURRENT_USER\\K]\n\"V\"=int:12x\n",
      "QuillbaySettings 1\n[HKEY_CURRENT_USER\\K]\n\"V\"=int:99999999999\n",
      "QuillbaySettings 1\n[HKEY_CURRENT_USER\\K]\n\"V\"=qword:1\n",  // unknown type in version 1
      "QuillbaySettings 1\n[HKEY_CURRENT_USER\\K]\nrandom words\n",
  };
  for (const char* Text : Cases) {
    TSettingsDocument Doc;
    EXPECT_FALSE(Doc.Parse(Text)) << Text;
  }
  TSettingsDocument Doc;
  EXPECT_FALSE(Doc.Parse(std::string("QuillbaySettings 1\n\0", 20)));
  EXPECT_TRUE(Doc.Parse("")) << "an empty file is an empty store";
  EXPECT_TRUE(Doc.Parse("QuillbaySettings 1\r\n; note\r\n[HKEY_CURRENT_USER]\r\n\"V\"=int:1\r\n"));
}

TEST_F(RegistryLibTest, ANewerStoreKeepsLinesItDoesNotKnow) {
  std::filesystem::create_directories(FPlatform.FConfigFolder);
  WriteFileBytes(Store(),
                "QuillbaySettings 2\n"
                "@encoding utf-8\n"
                "[HKEY_CURRENT_USER\\K]\n"
                "\"Future\"=qword:12345678901\n"
                "!flag something\n"
                "\"Old\"=int:5\n");
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\K");
  EXPECT_EQ(Reg->ReadInteger("Old"), 5);
  EXPECT_THROW(Reg->ReadString("Future"), EQuillbayError);
  Reg->WriteInteger("New", 7);
  EXPECT_EQ(ReadFileBytes(Store()),
            "QuillbaySettings 2\n"
            "; Quillbay's settings: the recently used calendars and the window's place.\n"
            "@encoding utf-8\n"
            "\n[HKEY_CURRENT_USER\\K]\n"
            "\"Future\"=qword:12345678901\n"
            "!flag something\n"
            "\"Old\"=int:5\n"
            "\"New\"=int:7\n");
  EXPECT_TRUE(FDialogs.Messages.empty());
}

TEST_F(RegistryLibTest, ADamagedStoreIsSetAsideAndTheUserToldOnce) {
  std::filesystem::create_directories(FPlatform.FConfigFolder);
  WriteFileBytes(Store(), "garbage that is not a settings file\n");
  FDialogs.MessageAnswers.push_back(TMsgResult::OK);
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\K");
  EXPECT_EQ(ReadFileBytes(Store() + ".bad"), "garbage that is not a settings file\n");
  ASSERT_EQ(FDialogs.Messages.size(), 1u);
  EXPECT_EQ(FDialogs.Messages[0].Icon, TMsgIcon::Warning);
  EXPECT_NE(FDialogs.Messages[0].Text.find(Store() + ".bad"), std::string::npos) << FDialogs.Messages[0].Text;
  Reg->WriteInteger("Top", 1);
  EXPECT_EQ(Reg->ReadInteger("Top"), 1) << "a fresh store is in use";

  // Damaged again in the same run: set aside again, but no second message.
  WriteFileBytes(Store(), "QuillbaySettings 1\nbroken\n");
  EXPECT_FALSE(Reg->ValueExists("Top"));
  EXPECT_EQ(ReadFileBytes(Store() + ".bad"), "QuillbaySettings 1\nbroken\n");
  EXPECT_EQ(FDialogs.Messages.size(), 1u);
}

TEST_F(RegistryLibTest, AnUnreadableStoreIsSetAside) {
  std::filesystem::create_directories(Store());  // a folder where the file should be
  FDialogs.MessageAnswers.push_back(TMsgResult::OK);
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\K");
  Reg->WriteString("V", "kept");
  EXPECT_TRUE(std::filesystem::is_directory(Store() + ".bad"));
  EXPECT_EQ(Reg->ReadString("V"), "kept");
  EXPECT_EQ(FDialogs.Messages.size(), 1u);
}

TEST_F(RegistryLibTest, TheNoticeWaitsForDialogs) {
  std::filesystem::create_directories(FPlatform.FConfigFolder);
  WriteFileBytes(Store(), "garbage\n");
  SetUserDialogs(nullptr);
  OpenRegistryKey(hkeyCurrentUser, "\\K");  // at start-up, before any window
  SetUserDialogs(&FDialogs);
  EXPECT_TRUE(FDialogs.Messages.empty());
  FDialogs.MessageAnswers.push_back(TMsgResult::OK);
  OpenRegistryKey(hkeyCurrentUser, "\\K");
  EXPECT_EQ(FDialogs.Messages.size(), 1u);
}

TEST_F(RegistryLibTest, AWriteThatFailsMidwayLeavesTheOldStore) {
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\K");
  Reg->WriteString("Kept", "old value");
  const std::string Before = ReadFileBytes(Store());

  // A file size limit stands in for a full disk: the write stops partway.
  struct rlimit Old;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Old), 0);
  auto OldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit Limit = Old;
  Limit.rlim_cur = Before.size() + 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Limit), 0);
  std::string Message;
  try {
    Reg->WriteString("Huge", std::string(100000, 'x'));
  } catch (const EQuillbayError& E) {
    Message = E.what();
  }
  setrlimit(RLIMIT_FSIZE, &Old);
  signal(SIGXFSZ, OldHandler);

  EXPECT_EQ(Message, "Failed to set data for 'Huge'");
  EXPECT_EQ(ReadFileBytes(Store()), Before);
  EXPECT_EQ(Reg->ReadString("Kept"), "old value");
  int Files = 0;
  for (const auto& Entry : std::filesystem::directory_iterator(FPlatform.FConfigFolder)) {
    ++Files;
    EXPECT_TRUE(Entry.path().filename() == "settings.ini" || Entry.path().filename() == "settings.ini.lock")
        << "left behind: " << Entry.path();
  }
  EXPECT_EQ(Files, 2);
}

TEST_F(RegistryLibTest, ANewStoreIsPrivateAndALinkedOneKeepsItsLinkAndPermissions) {
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\Perm");
  Reg->WriteString("A", "1");
  EXPECT_EQ(std::filesystem::status(Store()).permissions(), std::filesystem::perms(0600));

  // The store kept elsewhere through a link, readable by the owner's group.
  const std::string Real = MakeFile("elsewhere/settings.ini");
  WriteFileBytes(Real, ReadFileBytes(Store()));
  std::filesystem::remove(Store());
  std::filesystem::create_symlink(Real, Store());
  std::filesystem::permissions(Real, std::filesystem::perms(0640));
  Reg->WriteString("B", "2");
  EXPECT_TRUE(std::filesystem::is_symlink(Store()));
  EXPECT_EQ(std::filesystem::status(Real).permissions(), std::filesystem::perms(0640));
  EXPECT_NE(ReadFileBytes(Real).find("\"B\"=\"2\""), std::string::npos) << ReadFileBytes(Real);
}

TEST_F(RegistryLibTest, TwoAccessorsInterleavingLoseNothing) {
  auto A = OpenRegistryKey(hkeyCurrentUser, "\\Shared");
  auto B = OpenRegistryKey(hkeyCurrentUser, "\\Shared");
  A->WriteString("FromA", "a");
  B->WriteString("FromB", "b");
  A->WriteInteger("Count", 1);
  EXPECT_EQ(A->ReadString("FromB"), "b") << "reads see what is on disk now";
  B->DeleteValue("FromA");
  EXPECT_FALSE(A->ValueExists("FromA"));
  std::vector<std::string> Names;
  A->GetValueNames(Names);
  EXPECT_EQ(Names, (std::vector<std::string>{"FromB", "Count"}));
}

TEST_F(RegistryLibTest, ConcurrentWritersKeepEachOthersValues) {
  const std::string File = Store();
  OpenRegistryKey(hkeyCurrentUser, "\\Shared");
  auto Writer = [&File](const std::string& Prefix) {
    TRegistry Reg(File);
    Reg.OpenKey("\\Shared", true);
    for (int I = 0; I < 40; ++I) Reg.WriteInteger(Prefix + std::to_string(I), I);
  };
  std::thread First(Writer, "a");
  std::thread Second(Writer, "b");
  First.join();
  Second.join();
  auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\Shared");
  std::vector<std::string> Names;
  Reg->GetValueNames(Names);
  EXPECT_EQ(Names.size(), 80u);
  EXPECT_EQ(Reg->ReadInteger("a39"), 39);
  EXPECT_EQ(Reg->ReadInteger("b0"), 0);
}

TEST_F(RegistryLibTest, ReadingCreatesNoStoreFolder) {
  TRegistry Reg;
  EXPECT_FALSE(Reg.OpenKey("\\K", false));
  EXPECT_FALSE(Reg.KeyExists("\\K"));
  EXPECT_FALSE(std::filesystem::exists(FPlatform.FConfigFolder));
}

TEST_F(RegistryLibTest, PersonalFolderIsTheDocumentsFolder) {
  EXPECT_EQ(GetPersonalFolder(), "");
  FPlatform.FDocumentsFolder = FTemp.Path() + "/Documents";
  EXPECT_EQ(GetPersonalFolder(), FTemp.Path() + "/Documents");
  EXPECT_EQ(GetShellFolder("Desktop"), "");
  EXPECT_FALSE(std::filesystem::exists(FPlatform.FConfigFolder)) << "the lookup creates nothing";
  EXPECT_FALSE(std::filesystem::exists(FTemp.Path() + "/Documents"));
}
}  // namespace

namespace {
TEST_F(RegistryLibTest, ABatchWritesOnceOnCommit) {
  auto Outside = OpenRegistryKey(hkeyCurrentUser, "\\K");
  Outside->WriteString("Before", "b");
  {
    TRegistryBatch Batch;
    auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\K");
    Reg->WriteString("A", "1");
    {
      TRegistryBatch Inner;  // joins the outer batch
      Reg->DeleteValue("Before");
      Inner.Commit();
    }
    EXPECT_EQ(Reg->ReadString("A"), "1") << "the batch sees its own changes";
    EXPECT_NE(ReadFileBytes(Store()).find("\"Before\""), std::string::npos) << "nothing written yet";
    Batch.Commit();
  }
  std::vector<std::string> Names;
  Outside->GetValueNames(Names);
  EXPECT_EQ(Names, (std::vector<std::string>{"A"}));
}

TEST_F(RegistryLibTest, ABatchWithoutCommitChangesNothing) {
  OpenRegistryKey(hkeyCurrentUser, "\\K")->WriteString("Kept", "k");
  const std::string Before = ReadFileBytes(Store());
  try {
    TRegistryBatch Batch;
    auto Reg = OpenRegistryKey(hkeyCurrentUser, "\\K");
    Reg->DeleteValue("Kept");
    Reg->ReadInteger("Kept");  // raises: the batch is abandoned
    Batch.Commit();
  } catch (const EQuillbayError&) {
  }
  EXPECT_EQ(ReadFileBytes(Store()), Before);
}
}  // namespace
