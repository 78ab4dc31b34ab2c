#include "project/FormKeeper.h"

#include <map>

#include "ProjectTestSupport.h"
#include "project/PrjLib.h"

namespace {
class TFakeForm : public TKeptForm {
 public:
  std::string ComponentName() const override { return Name; }
  int Top() const override { return FTop; }
  int Left() const override { return FLeft; }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetTop(int Value) override { Calls.push_back("Top=" + std::to_string(FTop = Value)); }
  void SetLeft(int Value) override { Calls.push_back("Left=" + std::to_string(FLeft = Value)); }
  void SetWidth(int Value) override { Calls.push_back("Width=" + std::to_string(FWidth = Value)); }
  void SetHeight(int Value) override { Calls.push_back("Height=" + std::to_string(FHeight = Value)); }
  TFormWindowState WindowState() const override { return State; }
  void SetWindowState(TFormWindowState Value) override {
    State = Value;
    Calls.push_back(Value == TFormWindowState::Maximized ? "Maximized" : "Normal");
  }
  std::vector<std::string> EditBoxNames() const override { return EditNames; }
  std::string EditBoxText(const std::string& Box) const override { return Texts.at(Box); }
  void SetEditBoxText(const std::string& Box, const std::string& Text) override {
    Texts[Box] = Text;
    Calls.push_back(Box + "=" + Text);
  }

  std::string Name = "frmMain";
  int FTop = 107, FLeft = 244, FWidth = 696, FHeight = 480;
  TFormWindowState State = TFormWindowState::Normal;
  std::vector<std::string> EditNames;
  std::map<std::string, std::string> Texts;
  std::vector<std::string> Calls;
};

class FormKeeperTest : public TProjectLayerTest {
 protected:
  FormKeeperTest() : Keeper(Form) {
    Project.RegistryAddress = {hkeyCurrentUser, "\\Software\\tolvsoft\\Quillbay"};
    Keeper.Project = &Project;
  }

  std::unique_ptr<TRegistry> FormKey() { return OpenRegistryKey(hkeyCurrentUser, MainKey); }
  std::vector<std::string> ValueNames() {
    std::vector<std::string> Names;
    FormKey()->GetValueNames(Names);
    return Names;
  }
  bool KeyExists(const std::string& Path) { return TRegistry().KeyExists(Path); }

