// A small JSON writer for the one object a front end prints per run with --json: members added
// in order, strings escaped so that any file name or message stays valid JSON (UTF-8 as it is,
// a byte that is not UTF-8 as U+FFFD).
#pragma once

#include <concepts>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace proglink::console {

// `text` as a JSON string, quotes included.
std::string Json_String(std::string_view text);

class Json_Object {
 public:
  Json_Object& Add(std::string_view key, std::string_view value);
  Json_Object& Add(std::string_view key, const char* value) {
    return Add(key, std::string_view(value));
  }
  template <std::integral Number>
  Json_Object& Add(std::string_view key, Number value) {
    return Member(key, std::to_string(value));
  }
  Json_Object& Add(std::string_view key, double value);
  Json_Object& Add(std::string_view key, const std::vector<std::string>& strings);
  // null when empty.
  Json_Object& Add_Or_Null(std::string_view key, const std::optional<std::string>& value);
  // `json` as it is: an object or array already written.
  Json_Object& Add_Json(std::string_view key, std::string_view json);

  std::string Text() const { return text_ + "}"; }

 private:
  Json_Object& Member(std::string_view key, std::string_view json);
  std::string text_ = "{";
};

// Already written JSON values as one array.
std::string Json_Array(const std::vector<std::string>& values);

}  // namespace proglink::console
