#pragma once
// The object text form of a persistent object: "object Name: TClass", one
// "Name = value" line per published property in declared order (nested
// objects as "Style.Caption.Align"), collections as "<item ... end>", and
// "end". The writer and the reader walk the declared property lists, so no
// class writes or parses its own lines; a save, the checksum and the tests
// all see the same bytes. Files are opened and replaced by TDataStore.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

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
// Where a read that raised stopped: the line (1 for the first), and whether
// the text broke the grammar (then nothing was applied) or a value did not
// fit the object (then what came before it stays applied).
struct TReadFault {
  size_t Line = 0;
  bool Syntax = false;
};
// Told from time to time that the text before an offset will not be read
// again, so that the memory of a large file can go back while the document
// it holds is built.
using TReleaseText = std::function<void(size_t Offset)>;
// Reads Text into Root in one pass, applying each property in file order.
// Raises "The file is not valid" on a syntax error anywhere (Root is then as
// it was) or on a value that does not fit Root (the values before it stay
// applied); Fault, when given, says where and which. Returns the object's
// name ("" when none).
std::string ReadObjectText(TPersistent& Root, std::string_view Text, TReadFault* Fault = nullptr,
                           const TReleaseText& Release = {});

// The vocabulary that the writer and the reader share.

// Identifiers of the form compare with ASCII letter case ignored; B is
// zero-terminated, A has Length bytes.
bool SameIdent(const char* A, size_t Length, const char* B);
// The members of a font style set, by bit (bit 0 fsBold).
inline constexpr const char* FontStyleNames[4] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
