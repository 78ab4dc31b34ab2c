#pragma once
// The one conversion between the core's texts and Qt's. The core keeps UTF-8
// in std::string and CR LF between the lines of a multi-line text (event
// texts, page header and footer); Qt keeps UTF-16, and a text box keeps one
// line feed between lines. Every window converts through these, so a text
// that goes into a control and comes back out is the text that went in,
// non-breaking spaces included.

#include <QString>

#include <string>

class QPlainTextEdit;

inline QString ToQString(const std::string& Text) { return QString::fromStdString(Text); }
inline std::string ToStdString(const QString& Text) { return Text.toStdString(); }

// A stored multi-line text as a text box shows it.
QString StoredToBox(const std::string& Text);
// A text box's text as stored: each line feed becomes CR LF.
std::string BoxToStored(QString Text);
// The box's text with line feeds between lines; unlike toPlainText it keeps
// non-breaking spaces as they were typed.
QString BoxText(const QPlainTextEdit& Box);
// BoxToStored(BoxText(Box)).
std::string StoredBoxText(const QPlainTextEdit& Box);
