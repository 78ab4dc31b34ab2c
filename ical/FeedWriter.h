#pragma once
// The iCalendar feed of a published site, written without libical so that
// the light command-line tool can publish: one all-day VEVENT per day, with
// SEQUENCE and LAST-MODIFIED as the caller keeps them, and the calendar's
// name and refresh hints for subscribing programs. Values are escaped as
// RFC 5545 TEXT (section 3.3.11), lines folded at 75 octets without cutting
// a UTF-8 character (section 3.1) and ended with CR LF. The writer takes
// plain text; turning a document's texts into it is the caller's task.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TFeedEvent {
  int Year = 1, Month = 1, Day = 1;
  std::string Uid;
  std::string Summary, Description;  // plain text; Description may hold line breaks
  uint32_t Sequence = 0;
  int64_t LastModified = 0;  // seconds since 1970-01-01 UTC; also the DTSTAMP
};

struct TFeed {
  std::string Name;  // X-WR-CALNAME; left out when empty
  std::vector<TFeedEvent> Events;
};

std::string WriteFeed(const TFeed& Feed);

// RFC 5545 TEXT: "\" ";" "," escaped with a backslash, a line break (LF, CR
// LF or CR) as "\n".
std::string EscapeICalText(std::string_view Text);
// Appends one content line, folded and ended with CR LF.
void AppendICalLine(std::string& Out, std::string_view Line);
// The UID of a day's event: "YYYYMMDD-<16 hex digits>@quillbay", the digits
// a 64-bit FNV-1a hash of the key, so that a document keeps its UIDs wherever
// it is published from.
std::string FeedUid(int Year, int Month, int Day, const std::string& Key);
// Seconds since 1970-01-01 UTC as an iCalendar UTC time "YYYYMMDDTHHMMSSZ".
std::string ICalUtcTime(int64_t Seconds);

// The feed's file name proposed for a document: its name with ".ics" in
// place of its extension, without the folder; "calendar.ics" for a document
// that has no name yet.
std::string ICalFeedFileName(const std::string& DocumentFileName);

// What identifies a document in the feed's UIDs: its file name without the
// folder, so that the same document gives the same UIDs wherever it lies
// (the desktop and a web server's script), and "untitled" for a document
// that has no name yet.
std::string ICalDocumentKey(const std::string& DocumentFileName);

// Plain text fit for a TEXT value: CR LF and CR become LF, other control
// characters spaces.
std::string FeedTextValue(const std::string& Plain);
// The first line of a plain text that holds something, trimmed.
std::string FirstVisibleLine(const std::string& Plain);
