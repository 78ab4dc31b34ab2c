#include "ui/FetchDlg.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>

#include "net/FetchJob.h"
#include "ui/JobProgress.h"
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
  TJobWatch Watch;
  Watch.Done = [&Job] { return Job.Done(); };
  Watch.Cancel = [&Job] { Job.Cancel(); };
  Watch.Update = [&](QProgressDialog& Progress) {
    const uint64_t Received = Job.Received(), Total = Job.Total();
    const QString Size = QLocale().formattedDataSize(static_cast<qint64>(Received));
    Progress.setLabelText(
        QCoreApplication::translate("FetchDlg", "Fetching the calendar from %1\n%2 received")
            .arg(Name, Size));
    if (Total > 0 && Total <= INT32_MAX) {
      Progress.setRange(0, static_cast<int>(Total));
      Progress.setValue(static_cast<int>(std::min(Received, Total)));
    }
  };
  WaitWithProgress(Parent, "dlgFetch", Title,
                   QCoreApplication::translate("FetchDlg", "Fetching the calendar from %1").arg(Name),
                   QCoreApplication::translate("FetchDlg", "Cancel"), Watch);
  if (Job.Cancelled()) return std::nullopt;
  return Job.Take().Bytes;
}
