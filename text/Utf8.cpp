#include "text/Utf8.h"

#include <cstring>

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
