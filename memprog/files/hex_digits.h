// Hex digits both ways by table: loads and saves run over tens of megabytes of them.
#pragma once

#include <array>
#include <cstdint>

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

// The byte two characters spell, or -1 when either is not a hex digit (either case).
inline int Pair_Value(char high, char low) {
  unsigned h = kHex_Value[static_cast<uint8_t>(high)];
  unsigned l = kHex_Value[static_cast<uint8_t>(low)];
  if ((h | l) > 15) return -1;
  return static_cast<int>(h << 4 | l);
}

inline constexpr char kUpper_Digits[] = "0123456789ABCDEF";

// Writes `value` as `digits` upper-case hex digits at `out`; returns the end.
inline char* Put_Hex(char* out, uint32_t value, int digits) {
  for (int i = digits - 1; i >= 0; --i) {
    out[i] = kUpper_Digits[value & 0xF];
    value >>= 4;
  }
  return out + digits;
}

}  // namespace memprog
