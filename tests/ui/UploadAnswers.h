#pragma once
// Helpers of the window tests that upload: an environment variable set for a
// test's time, the message boxes of a call answered in turn, and the Publish
// dialog's fields filled for plain FTP to a test server.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "tests/net/NetTestSupport.h"
#include "tests/ui/WhenModal.h"
#include "ui/PublishDlg.h"

// Sets an environment variable for the test's time, then puts it back.
class TScopedEnv {
 public:
  TScopedEnv(const char* Name, const char* Value) : FName(Name) {
    if (const char* Old = std::getenv(Name)) FOld = Old;
    FHad = std::getenv(Name) != nullptr;
    Value ? ::setenv(Name, Value, 1) : ::unsetenv(Name);
  }
  ~TScopedEnv() { FHad ? ::setenv(FName, FOld.c_str(), 1) : ::unsetenv(FName); }

 private:
  const char* FName;
  std::string FOld;
  bool FHad = false;
};

// The message boxes that the next call shows, answered in turn; every text
// shown is kept, so that an unexpected box explains a failure.
class TMessageAnswers {
 public:
  using TAnswer = std::function<void(QMessageBox&)>;
  explicit TMessageAnswers(std::deque<TAnswer> Answers) : FAnswers(std::move(Answers)) { Next(); }
  QStringList Texts;

 private:
  void Next() {
    if (FAnswers.empty()) return;
    WhenModal<QMessageBox>([this](QMessageBox& Box) {
      Texts << Box.text();
      TAnswer Answer = std::move(FAnswers.front());
      FAnswers.pop_front();
      Answer(Box);
      Next();
    });
  }
  std::deque<TAnswer> FAnswers;
};

inline void Click(QMessageBox& Box, const QString& Caption) {
  for (QAbstractButton* Button : Box.buttons())
    if (Button->text() == Caption) return Button->click();
  ADD_FAILURE() << "no button " << Caption.toStdString() << " in: " << Box.text().toStdString();
  Box.reject();
}

// Fills Dialog to publish into SiteFolder and upload by plain FTP (allowed)
// to RemoteFolder of the test server on Port, as its user.
inline void FillPlainFtpUpload(TfrmPublish& Dialog, const std::string& SiteFolder, int Port,
                               const QString& RemoteFolder) {
  Dialog.edtFolder->setText(QString::fromStdString(SiteFolder));
  Dialog.grpUpload->setChecked(true);
  Dialog.cbxProtocol->setCurrentIndex(2);
  Dialog.edtServer->setText("127.0.0.1:" + QString::number(Port));
  Dialog.edtUser->setText(TFtpServer::kUser);
  Dialog.edtRemoteFolder->setText(RemoteFolder);
  Dialog.chkPlainFtp->setChecked(true);
}
