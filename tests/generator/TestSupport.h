#pragma once
// Helpers shared by the generator tests: a private scratch folder removed at
// the end of the test, whole-file reads, and a document like the worked
// examples (default style, Spring fair on 5 March 2026).

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/EventList.h"

class TScratchFolder {
 public:
  TScratchFolder() {
    char Template[] = "/tmp/quillbay-test-XXXXXX";
    const char* P = mkdtemp(Template);
    if (!P) throw std::runtime_error("mkdtemp failed");
    FPath = P;
  }
  ~TScratchFolder() {
    std::error_code Ec;
    std::filesystem::permissions(FPath, std::filesystem::perms::owner_all, Ec);
    std::filesystem::remove_all(FPath, Ec);
  }
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;
  const std::string& Path() const { return FPath; }
  std::string operator/(const std::string& Name) const { return FPath + "/" + Name; }

 private:
  std::string FPath;
};

inline std::string ReadWholeFile(const std::string& FileName) {
  std::ifstream In(FileName, std::ios::binary);
  std::stringstream S;
  S << In.rdbuf();
  return S.str();
}

inline void WriteWholeFile(const std::string& FileName, const std::string& Text) {
  std::ofstream Out(FileName, std::ios::binary);
  Out << Text;
}

// The lines of a page text, split at CR LF.
inline std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> Lines;
  size_t Start = 0;
  for (size_t Pos; (Pos = Text.find("\r\n", Start)) != std::string::npos; Start = Pos + 2)
    Lines.push_back(Text.substr(Start, Pos - Start));
  if (Start < Text.size()) Lines.push_back(Text.substr(Start));
  return Lines;
}

// A new document's style with Spring fair on 5 March 2026 and a two-line
// event on 17 March 2026.
inline void FillSampleDocument(TEventList& Doc) {
  Doc.Style().ResetToDefaults();
  Doc.FindEvent(true, EncodeDate(2026, 3, 5))->Text = "Spring fair";
  Doc.FindEvent(true, EncodeDate(2026, 3, 17))->Text = "Doctor's visit\r\n10 am";
  Doc.RowSpacing = 15;
}
