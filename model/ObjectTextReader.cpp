// The reader of the object text form, in one pass: each property is applied
// as soon as its line is read, in file order. So that a syntax error anywhere
// still leaves the object as it was, the reader notes the old value of each
// property of the root and its parts before it sets one, and keeps the items
// of a replaced collection aside, until the whole text has been read. After a
// value that does not fit the object (an apply fault) the rest of the text is
// only checked.
//
// Strings are taken as UTF-8 until one of them, joined from all its runs and
// codes, is not; from then on the file is Windows-1252, and the strings
// already applied are converted.

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "model/DataLib.h"
#include "model/ObjectText.h"
#include "text/Utf8.h"

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
// Every whole day up to 2^53 in size is exact in the 64-bit number.
constexpr double MaxWholeDay = 9007199254740992.0;
constexpr int64_t MaxWholeDayInt = int64_t{1} << 53;
// How much text is read between two offers to give back what lies behind.
constexpr size_t ReleaseStep = size_t{1} << 20;

[[noreturn]] void NotValid() { throw EQuillbayError("The file is not valid"); }

// A syntax error, found at At.
struct TSyntaxError {
  const char* At;
};

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

constexpr uint64_t HighBits = 0x8080808080808080ull;

// The first byte at or after P that ends a quoted run, or End. Runs make up
// most of a document, so they are scanned sixteen or eight bytes at a time;
// High is set when a byte passed is not ASCII.
const char* FindRunStop(const char* P, const char* End, bool& High) {
#ifdef __SSE2__
  const __m128i Quote = _mm_set1_epi8('\''), Cr = _mm_set1_epi8('\r'), Lf = _mm_set1_epi8('\n');
  const __m128i Zero = _mm_setzero_si128();
  __m128i Passed = Zero;
  while (End - P >= 16) {
    const __m128i W = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P));
    const __m128i Stops = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(W, Quote), _mm_cmpeq_epi8(W, Cr)),
                                       _mm_or_si128(_mm_cmpeq_epi8(W, Lf), _mm_cmpeq_epi8(W, Zero)));
    if (const unsigned Mask = static_cast<unsigned>(_mm_movemask_epi8(Stops))) {
      const int Before = std::countr_zero(Mask);
      const unsigned Highs = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(Passed, W)));
      High |= (Highs & ((1u << Before) - 1)) != 0 || _mm_movemask_epi8(Passed) != 0;
      return P + Before;
    }
    Passed = _mm_or_si128(Passed, W);
    P += 16;
  }
  High |= _mm_movemask_epi8(Passed) != 0;
#endif
  uint64_t Seen = 0;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t Ones = 0x0101010101010101ull;
    auto ZeroBytes = [](uint64_t V) { return (V - Ones) & ~V & HighBits; };
    while (End - P >= 8) {
      uint64_t W;
      std::memcpy(&W, P, 8);
      // The lowest marked byte is exact; marks above it may be spurious.
      const uint64_t Stops = ZeroBytes(W ^ (Ones * '\'')) | ZeroBytes(W ^ (Ones * '\r')) |
                             ZeroBytes(W ^ (Ones * '\n')) | ZeroBytes(W);
      if (Stops) {
        const int Before = std::countr_zero(Stops) >> 3;
        Seen |= W & ((uint64_t{1} << (Before * 8)) - 1);
        High |= (Seen & HighBits) != 0;
        return P + Before;
      }
      Seen |= W;
      P += 8;
    }
  }
  while (P < End && !RunStop[static_cast<unsigned char>(*P)]) Seen |= static_cast<unsigned char>(*P++);
  High |= (Seen & HighBits) != 0;
  return P;
}

struct TSpan {
  const char* Begin = nullptr;
  size_t Length = 0;
  bool Is(const char* Word) const { return SameIdent(Begin, Length, Word); }
};

enum class TNumberKind { Integer, Float };

// What a syntax error must undo: the value a property of the root or of one
// of its parts had before the read set it, the items a collection held before
// the read replaced them, or the root's name.
struct TUndo {
  TPersistent* Object = nullptr;
  const TPropInfo* Prop = nullptr;
  int64_t Int = 0;
  double Date = 0;
  std::string String;
  TDataStore* Store = nullptr;
  TCollectionBase* Items = nullptr;
  std::vector<std::unique_ptr<TCollectionItem>> Taken;
};

