#pragma once
// The narrow interfaces through which the standard-C++ layers reach the outside
// world: the user's locale, the desktop's colours, well-known folders, the
// clock and the shell. The desktop program installs the Qt implementation
// (platform/qt/) at start-up; any other process, the command-line tool among
// them, gets TLinuxPlatform (LinuxPlatform.h), and tests install a
// deterministic fake. Files are written and read whole through FileIO.h,
// failures carry the program's texts in EQuillbayError (Errors.h). Nothing in
// this folder owns documents or windows, and nothing here shows a dialog.

#include <cstdint>
#include <string>

// Names of days and months and text comparison in the user's locale. Texts are
// UTF-8. Day indexes are 1 (Sunday) to 7 (Saturday); months 1 to 12.
class TLocaleInfo {
 public:
  virtual ~TLocaleInfo() = default;
  virtual std::string LongDayName(int Day) const = 0;
  virtual std::string ShortDayName(int Day) const = 0;
  virtual std::string LongMonthName(int Month) const = 0;
  // The day a week starts on in the user's country, 1 (Sunday) to 7.
  virtual int FirstWeekDay() const = 0;
  // Locale-aware comparison that ignores letter case: <0, 0 or >0.
  virtual int CompareTextIgnoreCase(const std::string& A, const std::string& B) const = 0;
  // The locale's language as a BCP 47 tag for a page's lang attribute ("de",
  // "pt-BR"); empty when unknown.
  virtual std::string LanguageTag() const = 0;
};

// Current RGB values of the 25 system colours (index 0 clScrollBar to 24
// clInfoBk), as 0x00BBGGRR. An index outside 0..24 answers 0 (black).
class TSystemColors {
 public:
  virtual ~TSystemColors() = default;
  virtual uint32_t SystemColorRGB(int Index) const = 0;
};

// Well-known folders, each without a trailing "/" and empty when unknown.
class TFolders {
 public:
  virtual ~TFolders() = default;
  // The user's private temporary folder: $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp.
  virtual std::string TempFolder() const = 0;
  // The folder of the running program.
  virtual std::string ProgramFolder() const = 0;
  // Where shipped read-only data lives (help pages, starter colour schemes).
  virtual std::string SharedDataFolder() const = 0;
  // $XDG_CONFIG_HOME/Quillbay (default ~/.config/Quillbay); not created here.
  virtual std::string ConfigFolder() const = 0;
  // $XDG_DATA_HOME/Quillbay (default ~/.local/share/Quillbay); not created here.
  virtual std::string DataFolder() const = 0;
  // The user's documents folder, or empty when it is not set or does not exist.
  virtual std::string DocumentsFolder() const = 0;
};

// Today's local date and time as a calendar date (day number, 0 = 30 Dec 1899).
class TClock {
 public:
  virtual ~TClock() = default;
  virtual double Now() const = 0;
};

// Opens a local file or an address (http:, mailto:) with the user's program.
// False when no program could be started for it: there is no opener, or the
// opener reported that it failed.
class TShell {
 public:
  virtual ~TShell() = default;
  virtual bool OpenDocument(const std::string& PathOrUrl) = 0;
};

class TPlatform : public TLocaleInfo, public TSystemColors, public TFolders, public TClock, public TShell {};

// The platform that the process runs on. Until SetPlatform is called this is a
// TLinuxPlatform, so that the core layers always have one.
TPlatform& Platform();
// Installs a platform (not owned; it must outlive every use); nullptr restores
// the built-in one.
void SetPlatform(TPlatform* P);

// Opens PathOrUrl through the platform's shell. Raises "No program could be
// started to open %s" when nothing opened it, so that the user can open the
// file or address by hand.
void ShellOpen(const std::string& PathOrUrl);
