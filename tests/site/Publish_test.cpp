// Publishing a site into a real folder: what is written, left alone and
// removed from one publish to the next; files that Quillbay did not write;
// a failure midway (a file-size limit in a child process) followed by a
// complete publish; the feed's SEQUENCE and LAST-MODIFIED as RFC 5545
// (3.8.7.4, 3.8.7.3) asks; manifests and symbolic links that are refused.

#include "site/Publish.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>

#include "model/EventList.h"
#include "platform/Errors.h"
#include "site/Manifest.h"
#include "site/Sha256.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TestFiles.h"

namespace {
namespace fs = std::filesystem;

using TNames = std::set<std::string>;
using TFolderState = std::map<std::string, std::string>;  // name -> SHA-256 of the bytes

constexpr int64_t Noon5March2026 = 1772712000;  // seconds since 1970, UTC

TNames Sorted(const std::vector<std::string>& Names) { return {Names.begin(), Names.end()}; }

TNames MonthPages(int Year, int FirstMonth, int LastMonth) {
  TNames Names;
  for (int M = FirstMonth; M <= LastMonth; ++M)
    Names.insert(std::to_string(M) + "_" + std::to_string(Year) + ".html");
  return Names;
}

class PublishTest : public ::testing::Test {
 protected:
  PublishTest() : FScoped(FPlatform) {
    SetText(2026, 3, 14, "Spring fair");
    SetText(2026, 3, 20, "Choir <b>rehearsal</b>");
    SetText(2026, 7, 4, "Summer concert");
    Options.Folder = Folder / "site";
    Options.Today = EncodeDate(2026, 3, 5);
    Options.Now = Noon5March2026;
  }

  void SetText(int Y, int M, int D, const std::string& Text) {
    Doc.FindEvent(true, EncodeDate(Y, M, D))->Text = Text;
  }

  TPublishResult Publish() { return PublishSite(Doc, Folder / "club.qby", Options); }

  // Every file of the site's folder with the hash of its bytes.
  TFolderState State() const {
    TFolderState S;
    for (const auto& Entry : fs::directory_iterator(Options.Folder))
      S[Entry.path().filename().string()] = Sha256Hex(ReadFileBytes(Entry.path().string()));
    return S;
  }

  std::string Site(const std::string& Name) const { return Options.Folder + "/" + Name; }

