#pragma once
// Helpers shared by the writer and the reader of the object text form (the
// public entry points are in DataLib.h): identifier comparison and the text
// conversions of the form's strings.

#include <cstddef>
#include <cstdint>
#include <string>

// Identifiers of the form compare with ASCII letter case ignored.
bool SameIdent(const char* A, size_t Length, const char* B);

// Appends the UTF-8 form of the character Code (at most 0x10FFFF).
void AppendUtf8(std::string& Out, uint32_t Code);
// Whether Bytes[0..Size) is well-formed UTF-8.
bool IsValidUtf8(const char* Bytes, size_t Size);
// Appends Bytes[0..Size), read as Windows-1252, in UTF-8.
void AppendWindows1252(std::string& Out, const char* Bytes, size_t Size);
