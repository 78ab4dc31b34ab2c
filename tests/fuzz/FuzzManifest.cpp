// libFuzzer target of the site manifest's reader: any input is refused with
// the program's error or read into a manifest whose every name is one of a
// site's own and which writes back to the same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/Errors.h"
#include "site/Manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  TManifest M;
  try {
    M = ReadManifest(Text);
  } catch (const EQuillbayError&) {
    return 0;
  }
  for (const auto& [Name, File] : M.Files)
    if (!IsSiteFileName(Name)) std::abort();
  for (const auto& Name : M.Pending)
    if (!IsSiteFileName(Name)) std::abort();
  if (WriteManifest(M) != Text) std::abort();
  return 0;
}
