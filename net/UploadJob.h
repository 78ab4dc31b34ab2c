#pragma once
// An upload, or a test of the connection, on a thread of its own, for a
// window that must stay responsive (as TFetchJob does for fetching): the
// window asks how far it has come, may cancel it (the upload then ends after
// the file being sent), and takes the result once it is done. The job owns
// its thread; ending the job cancels the upload and waits for the thread.
// The password goes from the options to the connection only.

#include <atomic>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "net/CurlRemote.h"
#include "net/SiteUpload.h"

class TUploadJob {
 public:
  enum class TMode {
    Upload,  // brings the remote folder up to date with a published site
    Test,    // connects, logs in and lists the remote folder
  };
  // Starts at once. SiteFolder (Upload only) is a folder that the publisher
  // wrote whole: its manifest lists the files.
  TUploadJob(TUploadTarget Target, TUploadOptions Options, TMode Mode, std::string SiteFolder = {});
  TUploadJob(const TUploadJob&) = delete;
  TUploadJob& operator=(const TUploadJob&) = delete;
  ~TUploadJob();

  void Cancel() { FCancel = true; }
  bool Cancelled() const { return FCancel; }
  bool Done() const { return FDone; }
  TUploadProgress Progress() const;
  // Waits for the end and gives the result, or raises the upload's error
  // (EUploadError for the connection, the login and the server).
  TUploadResult Take();
  // Test: how many names the remote folder holds.
  size_t Listed() const { return FListed; }
  // Why an accepted host key could not be added to known_hosts.
  const std::optional<TMessage>& KnownHostsProblem() const { return FKnownHostsProblem; }

 private:
  void Work(const TUploadTarget& Target, const TUploadOptions& Options, TMode Mode,
            const std::string& SiteFolder);

  std::atomic<bool> FCancel{false}, FDone{false};
  mutable std::mutex FLock;
  TUploadProgress FProgress;
  TUploadResult FResult;
  size_t FListed = 0;
  std::optional<TMessage> FKnownHostsProblem;
  std::exception_ptr FError;
  std::thread FThread;
};
