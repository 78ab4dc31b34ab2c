// The one main of the window tests: a QApplication, then every test of the
// program. Test discovery lists the tests without the test environment, so
// without a platform chosen Qt's offscreen one is used and no display is needed.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
