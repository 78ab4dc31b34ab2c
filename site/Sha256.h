#pragma once
// SHA-256 (FIPS 180-4) in standard C++, for the publisher's file and input
// hashes: the tool that publishes a site links no cryptographic library. Feed
// bytes in any number of pieces, then ask for the digest once.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TSha256 {
 public:
  TSha256();
  void Add(std::string_view Bytes);
  // The digest of everything added; the object is spent afterwards.
  std::array<uint8_t, 32> Finish();
  // The digest as 64 lower-case hexadecimal digits.
  std::string FinishHex();

 private:
  void Block(const uint8_t* P);
  std::array<uint32_t, 8> FState;
  std::array<uint8_t, 64> FBuffer{};
  size_t FFill = 0;
  uint64_t FLength = 0;  // bytes added
};

// The digest of Bytes as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view Bytes);
