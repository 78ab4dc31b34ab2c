#pragma once
// Helpers of the browser tests: the measurements that a page run in Chromium
// reports, one "key=value" line each with the value URI-encoded.

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"

inline std::string UriDecode(const std::string& S) {
  std::string R;
  for (size_t I = 0; I < S.size(); ++I) {
    if (S[I] == '%' && I + 2 < S.size()) {
      R += static_cast<char>(std::stoi(S.substr(I + 1, 2), nullptr, 16));
      I += 2;
    } else {
      R += S[I];
    }
  }
  return R;
}

// The "key=value" lines of Text (separated by LF) as a map of decoded values.
inline std::map<std::string, std::string> ReadMeasurements(const std::string& Text) {
  std::map<std::string, std::string> Seen;
  size_t Start = 0;
  while (Start <= Text.size()) {
    size_t End = Text.find('\n', Start);
    if (End == std::string::npos) End = Text.size();
    const std::string Line = Text.substr(Start, End - Start);
    const size_t Eq = Line.find('=');
    if (Eq != std::string::npos) Seen[Line.substr(0, Eq)] = UriDecode(Line.substr(Eq + 1));
    Start = End + 1;
  }
  return Seen;
}

// The browser's flags for a test run: nothing from the network, a fresh
// profile, no sandbox (CI runs as root in a container).
inline const char* const ChromiumFlags =
    " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
    " --disable-background-networking --disable-component-update --disable-sync";

// What a node script that drives Chromium over pages reported.
struct TBrowserRun {
  int Status = -1;
  std::string Log;                          // its standard error
  std::map<std::string, std::string> Seen;  // its measurements
};

// Runs Script (in the browser tests' data folder) with Chromium over Pages of
// Folder, for at most Seconds. QUILLBAY_BROWSER_SEEN=FILE keeps what the
// browser measured, for reports.
inline TBrowserRun RunBrowserScript(const std::string& Script, int Seconds, const TTempFolder& Folder,
                                    const std::vector<std::string>& Pages) {
  std::string Command = "timeout " + std::to_string(Seconds) + " node " QUILLBAY_BROWSER_TEST_DATA "/" +
                        Script + " " QUILLBAY_CHROMIUM " " + Folder.Path();
  for (const std::string& Page : Pages) Command += " " + Page;
  Command += " >" + Folder / "seen.txt" + " 2>" + Folder / "node.log";
  TBrowserRun Run;
  Run.Status = std::system(Command.c_str());
  Run.Log = ReadFileBytes(Folder / "node.log");
  const std::string Seen = ReadFileBytes(Folder / "seen.txt");
  Run.Seen = ReadMeasurements(Seen);
  if (const char* Keep = std::getenv("QUILLBAY_BROWSER_SEEN")) WriteFileBytes(Keep, Seen);
  return Run;
}
