// Fetching calendars from a real web server on 127.0.0.1 (fetch_server.py, a
// child of this test with a certificate authority made for it): what
// arrives, each failure's message, the kept copy and its conditional
// request, cancelling, and quillbay-export merging a fetched calendar.

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "Version.h"
#include "net/CalendarFetch.h"
#include "net/FetchJob.h"
#include "platform/Errors.h"
#include "tests/common/WorkedExample.h"
#include "tests/net/FetchServer.h"
#include "tests/support/TestFiles.h"

namespace {
// A path and query that stand for the secret part of a calendar's address.
const std::string Secret = "?key=s3cr3t";

// A port of 127.0.0.1 on which nothing listens.
int ClosedPort() {
  const int S = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in A{};
  A.sin_family = AF_INET;
  A.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t Size = sizeof A;
  bind(S, reinterpret_cast<sockaddr*>(&A), Size);
  getsockname(S, reinterpret_cast<sockaddr*>(&A), &Size);
  close(S);
  return ntohs(A.sin_port);
}

std::string FetchFailure(const std::string& Address, const TFetchOptions& Options,
                         const std::string& CacheFolder = "") {
  try {
    FetchCalendar(Address, Options, CacheFolder);
  } catch (const EQuillbayError& E) {
    return E.what();
  }
  return "(no failure)";
}

class FetchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Server = new TFetchServer; }
  static void TearDownTestSuite() { delete Server; }

  static TFetchOptions Trusting() {
    TFetchOptions Options;
    Options.CaFile = Server->CaFile();
    return Options;
  }

  static TFetchServer* Server;
  TTempFolder Folder;
};
TFetchServer* FetchTest::Server = nullptr;

TEST_F(FetchTest, CalendarArrivesOverHttpsHttpWebcalAndRedirectsNamingTheProgram) {
  const std::string Webcal = "webcal://127.0.0.1:" + std::to_string(Server->HttpsPort()) + "/good.ics";
  for (const std::string& Address : {Server->Https("/good.ics"), Server->Http("/good.ics" + Secret), Webcal,
                                     Server->Https("/hops/5"), Server->Http("/to-http")}) {
    const TCalendarDownload Got = FetchCalendar(Address, Trusting(), "");
    EXPECT_EQ(Got.Bytes.rfind("BEGIN:VCALENDAR\r\n", 0), 0u) << Address;
    EXPECT_NE(Got.Bytes.find("SUMMARY:Spring fair\r\n"), std::string::npos) << Address;
    EXPECT_NE(Got.Bytes.find("X-REQUEST-AGENT:Quillbay/" QUILLBAY_VERSION "\r\n"), std::string::npos)
        << Address;
    EXPECT_FALSE(Got.FromCache);
  }
}

TEST_F(FetchTest, EachFailureSaysWhatHappenedAndNamesOnlySchemeAndServer) {
  const std::string Https = "https://127.0.0.1:" + std::to_string(Server->HttpsPort()) + "/…";
  const std::string Refused = "127.0.0.1:" + std::to_string(ClosedPort());
  TFetchOptions Quick = Trusting();
  Quick.Limits.StallSeconds = 2;
  TFetchOptions Untrusting;
  struct TCase {
    std::string Address;
    TFetchOptions Options;
    std::string Expected;
  } Cases[] = {
      {"https://quillbay-test.invalid/cal.ics" + Secret, Trusting(),
       "Cannot find the server quillbay-test.invalid"},
      {"http://" + Refused + "/cal.ics" + Secret, Trusting(),
       "The server " + Refused + " refused the connection"},
      {Server->Https("/stall" + Secret), Quick,
       "Timed out: the server 127.0.0.1:" + std::to_string(Server->HttpsPort()) +
           " sent nothing for 2 seconds"},
      {Server->Https("/good.ics" + Secret), Untrusting,
       "The secure connection to 127.0.0.1:" + std::to_string(Server->HttpsPort()) + " failed: "},
      {Server->Https("/missing" + Secret), Trusting(), "The server of " + Https + " answered 404 Not Found"},
      {Server->Https("/huge" + Secret), Trusting(), "The calendar at " + Https + " is larger than 64 MB"},
      {Server->Https("/cut" + Secret), Trusting(),
       "The connection to " + Https + " broke off before the calendar was complete"},
      {Server->Https("/page.html" + Secret), Trusting(),
       "The address " + Https + " does not give an iCalendar file"},
      {Server->Https("/hops/6" + Secret), Trusting(),
       "The address " + Https + " is redirected more than 5 times"},
      {Server->Https("/to-file" + Secret), Trusting(),
       "The address " + Https + " is redirected to one that is not followed"},
      {Server->Https("/to-http" + Secret), Trusting(),
       "The address " + Https + " is redirected to one that is not followed"},
  };
  for (const TCase& Case : Cases) {
    const std::string Message = FetchFailure(Case.Address, Case.Options);
    EXPECT_EQ(Message.rfind(Case.Expected, 0), 0u) << Case.Address << "\n  gave: " << Message;
    EXPECT_EQ(Message.find("s3cr3t"), std::string::npos) << Message;
  }
}

