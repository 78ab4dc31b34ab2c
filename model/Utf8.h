#pragma once
// The text conversions of the object text form's strings: UTF-8 encoding and
// checking, and the Windows-1252 code page of files written before the form
// was UTF-8. Nothing here allocates beyond the output string.

#include <cstddef>
#include <cstdint>
#include <string>

// Appends the UTF-8 form of the character Code (at most 0x10FFFF).
void AppendUtf8(std::string& Out, uint32_t Code);
// Whether Bytes[0..Size) is well-formed UTF-8.
bool IsValidUtf8(const char* Bytes, size_t Size);
// Appends Bytes[0..Size), read as Windows-1252, in UTF-8.
void AppendWindows1252(std::string& Out, const char* Bytes, size_t Size);
