#include "common/hex.h"

#include <cctype>

namespace common {

void Append_Hex(std::string& out, uint64_t value, int min_digits) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  char tmp[16];
  int n = 0;
  do {
    tmp[n++] = kDigits[value & 0xF];
    value >>= 4;
  } while (value != 0);
  for (int i = n; i < min_digits; ++i) out.push_back('0');
  while (n > 0) out.push_back(tmp[--n]);
}

std::string Hex(uint64_t value, int min_digits) {
  std::string s;
  Append_Hex(s, value, min_digits);
  return s;
}

std::string Hex_Dump(const uint8_t* bytes, size_t count) {
  std::string s;
  s.reserve(count * 3);
  for (size_t i = 0; i < count; ++i) {
    Append_Hex(s, bytes[i], 2);
    s.push_back(' ');
  }
  return s;
}

std::optional<uint64_t> Parse_Hex(std::string_view text) {
  if (text.empty() || text.size() > 16) return std::nullopt;
  uint64_t v = 0;
  for (char c : text) {
    int d = Hex_Digit(c);
    if (d < 0) return std::nullopt;
    v = (v << 4) | static_cast<uint64_t>(d);
  }
  return v;
}

std::optional<int64_t> Parse_Decimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;  // leading blanks are allowed
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    if (v > (INT64_MAX - (c - '0')) / 10) return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return negative ? -v : v;
}

bool Type_Hex_Entry(std::string& text, char32_t c, size_t max_digits) {
  if (c == U'\b') {
    if (!text.empty()) text.pop_back();
    return true;
  }
  if (c >= 0x80 || !Is_Hex_Entry_Char(static_cast<char>(c))) return false;
  if (text.size() < max_digits) text += static_cast<char>(std::toupper(static_cast<int>(c)));
  return true;
}

}  // namespace common