  TFakePlatform FPlatform;
  TScopedPlatform FScoped;
  TTempFolder Folder;
  TEventList Doc;
  TPublishOptions Options;
};

TEST_F(PublishTest, WritesOnlyWhatChangedAndRemovesWhatTheSiteNoLongerHas) {
  // The default months: the whole of this year (2026), as no text lies
  // outside it.
  TPublishResult R = Publish();
  TNames All = MonthPages(2026, 1, 12);
  All.insert({"2026.html", "index.html", "club.ics"});
  EXPECT_EQ(Sorted(R.Written), All);
  EXPECT_TRUE(R.Unchanged.empty() && R.Removed.empty() && R.Foreign.empty());
  EXPECT_EQ(PublishSummary(R), "Site published: 15 pages written, 0 unchanged, 0 removed");
  WriteFileBytes(Folder / "site/notes.txt", "the user's own");
  const TFolderState First = State();
  EXPECT_EQ(First.count(ManifestFileName), 1u);

  // Nothing changed: nothing written, not even the manifest.
  struct stat Before {
  }, After{};
  ::stat(Site(ManifestFileName).c_str(), &Before);
  R = Publish();
  ::stat(Site(ManifestFileName).c_str(), &After);
  EXPECT_TRUE(R.Written.empty());
  EXPECT_EQ(Sorted(R.Unchanged), All);
  EXPECT_EQ(Before.st_ino, After.st_ino);
  EXPECT_EQ(State(), First);

  // One day's text: its month, its year and the feed; the first page too,
  // as the day falls in "Coming up".
  SetText(2026, 3, 14, "Spring fair, 10:00");
  R = Publish();
  EXPECT_EQ(Sorted(R.Written), (TNames{"3_2026.html", "2026.html", "club.ics", "index.html"}));
  // A day beyond "Coming up": the first page stays.
  Options.Now += 3600;
  SetText(2026, 7, 4, "Summer concert, 19:00");
  R = Publish();
  EXPECT_EQ(Sorted(R.Written), (TNames{"7_2026.html", "2026.html", "club.ics"}));

  // Fewer months: the others go, and only they; the user's file stays.
  const TFolderState Full = State();
  Options.From = MonthIndex(2026, 3);
  Options.To = MonthIndex(2026, 8);
  R = Publish();
  TNames Gone = MonthPages(2026, 1, 2);
  Gone.merge(MonthPages(2026, 9, 12));
  EXPECT_EQ(Sorted(R.Removed), Gone);
  const TFolderState Fewer = State();
  for (const std::string& Name : Gone) EXPECT_EQ(Fewer.count(Name), 0u) << Name;
  EXPECT_EQ(ReadFileBytes(Site("notes.txt")), "the user's own");
  for (const std::string& Name : MonthPages(2026, 4, 6)) EXPECT_EQ(Fewer.at(Name), Full.at(Name)) << Name;
}

TEST_F(PublishTest, FilesQuillbayDidNotWriteAreReplacedOnlyWhenAsked) {
  fs::create_directory(Options.Folder);
  WriteFileBytes(Site("index.html"), "the user's own first page");
  WriteFileBytes(Site("3_2026.html"), "the user's own March");
  const TFolderState Before = State();
  TPublishResult R = Publish();
  EXPECT_EQ(Sorted(R.Foreign), (TNames{"3_2026.html", "index.html"}));
  EXPECT_TRUE(R.Written.empty());
  EXPECT_EQ(State(), Before);

  Options.Replace = true;
  R = Publish();
  EXPECT_EQ(Sorted(R.Foreign), (TNames{"3_2026.html", "index.html"}));
  EXPECT_EQ(R.Written.size(), 15u);
  EXPECT_NE(ReadFileBytes(Site("index.html")), "the user's own first page");
  // From now on they are the site's own.
  Options.Replace = false;
  EXPECT_TRUE(Publish().Foreign.empty());
}

TEST_F(PublishTest, AFailureMidwayLeavesEveryFileOldAndTheNextPublishCompletes) {
  Publish();
  const TFolderState Old = State();
  for (int M = 1; M <= 12; ++M) SetText(2026, M, 10, "Meeting " + std::to_string(M));
  Options.Now += 86400;
  // A limit that every file but the year page fits under.
  const off_t Limit = static_cast<off_t>(fs::file_size(Site("2026.html")) / 2);
  for (const auto& [Name, Hash] : Old)
    if (Name != "2026.html") {
      ASSERT_LT(fs::file_size(Site(Name)) + 200, static_cast<uintmax_t>(Limit)) << Name;
    }

  int Pipe[2];
  ASSERT_EQ(::pipe(Pipe), 0);
  const pid_t Child = ::fork();
  if (Child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit Size { static_cast<rlim_t>(Limit), static_cast<rlim_t>(Limit) };
    ::setrlimit(RLIMIT_FSIZE, &Size);
    std::string Message = "no failure";
    try {
      Publish();
    } catch (const EQuillbayError& E) {
      Message = E.what();
    }
    [[maybe_unused]] const ssize_t N = ::write(Pipe[1], Message.data(), Message.size());
    ::_exit(0);
  }
  ::close(Pipe[1]);
  std::string Message;
  char Buffer[512];
  for (ssize_t N; (N = ::read(Pipe[0], Buffer, sizeof Buffer)) > 0;)
    Message.append(Buffer, static_cast<size_t>(N));
  ::close(Pipe[0]);
  ::waitpid(Child, nullptr, 0);

  EXPECT_EQ(Message, "Cannot create file " + Site("2026.html"));
  EXPECT_EQ(State(), Old);  // every file old, no temporary file left

  const TPublishResult R = Publish();
  // Every month changed; so did the first page, as 10 March is coming up.
  TNames Changed = MonthPages(2026, 1, 12);
  Changed.insert({"2026.html", "club.ics", "index.html"});
  EXPECT_EQ(Sorted(R.Written), Changed);
  // The same pages as a publish into an empty folder makes (the feed keeps
  // the days' first LAST-MODIFIED, so it differs).
  TFolderState Completed = State(), Fresh;
  Options.Folder = Folder / "fresh";
  Publish();
  Fresh = State();
  for (TFolderState* S : {&Completed, &Fresh}) S->erase("club.ics"), S->erase(ManifestFileName);
  EXPECT_EQ(Completed, Fresh);
}

// The feed's events by UID: SEQUENCE, LAST-MODIFIED and DTSTAMP as read by
// libical.
struct TFeedEventState {
  int Sequence;
  time_t Modified, Stamp;
  bool operator==(const TFeedEventState&) const = default;
};
std::map<std::string, TFeedEventState> FeedEvents(const std::string& Text) {
  std::map<std::string, TFeedEventState> Events;
  icalcomponent* Calendar = icalparser_parse_string(Text.c_str());
  for (icalcomponent* E = icalcomponent_get_first_component(Calendar, ICAL_VEVENT_COMPONENT); E;
       E = icalcomponent_get_next_component(Calendar, ICAL_VEVENT_COMPONENT)) {
    icalproperty* Modified = icalcomponent_get_first_property(E, ICAL_LASTMODIFIED_PROPERTY);
    Events[icalcomponent_get_uid(E)] = {
        icalcomponent_get_sequence(E),
        Modified ? icaltime_as_timet(icalproperty_get_lastmodified(Modified)) : 0,
        icaltime_as_timet(icalcomponent_get_dtstamp(E))};
  }
  icalcomponent_free(Calendar);
  return Events;
}

TEST_F(PublishTest, SequenceRisesWhenADaysTextChangesAndStaysOtherwise) {
  Publish();
  const std::string First = ReadFileBytes(Site("club.ics"));
  auto Events = FeedEvents(First);
  ASSERT_EQ(Events.size(), 3u);
  const TFeedEventState New{0, Noon5March2026, Noon5March2026};
  for (const auto& [Uid, E] : Events) EXPECT_EQ(E, New) << Uid;

  // Later, nothing changed: the same bytes.
  Options.Now += 86400;
  Publish();
  EXPECT_EQ(ReadFileBytes(Site("club.ics")), First);

  // One day changed; the document renamed keeps its feed and UIDs.
  SetText(2026, 3, 20, "Choir <b>rehearsal</b> moved to the hall");
  SetText(2026, 7, 4, "Summer concert<br>");  // the same plain text
  const TPublishResult R = PublishSite(Doc, Folder / "renamed.qby", Options);
  EXPECT_EQ(R.FeedName, "club.ics");
  const auto Changed = FeedEvents(ReadFileBytes(Site("club.ics")));
  ASSERT_EQ(Changed.size(), 3u);
  for (const auto& [Uid, E] : Changed) {
    const bool Moved = Uid.rfind("20260320-", 0) == 0;
    const TFeedEventState Expected = Moved ? TFeedEventState{1, Options.Now, Options.Now} : Events.at(Uid);
    EXPECT_EQ(E, Expected) << Uid;
  }
}

TEST_F(PublishTest, ManifestNamesOutsideTheSiteAreRefused) {
  fs::create_directory(Options.Folder);
  WriteFileBytes(Folder / "precious.txt", "keep");
  WriteFileBytes(Site(ManifestFileName),
                 "Quillbay site manifest 1\nfile " + std::string(64, 'a') + " 4 - ../precious.txt\n");
  try {
    Publish();
    FAIL() << "published with a manifest naming ../precious.txt";
  } catch (const EQuillbayError& E) {
    EXPECT_STREQ(E.what(), "The site's manifest is not valid (line 2)");
  }
  EXPECT_EQ(ReadFileBytes(Folder / "precious.txt"), "keep");
  EXPECT_EQ(State().size(), 1u);
}

TEST_F(PublishTest, SymbolicLinksAreRefusedNeverFollowed) {
  for (const std::string Name : {"index.html", "club.ics", ManifestFileName}) {
    SCOPED_TRACE(Name);
    TTempFolder Other;
    Options.Folder = Other / "site";
    fs::create_directory(Options.Folder);
    WriteFileBytes(Other / "target", "elsewhere");
    fs::create_symlink(Other / "target", Site(Name));
    try {
      Publish();
      ADD_FAILURE() << "published over a link";
    } catch (const EQuillbayError& E) {
      EXPECT_EQ(std::string(E.what()),
                "Cannot replace " + Site(Name) + ": it is a symbolic link or not a regular file");
    }
    EXPECT_EQ(ReadFileBytes(Other / "target"), "elsewhere");
    EXPECT_TRUE(fs::is_symlink(Site(Name)));
  }
}

TEST_F(PublishTest, CancelWritesNothing) {
  int Calls = 0;
  Options.Progress = [&Calls](int Done, int Total) {
    EXPECT_EQ(Total, 15);
    EXPECT_EQ(Done, ++Calls);
    return Done < 5;
  };
  const TPublishResult R = Publish();
  EXPECT_TRUE(R.Cancelled);
  EXPECT_TRUE(State().empty());
}

TEST_F(PublishTest, SitemapListsEveryPageUnderTheAddress) {
  Options.Address = "https://example.org/club";
  Options.From = Options.To = MonthIndex(2026, 3);
  const TPublishResult R = Publish();
  EXPECT_EQ(Sorted(R.Written), (TNames{"3_2026.html", "2026.html", "index.html", "club.ics", "sitemap.xml"}));
  EXPECT_EQ(ReadFileBytes(Site("sitemap.xml")),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
            "  <url><loc>https://example.org/club/</loc></url>\n"
            "  <url><loc>https://example.org/club/3_2026.html</loc></url>\n"
            "  <url><loc>https://example.org/club/2026.html</loc></url>\n"
            "</urlset>\n");
}

}  // namespace
