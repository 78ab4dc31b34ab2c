#pragma once
// Publishing a calendar site into a folder: month pages, year pages,
// index.html, the feed and (with a public address) sitemap.xml, with the
// manifest that remembers what was written. A publish regenerates only the
// pages whose inputs changed (each day's text, the style, the neighbours'
// existence, the program's version), writes only files whose bytes change,
// removes the files of the manifest that the site no longer has, and never
// touches any other file: a file it would write that it did not write before
// is left alone unless Replace is set. Files are replaced whole: all new
// files are written beside their targets, made durable with one syncfs,
// renamed (index.html and the manifest last) and the folder synced once; a
// failure before the renames leaves every file as it was. Entries are opened
// without following symbolic links, and one that is a link is refused.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/CalDate.h"
#include "platform/Messages.h"

class TEventList;

// A month as year * 12 + month - 1, so that neighbours differ by one.
using TMonthIndex = int;
inline TMonthIndex MonthIndex(int Year, int Month) { return Year * 12 + Month - 1; }

// The most days "Coming up" lists, and the most months the feed reaches
// back or ahead.
constexpr int MaxUpcomingDays = 366, MaxFeedMonths = 120;

struct TPublishOptions {
  std::string Folder;  // made when missing (its parent must exist)
  // The months of the site, both included; 0 for DefaultSiteMonths.
  TMonthIndex From = 0, To = 0;
  std::string Address;    // the site's public address, or empty
  int UpcomingDays = 60;  // the days that "Coming up" lists on index.html
  // The feed's window in whole months around Today's month.
  int FeedMonthsBack = 12, FeedMonthsAhead = 24;
  bool Replace = false;  // overwrite files that Quillbay did not write
  TDateTime Today = 0;   // 0: the platform's today
  int64_t Now = 0;       // seconds since 1970-01-01 UTC; 0: the system clock
  // Told Done of Total pages made; answering false cancels the publish,
  // which then writes nothing.
  std::function<bool(int Done, int Total)> Progress;
};

struct TPublishResult {
  std::vector<std::string> Written, Unchanged, Removed;
  // Files the site would write that Quillbay did not write; when any is
  // listed and Replace was not set, nothing was written.
  std::vector<std::string> Foreign;
  std::vector<TMessage> Warnings;
  bool Cancelled = false;
  std::string FeedName;
};

// "YYYY-MM" as a month; false for anything else.
bool ParseSiteMonth(const std::string& Text, TMonthIndex& Month);
std::string SiteMonthText(TMonthIndex Month);

// The options the document remembers (folder, address, months, Coming-up
// days, feed window); months that do not read are left to the default.
TPublishOptions SiteOptionsOf(const TEventList& Doc);

// The default months of a site: from the first to the last month with text,
// always with the whole of ThisYear.
void DefaultSiteMonths(const TEventList& Doc, int ThisYear, TMonthIndex& From, TMonthIndex& To);

// DocumentFileName names the feed ("club.qby" -> "club.ics") and keys its
// UIDs at the first publish; both are kept in the manifest from then on.
// Raises EQuillbayError naming the file: for a folder that cannot be made or
// locked (another publish is running), a manifest that is not valid, an
// entry that is a symbolic link or not a regular file, a public address that
// is not acceptable, and a file that cannot be written, renamed or removed.
TPublishResult PublishSite(const TEventList& Doc, const std::string& DocumentFileName,
                           const TPublishOptions& Options);

// "Site published: 14 pages written, 360 unchanged, 1 removed"
std::string PublishSummary(const TPublishResult& Result);

// Feeds above this size are dropped by some calendar services (Google's).
constexpr uint64_t FeedWarningSize = 1000000;
