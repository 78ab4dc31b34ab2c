#pragma once
// A deterministic platform for tests: every answer is a field that the test
// may set. It starts with English day and month names whatever the locale,
// what TLinuxPlatform answers in this environment for the rest (the classic
// colours, the XDG folders), a fixed clock at noon on 5 March 2026, and a
// shell that only records what it was asked to open.

#include <array>
#include <string>
#include <vector>

#include "platform/Platform.h"

class TFakePlatform : public TPlatform {
 public:
  TFakePlatform();

  std::string LongDayName(int Day) const override;
  std::string ShortDayName(int Day) const override;
  std::string LongMonthName(int Month) const override;
  int FirstWeekDay() const override { return FFirstWeekDay; }
  int CompareTextIgnoreCase(const std::string& A, const std::string& B) const override;
  std::string LanguageTag() const override { return FLanguageTag; }

  uint32_t SystemColorRGB(int Index) const override;

  std::string TempFolder() const override { return FTempFolder; }
  std::string ProgramFolder() const override { return FProgramFolder; }
  std::string SharedDataFolder() const override { return FSharedDataFolder; }
  std::string ConfigFolder() const override { return FConfigFolder; }
  std::string DataFolder() const override { return FDataFolder; }
  std::string DocumentsFolder() const override { return FDocumentsFolder; }

  double Now() const override { return FNow; }

  // Records the request; answers false when FOpenerFails.
  bool OpenDocument(const std::string& PathOrUrl) override {
    Opened.push_back(PathOrUrl);
    return !FOpenerFails;
  }

  std::array<std::string, 8> DayNames;       // index 1..7 used
  std::array<std::string, 8> ShortDayNames;  // index 1..7 used
  std::array<std::string, 13> MonthNames;    // index 1..12 used
  std::string FLanguageTag = "en";
  int FFirstWeekDay = 1;  // Sunday
  std::array<uint32_t, 25> SystemColors;
  // The program and shared data folders start empty: a test that needs them
  // points them at a temporary place.
  std::string FTempFolder, FProgramFolder, FSharedDataFolder, FConfigFolder, FDataFolder, FDocumentsFolder;
  double FNow = 46086.5;  // 5 March 2026, noon
  std::vector<std::string> Opened;
  bool FOpenerFails = false;
};

// Installs a platform for the lifetime of the object and restores the previous
// one afterwards.
class TScopedPlatform {
 public:
  explicit TScopedPlatform(TPlatform& P);
  ~TScopedPlatform();
  TScopedPlatform(const TScopedPlatform&) = delete;
  TScopedPlatform& operator=(const TScopedPlatform&) = delete;

 private:
  TPlatform* FPrevious;
};