// A string applied while the file was still taken as UTF-8 that reads
// differently as Windows-1252 (it holds bytes above 127, or characters whose
// place among them must be kept).
struct TFixup {
  TPersistent* Object;
  const TPropInfo* Prop;
  const char* Source;  // where its text starts
  bool Wide;           // holds codes above 255
};

// Ends a collection's update when the items of the file have been added (or
// reading stopped among them).
struct TUpdateGuard {
  TCollectionBase* Items = nullptr;
  TUpdateGuard() = default;
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;
  ~TUpdateGuard() {
    if (Items) Items->EndUpdate();
  }
};

class TReader {
 public:
  TReader(std::string_view Text, TPersistent& Root, const TReleaseText& Release)
      : FBegin(Text.data()),
        P(Text.data()),
        End(Text.data() + Text.size()),
        FRoot(Root),
        FRelease(Release),
        FReleased(Text.data()),
        FPinned(End) {
    // A byte order mark left by a text editor.
    if (Text.size() >= 3 && std::memcmp(P, "\xEF\xBB\xBF", 3) == 0) P += 3;
  }

  std::string Read(TReadFault* Fault) {
    try {
      Blanks();
      Object(0, &FRoot, true);
      Blanks();
      if (P != End) Syntax();
    } catch (const TSyntaxError& E) {
      const size_t Line = LineAt(E.At);
      Undo();
      if (Fault) *Fault = {Line, true};
      NotValid();
    } catch (...) {
      Undo();
      throw;
    }
    FUndo.clear();  // the replaced items go now
    if (FFaultAt) {
      if (Fault) *Fault = {FFaultLine, false};
      NotValid();
    }
    return FName;
  }

 private:
  const char* const FBegin;
  const char* P;
  const char* const End;
  TPersistent& FRoot;
  std::string FName;

  // The first apply fault; from there on nothing is applied.
  const char* FFaultAt = nullptr;
  size_t FFaultLine = 0;
  // Above 0 inside an item, which the read made and a syntax error drops
  // whole: nothing there needs undoing.
  int FItemDepth = 0;
  std::vector<TUndo> FUndo;

  bool FWindows1252 = false;
  std::vector<TFixup> FFixups;

  // Line ends before P; only blanks hold them.
  size_t FLineEnds = 0;
  // The text before FReleased has been given back; the text from FPinned on
  // is kept for the fixups.
  const TReleaseText& FRelease;
  const char* FReleased;
  const char* FPinned;

  // The string value being read: a view of one run, or built in FString.
  std::string FString;
  std::string_view FValue;
  bool FBuilt = false;
  bool FHigh = false;  // holds bytes above 127 other than characters' codes
  bool FWide = false;  // holds codes above 255
  uint32_t FPendingHigh = 0;

  [[noreturn]] void Syntax() const { throw TSyntaxError{P}; }

  // An apply fault at the line that starts at At.
  void Fault(const char* At) {
    if (FFaultAt) return;
    FFaultAt = At;
    FFaultLine = LineAt(At);
  }

  // Object when values are still applied, else nullptr.
  TPersistent* Live(TPersistent* Object) const { return FFaultAt ? nullptr : Object; }

  // The line (1 for the first) of At, which lies on the line being read; the
  // end of the text counts as its last line that holds anything.
  size_t LineAt(const char* At) const {
    if (At >= End) {
      At = End;
      while (At > FReleased && static_cast<unsigned char>(At[-1]) <= 32) --At;
    }
    return FLineEnds - static_cast<size_t>(std::count(std::min(At, P), P, '\n')) + 1;
  }

  // Gives the text read so far back, a step at a time, when the caller asked
  // for it.
  void OfferRelease() {
    if (!FRelease || static_cast<size_t>(P - FReleased) < ReleaseStep) return;
    const char* Upto = std::min(P, FPinned);
    if (Upto <= FReleased) return;
    FRelease(static_cast<size_t>(Upto - FBegin));
    FReleased = Upto;
  }

  // ---- undoing

  void Save(TPersistent& Object, const TPropInfo& Prop) {
    if (FItemDepth > 0) return;
    TUndo& U = FUndo.emplace_back();
    U.Object = &Object;
    U.Prop = &Prop;
    switch (Prop.Kind) {
      case TPropKind::String:
        U.String = Prop.GetString(Object);
        break;
      case TPropKind::Date:
        U.Date = Prop.GetDate(Object);
        break;
      default:
        U.Int = Prop.GetInt(Object);
    }
  }

