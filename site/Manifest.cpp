#include "site/Manifest.h"

#include <vector>

#include "model/CalDate.h"
#include "platform/Errors.h"

namespace {
constexpr std::string_view Header = "Quillbay site manifest 1";

// The kinds of lines, in the order the writer puts them.
enum class TKind { Feed, UidKey, Pending, File, Day };

bool IsDigits(std::string_view S, size_t MaxLength) {
  if (S.empty() || S.size() > MaxLength) return false;
  for (char C : S)
    if (C < '0' || C > '9') return false;
  return true;
}

// A number as the writer writes it: digits without a leading zero.
bool IsNumber(std::string_view S, size_t MaxLength) {
  return IsDigits(S, MaxLength) && (S.size() == 1 || S[0] != '0');
}

int Number(std::string_view S) {
  int N = 0;
  for (char C : S) N = N * 10 + (C - '0');
  return N;
}

// Lower-case hexadecimal digits, Length of them.
bool IsHash(std::string_view S, size_t Length = 64) {
  if (S.size() != Length) return false;
  for (char C : S)
    if (!((C >= '0' && C <= '9') || (C >= 'a' && C <= 'f'))) return false;
  return true;
}

// Valid UTF-8 without control characters (codes below 32 and 127).
bool IsPrintableUtf8(std::string_view S) {
  for (size_t I = 0; I < S.size();) {
    const unsigned char C = static_cast<unsigned char>(S[I]);
    if (C < 0x20 || C == 0x7F) return false;
    if (C < 0x80) {
      ++I;
      continue;
    }
    size_t Length = C >= 0xF0 ? 4 : C >= 0xE0 ? 3 : C >= 0xC2 ? 2 : 0;
    if (Length == 0 || C > 0xF4 || I + Length > S.size()) return false;
    uint32_t Code = C & (0x7F >> Length);
    for (size_t J = 1; J < Length; ++J) {
      const unsigned char N = static_cast<unsigned char>(S[I + J]);
      if ((N & 0xC0) != 0x80) return false;
      Code = Code << 6 | (N & 0x3F);
    }
    const uint32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (Code < Least[Length] || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)) return false;
    I += Length;
  }
  return true;
}

// A year as the program writes it in names: 1 to 9999, no leading zero.
bool IsYear(std::string_view S) { return IsDigits(S, 4) && S[0] != '0'; }

bool EndsWith(std::string_view S, std::string_view End) {
  return S.size() >= End.size() && S.substr(S.size() - End.size()) == End;
}

// "YYYY-MM-DD" as a day number; false for anything else.
bool ReadDay(std::string_view S, int64_t& Day) {
  if (S.size() != 10 || S[4] != '-' || S[7] != '-' || !IsDigits(S.substr(0, 4), 4) ||
      !IsDigits(S.substr(5, 2), 2) || !IsDigits(S.substr(8, 2), 2))
    return false;
  const int Y = Number(S.substr(0, 4)), M = Number(S.substr(5, 2)), D = Number(S.substr(8, 2));
  if (Y < 1 || M < 1 || M > 12 || D < 1 || D > DaysInMonth(Y, M)) return false;
  Day = static_cast<int64_t>(EncodeDate(Y, M, D));
  return true;
}

// Adds a line's entry to its set or map: it must be new and come after the
// ones before it, as the writer orders them.
template <class TContainer, class TValue>
bool AddLast(TContainer& C, TValue&& Value) {
  const auto [At, Added] = C.insert(std::forward<TValue>(Value));
  return Added && std::next(At) == C.end();
}

std::vector<std::string_view> SplitFields(std::string_view Line, size_t Count) {
  // The first Count - 1 fields end at a space; the last takes the rest.
  std::vector<std::string_view> Fields;
  while (Fields.size() + 1 < Count) {
    const size_t Space = Line.find(' ');
    if (Space == std::string_view::npos) return {};
    Fields.push_back(Line.substr(0, Space));
    Line.remove_prefix(Space + 1);
  }
  Fields.push_back(Line);
  return Fields;
}

