#include "platform/LinuxPlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>

const char* const EnglishDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
const char* const EnglishMonthNames[12] = {"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};

namespace {
constexpr uint32_t RGB(uint32_t R, uint32_t G, uint32_t B) { return R | (G << 8) | (B << 16); }

// The classic default values of the system colours, clScrollBar first.
constexpr uint32_t ClassicColors[25] = {
    RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128), RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(192, 192, 192), RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255),
    RGB(192, 192, 192), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),       RGB(255, 255, 225)};

std::string Env(const char* Name) {
  const char* V = std::getenv(Name);
  return V ? std::string(V) : std::string();
}

bool IsFolder(const std::string& Path) {
  std::error_code Ec;
  return !Path.empty() && std::filesystem::is_directory(Path, Ec);
}

// $Name/Quillbay, or ~/HomeRelative/Quillbay when the variable is not set.
std::string XdgFolder(const char* Name, const char* HomeRelative) {
  std::string Base = Env(Name);
  if (Base.empty()) {
    const std::string Home = Env("HOME");
    if (Home.empty()) return {};
    Base = Home + "/" + HomeRelative;
  }
  return Base + "/Quillbay";
}

int AsciiUpper(unsigned char C) { return (C >= 'a' && C <= 'z') ? C - 32 : C; }
}  // namespace

std::string TLinuxPlatform::LongDayName(int Day) const {
  return (Day >= 1 && Day <= 7) ? EnglishDayNames[Day - 1] : "";
}

std::string TLinuxPlatform::ShortDayName(int Day) const { return LongDayName(Day).substr(0, 3); }

std::string TLinuxPlatform::LongMonthName(int Month) const {
  return (Month >= 1 && Month <= 12) ? EnglishMonthNames[Month - 1] : "";
}

int TLinuxPlatform::CompareTextIgnoreCase(const std::string& A, const std::string& B) const {
  const size_t N = std::min(A.size(), B.size());
  for (size_t I = 0; I < N; ++I) {
    const int D = AsciiUpper(static_cast<unsigned char>(A[I])) - AsciiUpper(static_cast<unsigned char>(B[I]));
    if (D != 0) return D;
  }
  return A.size() < B.size() ? -1 : (A.size() > B.size() ? 1 : 0);
}

std::string TLinuxPlatform::LanguageTag() const { return "en"; }

uint32_t TLinuxPlatform::SystemColorRGB(int Index) const {
  return (Index >= 0 && Index < 25) ? ClassicColors[Index] : 0;
}

std::string TLinuxPlatform::TempFolder() const {
  const std::string Runtime = Env("XDG_RUNTIME_DIR");
  if (IsFolder(Runtime)) return Runtime;
  const std::string Tmp = Env("TMPDIR");
  return IsFolder(Tmp) ? Tmp : "/tmp";
}

std::string TLinuxPlatform::ProgramFolder() const {
  std::error_code Ec;
  const std::filesystem::path Exe = std::filesystem::read_symlink("/proc/self/exe", Ec);
  return Ec ? std::string() : Exe.parent_path().string();
}

std::string TLinuxPlatform::SharedDataFolder() const {
  const std::string Program = ProgramFolder();
  if (!Program.empty()) {
    const std::string Installed =
        (std::filesystem::path(Program) / "../share/quillbay").lexically_normal().string();
    if (IsFolder(Installed)) return Installed;
  }
#ifdef QUILLBAY_SOURCE_DIR
  return QUILLBAY_SOURCE_DIR;
#else
  return {};
#endif
}

std::string TLinuxPlatform::ConfigFolder() const { return XdgFolder("XDG_CONFIG_HOME", ".config"); }

std::string TLinuxPlatform::DataFolder() const { return XdgFolder("XDG_DATA_HOME", ".local/share"); }

std::string TLinuxPlatform::DocumentsFolder() const {
  const std::string Home = Env("HOME");
  if (Home.empty()) return {};
  const std::string Documents = Home + "/Documents";
  return IsFolder(Documents) ? Documents : std::string();
}

double TLinuxPlatform::Now() const {
  using namespace std::chrono;
  const auto Since = system_clock::now().time_since_epoch();
  const time_t Seconds = duration_cast<std::chrono::seconds>(Since).count();
  std::tm Local{};
  localtime_r(&Seconds, &Local);
  const double LocalMs =
      static_cast<double>(duration_cast<milliseconds>(Since).count()) + Local.tm_gmtoff * 1000.0;
  // Day 25569 is 1 January 1970.
  return 25569.0 + LocalMs / 86400000.0;
}

void TLinuxPlatform::OpenDocument(const std::string&) {}