  void SetName(TDataStore& Store) {
    TUndo& U = FUndo.emplace_back();
    U.Store = &Store;
    U.String = Store.Name;
    Store.Name = FName;
  }

  // A collection with items in the file is replaced as a whole; its old items
  // wait in the undo list.
  void Replace(TCollectionBase& Items) {
    TUndo& U = FUndo.emplace_back();
    U.Items = &Items;
    U.Taken = Items.TakeItems();
  }

  void Undo() {
    for (auto U = FUndo.rbegin(); U != FUndo.rend(); ++U) {
      if (U->Items) {
        U->Items->Clear();
        U->Items->RestoreItems(std::move(U->Taken));
      } else if (U->Store) {
        U->Store->Name = U->String;
      } else if (U->Prop->Kind == TPropKind::String) {
        U->Prop->SetString(*U->Object, U->String);
      } else if (U->Prop->Kind == TPropKind::Date) {
        U->Prop->SetDate(*U->Object, U->Date);
      } else {
        U->Prop->SetInt(*U->Object, U->Int);
      }
    }
    FUndo.clear();
  }

  void SetInt(TPersistent& Object, const TPropInfo& Prop, int64_t Value) {
    Save(Object, Prop);
    Prop.SetInt(Object, Value);
  }

  // ---- tokens

  void Blanks() {
    // Locals, so that the loop runs in registers.
    const char* Q = P;
    size_t Ends = 0;
    for (; Q < End && static_cast<unsigned char>(*Q) <= 32; ++Q) Ends += *Q == '\n';
    P = Q;
    FLineEnds += Ends;
  }

  bool At(char C) const { return P < End && *P == C; }

  void Expect(char C) {
    Blanks();
    if (!At(C)) Syntax();
    ++P;
  }

  TSpan PeekIdent() const {
    if (P >= End || !IsIdentStart(*P)) Syntax();
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
    if (Number(Int, Float, Suffix) != TNumberKind::Integer) Syntax();
    Expect(']');
  }

  // ---- grammar

  void Object(int Depth, TPersistent* Target, bool IsRoot) {
    if (Depth > MaxDepth) Syntax();
    if (!IsObjectWord(Ident())) Syntax();
    const TSpan First = Ident();
    Blanks();
    if (At(':')) {
      ++P;
      Ident();
      if (IsRoot) FName.assign(First.Begin, First.Length);
    }
    SkipIndex();
    if (IsRoot && Live(Target))
      if (auto* Store = dynamic_cast<TDataStore*>(Target)) SetName(*Store);

    bool SeenNested = false;
    while (!TakeEnd()) {
      if (IsObjectWord(PeekIdent())) {
        // Nested objects are part of the grammar but of no class here.
        if (Live(Target)) Fault(P);
        SeenNested = true;
        Object(Depth + 1, nullptr, false);
        continue;
      }
      if (SeenNested) Syntax();
      Property(Depth, Target);
      OfferRelease();
    }
  }

  // A property line; Target is nullptr when it is only checked.
  void Property(int Depth, TPersistent* Target) {
    const char* Line = P;
    TPersistent* Object = Live(Target);
    TSpan Word = Ident();
    for (;;) {
      Blanks();
      if (!At('.')) break;
      ++P;
      if (Object) {
        const TPropInfo* Step = Find(*Object, Word);
        if (Step && Step->Kind == TPropKind::Object) {
          Object = Step->GetObject(*Object);
        } else {
          Fault(Line);
          Object = nullptr;
        }
      }
      Word = Ident();
    }
    Expect('=');
    const TPropInfo* Prop = nullptr;
    if (Object) {
      Prop = Find(*Object, Word);
      if (!Prop || Prop->ReadOnly) {
        Fault(Line);
        Object = nullptr;
      }
    }
    Blanks();
    Value(Depth + 1, Object, Prop, Line);
  }

