#pragma once
// ASCII character tests, case mapping and percent-encoding for formats whose
// syntax is ASCII (HTML tags and references, iCalendar names, addresses),
// independent of the locale: bytes of UTF-8 sequences are never letters,
// digits or blanks here.

#include <cstddef>
#include <string>
#include <string_view>

inline bool IsAsciiLetter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }
inline bool IsAsciiDigit(char C) { return C >= '0' && C <= '9'; }
inline bool IsAsciiAlnum(char C) { return IsAsciiLetter(C) || IsAsciiDigit(C); }
inline bool IsHexDigit(char C) { return IsAsciiDigit(C) || (C >= 'a' && C <= 'f') || (C >= 'A' && C <= 'F'); }
inline char AsciiLower(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C; }
inline char AsciiUpper(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 32) : C; }

// Text with its ASCII letters in small letters.
inline std::string AsciiLower(std::string_view Text) {
  std::string Out(Text);
  for (char& C : Out) C = AsciiLower(C);
  return Out;
}

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
  if (Word.empty()) return false;
  for (size_t Pos = 0; (Pos = Words.find(Word, Pos)) != std::string_view::npos; Pos += Word.size()) {
    const bool Starts = Pos == 0 || Words[Pos - 1] == ' ';
    const bool Ends = Pos + Word.size() < Words.size() && Words[Pos + Word.size()] == ' ';
    if (Starts && Ends) return true;
  }
  return false;
}

// Text with every byte outside RFC 3986's unreserved characters (A-Z a-z 0-9
// - . _ ~) and outside Kept written as %XX, in upper-case hexadecimal.
inline std::string PercentEncode(std::string_view Text, std::string_view Kept = {}) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string Out;
  for (const char C : Text) {
    if (IsAsciiAlnum(C) || C == '-' || C == '.' || C == '_' || C == '~' ||
        (C != '\0' && Kept.find(C) != std::string_view::npos)) {
      Out += C;
      continue;
    }
    const auto U = static_cast<unsigned char>(C);
    Out += '%';
    Out += Hex[U >> 4];
    Out += Hex[U & 15];
  }
  return Out;
}
