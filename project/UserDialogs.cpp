#include "project/UserDialogs.h"

#include "platform/Errors.h"

namespace {
TUserDialogs* GDialogs = nullptr;
}

TUserDialogs& UserDialogs() {
  if (!GDialogs) throw EQuillbayError(TMessageId::NoDialogs);
  return *GDialogs;
}

void SetUserDialogs(TUserDialogs* Dialogs) { GDialogs = Dialogs; }

TUserDialogs* InstalledUserDialogs() { return GDialogs; }

void TMessageRequest::SetCaption(const TMessage& Message) {
  Caption = EnglishText(Message);
  CaptionMessage = Message;
}

void TMessageRequest::SetText(const TMessage& Message) {
  Text = EnglishText(Message);
  TextMessage = Message;
}

TMsgResult AskToConfirm(const std::string& Question, TMsgButtons Buttons) {
  TMessageRequest Request{
      .Caption = {},
      .Text = Question,
      .Icon = TMsgIcon::Question,
      .Buttons = Buttons,
      .DefaultButton = TMsgResult::Yes,
      .EscapeResult = Buttons == TMsgButtons::YesNoCancel ? TMsgResult::Cancel : TMsgResult::No};
  Request.SetCaption({TMessageId::Confirm});
  return UserDialogs().MessageBox(Request);
}