// Reads one line after the header into Manifest; false when it is not one
// that the writer makes, or comes out of its place after the kind Last (-1
// before the first line).
bool ReadLine(std::string_view Line, int& Last, TManifest& M) {
  const size_t Space = Line.find(' ');
  if (Space == std::string_view::npos) return false;
  const std::string_view Word = Line.substr(0, Space), Rest = Line.substr(Space + 1);
  TKind Kind;
  if (Word == "feed") {
    Kind = TKind::Feed;
  } else if (Word == "uid-key") {
    Kind = TKind::UidKey;
  } else if (Word == "pending") {
    Kind = TKind::Pending;
  } else if (Word == "file") {
    Kind = TKind::File;
  } else if (Word == "day") {
    Kind = TKind::Day;
  } else {
    return false;
  }
  if (static_cast<int>(Kind) < Last) return false;
  const bool Repeated = static_cast<int>(Kind) == Last;
  Last = static_cast<int>(Kind);
  switch (Kind) {
    case TKind::Feed:
      if (Repeated || !IsSiteFileName(Rest) || !EndsWith(Rest, ".ics")) return false;
      M.FeedName = Rest;
      return true;
    case TKind::UidKey:
      if (Repeated || Rest.empty() || !IsPrintableUtf8(Rest)) return false;
      M.UidKey = Rest;
      return true;
    case TKind::Pending:
      return IsSiteFileName(Rest) && AddLast(M.Pending, std::string(Rest));
    case TKind::File: {
      const auto F = SplitFields(Rest, 4);
      if (F.size() != 4 || !IsHash(F[0]) || !IsNumber(F[1], 15) || !(F[2] == "-" || IsHash(F[2], 32)) ||
          !IsSiteFileName(F[3]))
        return false;
      TManifestFile File{std::string(F[0]), 0, F[2] == "-" ? "" : std::string(F[2])};
      for (char C : F[1]) File.Size = File.Size * 10 + static_cast<uint64_t>(C - '0');
      return AddLast(M.Files, std::pair(std::string(F[3]), File));
    }
    case TKind::Day: {
      const auto F = SplitFields(Rest, 4);
      int64_t Day = 0;
      if (F.size() != 4 || !ReadDay(F[0], Day) || !IsHash(F[1]) || !IsNumber(F[2], 9) || !IsNumber(F[3], 12))
        return false;
      TManifestDay D{std::string(F[1]), static_cast<uint32_t>(Number(F[2])), 0};
      for (char C : F[3]) D.LastModified = D.LastModified * 10 + (C - '0');
      return AddLast(M.Days, std::pair(Day, D));
    }
  }
  return false;
}
}  // namespace

bool IsSiteFileName(std::string_view Name) {
  if (Name == "index.html" || Name == "sitemap.xml") return true;
  if (EndsWith(Name, ".ics"))
    return Name.size() > 4 && Name[0] != '.' && Name.find('/') == std::string_view::npos &&
           IsPrintableUtf8(Name);
  if (!EndsWith(Name, ".html")) return false;
  const std::string_view Stem = Name.substr(0, Name.size() - 5);
  if (IsYear(Stem)) return true;
  const size_t Bar = Stem.find('_');
  if (Bar == std::string_view::npos || !IsYear(Stem.substr(Bar + 1))) return false;
  const std::string_view Month = Stem.substr(0, Bar);
  return IsDigits(Month, 2) && Month[0] != '0' && Number(Month) <= 12;
}

std::string WriteManifest(const TManifest& M) {
  std::string Out(Header);
  Out += '\n';
  if (!M.FeedName.empty()) Out += "feed " + M.FeedName + "\n";
  if (!M.UidKey.empty()) Out += "uid-key " + M.UidKey + "\n";
  for (const std::string& Name : M.Pending) Out += "pending " + Name + "\n";
  for (const auto& [Name, F] : M.Files)
    Out += "file " + F.Sha256 + " " + std::to_string(F.Size) + " " + (F.Inputs.empty() ? "-" : F.Inputs) +
           " " + Name + "\n";
  for (const auto& [Day, D] : M.Days)
    Out += "day " + IsoDate(static_cast<TDateTime>(Day)) + " " + D.TextHash + " " +
           std::to_string(D.Sequence) + " " + std::to_string(D.LastModified) + "\n";
  return Out;
}

TManifest ReadManifest(std::string_view Text) {
  TManifest M;
  size_t LineNumber = 1;
  const auto Refuse = [&LineNumber]() {
    throw EQuillbayError(
        FormatMessage("The site's manifest is not valid (line %s)", std::to_string(LineNumber)));
  };
  if (Text.substr(0, Header.size() + 1) != std::string(Header) + "\n") Refuse();
  Text.remove_prefix(Header.size() + 1);
  int Last = -1;
  while (!Text.empty()) {
    ++LineNumber;
    const size_t End = Text.find('\n');
    if (End == std::string_view::npos || !ReadLine(Text.substr(0, End), Last, M)) Refuse();
    Text.remove_prefix(End + 1);
  }
  return M;
}
