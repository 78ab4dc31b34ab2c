#include "CaptionCheck.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>

namespace {
// The room a push button's text needs: the text inside the button's frame.
// (A style's smallest width for buttons is no need of the text.)
int PushButtonNeed(const QPushButton& Button) {
  QStyleOptionButton Option;
  Option.initFrom(&Button);
  const int Frame = Button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &Option, &Button);
  QString Text = Button.text();
  Text.remove('&');
  return Button.fontMetrics().horizontalAdvance(Text) + 2 * Frame;
}
}  // namespace

QStringList CutCaptions(const QWidget& Window) {
  QStringList Cut;
  for (const QWidget* Control : Window.findChildren<QWidget*>()) {
    if (!Control->isVisibleTo(&Window)) continue;
    if (const auto* Tabs = qobject_cast<const QTabBar*>(Control)) {
      for (int Tab = 0; Tab < Tabs->count(); ++Tab)
        if (!Tabs->rect().contains(Tabs->tabRect(Tab))) Cut << Tabs->tabText(Tab);
      continue;
    }
    if (const auto* Button = qobject_cast<const QPushButton*>(Control)) {
      if (Button->width() < PushButtonNeed(*Button)) Cut << Button->text();
      continue;
    }
    QString Text;
    if (const auto* Label = qobject_cast<const QLabel*>(Control); Label && !Label->wordWrap())
      Text = Label->text();
    if (const auto* Box = qobject_cast<const QCheckBox*>(Control)) Text = Box->text();
    if (const auto* Radio = qobject_cast<const QRadioButton*>(Control)) Text = Radio->text();
    if (Text.isEmpty()) continue;
    const QSize Needed = Control->sizeHint();
    if (Control->width() < Needed.width() || Control->height() < Needed.height()) Cut << Text;
  }
  return Cut;
}
