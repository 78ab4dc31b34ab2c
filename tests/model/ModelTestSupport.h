#pragma once
// Shared helpers of the model tests: the worked-example document, a private
// temporary folder, and line joining with CR LF.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

#include "model/CalDate.h"
#include "model/EventList.h"

// Joins lines, each ended by CR LF.
inline std::string CrLfLines(std::initializer_list<std::string> Lines) {
  std::string Out;
  for (const auto& L : Lines) Out += L + "\r\n";
  return Out;
}

// A fresh document as the main window makes one for New in 2026.
inline void MakeFresh(TEventList& Doc, const std::string& Folder = "C:\\Calendars") {
  SetDocumentDefaults(Doc, Folder, 2026);
  Doc.Style().ResetToDefaults();
}

// The two-event document of the file format's worked example.
inline void MakeWorkedExample(TEventList& Doc) {
  MakeFresh(Doc);
  Doc.FindEvent(true, 46086)->Text = "Spring fair";
  Doc.FindEvent(true, 46098)->Text = "Doctor's visit\r\n10 am";
}

// A folder of its own under the system's temporary folder, removed afterwards.
class TTempFolder {
 public:
  TTempFolder() {
    std::string Pattern = (std::filesystem::temp_directory_path() / "quillbay-model-XXXXXX").string();
    char* Made = ::mkdtemp(Pattern.data());
    if (Made) FPath = Made;
  }
  ~TTempFolder() {
    std::error_code Ec;
    std::filesystem::permissions(FPath, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 Ec);
    std::filesystem::remove_all(FPath, Ec);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  std::string Path(const std::string& Name = "") const { return Name.empty() ? FPath : FPath + "/" + Name; }

 private:
  std::string FPath;
};

inline std::string ReadFileBytes(const std::string& FileName) {
  std::ifstream In(FileName, std::ios::binary);
  std::ostringstream S;
  S << In.rdbuf();
  return S.str();
}

inline void WriteFileBytes(const std::string& FileName, const std::string& Data) {
  std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
  Out << Data;
}
