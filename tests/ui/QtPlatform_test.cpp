// The desktop program's platform: what its opener answers when xdg-open
// (here a script of the test's own) opens a page or fails to.

#include "platform/qt/QtPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/TestFiles.h"

TEST(QtPlatform, OpenDocumentAnswersTheOpenersVerdict) {
  TTempFolder Temp;
  const std::string Opener = Temp.Path("xdg-open");
  const std::string OldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", (Temp.Path() + ":" + OldPath).c_str(), 1);
  for (const auto& [ExitCode, Opened] : {std::pair{0, true}, std::pair{4, false}}) {
    SCOPED_TRACE(ExitCode);
    WriteFileBytes(Opener, "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/asked\"\nexit " +
                               std::to_string(ExitCode) + "\n");
    std::filesystem::permissions(Opener, std::filesystem::perms::owner_all);
    TQtPlatform Platform;
    EXPECT_EQ(Platform.OpenDocument("/tmp/a b/calendar.html"), Opened);
    EXPECT_EQ(ReadFileBytes(Temp.Path("asked")), "/tmp/a b/calendar.html");
  }
  setenv("PATH", OldPath.c_str(), 1);
}
