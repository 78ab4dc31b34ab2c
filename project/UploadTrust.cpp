#include "project/UploadTrust.h"

#include "project/RegistryLib.h"

namespace {
constexpr char kTrustKey[] = "\\Software\\tolvsoft\\Quillbay\\UploadTargets";
}  // namespace

bool UploadTargetTrusted(const std::string& Address) {
  TRegistry Reg;
  if (!Reg.OpenKey(kTrustKey, false)) return false;
  return Reg.ValueExists(Address);
}

void TrustUploadTarget(const std::string& Address) {
  TRegistry Reg;
  Reg.OpenKey(kTrustKey, true);
  Reg.WriteInteger(Address, 1);
}

bool ConfirmUploadTarget(const std::string& Address, const std::function<bool()>& Ask) {
  if (UploadTargetTrusted(Address)) return true;
  if (!Ask()) return false;
  TrustUploadTarget(Address);
  return true;
}
