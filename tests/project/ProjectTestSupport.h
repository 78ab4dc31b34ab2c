#pragma once
// A private folder per test, a fake platform whose configuration and
// documents folders lie inside it, and scripted dialogs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/Errors.h"
#include "project/RegistryLib.h"
#include "project/SettingsStore.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ScriptedDialogs.h"

class TTempFolder {
 public:
  TTempFolder() {
    std::string Template = (std::filesystem::temp_directory_path() / "quillbay-prj-XXXXXX").string();
    char* Made = ::mkdtemp(Template.data());
    if (!Made) throw std::runtime_error("cannot make a temporary folder");
    FPath = Made;
  }
  ~TTempFolder() {
    std::error_code Ec;
    std::filesystem::remove_all(FPath, Ec);
  }
  const std::string& Path() const { return FPath; }

 private:
  std::string FPath;
};

inline std::string ReadFileText(const std::string& Name) {
  std::ifstream In(Name, std::ios::binary);
  std::stringstream S;
  S << In.rdbuf();
  return S.str();
}

inline void WriteFileText(const std::string& Name, const std::string& Text) {
  std::ofstream Out(Name, std::ios::binary | std::ios::trunc);
  Out << Text;
}

class TProjectLayerTest : public ::testing::Test {
 protected:
  TProjectLayerTest() : FScopedPlatform(FPlatform), FScopedDialogs(FDialogs) {
    FPlatform.FConfigFolder = FTemp.Path() + "/config/Quillbay";
    FPlatform.FDocumentsFolder.clear();
    ResetSettingsNotice();
  }
  ~TProjectLayerTest() override { ResetSettingsNotice(); }

  std::string Store() const { return FPlatform.FConfigFolder + "/settings.ini"; }
  // Makes an (empty) file below the temporary folder and answers its path.
  std::string MakeFile(const std::string& Relative) {
    std::string Name = FTemp.Path() + "/" + Relative;
    std::filesystem::create_directories(std::filesystem::path(Name).parent_path());
    WriteFileText(Name, "x");
    return Name;
  }

  TTempFolder FTemp;
  TFakePlatform FPlatform;
  TScopedPlatform FScopedPlatform;
  TScriptedDialogs FDialogs;
  TScopedUserDialogs FScopedDialogs;
};
