#include "platform/Platform.h"

#include "platform/Errors.h"
#include "platform/LinuxPlatform.h"

namespace {
TPlatform* GCurrent = nullptr;

TPlatform& BuiltIn() {
  static TLinuxPlatform Default;
  return Default;
}
}  // namespace

TPlatform& Platform() { return GCurrent ? *GCurrent : BuiltIn(); }

void SetPlatform(TPlatform* P) { GCurrent = P; }

void ShellOpen(const std::string& PathOrUrl) {
  if (!Platform().OpenDocument(PathOrUrl)) throw EQuillbayError(TMessageId::NoProgramToOpen, {PathOrUrl});
}
