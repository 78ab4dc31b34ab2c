#pragma once
// A calendar fetched on a thread of its own (FetchCalendar), for a window
// that must stay responsive: the window asks how far it has come, may cancel
// it, and takes the result once it is done. The job owns its thread; ending
// the job cancels the fetch and waits for the thread.

#include <atomic>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

#include "net/CalendarFetch.h"

class TFetchJob {
 public:
  // Starts fetching Address at once; Options.Progress is the job's own.
  TFetchJob(const std::string& Address, TFetchOptions Options, const std::string& CacheFolder);
  TFetchJob(const TFetchJob&) = delete;
  TFetchJob& operator=(const TFetchJob&) = delete;
  ~TFetchJob();

  // Asks the fetch to stop; it ends within about a second.
  void Cancel() { FCancel = true; }
  bool Cancelled() const { return FCancel; }
  bool Done() const { return FDone; }
  uint64_t Received() const { return FReceived; }
  uint64_t Total() const { return FTotal; }
  // Waits for the end and gives the calendar, or raises the fetch's error
  // ("The download was cancelled" after Cancel).
  TCalendarDownload Take();

 private:
  std::atomic<bool> FCancel{false}, FDone{false};
  std::atomic<uint64_t> FReceived{0}, FTotal{0};
  TCalendarDownload FResult;
  std::exception_ptr FError;
  std::thread FThread;
};
