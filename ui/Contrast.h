#pragma once
// Colours that stay readable on the desktop's palette, light or dark. The
// measure is the contrast ratio of WCAG 2 (relative luminance of sRGB
// colours, (L1 + 0.05) / (L2 + 0.05)); text is readable at 4.5:1. A palette
// counts as dark when its window colour is darker than mid-grey, which is how
// a desktop without a colour-scheme hint tells a dark theme.

#include <QColor>
#include <QPalette>

// The minimum contrast of normal text (WCAG 2, success criterion 1.4.3).
constexpr double ReadableContrast = 4.5;

// Relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(const QColor& Color);
// 1 (equal) to 21 (black on white), whichever colour is lighter.
double ContrastRatio(const QColor& A, const QColor& B);
bool IsDarkPalette(const QPalette& Palette);

// Text keeps its hue but is moved toward white on dark backgrounds and toward
// black on light ones until it reaches Ratio against every background given
// (Text as it is when it already does).
QColor ReadableOn(const QColor& Text, std::initializer_list<QColor> Backgrounds,
                  double Ratio = ReadableContrast);
// A background moved away from Text (darker under light text, lighter under
// dark text) until Text reaches Ratio on it.
QColor BackgroundFor(const QColor& Text, const QColor& Background, double Ratio = ReadableContrast);
