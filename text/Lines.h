#pragma once
// Line breaks of texts: the document keeps a day's lines separated by CR LF,
// while texts from elsewhere (a typed plain text, a file) may break lines
// with CR LF, CR or LF alone.

#include <cstddef>
#include <string_view>

// Calls Each(Line) for every line of Text in order, lines separated by CR LF;
// a lone CR or LF belongs to its line. An empty text is one empty line.
template <class TEach>
void ForEachCrLfLine(std::string_view Text, TEach&& Each) {
  size_t I = 0;
  for (;;) {
    const size_t Break = Text.find("\r\n", I);
    if (Break == std::string_view::npos) {
      Each(Text.substr(I));
      return;
    }
    Each(Text.substr(I, Break - I));
    I = Break + 2;
  }
}

// The length of the line break that starts at Text[At]: 2 for CR LF, 1 for
// a CR or LF alone, 0 when none starts there.
inline size_t LineBreakLength(std::string_view Text, size_t At) {
  if (At >= Text.size()) return 0;
  if (Text[At] == '\n') return 1;
  if (Text[At] != '\r') return 0;
  return At + 1 < Text.size() && Text[At + 1] == '\n' ? 2 : 1;
}
