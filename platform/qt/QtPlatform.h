#pragma once
// The platform of the running desktop program on Linux: TQtCorePlatform plus
// the application palette as system colours and QDesktopServices for opening
// pages and addresses. System colours need a QGuiApplication; without one they
// are TLinuxPlatform's classic values.

#include "platform/qt/QtCorePlatform.h"

class TQtPlatform : public TQtCorePlatform {
 public:
  uint32_t SystemColorRGB(int Index) const override;
  void OpenDocument(const std::string& PathOrUrl) override;
};
