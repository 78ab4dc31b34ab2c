#pragma once
// The user's well-known folders as the desktop records them. On Linux the only
// one known is "Personal", the XDG documents folder; nothing is created here.

#include <string>

// The folder recorded under Name ("Personal"), or empty text when unknown.
std::string GetShellFolder(const std::string& Name);
// GetShellFolder("Personal").
std::string GetPersonalFolder();
