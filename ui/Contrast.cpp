#include "ui/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {
double Channel(int Value) {
  const double C = Value / 255.0;
  return C <= 0.04045 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4);
}

// Color moved Step of the way toward Target (0 none, 1 all the way).
QColor Toward(const QColor& Color, const QColor& Target, double Step) {
  const auto Mix = [Step](int From, int To) {
    return static_cast<int>(std::lround(From + (To - From) * Step));
  };
  return QColor(Mix(Color.red(), Target.red()), Mix(Color.green(), Target.green()),
                Mix(Color.blue(), Target.blue()), Color.alpha());
}

// The smallest step toward Target at which Good holds; Target itself when none does.
template <class TGood>
QColor FirstGood(const QColor& Color, const QColor& Target, TGood Good) {
  for (int Percent = 0; Percent <= 100; Percent += 2) {
    const QColor Candidate = Toward(Color, Target, Percent / 100.0);
    if (Good(Candidate)) return Candidate;
  }
  return Target;
}
}  // namespace

double RelativeLuminance(const QColor& Color) {
  const QColor C = Color.toRgb();
  return 0.2126 * Channel(C.red()) + 0.7152 * Channel(C.green()) + 0.0722 * Channel(C.blue());
}

double ContrastRatio(const QColor& A, const QColor& B) {
  const double La = RelativeLuminance(A), Lb = RelativeLuminance(B);
  return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

bool IsDarkPalette(const QPalette& Palette) { return Palette.color(QPalette::Window).lightness() < 128; }

QColor ReadableOn(const QColor& Text, std::initializer_list<QColor> Backgrounds, double Ratio) {
  const auto Good = [&](const QColor& Candidate) {
    return std::all_of(Backgrounds.begin(), Backgrounds.end(),
                       [&](const QColor& B) { return ContrastRatio(Candidate, B) >= Ratio; });
  };
  double Darkest = 1;
  for (const QColor& B : Backgrounds) Darkest = std::min(Darkest, RelativeLuminance(B));
  const QColor Target = Darkest < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
  return FirstGood(Text.toRgb(), Target, Good);
}

QColor BackgroundFor(const QColor& Text, const QColor& Background, double Ratio) {
  const QColor Target = RelativeLuminance(Text) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
  return FirstGood(Background.toRgb(), Target,
                   [&](const QColor& Candidate) { return ContrastRatio(Text, Candidate) >= Ratio; });
}
