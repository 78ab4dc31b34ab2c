#include "generator/HtmlText.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {
bool IsAsciiLetter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }
bool IsAsciiDigit(char C) { return C >= '0' && C <= '9'; }
bool IsAsciiAlnum(char C) { return IsAsciiLetter(C) || IsAsciiDigit(C); }
bool IsHexDigit(char C) { return IsAsciiDigit(C) || (C >= 'a' && C <= 'f') || (C >= 'A' && C <= 'F'); }
char Lower(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C; }

// Control characters have no place in a page; tab, CR and LF are white space.
bool IsDroppedControl(unsigned char C) {
  return (C < 0x20 && C != '\t' && C != '\r' && C != '\n') || C == 0x7F;
}

bool StartsWithNoCase(std::string_view Text, size_t At, std::string_view Prefix) {
  if (Text.size() - At < Prefix.size()) return false;
  for (size_t I = 0; I < Prefix.size(); ++I)
    if (Lower(Text[At + I]) != Prefix[I]) return false;
  return true;
}

bool Contains(std::string_view Words, std::string_view Word) {
  // Words is a list of names each followed by one blank.
  for (size_t Pos = 0; (Pos = Words.find(Word, Pos)) != std::string_view::npos; Pos += Word.size()) {
    const bool Starts = Pos == 0 || Words[Pos - 1] == ' ';
    const bool Ends = Pos + Word.size() < Words.size() && Words[Pos + Word.size()] == ' ';
    if (Starts && Ends) return true;
  }
  return false;
}

// The named character references of HTML 4, which every browser and checker
// knows; a name outside this list is written as text.
constexpr std::string_view EntityNames =
    "quot amp apos lt gt nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg "
    "macr deg plusmn sup2 sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12 frac34 iquest "
    "Agrave Aacute Acirc Atilde Auml Aring AElig Ccedil Egrave Eacute Ecirc Euml Igrave Iacute Icirc Iuml "
    "ETH Ntilde Ograve Oacute Ocirc Otilde Ouml times Oslash Ugrave Uacute Ucirc Uuml Yacute THORN szlig "
    "agrave aacute acirc atilde auml aring aelig ccedil egrave eacute ecirc euml igrave iacute icirc iuml "
    "eth ntilde ograve oacute ocirc otilde ouml divide oslash ugrave uacute ucirc uuml yacute thorn yuml "
    "OElig oelig Scaron scaron Yuml circ tilde ensp emsp thinsp zwnj zwj lrm rlm ndash mdash lsquo rsquo "
    "sbquo ldquo rdquo bdquo dagger Dagger permil lsaquo rsaquo euro fnof Alpha Beta Gamma Delta Epsilon "
    "Zeta Eta Theta Iota Kappa Lambda Mu Nu Xi Omicron Pi Rho Sigma Tau Upsilon Phi Chi Psi Omega alpha "
    "beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi omicron pi rho sigmaf sigma tau "
    "upsilon phi chi psi omega thetasym upsih piv bull hellip prime Prime oline frasl weierp image real "
    "trade alefsym larr uarr rarr darr harr crarr lArr uArr rArr dArr hArr forall part exist empty nabla "
    "isin notin ni prod sum minus lowast radic prop infin ang and or cap cup int there4 sim cong asymp ne "
    "equiv le ge sub sup nsub sube supe oplus otimes perp sdot lceil rceil lfloor rfloor lang rang loz "
    "spades clubs hearts diams ";

// The length of the character reference that starts at Text[At] ("&"), or 0
// when it starts none that a browser would read as this text means.
size_t ReferenceLength(std::string_view Text, size_t At) {
  size_t I = At + 1;
  if (I < Text.size() && Text[I] == '#') {
    ++I;
    const bool Hex = I < Text.size() && (Text[I] == 'x' || Text[I] == 'X');
    if (Hex) ++I;
    const size_t Digits = I;
    uint32_t Code = 0;
    while (I < Text.size() && (Hex ? IsHexDigit(Text[I]) : IsAsciiDigit(Text[I])) && I - Digits < 7) {
      const char C = Lower(Text[I]);
      Code = Code * (Hex ? 16 : 10) + static_cast<uint32_t>(IsAsciiDigit(C) ? C - '0' : C - 'a' + 10);
      ++I;
    }
    if (I == Digits || I >= Text.size() || Text[I] != ';') return 0;
    const bool Printable = Code == 9 || Code == 10 || (Code >= 0x20 && Code < 0x7F) ||
                           (Code >= 0xA0 && Code <= 0x10FFFF && (Code < 0xD800 || Code > 0xDFFF));
    return Printable ? I + 1 - At : 0;
  }
  const size_t Name = I;
  while (I < Text.size() && IsAsciiAlnum(Text[I]) && I - Name < 10) ++I;
  if (I == Name || I >= Text.size() || Text[I] != ';') return 0;
  return Contains(EntityNames, Text.substr(Name, I - Name)) ? I + 1 - At : 0;
}

