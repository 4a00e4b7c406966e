#include "proglink/console/json_writer.h"

#include <cstdio>

namespace proglink::console {

namespace {

// The length of the UTF-8 sequence starting at `i`, 0 when it is not one (overlong forms,
// surrogates and code points past U+10FFFF are not).
size_t Utf8_Length(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  size_t n = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b <= 0xDF ? 2 : 0;
  if (b >= 0xF5 || n == 0 || i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  const unsigned char c = byte(i + 1);
  if ((b == 0xE0 && c < 0xA0) || (b == 0xED && c >= 0xA0) || (b == 0xF0 && c < 0x90) ||
      (b == 0xF4 && c >= 0x90))
    return 0;
  return n;
}

}  // namespace

std::string Json_String(std::string_view text) {
  std::string s = "\"";
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      const size_t n = Utf8_Length(text, i);
      s += n == 0 ? std::string_view("\\ufffd") : text.substr(i, n);
      i += n == 0 ? 1 : n;
      continue;
    }
    ++i;
    switch (c) {
      case '"':
        s += "\\\"";
        break;
      case '\\':
        s += "\\\\";
        break;
      case '\n':
        s += "\\n";
        break;
      case '\r':
        s += "\\r";
        break;
      case '\t':
        s += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", c);
          s += escape;
        } else {
          s.push_back(static_cast<char>(c));
        }
    }
  }
  return s + "\"";
}

std::string Json_Array(const std::vector<std::string>& values) {
  std::string s = "[";
  for (const std::string& v : values) s += (s.size() > 1 ? "," : "") + v;
  return s + "]";
}

Json_Object& Json_Object::Member(std::string_view key, std::string_view json) {
  if (text_.size() > 1) text_ += ',';
  text_ += Json_String(key);
  text_ += ':';
  text_ += json;
  return *this;
}

Json_Object& Json_Object::Add(std::string_view key, std::string_view value) {
  return Member(key, Json_String(value));
}

Json_Object& Json_Object::Add(std::string_view key, double value) {
  char number[32];
  std::snprintf(number, sizeof number, "%.3f", value);
  return Member(key, number);
}

Json_Object& Json_Object::Add(std::string_view key, const std::vector<std::string>& strings) {
  std::vector<std::string> quoted;
  quoted.reserve(strings.size());
  for (const std::string& s : strings) quoted.push_back(Json_String(s));
  return Member(key, Json_Array(quoted));
}

Json_Object& Json_Object::Add_Or_Null(std::string_view key,
                                      const std::optional<std::string>& value) {
  return value ? Add(key, std::string_view(*value)) : Member(key, "null");
}

Json_Object& Json_Object::Add_Json(std::string_view key, std::string_view json) {
  return Member(key, json);
}

}  // namespace proglink::console
