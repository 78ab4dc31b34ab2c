#include "net/UploadJob.h"

#include "net/UploadCommand.h"

TUploadJob::TUploadJob(TUploadTarget Target, TUploadOptions Options, TMode Mode, std::string SiteFolder) {
  FThread = std::thread([this, Target = std::move(Target), Options = std::move(Options), Mode,
                         SiteFolder = std::move(SiteFolder)] {
    try {
      Work(Target, Options, Mode, SiteFolder);
    } catch (...) {
      FError = std::current_exception();
    }
    FDone = true;
  });
}

TUploadJob::~TUploadJob() {
  FCancel = true;
  if (FThread.joinable()) FThread.join();
}

void TUploadJob::Work(const TUploadTarget& Target, const TUploadOptions& Options, TMode Mode,
                      const std::string& SiteFolder) {
  TCurlRemote Remote(Target, Options);
  if (Mode == TMode::Test) {
    Remote.Connect();
    FListed = Remote.List().size();
    FKnownHostsProblem = Remote.KnownHostsProblem();
    return;
  }
  TSiteUpload Upload(Remote, SiteFolder, PublishedSiteFiles(SiteFolder), SiteManifestFiles);
  const TUploadPlan Plan = Upload.Plan();
  FKnownHostsProblem = Remote.KnownHostsProblem();
  TUploadCallbacks Callbacks;
  Callbacks.Cancel = &FCancel;
  Callbacks.Progress = [this](const TUploadProgress& Progress) {
    std::lock_guard Guard(FLock);
    FProgress = Progress;
  };
  FResult = Upload.Run(Plan, Callbacks);
}

TUploadProgress TUploadJob::Progress() const {
  std::lock_guard Guard(FLock);
  return FProgress;
}

TUploadResult TUploadJob::Take() {
  if (FThread.joinable()) FThread.join();
  if (FError) std::rethrow_exception(FError);
  return FResult;
}
