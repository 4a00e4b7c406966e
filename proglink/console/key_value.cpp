#include "proglink/console/key_value.h"

namespace proglink::console {

namespace {

std::string Field_Value(const std::string& value) {
  if (!value.empty() && value.find_first_of(" \"\\") == std::string::npos) return value;
  std::string quoted = "\"";
  for (char c : value) {
    if (c == '"' || c == '\\') quoted.push_back('\\');
    quoted.push_back(c);
  }
  return quoted + "\"";
}

}  // namespace

std::string Key_Value_Line(const Fields& fields) {
  std::string line;
  for (const auto& [key, value] : fields)
    line += (line.empty() ? "" : " ") + key + "=" + Field_Value(value);
  return line;
}

}  // namespace proglink::console
