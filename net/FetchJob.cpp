#include "net/FetchJob.h"

TFetchJob::TFetchJob(const std::string& Address, TFetchOptions Options, const std::string& CacheFolder) {
  Options.Progress = [this](uint64_t Received, uint64_t Total) {
    FReceived = Received;
    FTotal = Total;
    return !FCancel;
  };
  FThread = std::thread([this, Address, Options = std::move(Options), CacheFolder] {
    try {
      FResult = FetchCalendar(Address, Options, CacheFolder);
    } catch (...) {
      FError = std::current_exception();
    }
    FDone = true;
  });
}

TFetchJob::~TFetchJob() {
  FCancel = true;
  if (FThread.joinable()) FThread.join();
}

TCalendarDownload TFetchJob::Take() {
  if (FThread.joinable()) FThread.join();
  if (FError) std::rethrow_exception(FError);
  return std::move(FResult);
}
