#pragma once
// The platform of the running program on Linux, through Qt: the system locale's
// names, the application palette as system colours, XDG folders, the clock,
// and QDesktopServices for opening pages and addresses. System colours need a
// QGuiApplication; without one (the command-line tool) they keep their
// classic default values.

#include "platform/PlatformFake.h"

class TQtPlatform : public TFakePlatform {
public:
  TQtPlatform();

  std::string LongDayName(int Day) const override;
  std::string ShortDayName(int Day) const override;
  std::string LongMonthName(int Month) const override;
  int CompareTextIgnoreCase(const std::string& A, const std::string& B) const override;
  uint32_t SystemColorRGB(int Index) const override;
  std::string ProgramFolder() const override;
  std::string SharedDataFolder() const override;
  std::string DocumentsFolder() const override;
  double Now() const override;
  void OpenDocument(const std::string& PathOrUrl) override;
};