// Appends Text[At] = "&": the reference it starts, or an escaped "&".
size_t AppendAmpersand(std::string& Out, std::string_view Text, size_t At) {
  const size_t Length = ReferenceLength(Text, At);
  if (Length == 0) {
    Out += "&amp;";
    return 1;
  }
  Out.append(Text.substr(At, Length));
  return Length;
}

void AppendEscaped(std::string& Out, char C) {
  switch (C) {
    case '&':
      Out += "&amp;";
      break;
    case '<':
      Out += "&lt;";
      break;
    case '>':
      Out += "&gt;";
      break;
    case '"':
      Out += "&quot;";
      break;
    case '\'':
      Out += "&#39;";
      break;
    default:
      Out += C;
  }
}

// ---------------------------------------------------------------------------
// Web addresses in plain text

bool EndsAddress(char C) {
  const unsigned char U = static_cast<unsigned char>(C);
  return U <= ' ' || U == 0x7F || C == '<' || C == '>' || C == '"';
}

// The length of the address that starts at Text[At], or 0.
size_t AddressLength(std::string_view Text, size_t At) {
  if (At > 0 && IsAsciiAlnum(Text[At - 1])) return 0;
  size_t Scheme;
  if (StartsWithNoCase(Text, At, "https://"))
    Scheme = 8;
  else if (StartsWithNoCase(Text, At, "http://"))
    Scheme = 7;
  else
    return 0;
  size_t End = At + Scheme;
  while (End < Text.size() && !EndsAddress(Text[End])) ++End;
  // Punctuation that closes the sentence, not the address.
  while (End > At + Scheme) {
    const char Last = Text[End - 1];
    if (std::string_view(".,;:!?'").find(Last) != std::string_view::npos) {
      --End;
      continue;
    }
    if (Last == ')' || Last == ']') {
      const char Open = Last == ')' ? '(' : '[';
      const std::string_view Address = Text.substr(At, End - At);
      if (std::count(Address.begin(), Address.end(), Open) <
          std::count(Address.begin(), Address.end(), Last)) {
        --End;
        continue;
      }
    }
    break;
  }
  // A host must follow the scheme.
  if (End == At + Scheme || !IsAsciiAlnum(Text[At + Scheme])) return 0;
  return End - At;
}

// ---------------------------------------------------------------------------
// Tags

constexpr std::string_view VoidElements = "br hr img wbr ";
constexpr std::string_view TextElements =
    "a abbr b bdi bdo big blockquote center cite code data dd del dfn div dl dt em font h1 h2 h3 h4 h5 h6 i "
    "ins kbd li mark ol p pre q s samp small span strike strong sub sup time tt u ul var ";
// Elements whose start closes an open paragraph.
constexpr std::string_view ClosesParagraph = "blockquote center div dl h1 h2 h3 h4 h5 h6 hr ol p pre ul ";

struct TTag {
  bool Closing = false;
  std::string Name;  // lower case
  size_t End = 0;    // just after ">"
};

// Reads the tag that starts at Text[At] ("<"); false when it is not a
// complete tag of a known element.
bool ReadTag(std::string_view Text, size_t At, TTag& Tag) {
  size_t I = At + 1;
  Tag.Closing = I < Text.size() && Text[I] == '/';
  if (Tag.Closing) ++I;
  const size_t Name = I;
  if (I >= Text.size() || !IsAsciiLetter(Text[I])) return false;
  while (I < Text.size() && IsAsciiAlnum(Text[I])) ++I;
  if (I >= Text.size()) return false;
  const char After = Text[I];
  if (After != '>' && After != '/' && After != ' ' && After != '\t' && After != '\r' && After != '\n')
    return false;
  Tag.Name.clear();
  for (size_t K = Name; K < I; ++K) Tag.Name += Lower(Text[K]);
  if (!Contains(VoidElements, Tag.Name) && !Contains(TextElements, Tag.Name)) return false;
  // The attributes run to the first ">" outside quotes.
  char Quote = 0;
  for (; I < Text.size(); ++I) {
    const char C = Text[I];
    if (Quote) {
      if (C == Quote) Quote = 0;
    } else if (C == '"' || C == '\'') {
      Quote = C;
    } else if (C == '<') {
      return false;
    } else if (C == '>') {
      Tag.End = I + 1;
      return true;
    }
  }
  return false;
}

