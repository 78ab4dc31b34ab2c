// Feeds arbitrary bytes to the reader of the settings store's text form.
// Besides crashes, hangs and leaks it checks that a text the reader accepts
// writes back to a text that reads to the same store and writes the same
// bytes again, and that every key and value is found by its own name, as the
// settings accessor looks them up.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/SettingsStore.h"

namespace {
void Check(bool Condition) {
  if (!Condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  TSettingsDocument Store;
  if (!Store.Parse(Text)) return 0;
  const std::string Saved = Store.ToText();

  TSettingsDocument Again;
  Check(Again.Parse(Saved));
  Check(Again.ToText() == Saved);

  for (TSettingsKey& Key : Store.Keys) {
    Check(Store.FindKey(Key.Path) == &Key);
    for (TSettingsLine& Line : Key.Lines)
      if (!Line.Kept) Check(TSettingsDocument::FindValue(Key, Line.Value.Name) == &Line.Value);
  }
  return 0;
}
