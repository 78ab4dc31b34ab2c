#pragma once
// A calendar kept online, fetched for an import: the address is fetched
// (net/Fetch.h), the answer must be an iCalendar file, and a copy is kept in
// the user's cache folder with the response's ETag and Last-Modified, so that
// fetching the same address again asks the server only for a change and a
// 304 answer gives the kept copy. Each address has one file there, named by
// the SHA-256 of the address (the address itself, which may hold a secret,
// is written nowhere), readable by its owner only. The cache is a help, never
// a need: when it cannot be read or written, the fetch goes on without it.

#include <string>
#include <string_view>

#include "net/Fetch.h"

struct TCalendarDownload {
  std::string Bytes;       // the iCalendar file
  bool FromCache = false;  // the server said the kept copy is current
};

// Where fetched calendars are kept: "$XDG_CACHE_HOME/Quillbay", else
// "~/.cache/Quillbay"; empty when neither can be found (then nothing is kept).
std::string CalendarCacheFolder();
// The file in Folder that keeps the copy of Address.
std::string CalendarCacheFile(const std::string& Folder, const std::string& Address);

// True when Bytes begin (after a byte order mark and blank lines) with
// "BEGIN:VCALENDAR", as every iCalendar file does.
bool LooksLikeICalendar(std::string_view Bytes);

// Fetches the calendar at Address, conditionally when CacheFolder holds a
// copy with validators; an empty CacheFolder keeps nothing. Raises
// EQuillbayError as FetchAddress does, and "The address %s does not give an
// iCalendar file" for any other answer (a login page, for one); after a
// failure the kept copy is as it was.
TCalendarDownload FetchCalendar(const std::string& Address, const TFetchOptions& Options,
                                const std::string& CacheFolder);
