// quillbay-export: writes the month or year page of a calendar document, or
// the document itself in the current file form, for people who build their
// site with scripts. The pages come from the desktop program's own generator
// and locale names, so both give the same bytes. Nothing is written when the
// document cannot be read or the page cannot be made; exit status 1 for a
// document or file error, 2 for wrong usage.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Version.h"
#include "generator/CalGen.h"
#include "model/EventList.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/qt/QtCorePlatform.h"

namespace {
const char* const ToolName = "quillbay-export";

const char* const HelpText =
    "Usage: quillbay-export DOCUMENT.qby --month YYYY-MM [-o FILE]\n"
    "  or:  quillbay-export DOCUMENT.qby --year YYYY [--months LIST] [-o FILE]\n"
    "  or:  quillbay-export DOCUMENT.qby --save-as FILE.qby\n"
    "Writes a calendar page of a Quillbay document, exactly as the desktop program does.\n"
    "\n"
    "  --month YYYY-MM    the page of one month, e.g. 2026-03\n"
    "  --year YYYY        the year page: the chosen months stacked in one page, with\n"
    "                     the document's row spacing between them\n"
    "  --months LIST      months of the year page: numbers and ranges such as 1,3,12\n"
    "                     or 4-9 (default: all twelve)\n"
    "  --save-as FILE     read the document and write it again in the current file form\n"
    "                     (an older file in Windows-1252 is written in UTF-8)\n"
    "  -o, --output FILE  write the page to FILE instead of standard output\n"
    "  -h, --help         show this help and exit\n"
    "      --version      show the version and exit\n"
    "\n"
    "Day and month names of a style whose language is not English come from your\n"
    "locale (LC_ALL, LC_TIME, LANG). Files are replaced only when complete.\n"
    "Exit status: 0 done, 1 document or file error, 2 wrong usage.\n";

// Wrong usage: reported with a hint to --help, exit status 2.
struct EUsage {
  std::string Message;
};

// A failure tied to a file: the name follows the message unless it holds it.
struct EFileError {
  std::string Message, FileName;
};

enum class TAction { None, Month, Year, SaveAs };

struct TOptions {
  std::string Document, Output, SaveAs;
  TAction Action = TAction::None;
  uint16_t Year = 0, Month = 0;
  uint16_t Months = 0x1FFE;  // bit m for month m: all twelve
  bool HasMonths = false, HasOutput = false;
};

bool IsDigits(const std::string& S, size_t MaxLength) {
  if (S.empty() || S.size() > MaxLength) return false;
  for (char C : S)
    if (C < '0' || C > '9') return false;
  return true;
}

uint16_t ParseYear(const std::string& S, const std::string& Arg) {
  if (!IsDigits(S, 4)) throw EUsage{"invalid year '" + Arg + "' (expected YYYY)"};
  return static_cast<uint16_t>(std::stoi(S));
}

void ParseMonth(const std::string& Arg, TOptions& O) {
  const size_t Dash = Arg.find('-');
  const std::string M = Dash == std::string::npos ? "" : Arg.substr(Dash + 1);
  if (Dash == std::string::npos || !IsDigits(M, 2) || std::stoi(M) < 1 || std::stoi(M) > 12)
    throw EUsage{"invalid month '" + Arg + "' (expected YYYY-MM)"};
  O.Year = ParseYear(Arg.substr(0, Dash), Arg);
  O.Month = static_cast<uint16_t>(std::stoi(M));
}

// "1,3,12" or "4-9" or a mix: the months as bits 1..12.
uint16_t ParseMonthList(const std::string& List) {
  const EUsage Bad{"invalid month list '" + List +
                   "' (expected numbers and ranges of 1 to 12, such as 1,3,12 or 4-9)"};
  uint16_t Bits = 0;
  size_t Start = 0;
  while (true) {
    const size_t Comma = List.find(',', Start);
    const std::string Item =
        List.substr(Start, Comma == std::string::npos ? std::string::npos : Comma - Start);
    const size_t Dash = Item.find('-');
    const std::string From = Item.substr(0, Dash),
                      To = Dash == std::string::npos ? From : Item.substr(Dash + 1);
    if (!IsDigits(From, 2) || !IsDigits(To, 2)) throw Bad;
    const int A = std::stoi(From), B = std::stoi(To);
    if (A < 1 || B > 12 || A > B) throw Bad;
    for (int M = A; M <= B; ++M) Bits |= static_cast<uint16_t>(1u << M);
    if (Comma == std::string::npos) return Bits;
    Start = Comma + 1;
  }
}

void SetAction(TOptions& O, TAction Action) {
  if (O.Action != TAction::None) throw EUsage{"choose one of --month, --year and --save-as"};
  O.Action = Action;
}

// Returns false when --help or --version was answered.
bool ParseArguments(int Argc, char** Argv, TOptions& O) {
  bool OptionsEnded = false;
  for (int I = 1; I < Argc; ++I) {
    std::string Arg = Argv[I], Value;
    if (OptionsEnded || Arg.empty() || Arg[0] != '-' || Arg == "-") {
      if (!O.Document.empty()) throw EUsage{"more than one document: '" + O.Document + "' and '" + Arg + "'"};
      O.Document = Arg;
      continue;
    }
    if (Arg == "--") {
      OptionsEnded = true;
      continue;
    }
    if (Arg == "-h" || Arg == "--help") {
      std::fputs(HelpText, stdout);
      return false;
    }
    if (Arg == "--version") {
      std::printf("%s (Quillbay) %s\n", ToolName, QUILLBAY_VERSION);
      return false;
    }
    const size_t Eq = Arg.find('=');
    const bool Inline = Arg.rfind("--", 0) == 0 && Eq != std::string::npos;
    if (Inline) {
      Value = Arg.substr(Eq + 1);
      Arg = Arg.substr(0, Eq);
    }
    const bool TakesValue = Arg == "--month" || Arg == "--year" || Arg == "--months" || Arg == "--save-as" ||
                            Arg == "-o" || Arg == "--output";
    if (!TakesValue) throw EUsage{"unknown option '" + Arg + "'"};
    if (!Inline) {
      if (I + 1 >= Argc) throw EUsage{"option '" + Arg + "' needs a value"};
      Value = Argv[++I];
    }
    if (Arg == "--month") {
      SetAction(O, TAction::Month);
      ParseMonth(Value, O);
    } else if (Arg == "--year") {
      SetAction(O, TAction::Year);
      O.Year = ParseYear(Value, Value);
    } else if (Arg == "--months") {
      O.Months = ParseMonthList(Value);
      O.HasMonths = true;
    } else if (Arg == "--save-as") {
      SetAction(O, TAction::SaveAs);
      if (Value.empty()) throw EUsage{"--save-as needs a file name"};
      O.SaveAs = Value;
    } else {
      if (Value.empty()) throw EUsage{"-o needs a file name"};
      O.Output = Value;
      O.HasOutput = true;
    }
  }
  if (O.Document.empty()) throw EUsage{"no document given"};
  if (O.Action == TAction::None) throw EUsage{"nothing to do: give --month, --year or --save-as"};
  if (O.HasMonths && O.Action != TAction::Year) throw EUsage{"--months goes with --year"};
  if (O.HasOutput && O.Action == TAction::SaveAs) throw EUsage{"-o does not go with --save-as"};
  return true;
}

void WriteStandardOutput(const std::string& Text) {
  if (std::fwrite(Text.data(), 1, Text.size(), stdout) != Text.size() || std::fflush(stdout) != 0)
    throw EFileError{"Stream write error", "standard output"};
}

void Run(const TOptions& O) {
  TEventList Doc;
  try {
    Doc.LoadFromFile(O.Document);
  } catch (const EQuillbayError& E) {
    throw EFileError{E.what(), O.Document};
  }
  if (O.Action == TAction::SaveAs) {
    try {
      Doc.SaveToFile(O.SaveAs);
    } catch (const EQuillbayError& E) {
      throw EFileError{E.what(), O.SaveAs};
    }
    return;
  }
  TCalGen Gen(Doc, Doc.Style());
  if (O.Action == TAction::Month) {
    Gen.BuildMonthPage(O.Month, O.Year);
  } else {
    Doc.ExportMonths = O.Months;
    Gen.BuildYearPage(O.Year);
  }
  const std::string Page = Gen.PageText();
  if (!O.HasOutput) return WriteStandardOutput(Page);
  try {
    WriteStringToFile(O.Output, Page);
  } catch (const EQuillbayError& E) {
    throw EFileError{E.what(), O.Output};
  }
}
}  // namespace

int main(int Argc, char** Argv) {
  // The locale's names as the desktop program gets them; QLocale needs no
  // application object, which keeps the tool's start cheap.
  static TQtCorePlatform QtPlatform;
  SetPlatform(&QtPlatform);
  TOptions Options;
  try {
    if (!ParseArguments(Argc, Argv, Options)) return 0;
    Run(Options);
    return 0;
  } catch (const EUsage& E) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", ToolName, E.Message.c_str(),
                 ToolName);
    return 2;
  } catch (const EFileError& E) {
    if (E.Message.ends_with(E.FileName))
      std::fprintf(stderr, "%s: %s\n", ToolName, E.Message.c_str());
    else
      std::fprintf(stderr, "%s: %s: %s\n", ToolName, E.Message.c_str(), E.FileName.c_str());
    return 1;
  } catch (const std::exception& E) {
    std::fprintf(stderr, "%s: %s\n", ToolName, E.what());
    return 1;
  }
}
