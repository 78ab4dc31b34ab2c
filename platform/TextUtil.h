#pragma once
// The one rule for "blank" text used wherever a name, folder or day's text is
// tested for content: leading and trailing blanks and control characters
// (codes 0 to 32) do not count. Bytes of UTF-8 sequences are above 32, so
// every non-ASCII character counts as content.

#include <string>

inline std::string TrimControls(const std::string& Text) {
  size_t First = 0;
  size_t Last = Text.size();
  while (First < Last && static_cast<unsigned char>(Text[First]) <= ' ') ++First;
  while (Last > First && static_cast<unsigned char>(Text[Last - 1]) <= ' ') --Last;
  return Text.substr(First, Last - First);
}

// True when Text holds no character above code 32.
inline bool IsBlank(const std::string& Text) {
  for (unsigned char C : Text)
    if (C > ' ') return false;
  return true;
}
