#pragma once
// The core's messages in the user's language. The layers below the windows
// raise their errors and ask their questions by identity (platform/Messages.h);
// here the identity's English form is looked up in the catalogue's context
// "Core" and the message's arguments are put in as they are (file names and
// values are never translated), with its place (file and line) before it in
// the same way.

#include <QString>

#include "platform/Messages.h"

QString CoreMessageText(const TMessage& Message);