// The reader of the object text form. Reading has two stages: the whole text
// is first checked against the grammar without touching the object, then
// parsed again and applied in file order. The second pass needs no parsed
// copy of the file, so loading a document costs little more memory than the
// file and the document themselves.

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "model/DataLib.h"
#include "model/ObjectText.h"
#include "model/Utf8.h"

bool SameIdent(const char* A, size_t Length, const char* B) {
  for (size_t I = 0; I < Length; ++I) {
    unsigned char X = static_cast<unsigned char>(A[I]);
    unsigned char Y = static_cast<unsigned char>(B[I]);
    if (Y == 0) return false;
    if (X >= 'A' && X <= 'Z') X = static_cast<unsigned char>(X + 32);
    if (Y >= 'A' && Y <= 'Z') Y = static_cast<unsigned char>(Y + 32);
    if (X != Y) return false;
  }
  return B[Length] == 0;
}

namespace {
constexpr int MaxDepth = 48;
constexpr double MinDay = -693593;  // 1 January 0001
constexpr double MaxDay = 2958465;  // 31 December 9999

[[noreturn]] void NotValid() { throw EQuillbayError("The file is not valid"); }

bool IsIdentStart(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || C == '_'; }
bool IsIdentChar(char C) { return IsIdentStart(C) || (C >= '0' && C <= '9'); }
bool IsDigit(char C) { return C >= '0' && C <= '9'; }
int HexValue(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}

// Bytes that end a quoted run: the apostrophe, and CR, LF and zero, which a
// run may not hold.
constexpr auto RunStop = [] {
  std::array<bool, 256> Table{};
  Table['\''] = Table['\r'] = Table['\n'] = Table[0] = true;
  return Table;
}();

// The first byte at or after P that ends a quoted run, or End. Runs make up
// most of a document, so they are scanned eight bytes at a time.
const char* FindRunStop(const char* P, const char* End) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t Ones = 0x0101010101010101ull;
    constexpr uint64_t Highs = 0x8080808080808080ull;
    auto ZeroBytes = [](uint64_t V) { return (V - Ones) & ~V & Highs; };
    while (End - P >= 8) {
      uint64_t W;
      std::memcpy(&W, P, 8);
      // The lowest marked byte is exact; marks above it may be spurious.
      uint64_t Stops = ZeroBytes(W ^ (Ones * '\'')) | ZeroBytes(W ^ (Ones * '\r')) |
                       ZeroBytes(W ^ (Ones * '\n')) | ZeroBytes(W);
      if (Stops) return P + (std::countr_zero(Stops) >> 3);
      P += 8;
    }
  }
  while (P < End && !RunStop[static_cast<unsigned char>(*P)]) ++P;
  return P;
}

struct TSpan {
  const char* Begin = nullptr;
  size_t Length = 0;
  bool Is(const char* Word) const { return SameIdent(Begin, Length, Word); }
};

enum class TNumberKind { Integer, Float };

// One pass over the text. Without a target it only checks the grammar (and
// notes whether every string is UTF-8); with one it applies every property
// line as it goes and raises at the first line that does not fit.
class TReader {
 public:
  TReader(const std::string& Text, TPersistent* Target, bool Windows1252)
      : P(Text.data()), End(Text.data() + Text.size()), FTarget(Target), FWindows1252(Windows1252) {
    // A byte order mark left by a text editor.
    if (Text.size() >= 3 && std::memcmp(P, "\xEF\xBB\xBF", 3) == 0) P += 3;
  }

  void Read() {
    Blanks();
    Object(0, FTarget, true);
    Blanks();
    if (P != End) NotValid();
  }

  bool AllUtf8 = true;
  std::string Name;

 private:
  const char* P;
  const char* End;
  TPersistent* FTarget;
  bool FWindows1252;
  std::string FString;
  uint32_t FPendingHigh = 0;

  bool Applying() const { return FTarget != nullptr; }

  void Blanks() {
    while (P < End && static_cast<unsigned char>(*P) <= 32) ++P;
  }

  bool At(char C) const { return P < End && *P == C; }

  void Expect(char C) {
    Blanks();
    if (!At(C)) NotValid();
    ++P;
  }

  TSpan PeekIdent() const {
    if (P >= End || !IsIdentStart(*P)) NotValid();
    const char* Q = P + 1;
    while (Q < End && IsIdentChar(*Q)) ++Q;
    return {P, static_cast<size_t>(Q - P)};
  }

