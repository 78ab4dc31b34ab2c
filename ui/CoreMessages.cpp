#include "ui/CoreMessages.h"

#include <QCoreApplication>

#include "ui/QtText.h"

namespace {
QString Translated(TMessageId Id, const std::vector<std::string>& Args) {
  if (Id == TMessageId::Text) return ToQString(FillMessage(MessageFormat(Id), Args));
  const QString Format = QCoreApplication::translate("Core", MessageFormat(Id));
  return ToQString(FillMessage(ToStdString(Format), Args));
}
}  // namespace

QString CoreMessageText(const TMessage& Message) {
  const QString What = Translated(Message.Id, Message.Args);
  if (Message.File.empty()) return What;
  if (Message.Line > 0)
    return Translated(TMessageId::AtFileLine,
                      {Message.File, std::to_string(Message.Line), ToStdString(What)});
  return Translated(TMessageId::AtFile, {Message.File, ToStdString(What)});
}
