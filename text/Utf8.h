#pragma once
// UTF-8 encoding and checking, and the Windows-1252 code page of documents
// and calendar files written by older programs. Nothing here allocates
// beyond the output string.

#include <cstddef>
#include <cstdint>
#include <string>

// Appends the UTF-8 form of the character Code (at most 0x10FFFF).
void AppendUtf8(std::string& Out, uint32_t Code);
// Whether Bytes[0..Size) is well-formed UTF-8.
bool IsValidUtf8(const char* Bytes, size_t Size);
// Appends Bytes[0..Size), read as Windows-1252, in UTF-8.
void AppendWindows1252(std::string& Out, const char* Bytes, size_t Size);
