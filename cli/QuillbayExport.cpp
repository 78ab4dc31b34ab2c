// quillbay-export: writes the month or year page of a calendar document, a
// fragment of a month or of the days coming up for another site, its
// iCalendar feed, or the document itself in the current file form, for
// people who build their site with scripts; an iCalendar file may be merged
// into the document first. The pages come from the desktop program's own
// generator and locale names (the C library's, for LC_TIME), so both give
// the same bytes. Nothing is written when the document or the merged file
// cannot be read or the page cannot be made; exit status 1 for a document or
// file error, 2 for wrong usage, 3 when publishing a site would overwrite
// files that Quillbay did not write.
//
// The merged calendar may be fetched from a web address (--merge-ical
// https://…, or @FILE naming a file that holds the address, so that a secret
// address stays out of the list of processes); messages name such an address
// only as "scheme://host/…".
//
// The program is built twice from this file. quillbay-export links neither
// Qt nor libical (which loads the ICU libraries), so that it starts about as
// fast as a small C program; given --merge-ical, --ical or --upload it hands
// its arguments to quillbay-export-ical, the same program built with
// QUILLBAY_EXPORT_ICAL, installed beside it or in libexec; only that one
// links libcurl, for the fetch and the upload (after the site is published,
// to the web host over SFTP or FTPS; exit status 3 to 6 for its failures).

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "Version.h"
#include "generator/CalGen.h"
#include "ical/ICalendar.h"
#include "model/EventList.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"
#include "site/Fragment.h"
#include "site/Publish.h"
#ifdef QUILLBAY_EXPORT_ICAL
#include <sstream>

#include "net/CalendarFetch.h"
#include "net/UploadCommand.h"
#endif

