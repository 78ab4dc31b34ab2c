#pragma once
// The core's messages in the user's language. The layers below the windows
// raise their errors and ask their questions in English ("Cannot create file
// %s"); this unit knows each of those texts with its "%s" parts and gives its
// translation from the catalogue's "Core" context with the parts put back as
// they were (file names are never translated). A text that it does not know,
// such as one already translated, is returned unchanged.

#include <QString>
#include <string>
#include <vector>

QString TranslateCoreMessage(const std::string& Text);

// Every core text that TranslateCoreMessage knows, as the core writes it,
// with "%s" where a name or a number goes.
const std::vector<const char*>& CoreMessageFormats();
// Texts that name a place before one of those ("%s, line %s: %s").
const std::vector<const char*>& PlacedMessageFormats();
