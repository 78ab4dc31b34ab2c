#pragma once
// Helpers shared by the generator tests: page lines, and a document like the
// worked examples (default style, Spring fair on 5 March 2026); temporary
// folders and whole files come from the testing library.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/EventList.h"
#include "tests/support/TestFiles.h"

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
