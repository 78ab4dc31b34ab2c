#pragma once
// Whether a window shows its captions whole, in whatever language it speaks:
// the texts of its visible labels, buttons, check boxes and radio buttons that
// are given less room than their text needs, and the tabs out of sight.

#include <QStringList>

class QWidget;

QStringList CutCaptions(const QWidget& Window);
