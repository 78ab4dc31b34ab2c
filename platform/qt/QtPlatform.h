#pragma once
// The platform of the running desktop program on Linux: TLinuxPlatform (whose
// day and month names the command-line tool shares) plus Qt's locale-aware
// text comparison, the program's and the user's documents folders as Qt finds
// them, the application palette as system colours and the desktop's opener
// for pages and addresses. System colours need a QGuiApplication; without
// one they are TLinuxPlatform's classic values.

#include "platform/LinuxPlatform.h"

class TQtPlatform : public TLinuxPlatform {
 public:
  int CompareTextIgnoreCase(const std::string& A, const std::string& B) const override;
  std::string ProgramFolder() const override;
  std::string DocumentsFolder() const override;
  uint32_t SystemColorRGB(int Index) const override;
  // Runs xdg-open and waits a moment for its verdict: an opener that fails
  // says so at once, while one that is still running is taken to have
  // succeeded (some wait for the browser to be closed). Without xdg-open,
  // Qt's own search for a browser or mail program decides.
  bool OpenDocument(const std::string& PathOrUrl) override;
};
