#pragma once
// Whether a dialog works from the keyboard alone: every visible label with a
// control, button and tab carries one access key, distinct among what is on
// show together; and Tab, pressed again and again, reaches every control that
// takes the focus.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QWidget>

// The faults of the access keys on show, as "caption: reason".
inline QStringList AccessKeyFaults(const QWidget& Dialog) {
  QStringList Captions, Faults;
  for (const QLabel* Label : Dialog.findChildren<QLabel*>()) {
    if (!Label->isVisibleTo(&Dialog)) continue;
    if (Label->buddy()) {
      Captions << Label->text();
    } else if (QString(Label->text()).replace(QLatin1String("&&"), QLatin1String("")).contains(
                   QRegularExpression(QStringLiteral("&\\w")))) {
      Faults << Label->text() + ": no control to go to, the & shows";
    }
  }
  for (const QAbstractButton* Button : Dialog.findChildren<QAbstractButton*>())
    if (Button->isVisibleTo(&Dialog) && Button->focusPolicy() != Qt::NoFocus && !Button->text().isEmpty())
      Captions << Button->text();
  for (const QTabBar* Tabs : Dialog.findChildren<QTabBar*>())
    if (Tabs->isVisibleTo(&Dialog))
      for (int I = 0; I < Tabs->count(); ++I) Captions << Tabs->tabText(I);
  QSet<QChar> Keys;
  for (const QString& Caption : Captions) {
    const QString Plain = QString(Caption).replace(QLatin1String("&&"), QLatin1String(""));
    const qsizetype At = Plain.indexOf('&');
    if (At < 0 || At + 1 >= Plain.size() || Plain.indexOf('&', At + 1) >= 0) {
      Faults << Caption + ": not one access key";
      continue;
    }
    const QChar Key = Plain[At + 1].toLower();
    if (Keys.contains(Key)) Faults << Caption + ": " + Key + " taken";
    Keys.insert(Key);
  }
  return Faults;
}

// The controls on show that take the focus with Tab and that Tab did not
// reach, going round from the control that has the focus.
inline QStringList ControlsTabMisses(QWidget& Dialog) {
  QSet<QWidget*> Reached;
  Dialog.activateWindow();
  QTest::qWaitForWindowActive(&Dialog);
  if (!Dialog.focusWidget())
    for (QWidget* Control : Dialog.findChildren<QWidget*>())
      if (Control->isVisibleTo(&Dialog) && Control->isEnabled() && (Control->focusPolicy() & Qt::TabFocus)) {
        Control->setFocus(Qt::TabFocusReason);
        break;
      }
  // The dialog's own focus widget: Tab moves it even while another window is active.
  for (int Press = 0; Press < 100 && Dialog.focusWidget(); ++Press) {
    Reached.insert(Dialog.focusWidget());
    QTest::keyClick(Dialog.focusWidget(), Qt::Key_Tab);
  }
  QStringList Missed;
  for (QWidget* Control : Dialog.findChildren<QWidget*>())
    if (Control->isVisibleTo(&Dialog) && Control->isEnabled() && (Control->focusPolicy() & Qt::TabFocus) &&
        !Control->focusProxy() && !Reached.contains(Control))
      Missed << QString::fromLatin1(Control->metaObject()->className()) + " " + Control->objectName() +
                    Control->property("text").toString() + Control->accessibleName();
  return Missed;
}
