#pragma once
// The parts of the Linux platform that need only QtCore: the system locale's
// day and month names and its text comparison, and the program's and the
// user's documents folders as Qt finds them. The rest is TLinuxPlatform's.
// The command-line tool uses this alone, so that it starts without loading
// the GUI libraries; TQtPlatform adds the desktop's colours and the browser.

#include "platform/LinuxPlatform.h"

class TQtCorePlatform : public TLinuxPlatform {
 public:
  std::string LongDayName(int Day) const override;
  std::string ShortDayName(int Day) const override;
  std::string LongMonthName(int Month) const override;
  int CompareTextIgnoreCase(const std::string& A, const std::string& B) const override;
  std::string LanguageTag() const override;
  std::string ProgramFolder() const override;
  std::string DocumentsFolder() const override;
};
