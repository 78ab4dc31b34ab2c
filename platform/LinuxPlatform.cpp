#include "platform/LinuxPlatform.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <mutex>

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

// The day and month names of one locale in UTF-8, Sunday and January first.
struct TTimeNames {
  std::string Locale;    // the locale they were read for
  std::string Language;  // as a BCP 47 tag
  std::array<std::string, 7> Days, ShortDays;
  std::array<std::string, 12> Months;
  int FirstWeekDay = 1;  // 1 Sunday .. 7 Saturday
};

// The locale that decides LC_TIME: LC_ALL, else LC_TIME, else LANG, else C.
std::string TimeLocaleName() {
  for (const char* Variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const std::string Value = Env(Variable);
    if (!Value.empty()) return Value;
  }
  return "C";
}

void SetEnglishNames(TTimeNames& Names) {
  Names.Language = "en";
  Names.FirstWeekDay = 1;
  for (int I = 0; I < 7; ++I) {
    Names.Days[I] = EnglishDayNames[I];
    Names.ShortDays[I] = Names.Days[I].substr(0, 3);
  }
  for (int I = 0; I < 12; ++I) Names.Months[I] = EnglishMonthNames[I];
}

// Converts the text of a locale's character set to UTF-8.
class TToUtf8 {
 public:
  explicit TToUtf8(const std::string& Codeset)
      : FPass(Codeset == "UTF-8"), FConverter(FPass ? None() : iconv_open("UTF-8", Codeset.c_str())) {}
  ~TToUtf8() {
    if (FConverter != None()) iconv_close(FConverter);
  }
  TToUtf8(const TToUtf8&) = delete;
  TToUtf8& operator=(const TToUtf8&) = delete;

  // False when the text does not convert (or nothing converts this set).
  bool Convert(const char* Text, std::string& Out) const {
    if (FPass) {
      Out = Text;
      return true;
    }
    if (FConverter == None()) return false;
    std::string In = Text;
    Out.assign(In.size() * 4, '\0');
    char* Source = In.data();
    size_t SourceLeft = In.size();
    char* Target = Out.data();
    size_t TargetLeft = Out.size();
    iconv(FConverter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(FConverter, &Source, &SourceLeft, &Target, &TargetLeft) == static_cast<size_t>(-1))
      return false;
    Out.resize(Out.size() - TargetLeft);
    return true;
  }

 private:
  static iconv_t None() { return reinterpret_cast<iconv_t>(-1); }
  bool FPass;
  iconv_t FConverter;
};

// The BCP 47 tag of a locale name language[_TERRITORY][.codeset][@modifier]:
// "de-DE"; "en" for C, POSIX and anything that is not of that form.
std::string LanguageOf(const std::string& Locale) {
  auto Letters = [](const std::string& S, size_t Min, size_t Max) {
    if (S.size() < Min || S.size() > Max) return false;
    return std::all_of(S.begin(), S.end(),
                       [](char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); });
  };
  const std::string Name = Locale.substr(0, Locale.find_first_of(".@"));
  const size_t Underscore = Name.find('_');
  const std::string Language = Name.substr(0, Underscore);
  if (!Letters(Language, 2, 3) || Language == "C") return "en";
  if (Underscore == std::string::npos) return Language;
  const std::string Territory = Name.substr(Underscore + 1);
  return Letters(Territory, 2, 2) ? Language + "-" + Territory : Language;
}

// The locale's first day of the week, 1 Sunday .. 7 Saturday: its
// first_weekday counts from the day of its week-1stday date (a Sunday in
// nearly every locale).
int FirstWeekDayOf(locale_t L) {
  const int Counted = static_cast<unsigned char>(*nl_langinfo_l(_NL_TIME_FIRST_WEEKDAY, L));
  if (Counted < 1 || Counted > 7) return 1;
  // The word is the date as the number YYYYMMDD.
  const auto Date =
      static_cast<unsigned>(reinterpret_cast<uintptr_t>(nl_langinfo_l(_NL_TIME_WEEK_1STDAY, L)));
  int Y = static_cast<int>(Date / 10000), M = static_cast<int>(Date / 100 % 100);
  const int D = static_cast<int>(Date % 100);
  if (M < 1 || M > 12 || D < 1 || D > 31) return Counted;
  // Sakamoto's rule: 0 Sunday .. 6 Saturday.
  static const int Offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (M < 3) --Y;
  const int Base = (Y + Y / 4 - Y / 100 + Y / 400 + Offsets[M - 1] + D) % 7;
  return (Base + Counted - 1) % 7 + 1;
}