namespace {
const char* const ToolName = "quillbay-export";

const char* const HelpText =
    "Usage: quillbay-export DOCUMENT.qby --month YYYY-MM [-o FILE]\n"
    "  or:  quillbay-export DOCUMENT.qby --year YYYY [--months LIST] [-o FILE]\n"
    "  or:  quillbay-export DOCUMENT.qby --month YYYY-MM --fragment [-o FILE]\n"
    "  or:  quillbay-export DOCUMENT.qby --upcoming[=DAYS] --fragment [-o FILE]\n"
    "  or:  quillbay-export DOCUMENT.qby --save-as FILE.qby\n"
    "  or:  quillbay-export DOCUMENT.qby --ical [--from DATE] [--to DATE] [-o FILE.ics]\n"
    "  or:  quillbay-export DOCUMENT.qby --site DIR [--from YYYY-MM] [--to YYYY-MM]\n"
    "                       [--address URL] [--upcoming=DAYS] [--replace]\n"
    "                       [--upload ADDRESS [--accept-host-key SHA256:...]\n"
    "                        [--password-file FILE] [--insecure-ftp] [--dry-run] [--verbose]]\n"
    "  or:  quillbay-export DOCUMENT.qby --merge-ical FILE.ics|ADDRESS|@FILE [--ca-file FILE]\n"
    "                       [--from DATE] [--to DATE] ACTION\n"
    "Writes a calendar page of a Quillbay document, exactly as the desktop program does.\n"
    "\n"
    "  --month YYYY-MM    the page of one month, e.g. 2026-03\n"
    "  --year YYYY        the year page: the chosen months stacked in one page, with\n"
    "                     the document's row spacing between them\n"
    "  --months LIST      months of the year page: numbers and ranges such as 1,3,12\n"
    "                     or 4-9 (default: all twelve)\n"
    "  --fragment         instead of a page, a <div> to include into a page of another\n"
    "                     site (a CMS theme): its own style under the class\n"
    "                     quillbay-cal, colours as --qb-... custom properties, no\n"
    "                     script, no request to another server\n"
    "  --upcoming[=DAYS]  with --fragment: the days with text from today through the\n"
    "                     next DAYS days (default: the document's Coming up days,\n"
    "                     60 unless set); a pasted copy goes stale, so include it\n"
    "                     from a scheduled job\n"
    "  --save-as FILE     read the document and write it again in the current file form\n"
    "                     (an older file in Windows-1252 is written in UTF-8)\n"
    "  --ical             the iCalendar feed to publish beside the pages: one all-day\n"
    "                     event for each day with text (default: the current year)\n"
    "  --site DIR         publish the calendar site into the folder DIR: linked month\n"
    "                     and year pages, index.html with what is coming up, the feed\n"
    "                     and, with an address, sitemap.xml; only files whose bytes\n"
    "                     change are written, pages the site no longer has are\n"
    "                     removed, other files are never touched\n"
    "  --from YYYY-MM     with --site: the first month of the site (default: the first\n"
    "                     month with text, at the latest January of this year)\n"
    "  --to YYYY-MM       with --site: the last month (default: the last month with\n"
    "                     text, at the earliest December of this year)\n"
    "  --address URL      with --site: the site's public http(s) address, for the\n"
    "                     subscribe buttons and sitemap.xml\n"
    "  --upcoming=DAYS    with --site: the days that \"Coming up\" lists (default 60)\n"
    "  --replace          with --site: overwrite files of the same names that\n"
    "                     Quillbay did not write (such as your own index.html)\n"
    "  --merge-ical FILE  first merge the events of an iCalendar file (.ics) into the\n"
    "                     document (default: the days of the file's events, at most\n"
    "                     ten years), then do the ACTION: --month, --year,\n"
    "                     --save-as, --ical or --site; the document file changes only\n"
    "                     through --save-as; instead of a file, the web address of a calendar\n"
    "                     (https://, http:// or webcal://, which is read as https://),\n"
    "                     or @FILE for the address written in FILE, which keeps a\n"
    "                     secret address out of the list of processes\n"
    "  --ca-file FILE     trust the certificates in FILE (PEM) instead of the system's\n"
    "                     when fetching a calendar from an https address\n"
    "  --from YYYY-MM-DD  the first day for --merge-ical and --ical\n"
    "  --to YYYY-MM-DD    the last day for --merge-ical and --ical (a merge takes at\n"
    "                     most ten years)\n"
    "  --upload ADDRESS   with --site: then bring the web host's copy up to date,\n"
    "                     sending only what changed: sftp://user@host[:port]/folder/\n"
    "                     (keys from ~/.ssh or the agent), ftps://user@host/folder/ or\n"
    "                     ftp://user@host/folder/ (both with TLS required)\n"
    "  --accept-host-key SHA256:...  trust an SSH host not yet in known_hosts when\n"
    "                     its key has this fingerprint (a changed key is never taken)\n"
    "  --password-file FILE  the password, on the first line of FILE, which only\n"
    "                     you may read\n"
    "  --insecure-ftp     let ftp:// send the password unencrypted to a server\n"
    "                     without TLS\n"
    "  --dry-run          with --upload: say what would be sent, change nothing there\n"
    "  --verbose          with --upload: one line per file sent or removed\n"
    "  -o, --output FILE  write the page or feed to FILE instead of standard output\n"
    "  -h, --help         show this help and exit\n"
    "      --version      show the version and exit\n"
    "\n"
    "Settings that --site does not give come from the document, as the desktop\n"
    "program's Publish site dialog stored them.\n"
    "\n"
    "Day and month names of a style whose language is not English come from your\n"
    "locale (LC_ALL, LC_TIME, LANG). Files are replaced only when complete.\n"
    "Exit status: 0 done, 1 document or file error, 2 wrong usage, 3 --site would\n"
    "overwrite files that Quillbay did not write (they are listed; see --replace),\n"
    "or such a file is in the way on the web host; 4 the host's key or certificate\n"
    "is refused, 5 the login failed, 6 the network failed.\n";

// Wrong usage: reported with a hint to --help, exit status 2.
struct EUsage {
  std::string Message;
};

// A failure tied to a file: the name follows the message unless it holds it.
struct EFileError {
  std::string Message, FileName;
};

enum class TAction { None, Month, Year, SaveAs, ICal, Upcoming, Site };

// The site would overwrite files that Quillbay did not write: exit status 3.
struct EForeignFiles {
  std::string Folder;
  std::vector<std::string> Names;
};

struct TOptions {
  std::string Document, Output, SaveAs, MergeFile, CaFile;
  TAction Action = TAction::None;
  uint16_t Year = 0, Month = 0;
  uint16_t Months = 0x1FFE;  // bit m for month m: all twelve
  bool HasMonths = false, HasOutput = false, Fragment = false;
  bool HasUpcoming = false;           // --upcoming given: the fragment, or the site's Coming up
  int UpcomingDays = 0;               // 0: the document's own number of days
  std::string FromText, ToText;       // --from and --to as given
  std::optional<TDateTime> From, To;  // their days; the actions' defaults fill the rest
  std::string SiteFolder, Address;
  std::string UploadAddress, AcceptHostKey, PasswordFile;
  bool InsecureFtp = false, DryRun = false, Verbose = false;
  bool HasAddress = false, Replace = false;
  TMonthIndex SiteFrom = 0, SiteTo = 0;  // 0: the document's or the default
  TDayRange Merge, Feed;                 // the ranges used
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

// A day written YYYY-MM-DD.
TDateTime ParseDay(const std::string& Arg) {
  const EUsage Bad{"invalid date '" + Arg + "' (expected YYYY-MM-DD)"};
  if (Arg.size() != 10 || Arg[4] != '-' || Arg[7] != '-') throw Bad;
  const std::string Y = Arg.substr(0, 4), M = Arg.substr(5, 2), D = Arg.substr(8, 2);
  if (!IsDigits(Y, 4) || !IsDigits(M, 2) || !IsDigits(D, 2)) throw Bad;
  try {
    return EncodeDate(std::stoi(Y), std::stoi(M), std::stoi(D));
  } catch (const EQuillbayError&) {
    throw Bad;
  }
}

void SetAction(TOptions& O, TAction Action) {
  if (O.Action != TAction::None) throw EUsage{"choose one of --month, --year, --save-as, --ical and --site"};
  O.Action = Action;
}

#ifdef QUILLBAY_EXPORT_ICAL
// The ranges of the merge and the feed: the days given, the rest from the
// defaults: this year and next for the merge (without days given, the merge
// takes its calendar's own span), the current year for the feed.
void ChooseRanges(TOptions& O) {
  int Year, Month, Day;
  DecodeDate(Platform().Now(), Year, Month, Day);
  O.Merge = DefaultImportRange(Year);
  O.Feed = DefaultFeedRange(Year);
  for (TDayRange* R : {&O.Merge, &O.Feed}) {
    R->From = O.From.value_or(R->From);
    R->To = O.To.value_or(R->To);
  }
  std::vector<const TDayRange*> Used;
  if (!O.MergeFile.empty()) Used.push_back(&O.Merge);
  if (O.Action == TAction::ICal) Used.push_back(&O.Feed);
  for (const TDayRange* R : Used) {
    const std::string Range = "the range from " + IsoDate(R->From) + " to " + IsoDate(R->To);
    if (R->To < R->From) throw EUsage{Range + " ends before it begins"};
  }
  if (!O.MergeFile.empty()) {
    try {
      CheckImportRange(O.Merge.From, O.Merge.To);
    } catch (const EQuillbayError&) {
      throw EUsage{"the range from " + IsoDate(O.Merge.From) + " to " + IsoDate(O.Merge.To) +
                   " is too long: a merge takes at most " + std::to_string(MaxICalImportYears) + " years"};
    }
  }
}
#endif

// An option that takes a value: Arg without the value, Value given inline
// ("--year=2026") or as the next argument.
void ApplyValueOption(const std::string& Arg, const std::string& Value, TOptions& O) {
  if (Arg == "--upload" || Arg == "--accept-host-key" || Arg == "--password-file") {
    if (Value.empty()) throw EUsage{Arg + " needs a value"};
    (Arg == "--upload"          ? O.UploadAddress
     : Arg == "--password-file" ? O.PasswordFile
                                : O.AcceptHostKey) = Value;
  } else if (Arg == "--month") {
    SetAction(O, TAction::Month);
    ParseMonth(Value, O);
  } else if (Arg == "--year") {
    SetAction(O, TAction::Year);
    O.Year = ParseYear(Value, Value);
  } else if (Arg == "--months") {
    O.Months = ParseMonthList(Value);
    O.HasMonths = true;
  } else if (Arg == "--merge-ical") {
    if (Value.empty()) throw EUsage{"--merge-ical needs a file name"};
    if (!O.MergeFile.empty()) throw EUsage{"give --merge-ical once"};
    O.MergeFile = Value;
  } else if (Arg == "--ca-file") {
    if (Value.empty()) throw EUsage{"--ca-file needs a file name"};
    O.CaFile = Value;
  } else if (Arg == "--from") {
    O.FromText = Value;
  } else if (Arg == "--to") {
    O.ToText = Value;
  } else if (Arg == "--site") {
    SetAction(O, TAction::Site);
    if (Value.empty()) throw EUsage{"--site needs a folder"};
    O.SiteFolder = Value;
  } else if (Arg == "--address") {
    O.Address = Value;
    O.HasAddress = true;
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

// --from and --to: months with --site, which bound the merge too; days
// otherwise.
void ReadFromAndTo(TOptions& O) {
  if (O.Action != TAction::Site) {
    if (!O.FromText.empty()) O.From = ParseDay(O.FromText);
    if (!O.ToText.empty()) O.To = ParseDay(O.ToText);
    return;
  }
  for (auto [Text, Month] : {std::pair{&O.FromText, &O.SiteFrom}, std::pair{&O.ToText, &O.SiteTo}}) {
    if (Text->empty()) continue;
    if (!ParseSiteMonth(*Text, *Month)) throw EUsage{"invalid month '" + *Text + "' (expected YYYY-MM)"};
  }
  if (O.SiteFrom && O.SiteTo && O.SiteTo < O.SiteFrom)
    throw EUsage{"the months from " + O.FromText + " to " + O.ToText + " end before they begin"};
  if (O.SiteFrom) O.From = EncodeDate(O.SiteFrom / 12, O.SiteFrom % 12 + 1, 1);
  if (O.SiteTo) O.To = IncMonth(EncodeDate(O.SiteTo / 12, O.SiteTo % 12 + 1, 1), 1) - 1;
}

// The options given together make sense.
void CheckCombination(const TOptions& O) {
  if (O.Document.empty()) throw EUsage{"no document given"};
  if (O.Action == TAction::None)
    throw EUsage{"nothing to do: give --month, --year, --save-as, --ical or --site"};
  if (O.Fragment && O.Action != TAction::Month && O.Action != TAction::Upcoming)
    throw EUsage{"--fragment goes with --month or --upcoming"};
  if (O.Action == TAction::Upcoming && !O.Fragment) throw EUsage{"--upcoming goes with --fragment"};
  if (O.Action == TAction::Site && O.HasUpcoming && O.UpcomingDays == 0)
    throw EUsage{"--upcoming takes its days as --upcoming=DAYS with --site"};
  if (O.Action == TAction::Site && O.UpcomingDays > MaxUpcomingDays)
    throw EUsage{"invalid number of days '" + std::to_string(O.UpcomingDays) + "' (expected 1 to " +
                 std::to_string(MaxUpcomingDays) + " with --site)"};
  if (O.HasMonths && O.Action != TAction::Year) throw EUsage{"--months goes with --year"};
  if (O.HasOutput && O.Action == TAction::SaveAs) throw EUsage{"-o does not go with --save-as"};
  if ((!O.FromText.empty() || !O.ToText.empty()) && O.MergeFile.empty() && O.Action != TAction::ICal &&
      O.Action != TAction::Site)
    throw EUsage{"--from and --to go with --merge-ical, --ical and --site"};
  if ((O.HasAddress || O.Replace) && O.Action != TAction::Site)
    throw EUsage{"--address and --replace go with --site"};
  if (!O.CaFile.empty() && O.MergeFile.empty() && O.UploadAddress.empty())
    throw EUsage{"--ca-file goes with --merge-ical or --upload"};
  if (!O.UploadAddress.empty() && O.Action != TAction::Site) throw EUsage{"--upload goes with --site"};
  if (O.UploadAddress.empty() &&
      (!O.AcceptHostKey.empty() || !O.PasswordFile.empty() || O.InsecureFtp || O.DryRun || O.Verbose))
    throw EUsage{
        "--accept-host-key, --password-file, --insecure-ftp, --dry-run and --verbose go with --upload"};
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
    if (Arg == "--ical" && !Inline) {
      SetAction(O, TAction::ICal);
      continue;
    }
    if (Arg == "--replace" && !Inline) {
      O.Replace = true;
      continue;
    }
    if ((Arg == "--insecure-ftp" || Arg == "--dry-run" || Arg == "--verbose") && !Inline) {
      (Arg == "--insecure-ftp" ? O.InsecureFtp : Arg == "--dry-run" ? O.DryRun : O.Verbose) = true;
      continue;
    }
    if (Arg == "--fragment" && !Inline) {
      O.Fragment = true;
      continue;
    }
    if (Arg == "--upcoming") {
      // The fragment's action, or with --site its Coming up days: decided
      // once every argument is read.
      O.HasUpcoming = true;
      if (Inline && (!IsDigits(Value, 4) || std::stoi(Value) < 1))
        throw EUsage{"invalid number of days '" + Value + "' (expected 1 to 9999)"};
      if (Inline) O.UpcomingDays = std::stoi(Value);
      continue;
    }
    const bool TakesValue = Arg == "--month" || Arg == "--year" || Arg == "--months" || Arg == "--save-as" ||
                            Arg == "-o" || Arg == "--output" || Arg == "--merge-ical" || Arg == "--from" ||
                            Arg == "--to" || Arg == "--ca-file" || Arg == "--site" || Arg == "--address" ||
                            Arg == "--upload" || Arg == "--accept-host-key" || Arg == "--password-file";
    if (!TakesValue) throw EUsage{"unknown option '" + Arg + "'"};
    if (!Inline) {
      if (I + 1 >= Argc) throw EUsage{"option '" + Arg + "' needs a value"};
      Value = Argv[++I];
    }
    ApplyValueOption(Arg, Value, O);
  }
  if (O.HasUpcoming && O.Action != TAction::Site) SetAction(O, TAction::Upcoming);
  CheckCombination(O);
  ReadFromAndTo(O);
#ifdef QUILLBAY_EXPORT_ICAL
  ChooseRanges(O);
#endif
  return true;
}

void WriteStandardOutput(const std::string& Text) {
  if (std::fwrite(Text.data(), 1, Text.size(), stdout) != Text.size() || std::fflush(stdout) != 0)
    throw EFileError{"Stream write error", "standard output"};
}

// Writes Text to the output file, or to standard output when none is named.
void WriteOutput(const TOptions& O, const std::string& Text) {
  if (!O.HasOutput) return WriteStandardOutput(Text);
  try {
    WriteStringToFile(O.Output, Text);
  } catch (const EQuillbayError& E) {
    throw EFileError{E.what(), O.Output};
  }
}

#ifdef QUILLBAY_EXPORT_ICAL
// The web address that --merge-ical names, directly or in the file after
// "@"; empty for an iCalendar file.
std::string MergeAddress(const std::string& Value) {
  if (IsWebAddress(Value)) return Value;
  if (Value.empty() || Value[0] != '@') return "";
  const std::string FileName = Value.substr(1);
  std::string Text;
  try {
    Text = ReadFileToString(FileName);
  } catch (const EQuillbayError& E) {
    throw EFileError{E.what(), FileName};
  }
  const std::string Address = TrimControls(Text.substr(0, Text.find('\n')));
  if (!IsWebAddress(Address))
    throw EFileError{"The file does not begin with a web address (https://, http:// or webcal://)", FileName};
  return Address;
}

// Merges the iCalendar file or the calendar fetched from an address.
// Events left out of a merge, or none in its range, are said on standard
// error, and the run goes on.
void ReportMerge(const TICalImportResult& Merged, const TDayRange& Range) {
  const bool Missed = Merged.Events == 0 && Merged.Span.From <= Merged.Span.To;
  if (Merged.Skipped > 0 || Missed)
    std::fprintf(stderr, "%s: %s\n", ToolName, ImportReport(Merged, Range.From, Range.To).c_str());
}

void MergeCalendar(TEventList& Doc, const TOptions& O, TEventTextForm Form) {
  const std::string Address = MergeAddress(O.MergeFile);
  const std::string Name = Address.empty() ? O.MergeFile : AddressForMessages(Address);
  try {
    std::string Bytes;
    if (Address.empty()) {
      Bytes = ReadICalendarFile(O.MergeFile);
    } else {
      TFetchOptions Fetch;
      Fetch.CaFile = O.CaFile;
      Bytes = FetchCalendar(Address, Fetch, CalendarCacheFolder()).Bytes;
    }
    // Without --from and --to, the days of the calendar's own events.
    TDayRange Range = O.Merge;
    if (!O.From && !O.To) {
      const TDateTime Today = Platform().Now();
      Range = DefaultImportRangeFor(ICalendarSpan(Bytes, Name, Today), Today);
    }
    ReportMerge(ImportICalendar(Doc, Bytes, Name, Range.From, Range.To, Form), Range);
  } catch (const EQuillbayError& E) {
    throw EFileError{E.what(), Name};
  }
}
#endif

// Publishes the site: the document's own site settings, then the options.
void PublishSiteFrom(const TEventList& Doc, const TOptions& O) {
  TPublishOptions Site = SiteOptionsOf(Doc);
  Site.Folder = O.SiteFolder;
  if (O.SiteFrom) Site.From = O.SiteFrom;
  if (O.SiteTo) Site.To = O.SiteTo;
  if (O.HasAddress) Site.Address = O.Address;
  if (O.UpcomingDays) Site.UpcomingDays = O.UpcomingDays;
  Site.Replace = O.Replace;
  TPublishResult Result;
  try {
    Result = PublishSite(Doc, O.Document, Site);
  } catch (const EQuillbayError& E) {
    throw EFileError{E.what(), O.SiteFolder};
  }
  if (!Result.Foreign.empty() && !O.Replace) throw EForeignFiles{O.SiteFolder, Result.Foreign};
  for (const TMessage& Warning : Result.Warnings)
    std::fprintf(stderr, "%s: %s\n", ToolName, EnglishText(Warning).c_str());
  WriteStandardOutput(PublishSummary(Result) + "\n");
  int Status = 0;
#ifdef QUILLBAY_EXPORT_ICAL
  if (!O.UploadAddress.empty()) {
    TUploadCommand Upload;
    Upload.Address = O.UploadAddress;
    Upload.SiteFolder = O.SiteFolder;
    Upload.AcceptedHostKey = O.AcceptHostKey;
    Upload.PasswordFile = O.PasswordFile;
    Upload.CaFile = O.CaFile;
    Upload.InsecureFtp = O.InsecureFtp;
    Upload.DryRun = O.DryRun;
    Upload.Verbose = O.Verbose;
    std::ostringstream Out, Err;
    Status = RunUploadCommand(Upload, Out, Err);
    WriteStandardOutput(Out.str());
    std::fputs(Err.str().c_str(), stderr);
  }
#endif
  std::fflush(stderr);
  std::_Exit(Status);  // as after a page: the system takes the document's memory back at once
}

void Run(const TOptions& O) {
  TEventList Doc;
  try {
    Doc.LoadFromFile(O.Document);
  } catch (const EQuillbayError& E) {
    throw EFileError{E.what(), O.Document};
  }
#ifdef QUILLBAY_EXPORT_ICAL
  const TEventTextForm Form = EventTextFormOf(Doc);
  if (!O.MergeFile.empty()) MergeCalendar(Doc, O, Form);
  if (O.Action == TAction::ICal) {
    TICalFeedOptions Feed;
    Feed.From = O.Feed.From;
    Feed.To = O.Feed.To;
    Feed.DocumentKey = ICalDocumentKey(O.Document);
    Feed.Form = Form;
    Feed.Stamp = static_cast<int64_t>(std::time(nullptr));
    return WriteOutput(O, WriteICalendarFeed(Doc, Feed));
  }
#endif
  if (O.Action == TAction::Site) return PublishSiteFrom(Doc, O);
  if (O.Action == TAction::SaveAs) {
    try {
      Doc.SaveToFile(O.SaveAs);
    } catch (const EQuillbayError& E) {
      throw EFileError{E.what(), O.SaveAs};
    }
    return;
  }
  if (O.Fragment) {
    WriteOutput(O, O.Action == TAction::Month
                       ? MonthFragment(Doc, O.Year, O.Month)
                       : UpcomingFragment(Doc, Platform().Now(),
                                          O.UpcomingDays ? O.UpcomingDays : Doc.SiteUpcomingDays));
    std::_Exit(0);
  }
  TCalGen Gen(Doc, Doc.Style());
  if (O.Action == TAction::Month) {
    Gen.BuildMonthPage(O.Month, O.Year);
  } else {
    Doc.ExportMonths = O.Months;
    Gen.BuildYearPage(O.Year);
  }
  WriteOutput(O, Gen.PageText());
  // The page is out: the process ends here, and the system takes its memory
  // back at once instead of the document freeing its events one by one.
  std::_Exit(0);
}

#ifndef QUILLBAY_EXPORT_ICAL
// Runs quillbay-export-ical with the same arguments in place of this
// process: beside this program in a build folder, else where it is installed.
[[noreturn]] void RunICalendarTool(char** Argv) {
  const std::string Folder = Platform().ProgramFolder();
  std::string Tool = Folder + "/quillbay-export-ical";
  if (::access(Tool.c_str(), X_OK) != 0) Tool = Folder + "/" QUILLBAY_ICAL_TOOL;
  ::execv(Tool.c_str(), Argv);
  throw EFileError{"Cannot run the iCalendar part of quillbay-export", Tool};
}
#endif
}  // namespace

int main(int Argc, char** Argv) {
  TOptions Options;
  try {
    if (!ParseArguments(Argc, Argv, Options)) return 0;
#ifndef QUILLBAY_EXPORT_ICAL
    if (!Options.MergeFile.empty() || Options.Action == TAction::ICal || !Options.UploadAddress.empty())
      RunICalendarTool(Argv);
#endif
    Run(Options);
    return 0;
  } catch (const EForeignFiles& E) {
    std::fprintf(stderr,
                 "%s: these files in %s were not written by Quillbay; give --replace to overwrite them:\n",
                 ToolName, E.Folder.c_str());
    for (const std::string& Name : E.Names) std::fprintf(stderr, "  %s\n", Name.c_str());
    return 3;
  } catch (const EUsage& E) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", ToolName, E.Message.c_str(),
                 ToolName);
    return 2;
  } catch (const EFileError& E) {
    // A message of several lines (the file and the line where reading
    // stopped) is printed on one.
    std::string Message = E.Message;
    for (size_t At; (At = Message.find('\n')) != std::string::npos;) Message.replace(At, 1, ": ");
    if (Message.find(E.FileName) != std::string::npos)
      std::fprintf(stderr, "%s: %s\n", ToolName, Message.c_str());
    else
      std::fprintf(stderr, "%s: %s: %s\n", ToolName, Message.c_str(), E.FileName.c_str());
    return 1;
  } catch (const std::exception& E) {
    std::fprintf(stderr, "%s: %s\n", ToolName, E.what());
    return 1;
  }
}
