#include "generator/HtmlText.h"

#include <algorithm>
#include <array>
#include <vector>

#include "text/Ascii.h"
#include "text/Lines.h"

namespace {
// Control characters have no place in a page; tab, CR and LF are white space.
bool IsDroppedControl(unsigned char C) {
  return (C < 0x20 && C != '\t' && C != '\r' && C != '\n') || C == 0x7F;
}

// Appends Text[At] = "&": the reference it starts, or an escaped "&".
size_t AppendAmpersand(std::string& Out, std::string_view Text, size_t At) {
  uint32_t Code;
  const size_t Length = ReadReference(Text, At, Code);
  if (Length == 0) {
    Out += "&amp;";
    return 1;
  }
  Out.append(Text.substr(At, Length));
  return Length;
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

// Elements whose start closes an open paragraph.
constexpr std::string_view ClosesParagraph = "blockquote center div dl h1 h2 h3 h4 h5 h6 hr ol p pre ul ";

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

  void Start(const THtmlTag& Tag, std::string_view Written) {
    // A new item or paragraph ends the one before it.
    const bool Term = Tag.Name == "dt" || Tag.Name == "dd";
    if (!FOpen.empty() && (Tag.Name == "li" || Tag.Name == "p" || Term) &&
        (FOpen.back() == Tag.Name || (Term && (FOpen.back() == "dt" || FOpen.back() == "dd"))))
      CloseTop();
    if (ContainsWord(ClosesParagraph, Tag.Name)) {
      auto P = std::find(FOpen.rbegin(), FOpen.rend(), "p");
      if (P != FOpen.rend()) CloseDownTo(static_cast<size_t>(FOpen.rend() - P) - 1);
    }
    AppendTag(Out, Written);
    if (!IsVoidElement(Tag.Name)) FOpen.push_back(Tag.Name);
  }

  void End(const THtmlTag& Tag) {
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

std::string PlainTextToHtml(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size() + Text.size() / 4);
  // A blank at the start of a line or after another blank would be folded.
  bool Foldable = true;
  for (size_t I = 0; I < Text.size();) {
    const char C = Text[I];
    if (const size_t Break = LineBreakLength(Text, I)) {
      I += Break;
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
    AppendEscapedHtml(Out, C);
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
      THtmlTag Tag;
      if (!ReadTextTag(Html, I, Tag)) {
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
      AppendEscapedHtml(Out, C);
    else if (static_cast<unsigned char>(C) < 0x20 || C == 0x7F)
      Out += ' ';
    else
      Out += C;
    ++I;
  }
  return Out;
}
