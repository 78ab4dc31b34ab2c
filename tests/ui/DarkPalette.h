#pragma once
// A dark desktop palette for window tests: light text on dark grounds, with
// the alternate base left light as some dark themes leave it.

#include <QPalette>

inline QPalette DarkPalette() {
  QPalette P;
  for (QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    P.setColor(Group, QPalette::Window, QColor(45, 45, 48));
    P.setColor(Group, QPalette::WindowText, QColor(230, 230, 230));
    P.setColor(Group, QPalette::Base, QColor(30, 30, 32));
    P.setColor(Group, QPalette::AlternateBase, QColor(240, 240, 240));
    P.setColor(Group, QPalette::Text, QColor(230, 230, 230));
    P.setColor(Group, QPalette::Button, QColor(55, 55, 58));
    P.setColor(Group, QPalette::ButtonText, QColor(230, 230, 230));
    P.setColor(Group, QPalette::Highlight, QColor(61, 142, 201));
    P.setColor(Group, QPalette::HighlightedText, Qt::white);
    P.setColor(Group, QPalette::Dark, QColor(25, 25, 26));
    P.setColor(Group, QPalette::Mid, QColor(70, 70, 72));
    P.setColor(Group, QPalette::Light, QColor(90, 90, 92));
    P.setColor(Group, QPalette::PlaceholderText, QColor(160, 160, 160));
    P.setColor(Group, QPalette::ToolTipBase, QColor(45, 45, 48));
    P.setColor(Group, QPalette::ToolTipText, QColor(230, 230, 230));
    P.setColor(Group, QPalette::Link, QColor(120, 180, 255));
  }
  P.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 110, 110));
  P.setColor(QPalette::Disabled, QPalette::WindowText, QColor(110, 110, 110));
  return P;
}