  TSpan Ident() {
    Blanks();
    TSpan S = PeekIdent();
    P += S.Length;
    return S;
  }

  // Consumes the word "end" when it comes next.
  bool TakeEnd() {
    Blanks();
    const TSpan Word = PeekIdent();
    if (!Word.Is("end")) return false;
    P += Word.Length;
    return true;
  }

  static bool IsObjectWord(const TSpan& W) { return W.Is("object") || W.Is("inherited") || W.Is("inline"); }

  static const TPropInfo* Find(const TPersistent& Object, const TSpan& Name) {
    for (const TPropInfo& Prop : Object.Properties())
      if (Prop.Name.size() == Name.Length && SameIdent(Name.Begin, Name.Length, Prop.Name.c_str()))
        return &Prop;
    return nullptr;
  }

  // An optional "[" integer "]" after an object's class or an "item"; ignored.
  void SkipIndex() {
    Blanks();
    if (!At('[')) return;
    ++P;
    Blanks();
    int64_t Int;
    double Float;
    char Suffix;
    if (Number(Int, Float, Suffix) != TNumberKind::Integer) NotValid();
    Expect(']');
  }

  void Object(int Depth, TPersistent* Target, bool IsRoot) {
    if (Depth > MaxDepth) NotValid();
    if (!IsObjectWord(Ident())) NotValid();
    TSpan First = Ident();
    Blanks();
    if (At(':')) {
      ++P;
      Ident();
      if (IsRoot) Name.assign(First.Begin, First.Length);
    }
    SkipIndex();
    if (IsRoot && Applying())
      if (auto* Store = dynamic_cast<TDataStore*>(Target)) Store->Name = Name;

    bool SeenNested = false;
    while (!TakeEnd()) {
      if (IsObjectWord(PeekIdent())) {
        // Nested objects are part of the grammar but of no class here.
        if (Applying()) NotValid();
        SeenNested = true;
        Object(Depth + 1, nullptr, false);
        continue;
      }
      if (SeenNested) NotValid();
      Property(Depth, Target);
    }
  }

  void Property(int Depth, TPersistent* Target) {
    TPersistent* Object = Target;
    TSpan Word = Ident();
    for (;;) {
      Blanks();
      if (!At('.')) break;
      ++P;
      if (Applying()) {
        const TPropInfo* Step = Find(*Object, Word);
        if (!Step || Step->Kind != TPropKind::Object) NotValid();
        Object = Step->GetObject(*Object);
      }
      Word = Ident();
    }
    Expect('=');
    const TPropInfo* Prop = nullptr;
    if (Applying()) {
      Prop = Find(*Object, Word);
      if (!Prop || Prop->ReadOnly) NotValid();
    }
    Blanks();
    Value(Depth + 1, Object, Prop);
  }

  void Value(int Depth, TPersistent* Object, const TPropInfo* Prop) {
    if (Depth > MaxDepth || P >= End) NotValid();
    const char C = *P;
    if (C == '\'' || C == '#') {
      StringValue();
      if (!Applying()) return;
      if (Prop->Kind != TPropKind::String) NotValid();
      Prop->SetString(*Object, FString);
      return;
    }
    if (C == '-' || C == '$' || IsDigit(C)) {
      int64_t Int = 0;
      double Float = 0;
      char Suffix = 0;
      TNumberKind Kind = Number(Int, Float, Suffix);
      if (Applying()) ApplyNumber(*Object, *Prop, Kind, Int, Float, Suffix);
      return;
    }
    if (IsIdentStart(C)) {
      TSpan Word = Ident();
      if (Applying()) ApplyIdent(*Object, *Prop, Word);
      return;
    }
    ++P;
    switch (C) {
      case '[':
        SetValue(Object, Prop);
        return;
      case '<':
        CollectionValue(Depth, Object, Prop);
        return;
      case '(':
        if (Applying()) NotValid();
        for (;;) {
          Blanks();
          if (At(')')) break;
          Value(Depth + 1, nullptr, nullptr);
        }
        ++P;
        return;
      case '{':
        if (Applying()) NotValid();
        for (;;) {
          Blanks();
          if (P >= End) NotValid();
          if (*P == '}') break;
          if (HexValue(*P) < 0) NotValid();
          ++P;
        }
        ++P;
        return;
      default:
        NotValid();
    }
  }