  const std::string MainKey = "\\Software\\tolvsoft\\Quillbay\\Forms\\frmMain";
  using TNames = std::vector<std::string>;
  TFakeForm Form;
  TProject Project;
  TFormKeeper Keeper;
};

TEST_F(FormKeeperTest, DefaultsComeFromTheForm) {
  EXPECT_EQ(Keeper.FormName, "frmMain");
  EXPECT_TRUE(Keeper.FormStore);
  EXPECT_FALSE(Keeper.ComponentsStore);
  EXPECT_EQ(&Keeper.Form(), &Form);
  EXPECT_EQ(Keeper.KeyName(), "Forms\\frmMain");
}

TEST_F(FormKeeperTest, FirstRunCreatesTheEmptyKeyAndChangesNothing) {
  Keeper.LoadSettings(false);
  EXPECT_TRUE(KeyExists(MainKey));
  EXPECT_TRUE(ValueNames().empty());
  EXPECT_TRUE(Form.Calls.empty());
}

TEST_F(FormKeeperTest, NormalWindowRoundTrip) {
  Form.FTop = 10;
  Form.FLeft = -20;
  Form.FWidth = 800;
  Form.FHeight = 600;
  Keeper.SaveSettings();
  EXPECT_EQ(ValueNames(), (TNames{"Top", "Left", "Width", "Height", "WindowState"}));
  EXPECT_EQ(FormKey()->ReadInteger("WindowState"), 0);

  TFakeForm Other;
  TFormKeeper OtherKeeper(Other);
  OtherKeeper.Project = &Project;
  OtherKeeper.LoadSettings(false);
  EXPECT_EQ(Other.Calls, (TNames{"Top=10", "Left=-20", "Width=800", "Height=600", "Normal"}));
}

TEST_F(FormKeeperTest, MaximizedKeepsTheOlderNormalBounds) {
  Keeper.SaveSettings();  // normal: 107, 244, 696 x 480
  Form.State = TFormWindowState::Maximized;
  Form.FWidth = 1920;  // what the maximized window measures
  Keeper.SaveSettings();
  auto Key = FormKey();
  EXPECT_EQ(Key->ReadInteger("WindowState"), 1);
  EXPECT_EQ(Key->ReadInteger("Width"), 696);

  TFakeForm Next;
  TFormKeeper NextKeeper(Next);
  NextKeeper.Project = &Project;
  NextKeeper.LoadSettings(false);
  EXPECT_EQ(Next.Calls, (TNames{"Top=107", "Left=244", "Width=696", "Height=480", "Maximized"}))
      << "the bounds come first, so restoring returns to them";
}

TEST_F(FormKeeperTest, MinimizedWritesNothing) {
  Keeper.SaveSettings();
  const std::string Before = ReadFileBytes(Store());
  Form.State = TFormWindowState::Minimized;
  Form.FTop = 5000;
  Keeper.SaveSettings();
  EXPECT_EQ(ReadFileBytes(Store()), Before);
}

TEST_F(FormKeeperTest, UnknownWindowStateIsIgnoredAndMissingBoundsKeepTheForm) {
  auto Key = FormKey();
  Key->WriteInteger("Width", 500);
  Key->WriteInteger("WindowState", 2);
  Keeper.LoadSettings(false);
  EXPECT_EQ(Form.Calls, (TNames{"Width=500"}));
}

TEST_F(FormKeeperTest, ABoundThatIsNotANumberStopsTheLoading) {
  auto Key = FormKey();
  Key->WriteInteger("Top", 1);
  Key->WriteString("Left", "wide");
  Key->WriteInteger("Width", 500);
  try {
    Keeper.LoadSettings(false);
    ADD_FAILURE() << "no error";
  } catch (const EQuillbayError& E) {
    EXPECT_EQ(std::string(E.what()), "Invalid data type for 'Left'");
  }
  EXPECT_EQ(Form.Calls, (TNames{"Top=1"}));
}

TEST_F(FormKeeperTest, StoresOffStillOpenTheKeyAndRunTheHandlers) {
  Keeper.FormStore = false;
  std::vector<std::string> Log;
  Keeper.OnSave = [&](TFormKeeper& Sender, TRegistry& Reg) {
    EXPECT_EQ(&Sender, &Keeper);
    Log.push_back("save " + Reg.CurrentPath());
    Reg.WriteString("Extra", "mine");
  };
  Keeper.OnLoad = [&](TFormKeeper&, TRegistry& Reg) { Log.push_back("load " + Reg.ReadString("Extra")); };
  Keeper.SaveSettings();
  Keeper.LoadSettings(false);
  EXPECT_EQ(Log, (TNames{"save Software\\tolvsoft\\Quillbay\\Forms\\frmMain", "load mine"}));
  EXPECT_EQ(ValueNames(), (TNames{"Extra"}));
  EXPECT_TRUE(Form.Calls.empty());
}

TEST_F(FormKeeperTest, EditBoxesAreStoredByComponentName) {
  Keeper.ComponentsStore = true;
  Form.EditNames = {"edtTitle", "edtFolder"};
  Form.Texts = {{"edtTitle", "Parish calendar"}, {"edtFolder", "/srv/www"}};
  Keeper.SaveSettings();
  auto Key = FormKey();
  EXPECT_EQ(Key->ReadString("edtTitle.Text"), "Parish calendar");
  EXPECT_EQ(ValueNames(),
            (TNames{"Top", "Left", "Width", "Height", "WindowState", "edtTitle.Text", "edtFolder.Text"}));

  // A box added since the last saving is emptied; the old box's value stays.
  TFakeForm Next;
  Next.EditNames = {"edtTitle", "edtNew"};
  Next.Texts = {{"edtTitle", ""}, {"edtNew", "typed at design time"}};
  TFormKeeper NextKeeper(Next);
  NextKeeper.Project = &Project;
  NextKeeper.ComponentsStore = true;
  NextKeeper.OnLoad = [&](TFormKeeper&, TRegistry&) { Next.Calls.push_back("OnLoad"); };
  NextKeeper.LoadSettings(false);
  EXPECT_EQ(Next.Calls, (TNames{"edtTitle=Parish calendar", "edtNew=", "OnLoad", "Top=107", "Left=244",
                                "Width=696", "Height=480", "Normal"}));
  EXPECT_TRUE(FormKey()->ValueExists("edtFolder.Text"));
}

TEST_F(FormKeeperTest, GeometryOnlyLeavesBoxesAndHandlerAlone) {
  Keeper.ComponentsStore = true;
  Form.EditNames = {"edtTitle"};
  Form.Texts = {{"edtTitle", "x"}};
  Keeper.SaveSettings();
  Form.Calls.clear();
  bool Loaded = false;
  Keeper.OnLoad = [&](TFormKeeper&, TRegistry&) { Loaded = true; };
  Keeper.LoadSettings(true);
  EXPECT_FALSE(Loaded);
  EXPECT_EQ(Form.Calls, (TNames{"Top=107", "Left=244", "Width=696", "Height=480", "Normal"}));
}

TEST_F(FormKeeperTest, WithoutAProjectTheKeepersOwnAddressIsUsed) {
  Keeper.Project = nullptr;
  Keeper.FormName = "dlgStyle";
  Keeper.SaveSettings();
  EXPECT_TRUE(KeyExists("\\Forms\\dlgStyle"));
  Keeper.RegistryAddress = {hkeyLocalMachine, "\\Elsewhere"};
  Keeper.SaveSettings();
  TRegistry Machine;
  Machine.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_TRUE(Machine.KeyExists("\\Elsewhere\\Forms\\dlgStyle"));
  EXPECT_FALSE(KeyExists(MainKey));
}
}  // namespace

TEST_F(FormKeeperTest, ValuesWrittenBeforeAFailingHandlerStay) {
  // The bounds go to the store together, and an error in a handler does not
  // take back what was written before it.
  Keeper.OnSave = [](TFormKeeper&, TRegistry& Reg) {
    Reg.WriteString("Extra", "x");
    throw EQuillbayError("handler failed");
  };
  EXPECT_THROW(Keeper.SaveSettings(), EQuillbayError);
  EXPECT_EQ(ValueNames(), (TNames{"Top", "Left", "Width", "Height", "WindowState", "Extra"}));
  EXPECT_EQ(FormKey()->ReadInteger("Left"), 244);
}
