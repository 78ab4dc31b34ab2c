// quillbay-export run as a process: its pages against the generator's, its
// messages and exit codes.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "Version.h"
#include "generator/CalGen.h"
#include "model/EventList.h"
#include "platform/LinuxPlatform.h"
#include "site/Fragment.h"
#include "tests/common/WorkedExample.h"
#include "tests/generator/TestSupport.h"
#include "tests/support/FakePlatform.h"

namespace {
namespace fs = std::filesystem;

struct TRunResult {
  int Status = -1;
  std::string Out, Err;
};

std::string SampleText(const std::string& Replace = "", const std::string& With = "") {
  std::string Text = WorkedExampleText();
  if (!Replace.empty()) Text.replace(Text.find(Replace), Replace.size(), With);
  return Text;
}

class QuillbayExportTest : public ::testing::Test {
 protected:
  QuillbayExportTest() : FScoped(FPlatform) { WriteFileBytes(DocName, SampleText()); }

  // Runs the tool with Args in the C locale (or Locale), its output in files.
  TRunResult Run(const std::vector<std::string>& Args, const std::string& Locale = "C",
                 const std::string& StdOut = "") {
    const std::string OutName = StdOut.empty() ? Folder / "stdout" : StdOut, ErrName = Folder / "stderr";
    pid_t Pid = fork();
    if (Pid == 0) {
      int Out = open(OutName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      int Err = open(ErrName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(Out, 1);
      dup2(Err, 2);
      setenv("LC_ALL", Locale.c_str(), 1);
      std::vector<char*> Argv{const_cast<char*>(QUILLBAY_EXPORT_TOOL)};
      for (const std::string& A : Args) Argv.push_back(const_cast<char*>(A.c_str()));
      Argv.push_back(nullptr);
      execv(QUILLBAY_EXPORT_TOOL, Argv.data());
      _exit(127);
    }
    TRunResult R;
    int WaitStatus = 0;
    waitpid(Pid, &WaitStatus, 0);
    R.Status = WIFEXITED(WaitStatus) ? WEXITSTATUS(WaitStatus) : -1;
    if (StdOut.empty()) R.Out = ReadFileBytes(OutName);
    R.Err = ReadFileBytes(ErrName);
    return R;
  }

  // The page that the desktop program's generator makes of the same file.
  std::string Expected(uint16_t Year, uint16_t Month, uint16_t Months = 0) {
    TEventList Doc;
    Doc.LoadFromFile(DocName);
    Doc.ExportMonths = Months;
    TCalGen Gen(Doc, Doc.Style());
    if (Month)
      Gen.BuildMonthPage(Month, Year);
    else
      Gen.BuildYearPage(Year);
    return Gen.PageText();
  }

  TFakePlatform FPlatform;
  TScopedPlatform FScoped;
  TTempFolder Folder;
  const std::string DocName = Folder / "club.qby";
};

TEST_F(QuillbayExportTest, MonthPageGoesToStandardOutput) {
  auto R = Run({DocName, "--month", "2026-03"});
  EXPECT_EQ(R.Status, 0) << R.Err;
  EXPECT_EQ(R.Err, "");
  EXPECT_EQ(R.Out, Expected(2026, 3));
  EXPECT_NE(R.Out.find("\r\nSpring fair\r\n"), std::string::npos);
  EXPECT_EQ(Run({"--month=2026-3", DocName}).Out, Expected(2026, 3)) << "options in any order, = form";
}

TEST_F(QuillbayExportTest, PagesGoToTheNamedFile) {
  const std::string Page = Folder / "3_2026.html";
  auto R = Run({DocName, "--month", "2026-03", "-o", Page});
  EXPECT_EQ(R.Status, 0) << R.Err;
  EXPECT_EQ(R.Out, "");
  EXPECT_EQ(ReadFileBytes(Page), Expected(2026, 3));

  EXPECT_EQ(Run({DocName, "--year", "2026", "--output=" + Page}).Status, 0);
  EXPECT_EQ(ReadFileBytes(Page), Expected(2026, 0, 0x1FFE)) << "all twelve months by default";
}

TEST_F(QuillbayExportTest, YearPageOfChosenMonths) {
  const uint16_t JanMarDec = (1 << 1) | (1 << 3) | (1 << 12);
  auto R = Run({DocName, "--year", "2026", "--months", "12,1,3"});
  EXPECT_EQ(R.Status, 0) << R.Err;
  EXPECT_EQ(R.Out, Expected(2026, 0, JanMarDec));

  uint16_t AprToSep = 0;
  for (int M = 4; M <= 9; ++M) AprToSep |= 1 << M;
  EXPECT_EQ(Run({DocName, "--year", "2026", "--months", "4-9"}).Out, Expected(2026, 0, AprToSep));
  EXPECT_EQ(Run({DocName, "--year", "2026", "--months", "4-6,7-9,5"}).Out, Expected(2026, 0, AprToSep));

  WriteFileBytes(DocName, SampleText("RowSpacing = 15", "RowSpacing = 0"));
  R = Run({DocName, "--year", "2026", "--months", "1,3,12"});
  EXPECT_EQ(R.Out, Expected(2026, 0, JanMarDec));
  EXPECT_NE(R.Out.find("\r\n<tr><td height=\"0\"></td></tr>\r\n"), std::string::npos);
}

TEST_F(QuillbayExportTest, LocaleNamesForAStyleThatIsNotEnglish) {
  // The names of the C library's LC_TIME locale, in UTF-8 whatever the
  // locale's own character set, months in their stand-alone form, and the
  // language they are in; a locale that is not installed gives English. The
  // desktop program's platform gives the same page.
  const struct {
    const char* Locale;
    const char* Caption;
    const char* Sunday;
    const char* Language;
  } Cases[] = {
      {"de_DE.UTF-8", "M\xC3\xA4rz 2026", "Sonntag", "de-DE"},
      {"de_DE", "M\xC3\xA4rz 2026", "Sonntag", "de-DE"},  // ISO-8859-1
      {"pl_PL.UTF-8", "marzec 2026", "niedziela", "pl-PL"},
      {"xx_YY.UTF-8", "March 2026", "Sunday", "en"},
  };
  TLinuxPlatform Desktop;
  TScopedPlatform Scoped(Desktop);
  const char* Outer = getenv("LC_ALL");
  const std::string Kept = Outer ? Outer : "";
  for (const auto& C : Cases) {
    auto R = Run({DocName, "--month", "2026-03"}, C.Locale);
    EXPECT_NE(R.Out.find(std::string("<div class=\"qbyCaption\">") + C.Caption + "</div>"), std::string::npos)
        << C.Locale << R.Out;
    EXPECT_NE(R.Out.find(std::string("<div class=\"qbyWeekdays\">") + C.Sunday + "</div>"), std::string::npos)
        << C.Locale;
    setenv("LC_ALL", C.Locale, 1);
    EXPECT_EQ(R.Out, Expected(2026, 3)) << C.Locale;
    EXPECT_EQ(Desktop.LanguageTag(), C.Language) << C.Locale;
  }
  Outer ? setenv("LC_ALL", Kept.c_str(), 1) : unsetenv("LC_ALL");

  WriteFileBytes(DocName, SampleText("  Style.Title", "  Style.Language = 'English'\r\n  Style.Title"));
  EXPECT_EQ(Run({DocName, "--month", "2026-03"}, "de_DE.UTF-8").Out, Expected(2026, 3));
}

TEST_F(QuillbayExportTest, SaveAsWritesTheCurrentForm) {
  const std::string Copy = Folder / "copy.qby";
  auto R = Run({DocName, "--save-as", Copy});
  EXPECT_EQ(R.Status, 0) << R.Err;
  EXPECT_EQ(R.Out, "");
  EXPECT_EQ(ReadFileBytes(Copy), SampleText());

  // A file written with LF line ends and odd spacing comes back in the written form.
  std::string Loose = SampleText();
  for (size_t P; (P = Loose.find("\r\n")) != std::string::npos;) Loose.replace(P, 2, "\n");
  WriteFileBytes(DocName, Loose);
  EXPECT_EQ(Run({DocName, "--save-as", Copy}).Status, 0);
  EXPECT_EQ(ReadFileBytes(Copy), SampleText());

  // An older file in Windows-1252 comes back in UTF-8, and its page with it.
  WriteFileBytes(DocName, SampleText("'Spring fair'", "'Caf\xE9 \x96 M\xE4rz'"));
  EXPECT_EQ(Run({DocName, "--save-as", Copy}).Status, 0);
  EXPECT_EQ(ReadFileBytes(Copy), SampleText("'Spring fair'", "'Caf\xC3\xA9 \xE2\x80\x93 M\xC3\xA4rz'"));
  EXPECT_NE(Run({DocName, "--month", "2026-03"}).Out.find("\r\nCaf\xC3\xA9 \xE2\x80\x93 M\xC3\xA4rz\r\n"),
            std::string::npos);
}

TEST_F(QuillbayExportTest, MergesAnICalendarFileBeforeTheActionAndWritesTheFeed) {
  const char* const SavedZone = std::getenv("TZ");
  const std::string Zone = SavedZone ? SavedZone : "";
  ::setenv("TZ", "Europe/Berlin", 1);  // the tool runs in the calendar's zone
  const std::string Ics = QUILLBAY_TEST_SOURCE_DIR "/tests/ical/data/google.ics";
  const std::string Merged = Folder / "merged.qby", Feed = Folder / "club.ics";
  auto Args = [&](std::initializer_list<std::string> Action, bool Merge = true) {
    std::vector<std::string> A{DocName, "--from", "2026-03-01", "--to", "2026-03-31"};
    if (Merge) A.insert(A.end(), {"--merge-ical", Ics});
    A.insert(A.end(), Action);
    return A;
  };
  auto Events = [](const std::string& Text) {
    size_t N = 0;
    for (size_t P = Text.find("BEGIN:VEVENT\r\n"); P != std::string::npos;
         P = Text.find("BEGIN:VEVENT\r\n", P + 1))
      ++N;
    return N;
  };

  auto R = Run(Args({"--save-as", Merged}));
  EXPECT_EQ(R.Status, 0) << R.Err;
  TEventList Doc;
  Doc.LoadFromFile(Merged);
  EXPECT_EQ(Doc.Count(), 2 + 6) << "the document's two days and the calendar's six";
  EXPECT_EQ(Doc.FindEvent(false, EncodeDate(2026, 3, 3))->Text, "19:30 Rehearsal");
  EXPECT_EQ(Doc.FindEvent(false, EncodeDate(2026, 3, 5))->Text, "Spring fair");

  EXPECT_NE(Run(Args({"--month", "2026-03"})).Out.find("\r\n19:30 Rehearsal\r\n"), std::string::npos);

  R = Run(Args({"--ical", "-o", Feed}));
  EXPECT_EQ(R.Status, 0) << R.Err;
  const std::string Text = ReadFileBytes(Feed);
  EXPECT_EQ(Events(Text), 8u);
  EXPECT_NE(Text.find("\r\nSUMMARY:19:30 Rehearsal\r\n"), std::string::npos);
  EXPECT_NE(Text.find("\r\nSUMMARY:Doctor's visit\r\nDESCRIPTION:Doctor's visit\\n10 am\r\n"),
            std::string::npos);
  EXPECT_EQ(Events(Run(Args({"--ical"}, false)).Out), 2u) << "without a merge, the document's days";

  // A document that shows its texts as written takes "&" and "<" as they are.
  WriteFileBytes(DocName, SampleText("  Style.Title", "  Style.EventsAsText = True\r\n  Style.Title"));
  EXPECT_EQ(Run(Args({"--save-as", Merged})).Status, 0);
  TEventList Plain;
  Plain.LoadFromFile(Merged);
  EXPECT_EQ(Plain.FindEvent(false, EncodeDate(2026, 3, 28))->Text.substr(0, 32),
            "17:00 Concert: Bach & sons <live");
  WriteFileBytes(DocName, SampleText());

  EXPECT_EQ(ReadFileBytes(DocName), SampleText()) << "the document changes only through --save-as";
  if (SavedZone)
    ::setenv("TZ", Zone.c_str(), 1);
  else
    ::unsetenv("TZ");
}

TEST_F(QuillbayExportTest, SitePublishesIncrementallyAndRefusesFilesItDidNotWrite) {
  const std::string Site = Folder / "site";
  auto R = Run({DocName, "--site", Site, "--from", "2026-03", "--to", "2026-04"});
  EXPECT_EQ(R.Status, 0) << R.Err;
  EXPECT_EQ(R.Out, "Site published: 5 pages written, 0 unchanged, 0 removed\n");
  for (const char* Name : {"3_2026.html", "4_2026.html", "2026.html", "index.html", "club.ics"})
    EXPECT_TRUE(fs::exists(Site + "/" + Name)) << Name;
  R = Run({DocName, "--site", Site, "--from", "2026-03", "--to", "2026-03"});
  // March loses its link to April, and the first page its April.
  EXPECT_EQ(R.Out, "Site published: 2 pages written, 2 unchanged, 1 removed\n");

  // The user's own first page in another folder: refused, listed, exit 3.
  fs::create_directory(Folder / "own");
  WriteFileBytes(Folder / "own/index.html", "mine");
  R = Run({DocName, "--site", Folder / "own", "--from", "2026-03", "--to", "2026-03"});
  EXPECT_EQ(R.Status, 3);
  EXPECT_EQ(R.Err, "quillbay-export: these files in " + Folder / "own" +
                       " were not written by Quillbay; give --replace to overwrite them:\n  index.html\n");
  EXPECT_EQ(ReadFileBytes(Folder / "own/index.html"), "mine");
  R = Run({DocName, "--site", Folder / "own", "--from", "2026-03", "--to", "2026-03", "--replace",
           "--address=https://example.org/club/", "--upcoming=7"});
  EXPECT_EQ(R.Status, 0) << R.Err;
  EXPECT_EQ(R.Out, "Site published: 5 pages written, 0 unchanged, 0 removed\n");
  EXPECT_TRUE(fs::exists(Folder / "own/sitemap.xml"));
}

TEST_F(QuillbayExportTest, DocumentAndFileErrors) {
  const std::string Page = Folder / "page.html";
  WriteFileBytes(Page, "old page");
  struct TCase {
    std::vector<std::string> Args;
    std::string Message;
  };
  const std::string Missing = Folder / "missing.qby", Broken = Folder / "broken.qby";
  WriteFileBytes(Broken, SampleText("  Style.Title", "  Style.Colour = 1\r\n  Style.Title"));
  const std::string BrokenIcs = Folder / "broken.ics", MissingIcs = Folder / "missing.ics";
  WriteFileBytes(BrokenIcs, "BEGIN:VCALENDAR\r\nnonsense\r\nEND:VCALENDAR\r\n");
  const std::vector<TCase> Cases = {
      {{Missing, "--month", "2026-03", "-o", Page}, "Cannot open file " + Missing},
      {{Broken, "--month", "2026-03", "-o", Page}, "The file is not valid: " + Broken + ", line 42"},
      {{Broken, "--save-as", Page}, "The file is not valid: " + Broken + ", line 42"},
      {{DocName, "--month", "0-03", "-o", Page}, "Invalid argument to date encode"},
      {{DocName, "--year", "0", "--months", "2", "-o", Page}, "Invalid argument to date encode"},
      {{DocName, "--year", "0000", "-o", Page}, "Invalid argument to date encode"},
      {{DocName, "--year", "2026", "-o", Folder / "no/page.html"},
       "Cannot create file " + Folder / "no/page.html"},
      {{DocName, "--save-as", Folder / "no/x.qby"}, "Cannot create file " + Folder / "no/x.qby"},
      {{DocName, "--merge-ical", BrokenIcs, "--year", "2026", "-o", Page},
       BrokenIcs + ", line 2: this line cannot be read"},
      {{DocName, "--merge-ical", MissingIcs, "--ical", "-o", Page}, "Cannot open file " + MissingIcs},
  };
  for (const TCase& C : Cases) {
    auto R = Run(C.Args);
    EXPECT_EQ(R.Status, 1) << C.Message;
    EXPECT_EQ(R.Err, "quillbay-export: " + C.Message + "\n");
    EXPECT_EQ(R.Out, "");
    EXPECT_EQ(ReadFileBytes(Page), "old page") << C.Message;
  }
  EXPECT_FALSE(fs::exists(Folder / "no"));
  EXPECT_EQ(std::distance(fs::directory_iterator(Folder.Path()), {}), 6) << "no temporary file left";
}

TEST_F(QuillbayExportTest, FullOutputIsAWriteError) {
  auto R = Run({DocName, "--month", "2026-03"}, "C", "/dev/full");
  EXPECT_EQ(R.Status, 1);
  EXPECT_EQ(R.Err, "quillbay-export: Stream write error: standard output\n");
}

TEST_F(QuillbayExportTest, WrongUsage) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> Cases = {
      {{}, "no document given"},
      {{DocName}, "nothing to do: give --month, --year, --save-as, --ical or --site"},
      {{DocName, "--merge-ical", "x.ics"},
       "nothing to do: give --month, --year, --save-as, --ical or --site"},
      {{DocName, "--month", "2026-13"}, "invalid month '2026-13' (expected YYYY-MM)"},
      {{DocName, "--month", "2026"}, "invalid month '2026' (expected YYYY-MM)"},
      {{DocName, "--month", "x-03"}, "invalid year 'x-03' (expected YYYY)"},
      {{DocName, "--year", "20260"}, "invalid year '20260' (expected YYYY)"},
      {{DocName, "--year", "2026", "--months", "0"},
       "invalid month list '0' (expected numbers and ranges of 1 to 12, such as 1,3,12 or 4-9)"},
      {{DocName, "--year", "2026", "--months", "9-4"},
       "invalid month list '9-4' (expected numbers and ranges of 1 to 12, such as 1,3,12 or 4-9)"},
      {{DocName, "--year", "2026", "--months", "1,,3"},
       "invalid month list '1,,3' (expected numbers and ranges of 1 to 12, such as 1,3,12 or 4-9)"},
      {{DocName, "--month", "2026-03", "--months", "3"}, "--months goes with --year"},
      {{DocName, "--month", "2026-03", "--year", "2026"},
       "choose one of --month, --year, --save-as, --ical and --site"},
      {{DocName, "--ical", "--save-as", "x.qby"},
       "choose one of --month, --year, --save-as, --ical and --site"},
      {{DocName, "--ical", "--from", "2026-02-30"}, "invalid date '2026-02-30' (expected YYYY-MM-DD)"},
      {{DocName, "--month", "2026-03", "--to", "2026-12-31"},
       "--from and --to go with --merge-ical, --ical and --site"},
      {{DocName, "--ical", "--from", "2026-03-02", "--to", "2026-03-01"},
       "the range from 2026-03-02 to 2026-03-01 ends before it begins"},
      {{DocName, "--merge-ical", "x.ics", "--from", "2026-01-01", "--to", "2036-01-01", "--ical"},
       "the range from 2026-01-01 to 2036-01-01 is too long: a merge takes at most 10 years"},
      {{DocName, "--save-as", "x.qby", "-o", "y"}, "-o does not go with --save-as"},
      {{DocName, "--month", "2026-03", "--ca-file", "ca.pem"},
       "--ca-file goes with --merge-ical or --upload"},
      {{DocName, "--month", "2026-03", "--upload", "sftp://a@b/c/"}, "--upload goes with --site"},
      {{DocName, "--site", "s", "--verbose"},
       "--accept-host-key, --password-file, --insecure-ftp, --dry-run and --verbose go with --upload"},
      {{DocName, "--year"}, "option '--year' needs a value"},
      {{DocName, "--site", "s", "--from", "2026-03-01"}, "invalid month '2026-03-01' (expected YYYY-MM)"},
      {{DocName, "--site", "s", "--from", "2026-05", "--to", "2026-04"},
       "the months from 2026-05 to 2026-04 end before they begin"},
      {{DocName, "--site", "s", "--upcoming=400"},
       "invalid number of days '400' (expected 1 to 366 with --site)"},
      {{DocName, "--upcoming", "--site", "s"}, "--upcoming takes its days as --upcoming=DAYS with --site"},
      {{DocName, "--month", "2026-03", "--replace"}, "--address and --replace go with --site"},
      {{DocName, "--colour"}, "unknown option '--colour'"},
      {{DocName, "other.qby", "--year", "2026"}, "more than one document: '" + DocName + "' and 'other.qby'"},
  };
  for (const auto& [Args, Message] : Cases) {
    auto R = Run(Args);
    EXPECT_EQ(R.Status, 2) << Message;
    EXPECT_EQ(R.Err,
              "quillbay-export: " + Message + "\nTry 'quillbay-export --help' for more information.\n");
    EXPECT_EQ(R.Out, "");
  }
}

TEST_F(QuillbayExportTest, FragmentsOfAMonthAndOfTheDaysComingUp) {
  TEventList Doc;
  Doc.LoadFromFile(DocName);
  auto Month = Run({DocName, "--month", "2026-03", "--fragment"});
  EXPECT_EQ(Month.Status, 0) << Month.Err;
  EXPECT_EQ(Month.Out, MonthFragment(Doc, 2026, 3));
  auto Coming = Run({DocName, "--upcoming=9999", "--fragment"});
  EXPECT_EQ(Coming.Status, 0) << Coming.Err;
  EXPECT_EQ(Coming.Out, UpcomingFragment(Doc, TLinuxPlatform().Now(), 9999));
  const std::pair<std::vector<std::string>, std::string> Wrong[] = {
      {{DocName, "--year", "2026", "--fragment"}, "--fragment goes with --month or --upcoming"},
      {{DocName, "--upcoming"}, "--upcoming goes with --fragment"},
      {{DocName, "--upcoming=0", "--fragment"}, "invalid number of days '0' (expected 1 to 9999)"},
      {{DocName, "--upcoming=12345", "--fragment"}, "invalid number of days '12345' (expected 1 to 9999)"},
  };
  for (const auto& [Args, Message] : Wrong) {
    auto R = Run(Args);
    EXPECT_EQ(R.Status, 2) << Message;
    EXPECT_EQ(R.Err,
              "quillbay-export: " + Message + "\nTry 'quillbay-export --help' for more information.\n");
  }
}

TEST_F(QuillbayExportTest, HelpAndVersion) {
  auto Help = Run({"--help"});
  EXPECT_EQ(Help.Status, 0);
  EXPECT_EQ(Help.Out.rfind("Usage: quillbay-export DOCUMENT.qby --month YYYY-MM [-o FILE]\n", 0), 0u)
      << Help.Out;
  EXPECT_EQ(Run({DocName, "-h"}).Out, Help.Out);
  auto Version = Run({"--version"});
  EXPECT_EQ(Version.Status, 0);
  EXPECT_EQ(Version.Out, std::string("quillbay-export (Quillbay) ") + QUILLBAY_VERSION + "\n");
}
}  // namespace
