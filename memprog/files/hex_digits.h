// Hex digits both ways by table: loads and saves run over tens of megabytes of them.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

namespace memprog {

inline constexpr uint8_t kNot_Hex = 0xFF;

inline constexpr std::array<uint8_t, 256> kHex_Value = [] {
  std::array<uint8_t, 256> t{};
  t.fill(kNot_Hex);
  for (int i = 0; i < 10; ++i) t['0' + i] = static_cast<uint8_t>(i);
  for (int i = 0; i < 6; ++i) {
    t['A' + i] = static_cast<uint8_t>(10 + i);
    t['a' + i] = static_cast<uint8_t>(10 + i);
  }
  return t;
}();

// Every two characters as one index: the byte they spell, or -1. One look-up per byte is what
// makes a 40 MB file parse in a few tens of milliseconds.
inline const std::array<int16_t, 65536> kPair_Value = [] {
  std::array<int16_t, 65536> t{};
  for (int i = 0; i < 65536; ++i) {
    unsigned h = kHex_Value[i >> 8], l = kHex_Value[i & 0xFF];
    t[i] = static_cast<int16_t>((h | l) > 15 ? -1 : static_cast<int>(h << 4 | l));
  }
  return t;
}();

// The byte two characters spell, or -1 when either is not a hex digit (either case).
inline int Pair_Value(char high, char low) {
  return kPair_Value[static_cast<uint8_t>(high) << 8 | static_cast<uint8_t>(low)];
}

inline constexpr char kUpper_Digits[] = "0123456789ABCDEF";

inline constexpr std::array<char, 512> kByte_Digits = [] {
  std::array<char, 512> t{};
  for (int i = 0; i < 256; ++i) {
    t[2 * i] = kUpper_Digits[i >> 4];
    t[2 * i + 1] = kUpper_Digits[i & 0xF];
  }
  return t;
}();

// Writes a byte as two upper-case hex digits at `out`; returns the end.
inline char* Put_Byte(char* out, uint8_t value) {
  std::memcpy(out, &kByte_Digits[2 * value], 2);
  return out + 2;
}

// Writes `value` as `digits` upper-case hex digits at `out`; returns the end.
inline char* Put_Hex(char* out, uint32_t value, int digits) {
  for (int i = digits - 1; i >= 0; --i) {
    out[i] = kUpper_Digits[value & 0xF];
    value >>= 4;
  }
  return out + digits;
}

}  // namespace memprog