// The tag as written, with line breaks as blanks, control characters left out
// and a bare "&" escaped.
void AppendTag(std::string& Out, std::string_view Tag) {
  for (size_t I = 0; I < Tag.size();) {
    const char C = Tag[I];
    if (C == '&') {
      I += AppendAmpersand(Out, Tag, I);
      continue;
    }
    if (C == '\r' || C == '\n' || C == '\t')
      Out += ' ';
    else if (!IsDroppedControl(static_cast<unsigned char>(C)))
      Out += C;
    ++I;
  }
}

class TBalancer {
 public:
  std::string Out;

  void Start(const TTag& Tag, std::string_view Written) {
    // A new item or paragraph ends the one before it.
    const bool Term = Tag.Name == "dt" || Tag.Name == "dd";
    if (!FOpen.empty() && (Tag.Name == "li" || Tag.Name == "p" || Term) &&
        (FOpen.back() == Tag.Name || (Term && (FOpen.back() == "dt" || FOpen.back() == "dd"))))
      CloseTop();
    if (Contains(ClosesParagraph, Tag.Name)) {
      auto P = std::find(FOpen.rbegin(), FOpen.rend(), "p");
      if (P != FOpen.rend()) CloseDownTo(static_cast<size_t>(FOpen.rend() - P) - 1);
    }
    AppendTag(Out, Written);
    if (!Contains(VoidElements, Tag.Name)) FOpen.push_back(Tag.Name);
  }

  void End(const TTag& Tag) {
    if (Tag.Name == "br") {
      Out += "<br>";  // browsers read </br> as a line break
      return;
    }
    auto Open = std::find(FOpen.rbegin(), FOpen.rend(), Tag.Name);
    if (Open == FOpen.rend()) return;  // nothing to end
    CloseDownTo(static_cast<size_t>(FOpen.rend() - Open) - 1);
  }

  void CloseAll() {
    if (!FOpen.empty()) CloseDownTo(0);
  }

 private:
  void CloseTop() {
    Out += "</" + FOpen.back() + ">";
    FOpen.pop_back();
  }
  void CloseDownTo(size_t Index) {
    while (FOpen.size() > Index) CloseTop();
  }
  std::vector<std::string> FOpen;
};
}  // namespace

std::string EscapeHtml(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size() + Text.size() / 8);
  for (char C : Text) AppendEscaped(Out, C);
  return Out;
}

std::string PlainTextToHtml(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size() + Text.size() / 4);
  // A blank at the start of a line or after another blank would be folded.
  bool Foldable = true;
  for (size_t I = 0; I < Text.size();) {
    const char C = Text[I];
    if (C == '\r' || C == '\n') {
      I += C == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n' ? 2 : 1;
      Out += "<br>";
      Foldable = true;
      continue;
    }
    if (C == ' ' || C == '\t') {
      Out += Foldable ? "&nbsp;" : " ";
      Foldable = !Foldable;
      ++I;
      continue;
    }
    Foldable = false;
    if (IsDroppedControl(static_cast<unsigned char>(C))) {
      ++I;
      continue;
    }
    if (const size_t Length = (C == 'h' || C == 'H') ? AddressLength(Text, I) : 0) {
      const std::string Address = EscapeHtml(Text.substr(I, Length));
      Out += "<a href=\"" + Address + "\">" + Address + "</a>";
      I += Length;
      continue;
    }
    AppendEscaped(Out, C);
    ++I;
  }
  return Out;
}

std::string BalanceHtml(std::string_view Html) {
  TBalancer B;
  B.Out.reserve(Html.size() + 16);
  for (size_t I = 0; I < Html.size();) {
    const char C = Html[I];
    if (C == '<') {
      if (Html.substr(I, 4) == "<!--") {
        const size_t Close = Html.find("-->", I + 2);
        if (Close == std::string_view::npos) {
          B.Out += "&lt;!--";
          I += 4;
        } else {
          I = Close + 3;
        }
        continue;
      }
      TTag Tag;
      if (!ReadTag(Html, I, Tag)) {
        B.Out += "&lt;";
        ++I;
        continue;
      }
      if (Tag.Closing)
        B.End(Tag);
      else
        B.Start(Tag, Html.substr(I, Tag.End - I));
      I = Tag.End;
      continue;
    }
    if (C == '&') {
      I += AppendAmpersand(B.Out, Html, I);
      continue;
    }
    if (C == '>')
      B.Out += "&gt;";
    else if (!IsDroppedControl(static_cast<unsigned char>(C)))
      B.Out += C;
    ++I;
  }
  B.CloseAll();
  return B.Out;
}

std::string TextWithReferences(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (size_t I = 0; I < Text.size();) {
    const char C = Text[I];
    if (C == '&') {
      I += AppendAmpersand(Out, Text, I);
      continue;
    }
    if (C == '<' || C == '>')
      AppendEscaped(Out, C);
    else if (static_cast<unsigned char>(C) < 0x20 || C == 0x7F)
      Out += ' ';
    else
      Out += C;
    ++I;
  }
  return Out;
}
