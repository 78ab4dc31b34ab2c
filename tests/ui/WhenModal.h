#pragma once
// Answers a modal dialog that a test's next call opens: the dialog runs its
// own event loop, so the test cannot reach it after the call.

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs Action on the first modal dialog of type T once it is shown. Action
// closes the dialog (or leaves that to the code under test).
template <class T>
void WhenModal(std::function<void(T&)> Action) {
  auto* Timer = new QTimer;
  Timer->setInterval(10);
  QObject::connect(Timer, &QTimer::timeout, [Timer, Action] {
    auto* Dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!Dialog || !Dialog->isVisible()) return;
    Timer->stop();
    Timer->deleteLater();
    Action(*Dialog);
  });
  Timer->start();
}
