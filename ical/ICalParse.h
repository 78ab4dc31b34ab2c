#pragma once
// Reading an iCalendar file into libical's components, with the line of the
// file where each component begins, for messages that name the line. The
// file's bytes are taken as UTF-8 (or Windows-1252, as older programs write
// them); a line that libical cannot read refuses the file when it belongs to
// a property the import reads. Private to the iCalendar library: only its
// units include this header, and only they see libical.

#include <libical/ical.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace ICal {

// The largest file an import reads.
constexpr size_t MaxFileSize = 64u << 20;

// Raises EQuillbayError "FILE, line N: What" ("FILE: What" for line 0).
[[noreturn]] void Fail(const std::string& FileName, int Line, const std::string& What);

// libical objects, released by their owners.
struct TComponentFree {
  void operator()(icalcomponent* C) const { icalcomponent_free(C); }
};
using TComponentPtr = std::unique_ptr<icalcomponent, TComponentFree>;
struct TParserFree {
  void operator()(icalparser* P) const { icalparser_free(P); }
};
struct TIteratorFree {
  void operator()(icalrecur_iterator* I) const { icalrecur_iterator_free(I); }
};
struct TBufferFree {
  void operator()(char* B) const { icalmemory_free_buffer(B); }
};

// libical reports malformed data by its error number and, unless told
// otherwise, may treat it as fatal; while one of these lives every such
// report is an answer to read, never a reason to stop the program.
class TQuietErrors {
 public:
  TQuietErrors() : FSaved(icalerror_get_error_state(ICAL_MALFORMEDDATA_ERROR)) {
    icalerror_set_errors_are_fatal(0);
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, ICAL_ERROR_NONFATAL);
  }
  ~TQuietErrors() { icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, FSaved); }
  TQuietErrors(const TQuietErrors&) = delete;
  TQuietErrors& operator=(const TQuietErrors&) = delete;

 private:
  icalerrorstate FSaved;
};

struct TParsedFile {
  std::vector<TComponentPtr> Calendars;
  // The line of the BEGIN of each component.
  std::unordered_map<const icalcomponent*, int> BeginLines;
};

// The text of a file's bytes: UTF-8 as they are when they are UTF-8 (also
// once folded lines are joined), else read as Windows-1252; a file that
// breaks its lines with CR alone gets LF. Raises for a file larger than
// MaxFileSize and for one holding a NUL character.
std::string ICalendarText(const std::string& Bytes, const std::string& FileName);

// Parses the text of a file. Raises for a text that is not iCalendar, a
// component that is not ended, and a line that cannot be read where it
// matters (see the unit).
TParsedFile ParseICalendar(const std::string& Text, const std::string& FileName);

}  // namespace ICal
