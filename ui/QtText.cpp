#include "ui/QtText.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString StoredToBox(const std::string& Text) { return ToQString(Text).replace("\r\n", "\n"); }

std::string BoxToStored(QString Text) {
  Text.replace("\r\n", "\n");
  return ToStdString(Text.replace("\n", "\r\n"));
}

QString BoxText(const QPlainTextEdit& Box) {
  return Box.document()->toRawText().replace(QChar(0x2029), '\n').replace(QChar(0x2028), '\n');
}

std::string StoredBoxText(const QPlainTextEdit& Box) { return BoxToStored(BoxText(Box)); }
