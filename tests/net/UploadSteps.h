#pragma once
// The steps that every server goes through in the tests: a first upload, one
// with nothing changed, one with a day changed, one with a month removed;
// after each, the remote folder must hold exactly the site, its manifest and
// the files that were there before Quillbay came.

#include <gtest/gtest.h>

#include <functional>

#include "net/CurlRemote.h"
#include "net/SiteUpload.h"
#include "tests/net/NetTestSupport.h"

struct TUploadRun {
  TUploadResult Result;
  std::vector<std::string> Order;  // files sent and removed, in turn
};

inline TUploadRun UploadSite(const std::string& Address, const TTestSite& Site, const TUploadOptions& Options,
                             const std::atomic<bool>* Cancel = nullptr) {
  TCurlRemote Remote(ParseUploadAddress(Address), Options);
  TSiteUpload Upload(Remote, Site.Folder(), Site.Entries(), ReadTestManifest);
  TUploadRun Run;
  TUploadCallbacks Callbacks;
  Callbacks.Cancel = Cancel;
  Callbacks.FileDone = [&](TUploadStep, const std::string& Name, uint64_t) { Run.Order.push_back(Name); };
  Run.Result = Upload.Run(Upload.Plan(), Callbacks);
  return Run;
}

inline std::map<std::string, std::string> Expected(TTestSite& Site,
                                                   const std::map<std::string, std::string>& Others) {
  std::map<std::string, std::string> Files = Site.Files();
  Files[kSiteManifestName] = TestManifestText(Site.Files());
  Files.insert(Others.begin(), Others.end());
  return Files;
}

inline TRetryPolicy QuickRetries() {
  return {2, 1, [](int) {}};
}

// Runs the four steps against RemoteFolder (the server's view of Address).
inline void ExpectStepsSendOnlyWhatChanged(const std::string& Address, const std::string& RemoteFolder,
                                           const TUploadOptions& Options,
                                           const std::map<std::string, std::string>& Foreign) {
  struct TStep {
    const char* Name;
    std::function<void(std::map<std::string, std::string>&)> Change;
    size_t Sent, Unchanged, Removed;
  };
  const TStep Steps[] = {
      {"first upload", [](auto&) {}, 14, 0, 0},
      {"nothing changed", [](auto&) {}, 0, 14, 0},
      {"one day changed",
       [](auto& Files) {
         Files["3_2026.html"] += "<p>Concert moved to Friday.</p>\n";
         Files["index.html"] += "<!-- coming up: concert -->\n";
       },
       2, 12, 0},
      {"a month removed",
       [](auto& Files) {
         Files.erase("12_2026.html");
         Files["index.html"] += "<!-- eleven months -->\n";
       },
       1, 12, 1},
  };
  TTestSite Site(12);
  for (const TStep& Step : Steps) {
    SCOPED_TRACE(Step.Name);
    Step.Change(Site.Files());
    Site.Write();
    TUploadRun Run = UploadSite(Address, Site, Options);
    EXPECT_EQ(Run.Result.Sent, Step.Sent);
    EXPECT_EQ(Run.Result.Unchanged, Step.Unchanged);
    EXPECT_EQ(Run.Result.Removed, Step.Removed);
    EXPECT_EQ(Run.Order.size(), Step.Sent + Step.Removed);
    // Pages go up before the feed, and index.html, which links to them, last.
    if (Step.Sent == 14) {
      EXPECT_EQ(Run.Order[12], "Chor Sankt Jürgen.ics");
      EXPECT_EQ(Run.Order[13], "index.html");
    }
    EXPECT_EQ(ReadFolder(RemoteFolder), Expected(Site, Foreign));
  }
}