  // A value for Prop of Object (both nullptr when it is only checked).
  void Value(int Depth, TPersistent* Object, const TPropInfo* Prop, const char* Line) {
    if (Depth > MaxDepth || P >= End) Syntax();
    const char C = *P;
    if (C == '\'' || C == '#') return StringValue(Object, Prop, Line);
    if (C == '-' || C == '$' || IsDigit(C)) {
      int64_t Int = 0;
      double Float = 0;
      char Suffix = 0;
      const TNumberKind Kind = Number(Int, Float, Suffix);
      if (Live(Object)) ApplyNumber(*Object, *Prop, Kind, Int, Float, Suffix, Line);
      return;
    }
    if (IsIdentStart(C)) {
      const TSpan Word = Ident();
      if (Live(Object)) ApplyIdent(*Object, *Prop, Word, Line);
      return;
    }
    ++P;
    switch (C) {
      case '[':
        return SetValue(Object, Prop, Line);
      case '<':
        return CollectionValue(Depth, Object, Prop, Line);
      case '(':
        // Lists and byte blocks fit no property of this program.
        if (Live(Object)) Fault(Line);
        for (;;) {
          Blanks();
          if (At(')')) break;
          Value(Depth + 1, nullptr, nullptr, Line);
        }
        ++P;
        return;
      case '{':
        if (Live(Object)) Fault(Line);
        for (;;) {
          Blanks();
          if (P >= End) Syntax();
          if (*P == '}') break;
          if (HexValue(*P) < 0) Syntax();
          ++P;
        }
        ++P;
        return;
      default:
        --P;
        Syntax();
    }
  }

