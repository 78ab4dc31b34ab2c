#pragma once
// Scripted dialogs for tests: each kind of request takes its answer from a
// queue and is recorded with all its fields, and Log lists every request in
// the order asked ("MessageBox: <text>", "OpenFile", "SaveFile", "InputBox:
// <prompt>", "ProcessMessages"). A request with no scripted answer raises
// EQuillbayError unless FailOnUnscripted is off; then a message box answers
// its EscapeResult and the other dialogs are cancelled.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "project/UserDialogs.h"

struct TInputRequest {
  std::string Title;
  std::string Prompt;
  std::string Initial;
};

class TScriptedDialogs : public TUserDialogs {
 public:
  TMsgResult MessageBox(const TMessageRequest& Request) override;
  std::optional<std::string> OpenFile(const TFileDialogRequest& Request) override;
  std::optional<std::string> SaveFile(const TFileDialogRequest& Request) override;
  std::optional<std::string> InputBox(const std::string& Title, const std::string& Prompt,
                                      const std::string& Initial) override;
  void ProcessMessages() override;

  // Answers, front first. An empty optional is a cancelled dialog.
  std::deque<TMsgResult> MessageAnswers;
  std::deque<std::optional<std::string>> OpenAnswers;
  std::deque<std::optional<std::string>> SaveAnswers;
  std::deque<std::optional<std::string>> InputAnswers;
  bool FailOnUnscripted = true;
  // Runs inside ProcessMessages (pending window events of a test).
  std::function<void()> OnProcessMessages;

  std::vector<TMessageRequest> Messages;
  std::vector<TFileDialogRequest> OpenRequests;
  std::vector<TFileDialogRequest> SaveRequests;
  std::vector<TInputRequest> InputRequests;
  int ProcessMessagesCount = 0;
  std::vector<std::string> Log;

 private:
  std::optional<std::string> FileDialog(const TFileDialogRequest& Request,
                                        std::vector<TFileDialogRequest>& Requests,
                                        std::deque<std::optional<std::string>>& Answers, const char* Kind,
                                        const char* Unscripted);
};

// Installs dialogs for the lifetime of the object and restores the previous
// ones afterwards.
class TScopedUserDialogs {
 public:
  explicit TScopedUserDialogs(TUserDialogs& Dialogs);
  ~TScopedUserDialogs();
  TScopedUserDialogs(const TScopedUserDialogs&) = delete;
  TScopedUserDialogs& operator=(const TScopedUserDialogs&) = delete;

 private:
  TUserDialogs* FPrevious;
};
