// Hex digits both ways by table: loads and saves run over tens of megabytes of them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Writes `count` bytes as digit pairs at `out` and adds them to `sum`, sixteen at a time where
// SSE2 is there (every x86-64): the bytes are loaded once for both, and the digits come four
// times faster than from the table. Returns the end.
inline char* Put_Bytes(char* out, const uint8_t* data, size_t count, uint32_t& sum) {
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i low = _mm_set1_epi8(0x0F), nine = _mm_set1_epi8(9), none = _mm_setzero_si128();
  const __m128i zero = _mm_set1_epi8('0'), letters = _mm_set1_epi8('A' - '0' - 10);
  auto digits = [&](__m128i nibbles) {
    __m128i above_nine = _mm_cmpgt_epi8(nibbles, nine);
    return _mm_add_epi8(_mm_add_epi8(nibbles, zero), _mm_and_si128(above_nine, letters));
  };
  for (; i + 16 <= count; i += 16, out += 32) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    __m128i halves = _mm_sad_epu8(v, none);  // the sums of bytes 0-7 and 8-15
    sum += static_cast<uint32_t>(_mm_cvtsi128_si32(halves) + _mm_extract_epi16(halves, 4));
    __m128i high = _mm_and_si128(_mm_srli_epi16(v, 4), low), low_nibbles = _mm_and_si128(v, low);
    // Each byte's high nibble first.
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), digits(_mm_unpacklo_epi8(high, low_nibbles)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16),
                     digits(_mm_unpackhi_epi8(high, low_nibbles)));
  }
#endif
  for (; i < count; ++i) {
    out = Put_Byte(out, data[i]);
    sum += data[i];
  }
  return out;
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
