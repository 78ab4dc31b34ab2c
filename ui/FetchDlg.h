#pragma once
// The two steps of an import from a web address that need a window: asking
// for the address, and waiting for the calendar while the window stays
// responsive. The fetch runs on a thread of its own (TFetchJob); a progress
// dialog shows what has arrived and offers Cancel. The address is never
// kept: a calendar's address may hold a secret.

#include <QString>
#include <optional>
#include <string>

class QWidget;

// Asks for the address of a calendar (https://, http:// or webcal://);
// nothing when cancelled. Raises EQuillbayError for text that is not such
// an address.
std::optional<std::string> AskCalendarAddress(QWidget* Parent, const QString& Title);

// Fetches the calendar at Address with a progress dialog; nothing when the
// user cancelled. Raises the fetch's EQuillbayError when it fails.
std::optional<std::string> FetchCalendarWithProgress(QWidget* Parent, const QString& Title,
                                                     const std::string& Address);
