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

TMsgResult AskToConfirm(const std::string& Question, TMsgButtons Buttons) {
  const TMessageRequest Request{
      .Caption = "Confirm",
      .Text = Question,
      .Icon = TMsgIcon::Question,
      .Buttons = Buttons,
      .DefaultButton = TMsgResult::Yes,
      .EscapeResult = Buttons == TMsgButtons::YesNoCancel ? TMsgResult::Cancel : TMsgResult::No};
  return UserDialogs().MessageBox(Request);
}
