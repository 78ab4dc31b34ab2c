#pragma once
// ASCII character tests and case mapping for formats whose syntax is ASCII
// (HTML tags and references, iCalendar names), independent of the locale:
// bytes of UTF-8 sequences are never letters, digits or blanks here.

#include <cstddef>
#include <string>
#include <string_view>

inline bool IsAsciiLetter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }
inline bool IsAsciiDigit(char C) { return C >= '0' && C <= '9'; }
inline bool IsAsciiAlnum(char C) { return IsAsciiLetter(C) || IsAsciiDigit(C); }
inline bool IsHexDigit(char C) { return IsAsciiDigit(C) || (C >= 'a' && C <= 'f') || (C >= 'A' && C <= 'F'); }
inline char AsciiLower(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C; }
inline char AsciiUpper(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 32) : C; }

// Text with its ASCII letters in capitals.
inline std::string AsciiUpper(std::string_view Text) {
  std::string Out(Text);
  for (char& C : Out) C = AsciiUpper(C);
  return Out;
}

// Whether Text[At..] begins with Prefix, ignoring the case of ASCII letters
// in Text; Prefix is written in lower case.
inline bool StartsWithNoCase(std::string_view Text, size_t At, std::string_view Prefix) {
  if (At > Text.size() || Text.size() - At < Prefix.size()) return false;
  for (size_t I = 0; I < Prefix.size(); ++I)
    if (AsciiLower(Text[At + I]) != Prefix[I]) return false;
  return true;
}

// Whether Word is one of Words, a list of words each followed by one blank.
inline bool ContainsWord(std::string_view Words, std::string_view Word) {
  for (size_t Pos = 0; (Pos = Words.find(Word, Pos)) != std::string_view::npos; Pos += Word.size()) {
    const bool Starts = Pos == 0 || Words[Pos - 1] == ' ';
    const bool Ends = Pos + Word.size() < Words.size() && Words[Pos + Word.size()] == ' ';
    if (Starts && Ends) return true;
  }
  return false;
}