TEST_F(FetchTest, RepeatedFetchAsksForAChangeAndKeepsAPrivateCopy) {
  const std::string Address = Server->Https("/good.ics" + Secret), Cache = Folder / "cache";
  const TCalendarDownload First = FetchCalendar(Address, Trusting(), Cache);
  EXPECT_FALSE(First.FromCache);
  const std::string Kept = CalendarCacheFile(Cache, Address);
  struct stat Info {};
  ASSERT_EQ(stat(Kept.c_str(), &Info), 0);
  EXPECT_EQ(Info.st_mode & 0777, 0600u);
  EXPECT_EQ(ReadFileBytes(Kept).find("s3cr3t"), std::string::npos);
  EXPECT_EQ(Kept.find("s3cr3t"), std::string::npos);

  // A failed fetch of the same address leaves the copy as it was.
  const std::string Before = ReadFileBytes(Kept);
  const TFetchOptions Untrusting;
  EXPECT_NE(FetchFailure(Address, Untrusting, Cache), "(no failure)");
  EXPECT_EQ(ReadFileBytes(Kept), Before);

  const TCalendarDownload Second = FetchCalendar(Address, Trusting(), Cache);
  EXPECT_TRUE(Second.FromCache);  // the server answered 304 to If-None-Match
  EXPECT_EQ(Second.Bytes, First.Bytes);
}

TEST_F(FetchTest, CancelEndsAFetchRunningOnItsThread) {
  TFetchJob Job(Server->Https("/stall"), Trusting(), "");
  while (Job.Received() == 0 && !Job.Done()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  Job.Cancel();
  try {
    Job.Take();
    ADD_FAILURE() << "the fetch was not cancelled";
  } catch (const EQuillbayError& E) {
    EXPECT_STREQ(E.what(), "The download was cancelled");
  }
}

struct TRun {
  int Status = -1;
  std::string Out, Err;
};

// quillbay-export with Args, its cache in Cache.
TRun RunTool(const std::vector<std::string>& Args, const TTempFolder& Folder) {
  const std::string Out = Folder / "stdout", Err = Folder / "stderr";
  const pid_t Pid = fork();
  if (Pid == 0) {
    dup2(open(Out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
    dup2(open(Err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
    setenv("LC_ALL", "C", 1);
    setenv("XDG_CACHE_HOME", Folder.Path("cache").c_str(), 1);
    std::vector<char*> Argv{const_cast<char*>(QUILLBAY_EXPORT_TOOL)};
    for (const std::string& A : Args) Argv.push_back(const_cast<char*>(A.c_str()));
    Argv.push_back(nullptr);
    execv(QUILLBAY_EXPORT_TOOL, Argv.data());
    _exit(127);
  }
  int Status = 0;
  waitpid(Pid, &Status, 0);
  return {WIFEXITED(Status) ? WEXITSTATUS(Status) : -1, ReadFileBytes(Out), ReadFileBytes(Err)};
}

TEST_F(FetchTest, ToolMergesACalendarFromAnAddressKeptInAFile) {
  const std::string Doc = Folder / "club.qby", AddressFile = Folder / "address";
  WriteFileBytes(Doc, WorkedExampleText());
  WriteFileBytes(AddressFile, Server->Https("/good.ics" + Secret) + "\n");
  const std::vector<std::string> Merge{"--ca-file", Server->CaFile(), "--from",  "2026-03-01",
                                       "--to",      "2026-03-31",     "--month", "2026-03"};
  std::vector<std::string> Args{Doc, "--merge-ical", "@" + AddressFile};
  Args.insert(Args.end(), Merge.begin(), Merge.end());
  const TRun Good = RunTool(Args, Folder);
  EXPECT_EQ(Good.Status, 0) << Good.Err;
  EXPECT_NE(Good.Out.find("Spring fair"), std::string::npos);

  Args = {Doc, "--merge-ical", Server->Https("/missing" + Secret)};
  Args.insert(Args.end(), Merge.begin(), Merge.end());
  const TRun Missing = RunTool(Args, Folder);
  EXPECT_EQ(Missing.Status, 1);
  EXPECT_EQ(Missing.Out, "");
  EXPECT_NE(Missing.Err.find("answered 404 Not Found"), std::string::npos) << Missing.Err;
  EXPECT_EQ(Missing.Err.find("s3cr3t"), std::string::npos) << Missing.Err;
  EXPECT_EQ(ReadFileBytes(Doc), WorkedExampleText());
}

TEST(FetchLinkTest, PageOnlyToolLinksNoNetworkLibrary) {
  const std::string Tool = ReadFileBytes(QUILLBAY_EXPORT_TOOL);
  ASSERT_FALSE(Tool.empty());
  EXPECT_EQ(Tool.find("libcurl"), std::string::npos) << "quillbay-export must start without libcurl";
  EXPECT_EQ(Tool.find("curl_easy_perform"), std::string::npos);
}
}  // namespace
