// Hexadecimal text as the programs show and read it: upper case, zero-padded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// `value` in upper-case hex, at least `min_digits` digits (more when it needs them).
std::string Hex(uint64_t value, int min_digits);

// Appends the same text to `out` without a temporary string.
void Append_Hex(std::string& out, uint64_t value, int min_digits);

// Bytes as "56 03 3D " : two digits and one blank each.
std::string Hex_Dump(const uint8_t* bytes, size_t count);

// Value of one hex digit, or -1.
inline int Hex_Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The whole text as a hex number; nullopt when empty, not hex or wider than 64 bits.
std::optional<uint64_t> Parse_Hex(std::string_view text);

// The text as a decimal number (leading blanks and a sign allowed); nullopt when it does not
// convert.
std::optional<int64_t> Parse_Decimal(std::string_view text);

// The characters the numeric entry fields accept.
inline bool Is_Hex_Entry_Char(char c) {
  return Hex_Digit(c) >= 0;
}

// A key typed into a hex entry field holding `text`: Backspace takes the last digit off, a hex
// digit is added in upper case while the field holds fewer than `max_digits`. False for any other
// key, which leaves the field as it is.
bool Type_Hex_Entry(std::string& text, char32_t c, size_t max_digits);

}  // namespace common
