#pragma once
// The reading of HTML that the whole program shares: escaping, the character
// references of HTML 4 (the one table of their names), the tags of the
// elements that user texts may hold, and the plain text of an event text.
// Nothing here knows about calendars or pages; every function takes UTF-8
// and returns UTF-8.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Appends C, with "&", "<", ">", '"' and "'" as character references.
void AppendEscapedHtml(std::string& Out, char C);
// "&", "<", ">", '"' and "'" as character references; everything else as is.
std::string EscapeHtml(std::string_view Text);
// "&", "<" and ">" as character references, for text between tags.
std::string EscapeHtmlContent(std::string_view Text);

// The character of a named reference of HTML 4 ("eacute" -> U+00E9), which
// every browser and checker knows; 0 for any other name.
uint32_t NamedReferenceCode(std::string_view Name);

// The length of the character reference that starts at Text[At] ("&"), with
// its character in Code: a named reference of HTML 4 ("&eacute;"), or a
// decimal or hexadecimal one of at most 7 digits of a printable character
// ("&#233;", "&#xE9;"), always ended by ";". 0 when "&" starts none that a
// browser would read as this text means.
size_t ReadReference(std::string_view Text, size_t At, uint32_t& Code);

// A tag of an element that user texts may hold: the text elements (a, b, i,
// span, p, div, lists, headings...) and the void elements br, hr, img, wbr.
struct THtmlTag {
  bool Closing = false;
  std::string Name;  // lower case
  size_t End = 0;    // just after ">"
};
// Reads the tag that starts at Text[At] ("<"): its name, then attributes up to
// the first ">" outside quotes. False when it is no complete tag of such an
// element (an unknown or structural element, a "<" inside, no ">").
bool ReadTextTag(std::string_view Text, size_t At, THtmlTag& Tag);
// Whether an element (lower case) has no content and no end tag.
bool IsVoidElement(std::string_view Name);

// The plain text of an event text written in HTML: "<br>" becomes a line
// break (CR LF), other tags and comments are removed, character references
// (&amp;, &#233;, &#xE9; and the named ones) are decoded. A "<" that
// starts no tag stays as it is.
std::string HtmlToPlainText(std::string_view Html);
