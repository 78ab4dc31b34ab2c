#pragma once
// Files for tests: a private folder of the test's own, removed with
// everything in it when the test ends, and whole-file reads and writes that
// do not go through the program's own file unit.

#include <string>

class TTempFolder {
 public:
  // A new folder under the system's temporary folder; raises
  // std::runtime_error when none can be made.
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // The folder, or Name inside it.
  std::string Path(const std::string& Name = "") const { return Name.empty() ? FPath : FPath + "/" + Name; }
  std::string operator/(const std::string& Name) const { return Path(Name); }

 private:
  std::string FPath;
};

// The bytes of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& FileName);
// Replaces the content of a file (no temporary file, no sync).
void WriteFileBytes(const std::string& FileName, const std::string& Data);
