#include "project/UserDialogs.h"

#include "platform/Errors.h"

namespace {
TUserDialogs* GDialogs = nullptr;
}

TUserDialogs& UserDialogs() {
  if (!GDialogs) throw EQuillbayError("No dialogs are available to ask the user");
  return *GDialogs;
}

void SetUserDialogs(TUserDialogs* Dialogs) { GDialogs = Dialogs; }

TUserDialogs* InstalledUserDialogs() { return GDialogs; }