// Reads the names of Locale from the C library. A locale that is not
// installed, or whose names do not convert to UTF-8, gives the English names.
void ReadTimeNames(const std::string& Locale, TTimeNames& Names) {
  Names.Locale = Locale;
  SetEnglishNames(Names);
  // The names are in the character set of the locale's LC_CTYPE.
  const locale_t L = newlocale(LC_CTYPE_MASK | LC_TIME_MASK, Locale.c_str(), static_cast<locale_t>(0));
  if (!L) return;
  TTimeNames Read = Names;
  bool Converted = true;
  {
    const TToUtf8 Utf8(nl_langinfo_l(CODESET, L));
    for (int I = 0; I < 7 && Converted; ++I) {
      Converted = Utf8.Convert(nl_langinfo_l(DAY_1 + I, L), Read.Days[I]) &&
                  Utf8.Convert(nl_langinfo_l(ABDAY_1 + I, L), Read.ShortDays[I]);
    }
    // A calendar's caption names the month on its own: the stand-alone form
    // where the language has one (Polish "marzec", not "marca").
    for (int I = 0; I < 12 && Converted; ++I) {
#ifdef ALTMON_1
      const char* Month = nl_langinfo_l(ALTMON_1 + I, L);
      if (!*Month) Month = nl_langinfo_l(MON_1 + I, L);
#else
      const char* Month = nl_langinfo_l(MON_1 + I, L);
#endif
      Converted = Utf8.Convert(Month, Read.Months[I]);
    }
  }
  Read.FirstWeekDay = FirstWeekDayOf(L);
  freelocale(L);
  if (!Converted) return;
  Read.Language = LanguageOf(Locale);
  Names = std::move(Read);
}

// One name of the current LC_TIME locale; the names are read again only when
// the locale changes.
template <class TPick>
auto TimeName(TPick Pick) {
  static std::mutex Lock;
  static TTimeNames Names;
  const std::string Locale = TimeLocaleName();
  const std::lock_guard<std::mutex> Guard(Lock);
  if (Names.Locale != Locale) ReadTimeNames(Locale, Names);
  return Pick(Names);
}
}  // namespace

std::string TLinuxPlatform::LongDayName(int Day) const {
  if (Day < 1 || Day > 7) return {};
  return TimeName([Day](const TTimeNames& N) { return N.Days[Day - 1]; });
}

std::string TLinuxPlatform::ShortDayName(int Day) const {
  if (Day < 1 || Day > 7) return {};
  return TimeName([Day](const TTimeNames& N) { return N.ShortDays[Day - 1]; });
}

int TLinuxPlatform::FirstWeekDay() const {
  return TimeName([](const TTimeNames& N) { return N.FirstWeekDay; });
}

std::string TLinuxPlatform::LongMonthName(int Month) const {
  if (Month < 1 || Month > 12) return {};
  return TimeName([Month](const TTimeNames& N) { return N.Months[Month - 1]; });
}

int TLinuxPlatform::CompareTextIgnoreCase(const std::string& A, const std::string& B) const {
  const size_t N = std::min(A.size(), B.size());
  for (size_t I = 0; I < N; ++I) {
    const int D = AsciiUpper(static_cast<unsigned char>(A[I])) - AsciiUpper(static_cast<unsigned char>(B[I]));
    if (D != 0) return D;
  }
  return A.size() < B.size() ? -1 : (A.size() > B.size() ? 1 : 0);
}

std::string TLinuxPlatform::LanguageTag() const {
  return TimeName([](const TTimeNames& N) { return N.Language; });
}

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

bool TLinuxPlatform::OpenDocument(const std::string&) { return false; }
