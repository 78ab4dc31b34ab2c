// The writer and the reader of the object text form. Both walk the declared
// property lists, so no class writes or parses its own lines.
//
// Reading has two stages: the whole text is first checked against the grammar
// without touching the object, then parsed again and applied in file order.
// The second pass needs no parsed copy of the file, so loading a document
// costs little more memory than the file and the document themselves.

#include "model/ObjectText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "model/DataLib.h"

// ---------------------------------------------------------------------------
// Text helpers

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

void AppendUtf8(std::string& Out, uint32_t Code) {
  if (Code < 0x80) {
    Out += static_cast<char>(Code);
  } else if (Code < 0x800) {
    Out += static_cast<char>(0xC0 | (Code >> 6));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else if (Code < 0x10000) {
    Out += static_cast<char>(0xE0 | (Code >> 12));
    Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (Code >> 18));
    Out += static_cast<char>(0x80 | ((Code >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  }
}

bool IsValidUtf8(const char* Bytes, size_t Size) {
  const unsigned char* S = reinterpret_cast<const unsigned char*>(Bytes);
  size_t I = 0;
  while (I < Size) {
    // Plain ASCII eight bytes at a time.
    if (Size - I >= 8) {
      uint64_t Word;
      std::memcpy(&Word, S + I, 8);
      if ((Word & 0x8080808080808080ull) == 0) {
        I += 8;
        continue;
      }
    }
    unsigned char C = S[I];
    if (C < 0x80) {
      ++I;
      continue;
    }
    size_t Need;
    uint32_t Min;
    uint32_t Code;
    if (C >= 0xC2 && C <= 0xDF) {
      Need = 1, Min = 0x80, Code = C & 0x1F;
    } else if (C >= 0xE0 && C <= 0xEF) {
      Need = 2, Min = 0x800, Code = C & 0x0F;
    } else if (C >= 0xF0 && C <= 0xF4) {
      Need = 3, Min = 0x10000, Code = C & 0x07;
    } else {
      return false;
    }
    if (Size - I <= Need) return false;
    for (size_t K = 1; K <= Need; ++K) {
      unsigned char T = S[I + K];
      if ((T & 0xC0) != 0x80) return false;
      Code = (Code << 6) | (T & 0x3F);
    }
    if (Code < Min || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)) return false;
    I += Need + 1;
  }
  return true;
}

void AppendWindows1252(std::string& Out, const char* Bytes, size_t Size) {
  // 0x80..0x9F; the five unused positions keep their C1 code.
  static const uint16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  for (size_t I = 0; I < Size; ++I) {
    unsigned char C = static_cast<unsigned char>(Bytes[I]);
    if (C < 0x80) {
      Out += static_cast<char>(C);
    } else if (C < 0xA0) {
      AppendUtf8(Out, High[C - 0x80]);
    } else {
      AppendUtf8(Out, C);
    }
  }
}

// ---------------------------------------------------------------------------
// Writer

namespace {
constexpr int MaxLineChars = 64;
constexpr size_t FlushSize = 256 * 1024;

// Bytes that the string rule writes as "#" codes.
constexpr auto CodeByte = [] {
  std::array<bool, 256> Table{};
  for (int C = 0; C < 32; ++C) Table[C] = true;
  Table['\''] = true;
  return Table;
}();

class TWriter {
 public:
  std::string Out;
  const TTextSink* Sink = nullptr;

  // Hands the text so far to the sink once enough has gathered.
  void Drain(bool All) {
    if (!Sink || Out.empty() || (!All && Out.size() < FlushSize)) return;
    (*Sink)(Out.data(), Out.size());
    Out.clear();
  }

  void Line(int Level, const char* Text) {
    Indent(Level);
    Out += Text;
    Out += "\r\n";
  }

  void Properties(const TPersistent& Object, int Level, std::string& Prefix) {
    for (const TPropInfo& Prop : Object.Properties()) {
      if (Prop.ReadOnly) continue;
      Drain(false);
      switch (Prop.Kind) {
        case TPropKind::Integer:
        case TPropKind::Word: {
          int64_t V = Prop.GetInt(Object);
          if (Prop.HasDefault && V == Prop.Default) break;
          Head(Level, Prefix, Prop);
          Int(V);
          Out += "\r\n";
          break;
        }
        case TPropKind::Color: {
          int32_t V = static_cast<int32_t>(Prop.GetInt(Object));
          Head(Level, Prefix, Prop);
          if (const char* Name = ColorToName(V))
            Out += Name;
          else
            Int(V);
          Out += "\r\n";
          break;
        }
        case TPropKind::Boolean:
          Head(Level, Prefix, Prop);
          Out += Prop.GetInt(Object) ? "True\r\n" : "False\r\n";
          break;
        case TPropKind::FontStyles: {
          static const char* const Names[4] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
          int64_t Bits = Prop.GetInt(Object);
          Head(Level, Prefix, Prop);
          Out += '[';
          bool First = true;
          for (int I = 0; I < 4; ++I) {
            if (!(Bits & (1 << I))) continue;
            if (!First) Out += ", ";
            Out += Names[I];
            First = false;
          }
          Out += "]\r\n";
          break;
        }
        case TPropKind::String: {
          std::string Computed;
          const std::string& S =
              Prop.GetStringRef ? Prop.GetStringRef(Object) : (Computed = Prop.GetString(Object));
          if (S.empty()) break;
          Head(Level, Prefix, Prop);
          String(S, Level);
          Out += "\r\n";
          break;
        }
        case TPropKind::Date: {
          double D = Prop.GetDate(Object);
          if (D == 0) break;
          Head(Level, Prefix, Prop);
          Date(D);
          Out += "\r\n";
          break;
        }
        case TPropKind::Object: {
          size_t Mark = Prefix.size();
          Prefix += Prop.Name;
          Prefix += '.';
          Properties(*Prop.GetObject(Object), Level, Prefix);
          Prefix.resize(Mark);
          break;
        }
        case TPropKind::Collection:
          Head(Level, Prefix, Prop);
          Collection(*Prop.GetCollection(Object), Level);
          break;
      }
    }
  }

 private:
  void Indent(int Level) { Out.append(static_cast<size_t>(Level) * 2, ' '); }

  void Head(int Level, const std::string& Prefix, const TPropInfo& Prop) {
    Indent(Level);
    Out += Prefix;
    Out += Prop.Name;
    Out += " = ";
  }

  void Int(int64_t V) {
    char Buffer[24];
    auto R = std::to_chars(Buffer, Buffer + sizeof Buffer, V);
    Out.append(Buffer, R.ptr);
  }

  void Date(double D) {
    if (std::fabs(D) < 9.0e18) {
      Int(static_cast<int64_t>(D));
      return;
    }
    char Buffer[400];
    int N = std::snprintf(Buffer, sizeof Buffer, "%.0f", D);
    if (N > 0) Out.append(Buffer, static_cast<size_t>(std::min<int>(N, sizeof Buffer - 1)));
  }

  void Collection(const TCollectionBase& Items, int Level) {
    if (Items.Count() == 0) {
      Out += "<>\r\n";
      return;
    }
    Out += '<';
    std::string ItemPrefix;
    for (int I = 0; I < Items.Count(); ++I) {
      Out += "\r\n";
      Line(Level + 1, "item");
      Properties(Items.ItemAt(I), Level + 2, ItemPrefix);
      Indent(Level + 1);
      Out += "end";
    }
    Out += ">\r\n";
  }

  // The string rule: quoted runs of printable bytes, "#" codes for control
  // bytes and the apostrophe, at most 64 bytes of the string per line, and a
  // line never broken inside a UTF-8 sequence.
  void String(const std::string& S, int Level) {
    const size_t L = S.size();
    const int Continuation = Level + 1;
    auto Plain = [](unsigned char C) { return !CodeByte[C]; };
    if (L <= MaxLineChars) {
      // The common case: one run on the property line.
      bool AllPlain = true;
      for (unsigned char C : S) AllPlain &= Plain(C);
      if (AllPlain) {
        Out += '\'';
        Out += S;
        Out += '\'';
        return;
      }
    }
    if (L > MaxLineChars) {
      Out += "\r\n";
      Indent(Continuation);
    }
    size_t K = 0;
    size_t I = 0;
    while (I < L) {
      bool BreakDue;
      unsigned char C = static_cast<unsigned char>(S[I]);
      if (!Plain(C)) {
        Out += '#';
        Int(C);
        ++I;
        BreakDue = I - K >= MaxLineChars;
      } else {
        size_t J = I;
        while (I < L && Plain(static_cast<unsigned char>(S[I])) && I - K < MaxLineChars) ++I;
        BreakDue = I - K >= MaxLineChars;
        if (BreakDue && I < L) {
          // Back up to the lead byte when the line would end inside a
          // sequence; a run that would hold only part of one is left for
          // the next line (unless it starts the line: then the bytes are
          // no UTF-8 anyway).
          size_t Back = I;
          while (Back > J && (static_cast<unsigned char>(S[Back]) & 0xC0) == 0x80) --Back;
          if (Back > J || J > K) I = Back;
        }
        if (I > J) {
          Out += '\'';
          Out.append(S, J, I - J);
          Out += '\'';
        }
      }
      if (BreakDue && I < L) {
        Out += " +\r\n";
        Indent(Continuation);
        K = I;
      }
    }
  }
};
}  // namespace

namespace {
void WriteObject(TWriter& W, const TPersistent& Root, const std::string& ClassName, const std::string& Name) {
  W.Out += "object ";
  if (!Name.empty()) {
    W.Out += Name;
    W.Out += ": ";
  }
  W.Out += ClassName;
  W.Out += "\r\n";
  std::string Prefix;
  W.Properties(Root, 1, Prefix);
  W.Out += "end\r\n";
}
}  // namespace

std::string WriteObjectText(const TPersistent& Root, const std::string& ClassName, const std::string& Name) {
  TWriter W;
  W.Out.reserve(4096);
  WriteObject(W, Root, ClassName, Name);
  return std::move(W.Out);
}

void WriteObjectTextTo(const TPersistent& Root, const std::string& ClassName, const std::string& Name,
                       const TTextSink& Sink) {
  TWriter W;
  W.Sink = &Sink;
  W.Out.reserve(FlushSize + 64 * 1024);
  WriteObject(W, Root, ClassName, Name);
  W.Drain(true);
}

// ---------------------------------------------------------------------------
// Reader

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
    for (;;) {
      Blanks();
      TSpan Word = PeekIdent();
      if (Word.Is("end")) {
        P += Word.Length;
        return;
      }
      if (IsObjectWord(Word)) {
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
    static const char* const Members[4] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
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
            if (Member.Is(Members[I])) Bit = I;
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
      for (;;) {
        Blanks();
        TSpan Word = PeekIdent();
        if (Word.Is("end")) {
          P += Word.Length;
          break;
        }
        Property(Depth + 1, Item);
      }
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
