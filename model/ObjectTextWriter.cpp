// The writer of the object text form: the declared properties in order, each
// on its own line, strings in quoted runs and "#" codes of at most 64 bytes a
// line. A value equal to its declared default, an empty string and a zero
// date are not written.

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/DataLib.h"
#include "model/ObjectText.h"

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
      Property(Object, Prop, Level, Prefix);
    }
  }

 private:
  void Property(const TPersistent& Object, const TPropInfo& Prop, int Level, std::string& Prefix) {
    switch (Prop.Kind) {
      case TPropKind::Integer:
      case TPropKind::Word: {
        const int64_t V = Prop.GetInt(Object);
        if (Prop.HasDefault && V == Prop.Default) return;
        Head(Level, Prefix, Prop);
        Int(V);
        break;
      }
      case TPropKind::Color:
        Head(Level, Prefix, Prop);
        Color(static_cast<int32_t>(Prop.GetInt(Object)));
        break;
      case TPropKind::Boolean:
        if (Prop.HasDefault && Prop.GetInt(Object) == Prop.Default) return;
        Head(Level, Prefix, Prop);
        Out += Prop.GetInt(Object) ? "True" : "False";
        break;
      case TPropKind::FontStyles:
        Head(Level, Prefix, Prop);
        FontStyles(Prop.GetInt(Object));
        break;
      case TPropKind::String: {
        std::string Computed;
        const std::string& S =
            Prop.GetStringRef ? Prop.GetStringRef(Object) : (Computed = Prop.GetString(Object));
        if (S.empty()) return;
        Head(Level, Prefix, Prop);
        String(S, Level);
        break;
      }
      case TPropKind::Date: {
        const double D = Prop.GetDate(Object);
        if (D == 0) return;
        Head(Level, Prefix, Prop);
        Date(D);
        break;
      }
      case TPropKind::Object:
        Nested(*Prop.GetObject(Object), Prop, Level, Prefix);
        return;
      case TPropKind::Collection:
        Head(Level, Prefix, Prop);
        Collection(*Prop.GetCollection(Object), Level);
        return;  // the collection ends its own last line
    }
    Out += "\r\n";
  }

  // The properties of an owned object, each prefixed with the owner's name.
  void Nested(const TPersistent& Object, const TPropInfo& Prop, int Level, std::string& Prefix) {
    const size_t Mark = Prefix.size();
    Prefix += Prop.Name;
    Prefix += '.';
    Properties(Object, Level, Prefix);
    Prefix.resize(Mark);
  }

  void Color(int32_t V) {
    if (const char* Name = ColorToName(V))
      Out += Name;
    else
      Int(V);
  }

  void FontStyles(int64_t Bits) {
    Out += '[';
    bool First = true;
    for (int I = 0; I < 4; ++I) {
      if (!(Bits & (1 << I))) continue;
      if (!First) Out += ", ";
      Out += FontStyleNames[I];
      First = false;
    }
    Out += ']';
  }

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
