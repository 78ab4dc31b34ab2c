// The Qt answers to the core's dialog requests: where they appear and where
// the file dialogs start.

#include "ui/QtDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tests/ui/WhenModal.h"

TEST(QtDialogsTest, MessageBoxIsCentredOnTheMainWindowEvenWhenTheFindDialogIsActive) {
  QMainWindow Window;
  Window.setGeometry(420, 260, 600, 400);
  Window.show();
  TFindDialog Find(&Window);
  Find.move(20, 20);
  Find.show();
  Find.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Find));

  QPoint Centre;
  QWidget* Parent = nullptr;
  WhenModal<QMessageBox>([&](QMessageBox& Box) {
    Centre = Box.frameGeometry().center();
    Parent = Box.parentWidget();
    Box.reject();
  });
  TQtDialogs().MessageBox({.Caption = "Information", .Text = "Finished searching"});
  EXPECT_EQ(Parent, &Window);
  // The box may settle its size after it is placed: a few pixels either way.
  const QPoint Offset = Centre - Window.frameGeometry().center();
  EXPECT_LE(Offset.manhattanLength(), 40) << Offset.x() << "," << Offset.y();
}

TEST(QtDialogsTest, FileDialogsStartInTheRequestedFolderElseInTheHomeFolder) {
  QTemporaryDir Folder;
  const struct {
    std::string InitialDir;
    QString Expected;
  } Cases[] = {{"", QDir::homePath()},
               {"/no/such/folder", QDir::homePath()},
               {Folder.path().toStdString(), Folder.path()}};
  for (const auto& C : Cases) {
    QString Started;
    WhenModal<QFileDialog>([&](QFileDialog& D) {
      Started = D.directory().absolutePath();
      D.reject();
    });
    TFileDialogRequest Request;
    Request.InitialDir = C.InitialDir;
    TQtDialogs().SaveFile(Request);
    EXPECT_EQ(Started, C.Expected) << "'" << C.InitialDir << "'";
  }
}
