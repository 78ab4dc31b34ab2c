#pragma once
// Helpers of the browser tests: the measurements that a page run in Chromium
// reports, one "key=value" line each with the value URI-encoded.

#include <map>
#include <string>

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
