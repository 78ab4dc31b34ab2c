#include "tests/support/FakePlatform.h"

#include "platform/LinuxPlatform.h"

TFakePlatform::TFakePlatform() {
  const TLinuxPlatform Real;
  for (int I = 1; I <= 7; ++I) {
    DayNames[I] = EnglishDayNames[I - 1];
    ShortDayNames[I] = DayNames[I].substr(0, 3);
  }
  for (int I = 1; I <= 12; ++I) MonthNames[I] = EnglishMonthNames[I - 1];
  for (int I = 0; I < 25; ++I) SystemColors[I] = Real.SystemColorRGB(I);
  FTempFolder = Real.TempFolder();
  FConfigFolder = Real.ConfigFolder();
  FDataFolder = Real.DataFolder();
}

std::string TFakePlatform::LongDayName(int Day) const { return (Day >= 1 && Day <= 7) ? DayNames[Day] : ""; }

std::string TFakePlatform::ShortDayName(int Day) const {
  return (Day >= 1 && Day <= 7) ? ShortDayNames[Day] : "";
}

std::string TFakePlatform::LongMonthName(int Month) const {
  return (Month >= 1 && Month <= 12) ? MonthNames[Month] : "";
}

int TFakePlatform::CompareTextIgnoreCase(const std::string& A, const std::string& B) const {
  return TLinuxPlatform().CompareTextIgnoreCase(A, B);
}

uint32_t TFakePlatform::SystemColorRGB(int Index) const {
  return (Index >= 0 && Index < 25) ? SystemColors[Index] : 0;
}

TScopedPlatform::TScopedPlatform(TPlatform& P) : FPrevious(&Platform()) { SetPlatform(&P); }

TScopedPlatform::~TScopedPlatform() { SetPlatform(FPrevious); }
