#pragma once
// A private folder per test, a fake platform whose configuration and
// documents folders lie inside it, and scripted dialogs.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Errors.h"
#include "project/RegistryLib.h"
#include "project/SettingsStore.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

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
    WriteFileBytes(Name, "x");
    return Name;
  }

  TTempFolder FTemp;
  TFakePlatform FPlatform;
  TScopedPlatform FScopedPlatform;
  TScriptedDialogs FDialogs;
  TScopedUserDialogs FScopedDialogs;
};
