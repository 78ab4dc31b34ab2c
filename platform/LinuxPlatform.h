#pragma once
// The platform of a Linux process without a desktop session, and the base of
// the Qt platform: the day and month names of the user's LC_TIME locale from
// the C library (so the desktop program and the command-line tool write the
// same pages), text compared with ASCII letter case ignored, the classic
// values of the system colours, the user's folders by the XDG rules, the
// system clock, and no program to open pages with. Everything is read from
// the environment when asked; only the names of the last locale asked for
// are kept, and nothing is created.

#include "platform/Platform.h"

// English day names (Sunday first) and month names (January first).
extern const char* const EnglishDayNames[7];
extern const char* const EnglishMonthNames[12];

class TLinuxPlatform : public TPlatform {
 public:
  // The locale is LC_ALL, else LC_TIME, else LANG; one that is not installed
  // gives the English names (and "Sun" for the short form).
  std::string LongDayName(int Day) const override;
  std::string ShortDayName(int Day) const override;
  std::string LongMonthName(int Month) const override;
  // The C library's first day of the week of the LC_TIME locale (Monday for
  // de_DE, Sunday for en_US and C); Sunday for one that is not installed.
  int FirstWeekDay() const override;
  int CompareTextIgnoreCase(const std::string& A, const std::string& B) const override;
  // The language of the names above: "de-DE" for de_DE.UTF-8, "en" for the
  // C locale and for one that is not installed.
  std::string LanguageTag() const override;

  uint32_t SystemColorRGB(int Index) const override;

  std::string TempFolder() const override;
  // The folder of the running executable (/proc/self/exe).
  std::string ProgramFolder() const override;
  // <prefix>/share/quillbay beside <prefix>/bin, else the source tree when
  // the program runs from its build folder.
  std::string SharedDataFolder() const override;
  std::string ConfigFolder() const override;
  std::string DataFolder() const override;
  // ~/Documents when it exists.
  std::string DocumentsFolder() const override;

  double Now() const override;

  // Without a desktop nothing can open a page: always false.
  bool OpenDocument(const std::string& PathOrUrl) override;
};
