#pragma once
// A modal progress dialog over a job that runs on a thread of its own, so
// that the window keeps drawing while the job works. Ten times a second the
// dialog asks the job whether it is done and lets Update show its progress;
// Cancel is passed on to the job, which decides when it stops.

#include <QString>
#include <functional>

class QProgressDialog;
class QWidget;

struct TJobWatch {
  std::function<bool()> Done;
  std::function<void()> Cancel;
  std::function<void(QProgressDialog&)> Update;
};

// Shows the dialog (busy, with Label and a Cancel button named CancelText)
// until Job.Done() holds.
void WaitWithProgress(QWidget* Parent, const QString& ObjectName, const QString& Title, const QString& Label,
                      const QString& CancelText, const TJobWatch& Job);
