#include "platform/Platform.h"

#include "platform/Errors.h"
#include "platform/LinuxPlatform.h"

std::string FormatMessage(const std::string& Format, const std::string& Arg) {
  std::string Result = Format;
  auto Pos = Result.find("%s");
  if (Pos != std::string::npos) Result.replace(Pos, 2, Arg);
  return Result;
}

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
  if (!Platform().OpenDocument(PathOrUrl))
    throw EQuillbayError(FormatMessage("No program could be started to open %s", PathOrUrl));
}
