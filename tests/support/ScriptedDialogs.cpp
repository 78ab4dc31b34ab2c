#include "tests/support/ScriptedDialogs.h"

#include "platform/Errors.h"

namespace {
template <typename T>
std::optional<T> TakeAnswer(std::deque<T>& Queue) {
  if (Queue.empty()) return std::nullopt;
  T Answer = std::move(Queue.front());
  Queue.pop_front();
  return Answer;
}
}  // namespace

TMsgResult TScriptedDialogs::MessageBox(const TMessageRequest& Request) {
  Messages.push_back(Request);
  Log.push_back("MessageBox: " + Request.Text);
  auto Answer = TakeAnswer(MessageAnswers);
  if (Answer) return *Answer;
  if (FailOnUnscripted) throw EQuillbayError("Unscripted message box: " + Request.Text);
  return Request.EscapeResult;
}

std::optional<std::string> TScriptedDialogs::FileDialog(const TFileDialogRequest& Request,
                                                        std::vector<TFileDialogRequest>& Requests,
                                                        std::deque<std::optional<std::string>>& Answers,
                                                        const char* Kind, const char* Unscripted) {
  Requests.push_back(Request);
  Log.push_back(Kind);
  auto Answer = TakeAnswer(Answers);
  if (Answer) return *Answer;
  if (FailOnUnscripted) throw EQuillbayError(Unscripted);
  return std::nullopt;
}

std::optional<std::string> TScriptedDialogs::OpenFile(const TFileDialogRequest& Request) {
  return FileDialog(Request, OpenRequests, OpenAnswers, "OpenFile", "Unscripted open dialog");
}

std::optional<std::string> TScriptedDialogs::SaveFile(const TFileDialogRequest& Request) {
  return FileDialog(Request, SaveRequests, SaveAnswers, "SaveFile", "Unscripted save dialog");
}

std::optional<std::string> TScriptedDialogs::InputBox(const std::string& Title, const std::string& Prompt,
                                                      const std::string& Initial) {
  InputRequests.push_back({Title, Prompt, Initial});
  Log.push_back("InputBox: " + Prompt);
  auto Answer = TakeAnswer(InputAnswers);
  if (Answer) return *Answer;
  if (FailOnUnscripted) throw EQuillbayError("Unscripted input box: " + Prompt);
  return std::nullopt;
}

void TScriptedDialogs::ProcessMessages() {
  ++ProcessMessagesCount;
  Log.push_back("ProcessMessages");
  if (OnProcessMessages) OnProcessMessages();
}

TScopedUserDialogs::TScopedUserDialogs(TUserDialogs& Dialogs) : FPrevious(InstalledUserDialogs()) {
  SetUserDialogs(&Dialogs);
}

TScopedUserDialogs::~TScopedUserDialogs() { SetUserDialogs(FPrevious); }
