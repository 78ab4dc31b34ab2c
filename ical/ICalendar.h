#pragma once
// iCalendar (RFC 5545) in and out of a calendar document. The import merges
// every occurrence of a file's events that touches a range of days into the
// day texts of a document, all or nothing; the feed holds one all-day event
// per day with text, for calendar programs to subscribe to. libical parses,
// expands recurrences, converts time zones and writes; it stays private to
// the units of this folder, so that nothing that includes this header needs
// it. Nothing here keeps state between calls or shows anything to the user.

#include <cstdint>
#include <string>

#include "ical/FeedWriter.h"
#include "model/CalDate.h"
#include "platform/Messages.h"
#include "text/Html.h"  // HtmlToPlainText

class TEventList;

// How the document's event texts are meant: as HTML (the pages write them
// unchanged) or as plain text shown as written.
enum class TEventTextForm { Html, Plain };
// The form of a document's texts: plain when its style shows event texts as
// written, else HTML.
TEventTextForm EventTextFormOf(const TEventList& Doc);

// What an import added, and what it passed over.
struct TICalImportResult {
  int Events = 0;          // occurrences that added at least one line
  int Days = 0;            // days whose text changed
  TDateTime FirstDay = 0;  // the earliest of those days; 0 when none changed
  // Events of the file that could not be read and were left out, and the
  // first of them in the file, placed at its file and line.
  int Skipped = 0;
  TMessage FirstSkipped;
  // The days of the file's own events (see ICalendarSpan); Span.To <
  // Span.From when it has none.
  TDayRange Span{0, -1};
};

// What an import did, in one line for the status bar and the tool:
// "Added 3 events on 2 days", then "; 1 event could not be read (FILE, line
// N: why)" or "; K events could not be read (first: FILE, line N: why)";
// or, when nothing was added and the file's events lie outside the range,
// "No events between 1 Jan 2026 and 31 Dec 2027; this file's events lie
// between 2 Apr 2020 and 24 Sep 2020".
std::string ImportReport(const TICalImportResult& Result, TDateTime From, TDateTime To);

// The bytes of a calendar file; raises when it is too large to be a calendar
// or cannot be read.
std::string ReadICalendarFile(const std::string& FileName);

// The days of a file's own events, from the first occurrence to the last;
// an endless rule ends on 31 December of the year after Today. Raises as
// ImportICalendarFile does for a file that cannot be read at all; Span.To <
// Span.From for a file without events.
TDayRange ICalendarSpan(const std::string& Bytes, const std::string& FileName, TDateTime Today);
TDayRange ICalendarFileSpan(const std::string& FileName, TDateTime Today);
// The range an import proposes for a file whose events span Span: the span,
// cut to MaxICalImportYears when longer: those starting on 1 January of the
// year before Today when the span holds that day, else its last years (a
// file wholly in the past) or its first (wholly in the future). Without
// events, DefaultImportRange of Today's year.
TDayRange DefaultImportRangeFor(const TDayRange& Span, TDateTime Today);

// The longest range of days an import accepts.
constexpr int MaxICalImportYears = 10;

// What an import proposes for a year: 1 January of it to 31 December of the
// next, so that dates already planned for next year come along.
TDayRange DefaultImportRange(int Year);
// What a feed proposes for a year: the whole year.
TDayRange DefaultFeedRange(int Year);
// Raises EQuillbayError when an import would refuse the range: it ends
// before it begins, lies outside the years 1 to 9999 or is longer than
// MaxICalImportYears.
void CheckImportRange(TDateTime From, TDateTime To);

// Merges the occurrences of the events in Bytes (the content of the file
// FileName, named in messages) that touch the days From to To, both included.
// Each occurrence becomes one line on each day of the range it covers:
// "HH:MM Summary" on the start day of a timed event (local time, TZ or the
// system's zone), "Summary" on its further days and on every day of an
// all-day event. A day's new lines are sorted (untimed first, then by time,
// then by text) and appended after its existing text, without lines it
// already holds, so importing a file twice changes nothing. With the Html
// form "&", "<" and ">" of a summary are written as entities.
// Raises EQuillbayError with a message naming the file and, where known, the
// line, and then leaves Doc as it was: for a range that ends before it starts
// or is longer than MaxICalImportYears, a file that is not iCalendar, a line
// that cannot be read, a value of a start, end, duration, rule, date list or
// time zone that cannot be read, a rule that cannot be expanded, and a file
// whose rules give more occurrences than an import takes.
TICalImportResult ImportICalendar(TEventList& Doc, const std::string& Bytes, const std::string& FileName,
                                  TDateTime From, TDateTime To, TEventTextForm Form);
// As ImportICalendar for the content of a file; raises "Cannot open file %s"
// when it cannot be read.
TICalImportResult ImportICalendarFile(TEventList& Doc, const std::string& FileName, TDateTime From,
                                      TDateTime To, TEventTextForm Form);

struct TICalFeedOptions {
  TDateTime From = 0, To = 0;  // the days of the feed, both included
  // Identifies the document in every event's UID (see ICalDocumentKey), so
  // that subscribers see a changed day as an update of the same event.
  std::string DocumentKey;
  TEventTextForm Form = TEventTextForm::Html;
  int64_t Stamp = 0;  // DTSTAMP of every event: seconds since 1970-01-01 UTC
};

// The feed: for each day of the range whose text holds something visible,
// one all-day event whose SUMMARY is the first line of the text as plain text
// and whose DESCRIPTION is the whole text as plain text. Lines are folded and
// ended with CR LF as RFC 5545 asks.
std::string WriteICalendarFeed(const TEventList& Doc, const TICalFeedOptions& Options);
// Writes the feed to FileName as every file is written: a failure leaves the
// previous file as it was ("Cannot create file %s", "Stream write error").
void SaveICalendarFeed(const TEventList& Doc, const std::string& FileName, const TICalFeedOptions& Options);

// ICalFeedFileName and ICalDocumentKey, the feed's proposed name and UID key,
// come with the feed writer (ical/FeedWriter.h), which the light tool shares.
