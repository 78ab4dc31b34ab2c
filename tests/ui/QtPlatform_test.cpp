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

TEST(QtPlatform, FirstWeekDayIsTheTimeLocalesFirstDay) {
  // 1 Sunday .. 7 Saturday, as the C library's locales define the week.
  const std::pair<const char*, int> Cases[] = {{"C", 1},          {"en_US.UTF-8", 1}, {"de_DE.UTF-8", 2},
                                               {"de_DE", 2},      {"en_GB.UTF-8", 2}, {"ar_EG.UTF-8", 7},
                                               {"xx_YY.UTF-8", 1}};
  const char* Outer = std::getenv("LC_ALL");
  const std::string Kept = Outer ? Outer : "";
  TQtPlatform Platform;
  for (const auto& [Locale, Day] : Cases) {
    setenv("LC_ALL", Locale, 1);
    EXPECT_EQ(Platform.FirstWeekDay(), Day) << Locale;
  }
  Outer ? setenv("LC_ALL", Kept.c_str(), 1) : unsetenv("LC_ALL");
}