  void SetValue(TPersistent* Object, const TPropInfo* Prop) {
    if (Applying() && Prop->Kind != TPropKind::FontStyles) NotValid();
    int64_t Bits = 0;
    Blanks();
    if (At(']')) {
      ++P;
    } else {
      for (;;) {
        TSpan Member = Ident();
        if (Applying()) {
          int Bit = -1;
          for (int I = 0; I < 4; ++I)
            if (Member.Is(FontStyleNames[I])) Bit = I;
          if (Bit < 0) NotValid();
          Bits |= int64_t{1} << Bit;
        }
        Blanks();
        if (At(',')) {
          ++P;
          continue;
        }
        Expect(']');
        break;
      }
    }
    if (Applying()) Prop->SetInt(*Object, Bits);
  }

  void CollectionValue(int Depth, TPersistent* Object, const TPropInfo* Prop) {
    TCollectionBase* Items = nullptr;
    if (Applying()) {
      if (Prop->Kind != TPropKind::Collection) NotValid();
      Items = Prop->GetCollection(*Object);
    }
    bool First = true;
    for (;;) {
      Blanks();
      if (At('>')) {
        ++P;
        return;
      }
      if (!Ident().Is("item")) NotValid();
      SkipIndex();
      TPersistent* Item = nullptr;
      if (Applying()) {
        // A collection with items in the file is replaced as a whole.
        if (First) Items->Clear();
        Item = &Items->AddItem();
      }
      First = false;
      while (!TakeEnd()) Property(Depth + 1, Item);
    }
  }

  // Integers: "-" and decimal digits, or "$" and hexadecimal digits. Floats:
  // decimal digits with ".", an exponent and an optional kind suffix.
  TNumberKind Number(int64_t& Int, double& Float, char& Suffix) {
    const char* Start = P;
    Suffix = 0;
    if (At('$')) {
      ++P;
      uint64_t V = 0;
      int Digits = 0;
      for (; P < End && HexValue(*P) >= 0; ++P) {
        if (++Digits > 16) NotValid();
        V = V << 4 | static_cast<uint64_t>(HexValue(*P));
      }
      if (Digits == 0) NotValid();
      Int = static_cast<int64_t>(V);
      return TNumberKind::Integer;
    }
    bool Negative = At('-');
    if (Negative) ++P;
    if (P >= End || !IsDigit(*P)) NotValid();
    while (P < End && IsDigit(*P)) ++P;
    const char* DigitsEnd = P;
    bool IsFloat = false;
    if (At('.')) {
      IsFloat = true;
      ++P;
      while (P < End && IsDigit(*P)) ++P;
    }
    if (At('e') || At('E')) {
      IsFloat = true;
      ++P;
      if (At('+') || At('-')) ++P;
      if (P >= End || !IsDigit(*P)) NotValid();
      while (P < End && IsDigit(*P)) ++P;
    }
    const char* NumberEnd = P;
    if (P < End && (*P == 'c' || *P == 'C' || *P == 'd' || *P == 'D' || *P == 's' || *P == 'S')) {
      Suffix = *P;
      IsFloat = true;
      ++P;
    }
    if (IsFloat) {
      auto R = std::from_chars(Start, NumberEnd, Float);
      if (R.ec != std::errc() || !std::isfinite(Float)) NotValid();
      return TNumberKind::Float;
    }
    uint64_t V = 0;
    for (const char* Q = Start + (Negative ? 1 : 0); Q < DigitsEnd; ++Q) {
      uint64_t D = static_cast<uint64_t>(*Q - '0');
      if (V > (UINT64_MAX - D) / 10) NotValid();
      V = V * 10 + D;
    }
    if (Negative) {
      if (V > uint64_t{1} << 63) NotValid();
      Int = static_cast<int64_t>(0 - V);
    } else {
      if (V > static_cast<uint64_t>(INT64_MAX)) NotValid();
      Int = static_cast<int64_t>(V);
    }
    return TNumberKind::Integer;
  }

  static void SetDay(TPersistent& Object, const TPropInfo& Prop, double Day) {
    if (!(std::trunc(Day) >= MinDay && std::trunc(Day) <= MaxDay)) NotValid();
    Prop.SetDate(Object, Day);
  }

