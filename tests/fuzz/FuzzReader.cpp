// Feeds arbitrary bytes to the reader of the object text form, as a document
// and as a gallery, each holding something before. Besides crashes, hangs and
// leaks it checks that a syntax error leaves the object exactly as it was,
// that whatever was read (in full or up to a fault) saves and reads back to
// the same bytes, and that the day index answers as a scan of the events
// would.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/CalStyle.h"
#include "model/DataLib.h"
#include "model/EventList.h"
#include "model/ObjectText.h"

namespace {
template <class TStore>
std::string ReadAnyway(TStore& Store, const std::string& Text) {
  const std::string Before = WriteObjectText(Store, Store.ClassName(), Store.Name);
  TReadFault Fault;
  try {
    ReadObjectText(Store, Text, &Fault);
  } catch (const EQuillbayError&) {
    // A syntax error applies nothing; after an apply fault what came before
    // it stays.
    if (Fault.Syntax && WriteObjectText(Store, Store.ClassName(), Store.Name) != Before) std::abort();
  }
  return WriteObjectText(Store, Store.ClassName(), Store.Name);
}

template <class TStore>
void CheckRoundTrip(const std::string& Saved) {
  TStore Again;
  ReadObjectText(Again, Saved);  // a saved text is always valid
  if (WriteObjectText(Again, Again.ClassName(), Again.Name) != Saved) std::abort();
}

void CheckIndex(TEventList& Doc) {
  if (Doc.Count() > 300) return;
  for (int I = 0; I < Doc.Count(); ++I) {
    TEvent& E = Doc.Events(I);
    TEvent* First = nullptr;
    for (int K = 0; K < Doc.Count() && !First; ++K)
      if (Doc.Events(K).Date() == E.Date()) First = &Doc.Events(K);
    if (Doc.FindEvent(false, E.Date()) != First) std::abort();
  }
  // Removing the first event must hand its day to the next one of that day.
  if (Doc.Count() > 0) {
    TDateTime Day = Doc.Events(0).Date();
    delete &Doc.Events(0);
    TEvent* First = nullptr;
    for (int K = 0; K < Doc.Count() && !First; ++K)
      if (Doc.Events(K).Date() == Day) First = &Doc.Events(K);
    if (Doc.FindEvent(false, Day) != First) std::abort();
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  {
    TEventList Doc;
    Doc.FindEvent(true, 46086)->Text = "Caf\xC3\xA9";
    Doc.FindEvent(true, 46087)->Text = "Choir";
    Doc.Style().Title = "Before";
    const std::string Saved = ReadAnyway(Doc, Text);
    CheckRoundTrip<TEventList>(Saved);
    (void)Doc.Checksum();
    CheckIndex(Doc);
  }
  {
    TCalStyleGallery Gallery;
    Gallery.Items().Add().Name = "Kept";
    CheckRoundTrip<TCalStyleGallery>(ReadAnyway(Gallery, Text));
  }
  return 0;
}
