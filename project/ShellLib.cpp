#include "project/ShellLib.h"

#include "platform/Platform.h"

std::string GetShellFolder(const std::string& Name) {
  if (Name == "Personal") return Platform().DocumentsFolder();
  return {};
}

std::string GetPersonalFolder() { return GetShellFolder("Personal"); }
