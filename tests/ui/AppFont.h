#pragma once
// The application's font at another point size for the life of one object,
// as a user's large desktop font would give it; the font before comes back
// however the test ends.

#include <QApplication>
#include <QFont>

class TScopedAppFontSize {
 public:
  explicit TScopedAppFontSize(int PointSize) : FOriginal(QApplication::font()) {
    QFont Font = FOriginal;
    Font.setPointSize(PointSize);
    QApplication::setFont(Font);
  }
  ~TScopedAppFontSize() { QApplication::setFont(FOriginal); }
  TScopedAppFontSize(const TScopedAppFontSize&) = delete;
  TScopedAppFontSize& operator=(const TScopedAppFontSize&) = delete;

 private:
  const QFont FOriginal;
};
