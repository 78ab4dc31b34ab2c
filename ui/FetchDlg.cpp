#include "ui/FetchDlg.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>
#include <QTimer>

#include "net/FetchJob.h"
#include "ui/QtText.h"

std::optional<std::string> AskCalendarAddress(QWidget* Parent, const QString& Title) {
  QInputDialog Dialog(Parent);
  Dialog.setObjectName("dlgAddress");
  Dialog.setWindowTitle(Title);
  Dialog.setLabelText(QCoreApplication::translate(
      "FetchDlg",
      "Address of the calendar (https://, http:// or webcal://), as the calendar service shows "
      "it under \"secret address in iCal format\" or \"publish calendar\":"));
  Dialog.setInputMode(QInputDialog::TextInput);
  if (auto* Prompt = Dialog.findChild<QLabel*>()) Prompt->setWordWrap(true);
  Dialog.resize(Dialog.fontMetrics().averageCharWidth() * 70, Dialog.sizeHint().height());
  if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
  const std::string Address = ToStdString(Dialog.textValue().trimmed());
  FetchableAddress(Address);  // raises for what is not a web address
  return Address;
}

std::optional<std::string> FetchCalendarWithProgress(QWidget* Parent, const QString& Title,
                                                     const std::string& Address) {
  TFetchJob Job(Address, TFetchOptions{}, CalendarCacheFolder());
  const QString Name = ToQString(AddressForMessages(Address));
  QProgressDialog Progress(Parent);
  Progress.setObjectName("dlgFetch");
  Progress.setWindowTitle(Title);
  Progress.setWindowModality(Qt::WindowModal);
  Progress.setLabelText(QCoreApplication::translate("FetchDlg", "Fetching the calendar from %1").arg(Name));
  Progress.setCancelButtonText(QCoreApplication::translate("FetchDlg", "Cancel"));
  Progress.setRange(0, 0);  // busy until the size is known
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
    const uint64_t Received = Job.Received(), Total = Job.Total();
    const QString Size = QLocale().formattedDataSize(static_cast<qint64>(Received));
    Progress.setLabelText(
        QCoreApplication::translate("FetchDlg", "Fetching the calendar from %1\n%2 received")
            .arg(Name, Size));
    if (Total > 0 && Total <= INT32_MAX) {
      Progress.setRange(0, static_cast<int>(Total));
      Progress.setValue(static_cast<int>(std::min(Received, Total)));
    }
  });
  Poll.start();
  Progress.show();
  Loop.exec();
  Progress.hide();
  if (Job.Cancelled()) return std::nullopt;
  return Job.Take().Bytes;
}
