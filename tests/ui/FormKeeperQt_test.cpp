// Restored window bounds against the screens that are there now.

#include "ui/FormKeeperQt.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
std::string Show(const QRect& R) {
  return std::to_string(R.x()) + "," + std::to_string(R.y()) + " " + std::to_string(R.width()) + "x" +
         std::to_string(R.height());
}
}  // namespace

TEST(FormKeeperQtTest, StoredBoundsAreFittedToThePresentScreens) {
  const QList<QRect> Laptop{QRect(0, 0, 1366, 740)};
  const QList<QRect> TwoScreens{QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)};
  const struct {
    QRect Stored;
    QList<QRect> Screens;
    QRect Expected;
    const char* Why;
  } Cases[] = {
      {{244, 107, 696, 480}, Laptop, {244, 107, 696, 480}, "inside: unchanged"},
      {{2100, 300, 800, 600}, Laptop, {566, 140, 800, 600}, "on a screen that is gone: onto the primary"},
      {{100, 50, 2560, 1400}, Laptop, {0, 0, 1366, 740}, "larger than the screen: shrunk to it"},
      {{-300, 700, 696, 480}, Laptop, {0, 260, 696, 480}, "hanging off two edges: moved in"},
      {{2000, 100, 1000, 700}, TwoScreens, {2000, 100, 1000, 700}, "on the second screen: unchanged"},
      {{1500, 100, 800, 600}, TwoScreens, {1120, 100, 800, 600}, "across two: onto the one holding most"},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(FitToScreens(C.Stored, C.Screens), C.Expected)
        << C.Why << ": got " << Show(FitToScreens(C.Stored, C.Screens));
}

TEST(FormKeeperQtTest, RestoredWindowLiesOnTheScreen) {
  QWidget Window;
  TQtKeptForm Kept(Window, "frmMain");
  Kept.SetLeft(3200);
  Kept.SetTop(1800);
  Kept.SetWidth(2400);
  Kept.SetHeight(1600);
  Kept.FitToScreens();
  const QRect Screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(Screen.contains(Window.geometry())) << Show(Window.geometry()) << " on " << Show(Screen);
}
