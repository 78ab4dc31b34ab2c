#include "platform/PlatformFake.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {
constexpr uint32_t RGB(uint32_t R, uint32_t G, uint32_t B) { return R | (G << 8) | (B << 16); }

std::string Env(const char* Name) {
  const char* V = std::getenv(Name);
  return V ? std::string(V) : std::string();
}

std::string EnvFolder(const char* Name, const char* HomeRelative) {
  std::string Base = Env(Name);
  if (Base.empty()) {
    std::string Home = Env("HOME");
    if (Home.empty()) return {};
    Base = Home + "/" + HomeRelative;
  }
  return Base + "/Quillbay";
}

int AsciiUpper(unsigned char C) { return (C >= 'a' && C <= 'z') ? C - 32 : C; }
}  // namespace

TFakePlatform::TFakePlatform()
    : DayNames{"", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
      ShortDayNames{"", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
      MonthNames{"",     "January", "February",  "March",   "April",    "May",     "June",
                 "July", "August",  "September", "October", "November", "December"},
      // The classic default values of the system colours, clScrollBar first.
      SystemColors{RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128),
                   RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
                   RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192), RGB(192, 192, 192),
                   RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255), RGB(192, 192, 192),
                   RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
                   RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),
                   RGB(255, 255, 225)} {
  std::string Runtime = Env("XDG_RUNTIME_DIR");
  std::error_code Ec;
  if (!Runtime.empty() && std::filesystem::is_directory(Runtime, Ec)) {
    FTempFolder = Runtime;
  } else {
    std::string Tmp = Env("TMPDIR");
    FTempFolder = (!Tmp.empty() && std::filesystem::is_directory(Tmp, Ec)) ? Tmp : "/tmp";
  }
  FConfigFolder = EnvFolder("XDG_CONFIG_HOME", ".config");
  FDataFolder = EnvFolder("XDG_DATA_HOME", ".local/share");
}

std::string TFakePlatform::LongDayName(int Day) const { return (Day >= 1 && Day <= 7) ? DayNames[Day] : ""; }

std::string TFakePlatform::ShortDayName(int Day) const {
  return (Day >= 1 && Day <= 7) ? ShortDayNames[Day] : "";
}

std::string TFakePlatform::LongMonthName(int Month) const {
  return (Month >= 1 && Month <= 12) ? MonthNames[Month] : "";
}

int TFakePlatform::CompareTextIgnoreCase(const std::string& A, const std::string& B) const {
  size_t N = std::min(A.size(), B.size());
  for (size_t I = 0; I < N; ++I) {
    int D = AsciiUpper(static_cast<unsigned char>(A[I])) - AsciiUpper(static_cast<unsigned char>(B[I]));
    if (D != 0) return D;
  }
  return A.size() < B.size() ? -1 : (A.size() > B.size() ? 1 : 0);
}

uint32_t TFakePlatform::SystemColorRGB(int Index) const {
  return (Index >= 0 && Index < 25) ? SystemColors[Index] : 0;
}

TScopedPlatform::TScopedPlatform(TPlatform& P) : FPrevious(&Platform()) { SetPlatform(&P); }

TScopedPlatform::~TScopedPlatform() { SetPlatform(FPrevious); }