  void SetValue(TPersistent* Object, const TPropInfo* Prop, const char* Line) {
    Object = Live(Object);
    if (Object && Prop->Kind != TPropKind::FontStyles) {
      Fault(Line);
      Object = nullptr;
    }
    int64_t Bits = 0;
    Blanks();
    if (At(']')) {
      ++P;
    } else {
      for (;;) {
        const TSpan Member = Ident();
        if (Object) {
          int Bit = -1;
          for (int I = 0; I < 4; ++I)
            if (Member.Is(FontStyleNames[I])) Bit = I;
          if (Bit >= 0) {
            Bits |= int64_t{1} << Bit;
          } else {
            Fault(Line);
            Object = nullptr;
          }
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
    if (Live(Object)) SetInt(*Object, *Prop, Bits);
  }

  void CollectionValue(int Depth, TPersistent* Object, const TPropInfo* Prop, const char* Line) {
    TCollectionBase* Items = nullptr;
    if (Live(Object)) {
      if (Prop->Kind == TPropKind::Collection)
        Items = Prop->GetCollection(*Object);
      else
        Fault(Line);
    }
    // The items of the file are added in one update, so that an index of
    // them is built once, after the last.
    TUpdateGuard Update;
    for (;;) {
      Blanks();
      if (At('>')) {
        ++P;
        return;
      }
      if (!Ident().Is("item")) Syntax();
      SkipIndex();
      TPersistent* Item = nullptr;
      if (Items && !FFaultAt) {
        if (!Update.Items) {
          Replace(*Items);
          Items->BeginUpdate();
          Update.Items = Items;
        }
        Item = &Items->AddItem();
      }
      ++FItemDepth;
      while (!TakeEnd()) {
        Property(Depth + 1, Item);
        OfferRelease();
      }
      --FItemDepth;
    }
  }

  const char* SkipDigits(const char* Q) const {
    while (Q < End && IsDigit(*Q)) ++Q;
    return Q;
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
        if (++Digits > 16) Syntax();
        V = V << 4 | static_cast<uint64_t>(HexValue(*P));
      }
      if (Digits == 0) Syntax();
      Int = static_cast<int64_t>(V);
      return TNumberKind::Integer;
    }
    const bool Negative = At('-');
    if (Negative) ++P;
    if (P >= End || !IsDigit(*P)) Syntax();
    P = SkipDigits(P);
    const char* DigitsEnd = P;
    bool IsFloat = false;
    if (At('.')) {
      IsFloat = true;
      P = SkipDigits(P + 1);
    }
    if (At('e') || At('E')) {
      IsFloat = true;
      ++P;
      if (At('+') || At('-')) ++P;
      if (P >= End || !IsDigit(*P)) Syntax();
      P = SkipDigits(P);
    }
    const char* NumberEnd = P;
    if (P < End && (*P == 'c' || *P == 'C' || *P == 'd' || *P == 'D' || *P == 's' || *P == 'S')) {
      Suffix = *P;
      IsFloat = true;
      ++P;
    }
    if (IsFloat) {
      const auto R = std::from_chars(Start, NumberEnd, Float);
      if (R.ec != std::errc() || !std::isfinite(Float)) Syntax();
      return TNumberKind::Float;
    }
    uint64_t V = 0;
    for (const char* Q = Start + (Negative ? 1 : 0); Q < DigitsEnd; ++Q) {
      const uint64_t D = static_cast<uint64_t>(*Q - '0');
      if (V > (UINT64_MAX - D) / 10) Syntax();
      V = V * 10 + D;
    }
    if (Negative) {
      if (V > uint64_t{1} << 63) Syntax();
      Int = static_cast<int64_t>(0 - V);
    } else {
      if (V > static_cast<uint64_t>(INT64_MAX)) Syntax();
      Int = static_cast<int64_t>(V);
    }
    return TNumberKind::Integer;
  }

  // ---- values

  // A day is read through the setter, which keeps its whole part; every
  // whole day that the number holds exactly is kept, in or out of the
  // calendar.
  void SetDay(TPersistent& Object, const TPropInfo& Prop, double Day, const char* Line) {
    if (!(std::fabs(std::trunc(Day)) <= MaxWholeDay)) return Fault(Line);
    Save(Object, Prop);
    Prop.SetDate(Object, Day);
  }

  void ApplyNumber(TPersistent& Object, const TPropInfo& Prop, TNumberKind Kind, int64_t Int, double Float,
                   char Suffix, const char* Line) {
    if (Kind == TNumberKind::Float) {
      if (Prop.Kind != TPropKind::Date || Suffix != 0) return Fault(Line);
      return SetDay(Object, Prop, Float, Line);
    }
    switch (Prop.Kind) {
      case TPropKind::Integer:
        if (Int < INT32_MIN || Int > INT32_MAX) return Fault(Line);
        return SetInt(Object, Prop, Int);
      case TPropKind::Word:
        if (Int < 0 || Int > UINT16_MAX) return Fault(Line);
        return SetInt(Object, Prop, Int);
      case TPropKind::Color:
        // Hexadecimal colours ($80000005) name the same bits as negatives.
        if (Int < INT32_MIN || Int > UINT32_MAX) return Fault(Line);
        return SetInt(Object, Prop, static_cast<int32_t>(static_cast<uint32_t>(Int)));
      case TPropKind::Date:
        if (Int < -MaxWholeDayInt || Int > MaxWholeDayInt) return Fault(Line);
        return SetDay(Object, Prop, static_cast<double>(Int), Line);
      default:
        return Fault(Line);
    }
  }

  void ApplyIdent(TPersistent& Object, const TPropInfo& Prop, const TSpan& Word, const char* Line) {
    if (Prop.Kind == TPropKind::Boolean) {
      if (Word.Is("True")) return SetInt(Object, Prop, 1);
      if (Word.Is("False")) return SetInt(Object, Prop, 0);
      return Fault(Line);
    }
    int32_t Color;
    if (Prop.Kind == TPropKind::Color && ColorFromName(std::string(Word.Begin, Word.Length), Color))
      return SetInt(Object, Prop, Color);
    Fault(Line);
  }

  // A string value, applied to Prop of Object unless it is only checked. Its
  // encoding is decided on the whole value: runs may split a character.
  void StringValue(TPersistent* Object, const TPropInfo* Prop, const char* Line) {
    const char* Source = P;
    std::string_view Value = ReadString();
    if (!FWindows1252 && FHigh && !IsValidUtf8(Value.data(), Value.size())) {
      SwitchToWindows1252();
      P = Source;
      Value = ReadString();
    }
    Object = Live(Object);
    if (!Object) return;
    if (Prop->Kind != TPropKind::String) return Fault(Line);
    Save(*Object, *Prop);
    Prop->SetString(*Object, Value);
    if (FWindows1252 || !(FHigh || FWide)) return;
    FFixups.push_back({Object, Prop, Source, FWide});
    if (FWide) FPinned = std::min(FPinned, Source);
  }

  // The file's strings are Windows-1252 after all: the strings applied so
  // far are converted, each property once, from its latest value.
  void SwitchToWindows1252() {
    FWindows1252 = true;
    std::set<std::pair<const TPersistent*, const TPropInfo*>> Done;
    for (auto F = FFixups.rbegin(); F != FFixups.rend(); ++F) {
      if (!Done.insert({F->Object, F->Prop}).second) continue;
      const std::string Current = F->Prop->GetString(*F->Object);
      std::string Converted;
      // Characters given by codes stay what they are; only the bytes around
      // them are converted, so a value that holds some is read again.
      if (F->Wide && StringAt(F->Source, false) == Current)
        Converted = StringAt(F->Source, true);
      else
        AppendWindows1252(Converted, Current.data(), Current.size());
      F->Prop->SetString(*F->Object, Converted);
    }
    FFixups = {};
    FPinned = End;
  }

  // The string value at Source read again, as UTF-8 or as Windows-1252.
  std::string StringAt(const char* Source, bool Windows1252) {
    const char* Resume = P;
    const bool Was = FWindows1252;
    P = Source;
    FWindows1252 = Windows1252;
    std::string Result(ReadString());
    P = Resume;
    FWindows1252 = Was;
    return Result;
  }

  // Adjacent quoted runs and "#" codes, joined by "+" to further ones. A
  // value of one plain run is a view of the text; any other is built in
  // FString. FHigh and FWide tell what it holds.
  std::string_view ReadString() {
    FValue = {};
    FBuilt = false;
    FHigh = FWide = false;
    FPendingHigh = 0;
    for (;;) {
      while (P < End) {
        if (*P == '\'') {
          ++P;
          for (;;) {
            const char* Run = P;
            bool High = false;
            P = FindRunStop(P, End, High);
            if (P >= End || *P != '\'') Syntax();
            FHigh |= High;
            if (FWindows1252 && High)
              AppendWindows1252(Builder(), Run, static_cast<size_t>(P - Run));
            else
              Plain(Run, static_cast<size_t>(P - Run));
            ++P;
            if (!At('\'')) break;
            Plain(P, 1);  // two apostrophes stand for one
            ++P;
          }
        } else if (*P == '#') {
          ++P;
          if (P >= End || !IsDigit(*P)) Syntax();
          uint32_t Code = 0;
          for (; P < End && IsDigit(*P); ++P) {
            Code = Code * 10 + static_cast<uint32_t>(*P - '0');
            if (Code > 0x10FFFF) Syntax();
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
      if (!At('\'') && !At('#')) Syntax();
    }
    FlushPending();
    return FBuilt ? std::string_view(FString) : FValue;
  }

  std::string& Builder() {
    if (!FBuilt) {
      FString.assign(FValue);
      FBuilt = true;
    }
    return FString;
  }

  void Plain(const char* Data, size_t Size) {
    FlushPending();
    if (!FBuilt && FValue.empty()) {
      FValue = {Data, Size};
      return;
    }
    Builder().append(Data, Size);
  }

  // Codes below 256 are bytes of the file's code page; larger ones are
  // characters (UTF-16 surrogate pairs are joined).
  void Character(uint32_t Code) {
    if (Code < 256) {
      FlushPending();
      const char Byte = static_cast<char>(Code);
      if (Code < 128 || !FWindows1252) {
        FHigh |= Code >= 128;
        Builder() += Byte;
        return;
      }
      FHigh = true;
      AppendWindows1252(Builder(), &Byte, 1);
      return;
    }
    FWide = true;
    if (Code >= 0xD800 && Code <= 0xDBFF) {
      FlushPending();
      FPendingHigh = Code;
      return;
    }
    if (Code >= 0xDC00 && Code <= 0xDFFF) {
      if (FPendingHigh) {
        AppendUtf8(Builder(), 0x10000 + ((FPendingHigh - 0xD800) << 10) + (Code - 0xDC00));
        FPendingHigh = 0;
      } else {
        AppendUtf8(Builder(), 0xFFFD);
      }
      return;
    }
    FlushPending();
    AppendUtf8(Builder(), Code);
  }

  void FlushPending() {
    if (!FPendingHigh) return;
    FPendingHigh = 0;
    AppendUtf8(Builder(), 0xFFFD);
  }
};
}  // namespace

std::string ReadObjectText(TPersistent& Root, std::string_view Text, TReadFault* Fault,
                           const TReleaseText& Release) {
  return TReader(Text, Root, Release).Read(Fault);
}
