// Feeds arbitrary bytes to the iCalendar import. The first four bytes choose
// the range of days (from 2020 on; mostly a few weeks, sometimes up to a
// little more than the longest range an import takes, so that refusals are
// reached too) and the form of the texts; the rest is the file. Besides crashes, hangs and leaks it checks
// that a refused file leaves the document exactly as it was and that
// importing an accepted file a second time changes nothing.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/ObjectText.h"
#include "model/EventList.h"
#include "ical/ICalendar.h"

namespace {
std::string Saved(const TEventList& Doc) { return WriteObjectText(Doc, Doc.ClassName()); }
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // A zone with summer time, the same on every machine.
  ::setenv("TZ", "Europe/Berlin", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size < 4) return 0;
  const TDateTime From = EncodeDate(2020, 1, 1) + (Data[0] | Data[1] << 8) % 4000;
  const int Length = Data[2] | (Data[3] & 0x3F) << 8;
  const TDateTime To = From + Length % (Data[3] & 0x40 ? 4000 : 64);
  const TEventTextForm Form = Data[3] & 0x80 ? TEventTextForm::Plain : TEventTextForm::Html;
  const std::string File(reinterpret_cast<const char*>(Data) + 4, Size - 4);

  TEventList Doc;
  Doc.FindEvent(true, From)->Text = "Existing text";
  Doc.FindEvent(true, To)->Text = "17:00 Rehearsal\r\n";
  const std::string Before = Saved(Doc);
  try {
    ImportICalendar(Doc, File, "fuzz.ics", From, To, Form);
  } catch (const EQuillbayError&) {
    if (Saved(Doc) != Before) std::abort();
    return 0;
  }
  const std::string Once = Saved(Doc);
  const TICalImportResult Again = ImportICalendar(Doc, File, "fuzz.ics", From, To, Form);
  if (Again.Events != 0 || Again.Days != 0 || Saved(Doc) != Once) std::abort();
  return 0;
}
