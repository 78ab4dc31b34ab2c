#pragma once
// The desktop program's answers to what the core asks of the user: Qt's
// message box, file dialogs and input box behind the TUserDialogs interface,
// the non-modal find dialog of the main window, and the application's default
// error display (every error that escapes a command is shown in a message box
// and the program goes on). Dialogs are centred on the open modal dialog,
// else on the main window; file dialogs start in the home folder when the
// request names no existing folder.

#include <QDialog>
#include <functional>
#include <stdexcept>

#include "project/UserDialogs.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TQtDialogs : public TUserDialogs {
 public:
  TMsgResult MessageBox(const TMessageRequest& Request) override;
  std::optional<std::string> OpenFile(const TFileDialogRequest& Request) override;
  std::optional<std::string> SaveFile(const TFileDialogRequest& Request) override;
  std::optional<std::string> InputBox(const std::string& Title, const std::string& Prompt,
                                      const std::string& Initial) override;
  void ProcessMessages() override;
};

// Shows an error's text in a message box with the program's name as caption.
void ShowError(const std::exception& Error);
// Runs Handler; an error that escapes it is shown and swallowed, so that a
// failing command never ends the program. Answers false when one was shown.
bool RunGuarded(const std::function<void()>& Handler);

// The search dialog: a search text, a match-case box and a Find Next button.
// It is not modal and stays open between searches; every press of Find Next
// (or Enter) calls OnFind.
class TFindDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TFindDialog(QWidget* Parent = nullptr);

  QString FindText() const;
  bool MatchCase() const;

  std::function<void(TFindDialog&)> OnFind;

  QLineEdit* edtFind;
  QCheckBox* cbxMatchCase;
  QPushButton* btnFindNext;
  QPushButton* btnCancel;
};
