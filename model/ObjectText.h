#pragma once
// The object text form of a persistent object: "object Name: TClass", one
// "Name = value" line per published property in declared order (nested
// objects as "Style.Caption.Align"), collections as "<item ... end>", and
// "end". The writer and the reader walk the declared property lists, so no
// class writes or parses its own lines; a save, the checksum and the tests
// all see the same bytes. Files are opened and replaced by TDataStore.

#include <cstddef>
#include <string>

#include "platform/FileIO.h"

class TPersistent;

// Writes the object text form of Root (class name ClassName, optional object
// name) with CR LF line ends, byte for byte as a save writes it.
std::string WriteObjectText(const TPersistent& Root, const std::string& ClassName,
                            const std::string& Name = "");
// The same text handed to Sink piece by piece, so that a large document is
// never held whole in memory.
void WriteObjectTextTo(const TPersistent& Root, const std::string& ClassName, const std::string& Name,
                       const TTextSink& Sink);
// Parses Text completely, then applies it to Root in file order. Raises "The
// file is not valid" on any syntax or apply fault; values applied before an
// apply fault stay applied. Returns the object's name ("" when none).
std::string ReadObjectText(TPersistent& Root, const std::string& Text);

// The vocabulary that the writer and the reader share.

// Identifiers of the form compare with ASCII letter case ignored; B is
// zero-terminated, A has Length bytes.
bool SameIdent(const char* A, size_t Length, const char* B);
// The members of a font style set, by bit (bit 0 fsBold).
inline constexpr const char* FontStyleNames[4] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
