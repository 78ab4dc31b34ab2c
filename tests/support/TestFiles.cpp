#include "tests/support/TestFiles.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TTempFolder::TTempFolder() {
  std::string Pattern = (std::filesystem::temp_directory_path() / "quillbay-test-XXXXXX").string();
  if (!::mkdtemp(Pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  FPath = Pattern;
}

TTempFolder::~TTempFolder() {
  // A test may have taken away the right to change the folder.
  std::error_code Ec;
  std::filesystem::permissions(FPath, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               Ec);
  std::filesystem::remove_all(FPath, Ec);
}

std::string ReadFileBytes(const std::string& FileName) {
  std::ifstream In(FileName, std::ios::binary);
  std::ostringstream S;
  S << In.rdbuf();
  return S.str();
}

void WriteFileBytes(const std::string& FileName, const std::string& Data) {
  std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
  Out << Data;
}
