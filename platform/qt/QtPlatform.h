#pragma once
// The platform of the running desktop program on Linux: TLinuxPlatform (whose
// day and month names the command-line tool shares) plus Qt's locale-aware
// text comparison, the program's and the user's documents folders as Qt finds
// them, the application palette as system colours and QDesktopServices for
// opening pages and addresses. System colours need a QGuiApplication; without
// one they are TLinuxPlatform's classic values.

#include "platform/LinuxPlatform.h"

class TQtPlatform : public TLinuxPlatform {
 public:
  int CompareTextIgnoreCase(const std::string& A, const std::string& B) const override;
  std::string ProgramFolder() const override;
  std::string DocumentsFolder() const override;
  uint32_t SystemColorRGB(int Index) const override;
  void OpenDocument(const std::string& PathOrUrl) override;
};
