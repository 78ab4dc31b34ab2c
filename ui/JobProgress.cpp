#include "ui/JobProgress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

void WaitWithProgress(QWidget* Parent, const QString& ObjectName, const QString& Title, const QString& Label,
                      const QString& CancelText, const TJobWatch& Job) {
  QProgressDialog Progress(Parent);
  Progress.setObjectName(ObjectName);
  Progress.setWindowTitle(Title);
  Progress.setWindowModality(Qt::WindowModal);
  Progress.setLabelText(Label);
  Progress.setCancelButtonText(CancelText);
  Progress.setRange(0, 0);  // busy until the job knows how much there is
  Progress.setMinimumDuration(0);
  Progress.setAutoReset(false);
  Progress.setAutoClose(false);
  QObject::connect(&Progress, &QProgressDialog::canceled, [&Job] { Job.Cancel(); });
  QEventLoop Loop;
  QTimer Poll;
  Poll.setInterval(100);
  QObject::connect(&Poll, &QTimer::timeout, [&] {
    if (Job.Done()) return Loop.quit();
    if (Progress.wasCanceled()) Job.Cancel();
    Job.Update(Progress);
  });
  Poll.start();
  Progress.show();
  Loop.exec();
  Progress.hide();
}
