#pragma once
// The parts of the Linux platform that need only QtCore: the system locale's
// day and month names and its text comparison, the program's and the user's
// folders, and the clock. The command-line tool uses this alone, so that it
// starts without loading the GUI libraries; TQtPlatform adds the desktop's
// colours and the browser.

#include "platform/PlatformFake.h"

class TQtCorePlatform : public TFakePlatform {
public:
  TQtCorePlatform();

  std::string LongDayName(int Day) const override;
  std::string ShortDayName(int Day) const override;
  std::string LongMonthName(int Month) const override;
  int CompareTextIgnoreCase(const std::string& A, const std::string& B) const override;
  std::string ProgramFolder() const override;
  std::string SharedDataFolder() const override;
  std::string DocumentsFolder() const override;
  double Now() const override;
};