  static void ApplyNumber(TPersistent& Object, const TPropInfo& Prop, TNumberKind Kind, int64_t Int,
                          double Float, char Suffix) {
    if (Kind == TNumberKind::Float) {
      if (Prop.Kind != TPropKind::Date || Suffix != 0) NotValid();
      SetDay(Object, Prop, Float);
      return;
    }
    switch (Prop.Kind) {
      case TPropKind::Integer:
        if (Int < INT32_MIN || Int > INT32_MAX) NotValid();
        Prop.SetInt(Object, Int);
        return;
      case TPropKind::Word:
        if (Int < 0 || Int > UINT16_MAX) NotValid();
        Prop.SetInt(Object, Int);
        return;
      case TPropKind::Color:
        // Hexadecimal colours ($80000005) name the same bits as negatives.
        if (Int < INT32_MIN || Int > UINT32_MAX) NotValid();
        Prop.SetInt(Object, static_cast<int32_t>(static_cast<uint32_t>(Int)));
        return;
      case TPropKind::Date:
        SetDay(Object, Prop, static_cast<double>(Int));
        return;
      default:
        NotValid();
    }
  }

  static void ApplyIdent(TPersistent& Object, const TPropInfo& Prop, const TSpan& Word) {
    if (Prop.Kind == TPropKind::Boolean) {
      if (Word.Is("True")) return Prop.SetInt(Object, 1);
      if (Word.Is("False")) return Prop.SetInt(Object, 0);
      NotValid();
    }
    if (Prop.Kind == TPropKind::Color) {
      int32_t Color;
      if (!ColorFromName(std::string(Word.Begin, Word.Length), Color)) NotValid();
      Prop.SetInt(Object, Color);
      return;
    }
    NotValid();
  }

  // A string value: adjacent quoted runs and "#" codes, joined by "+" to
  // further ones. The result is left in FString.
  void StringValue() {
    FString.clear();
    FPendingHigh = 0;
    for (;;) {
      while (P < End) {
        if (*P == '\'') {
          ++P;
          for (;;) {
            const char* Run = P;
            P = FindRunStop(P, End);
            if (P >= End || *P != '\'') NotValid();
            Bytes(Run, static_cast<size_t>(P - Run));
            ++P;
            if (!At('\'')) break;
            Bytes("'", 1);
            ++P;
          }
        } else if (*P == '#') {
          ++P;
          if (P >= End || !IsDigit(*P)) NotValid();
          uint32_t Code = 0;
          for (; P < End && IsDigit(*P); ++P) {
            Code = Code * 10 + static_cast<uint32_t>(*P - '0');
            if (Code > 0x10FFFF) NotValid();
          }
          Character(Code);
        } else {
          break;
        }
      }
      Blanks();
      if (!At('+')) break;
      ++P;
      Blanks();
      if (!At('\'') && !At('#')) NotValid();
    }
    FlushPending();
  }

  void Bytes(const char* Data, size_t Size) {
    if (!Applying()) {
      // Checking needs no copy: the writer never splits a UTF-8 sequence
      // between runs, so a file is UTF-8 when each of its runs is.
      if (AllUtf8 && !IsValidUtf8(Data, Size)) AllUtf8 = false;
      return;
    }
    FlushPending();
    if (FWindows1252)
      AppendWindows1252(FString, Data, Size);
    else
      FString.append(Data, Size);
  }

  // Codes below 256 are bytes of the file's code page; larger ones are
  // characters (UTF-16 surrogate pairs are joined).
  void Character(uint32_t Code) {
    if (Code < 256) {
      char B = static_cast<char>(Code);
      Bytes(&B, 1);
      return;
    }
    if (Code >= 0xD800 && Code <= 0xDBFF) {
      FlushPending();
      FPendingHigh = Code;
      return;
    }
    if (Code >= 0xDC00 && Code <= 0xDFFF) {
      if (FPendingHigh) {
        AppendUtf8(FString, 0x10000 + ((FPendingHigh - 0xD800) << 10) + (Code - 0xDC00));
        FPendingHigh = 0;
      } else {
        AppendUtf8(FString, 0xFFFD);
      }
      return;
    }
    FlushPending();
    AppendUtf8(FString, Code);
  }

  void FlushPending() {
    if (!FPendingHigh) return;
    FPendingHigh = 0;
    AppendUtf8(FString, 0xFFFD);
  }
};
}  // namespace

std::string ReadObjectText(TPersistent& Root, const std::string& Text) {
  TReader Check(Text, nullptr, false);
  Check.Read();
  TReader Apply(Text, &Root, !Check.AllUtf8);
  try {
    Apply.Read();
  } catch (const EQuillbayError&) {
    NotValid();
  }
  return Check.Name;
}
