#pragma once
// What the core asks of the user: message boxes, the open and save file
// dialogs, a one-line input box, and letting pending window events run. The
// desktop program answers with Qt's dialogs; tests answer from a script. The
// texts, buttons, defaults and options of each request are the caller's.

#include <optional>
#include <string>

#include "platform/Messages.h"

enum class TMsgButtons { OK, YesNo, YesNoCancel };
enum class TMsgIcon { Information, Warning, Question, Error };
enum class TMsgResult { OK, Yes, No, Cancel };

// The caption and the text are shown as they are, unless the core gave them
// as messages by identity: then they hold the English form and the windows
// show the message in the user's language.
struct TMessageRequest {
  std::string Caption;  // window title ("Confirm", "Warning", "Quillbay")
  std::string Text;
  TMsgIcon Icon = TMsgIcon::Information;
  TMsgButtons Buttons = TMsgButtons::OK;
  TMsgResult DefaultButton = TMsgResult::OK;
  TMsgResult EscapeResult = TMsgResult::OK;  // what Escape or the close box answers
  std::optional<TMessage> CaptionMessage = std::nullopt;
  std::optional<TMessage> TextMessage = std::nullopt;

  void SetCaption(const TMessage& Message);
  void SetText(const TMessage& Message);
};

struct TFileDialogRequest {
  std::string Title;       // empty: the dialog's standard title
  std::string DefaultExt;  // added to a typed name without extension ("qby")
  std::string Filter;      // "Calendar Files|*.qby|All Files|*.*"
  int FilterIndex = 1;     // 1-based entry selected at first
  std::string InitialDir;  // empty: the dialog's own choice
  std::string FileName;    // proposed name (save) or preselected file
  bool PromptOverwrite = false;
  bool HideReadOnly = true;
  bool Resizable = true;
  bool MustExist = false;
};

class TUserDialogs {
 public:
  virtual ~TUserDialogs() = default;
  virtual TMsgResult MessageBox(const TMessageRequest& Request) = 0;
  // The chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> OpenFile(const TFileDialogRequest& Request) = 0;
  virtual std::optional<std::string> SaveFile(const TFileDialogRequest& Request) = 0;
  // A one-line input box; nothing when cancelled.
  virtual std::optional<std::string> InputBox(const std::string& Title, const std::string& Prompt,
                                              const std::string& Initial) = 0;
  // Lets pending window events run (a menu closes, the window repaints).
  virtual void ProcessMessages() = 0;
};

// Asks Question (in the user's language) in a "Confirm" box with Yes as the
// default button; Escape and the close box answer Cancel where the box has a
// Cancel button, else No.
TMsgResult AskToConfirm(const std::string& Question, TMsgButtons Buttons);

// The dialogs that the running program uses; the program installs its Qt
// implementation at start-up, tests install a scripted one.
TUserDialogs& UserDialogs();
void SetUserDialogs(TUserDialogs* Dialogs);
// The installed dialogs, or nullptr when none are installed (UserDialogs()
// then raises "No dialogs are available to ask the user").
TUserDialogs* InstalledUserDialogs();
