#pragma once
// Texts of the user on their way into a page. Event texts are either HTML
// (written as HTML, but in the modern page kept from breaking the page around
// them) or plain text (shown exactly as typed). Nothing here knows about
// calendars; every function takes UTF-8 and returns UTF-8 HTML.

#include <string>
#include <string_view>

#include "text/Html.h"  // EscapeHtml

// Plain text as HTML showing the same characters: escaped, each line break
// (CR LF, CR or LF) a "<br>", a blank that HTML would fold away written as a
// no-break space, control characters left out, and every http:// or https://
// address a link to itself. An address starts at a word boundary and runs to
// the next blank, control character, "<", ">" or '"'; a trailing ".,;:!?'"
// is not part of it, nor is a closing bracket without its opening one inside
// the address.
std::string PlainTextToHtml(std::string_view Text);

// HTML as the user wrote it, made safe to stand inside one table cell: the
// tags of ordinary text elements (b, i, a, span, p, div, lists, headings,
// br, img...) are kept; elements left open are closed at the end in the right
// order; an end tag without its start tag is left out; a "<" that starts no
// such tag (a stray "<", an address in angle brackets, an unknown or
// structural element such as td or script, a tag without its ">") is written
// as text, as is an unterminated comment; complete comments are left out; an
// "&" that starts no character reference is escaped; control characters are
// left out.
std::string BalanceHtml(std::string_view Html);

// Text that may hold character references ("&amp;", "&#233;") but no tags,
// for the title and other text-only places: references are kept, any other
// "&", "<" and ">" is escaped.
std::string TextWithReferences(std::string_view Text);
