#pragma once
// The manifest of a published site, ".quillbay-manifest" in the site's
// folder: which files Quillbay wrote there (name, SHA-256, size and a hash of
// the inputs the page was made from), the state of each day of the feed (a
// hash of its text, SEQUENCE and LAST-MODIFIED), the feed's name and UID key,
// and the names a publish is about to write, recorded before it writes them so
// that an interrupted run leaves nothing the next one takes for a file of the
// user's. The text is versioned and read strictly: a line out of place, a
// malformed field or a name outside Quillbay's own patterns ("3_2026.html",
// "2026.html", "index.html", "sitemap.xml", the feed "NAME.ics") makes the
// whole manifest refused, so no name from it can reach outside the folder.
// This unit only converts between text and values; the publisher reads and
// writes the file.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>

constexpr const char* ManifestFileName = ".quillbay-manifest";

// One file of the site as it was written.
struct TManifestFile {
  std::string Sha256;  // of the bytes, 64 hexadecimal digits
  uint64_t Size = 0;
  std::string Inputs;  // 32 hexadecimal digits: what the page was made from; may be empty
  bool operator==(const TManifestFile&) const = default;
};

// One day of the feed as subscribers last saw it.
struct TManifestDay {
  std::string TextHash;      // of the event's text as the feed holds it
  uint32_t Sequence = 0;     // the event's SEQUENCE
  int64_t LastModified = 0;  // seconds since 1970-01-01 UTC
  bool operator==(const TManifestDay&) const = default;
};

struct TManifest {
  std::string FeedName;  // "club.ics"; empty before the first feed
  std::string UidKey;    // what the feed's UIDs are made from; kept once set
  std::map<std::string, TManifestFile> Files;
  std::map<int64_t, TManifestDay> Days;  // by day number (CalDate)
  std::set<std::string> Pending;         // about to be written
  bool operator==(const TManifest&) const = default;
};

// Whether Name is one that a site of Quillbay's may hold: a month page
// "M_YYYY.html" (M 1..12 and YYYY 1..9999, both without a leading zero), a
// year page "YYYY.html", "index.html", "sitemap.xml" or a feed "NAME.ics", whose
// NAME is not empty, does not start with ".", and holds no "/", no control
// character and no invalid UTF-8.
bool IsSiteFileName(std::string_view Name);

std::string WriteManifest(const TManifest& Manifest);
// Raises EQuillbayError "The site's manifest is not valid (line %s)" for
// anything that WriteManifest would not have written.
TManifest ReadManifest(std::string_view Text);
