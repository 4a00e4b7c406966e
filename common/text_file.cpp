#include "common/text_file.h"

#include <filesystem>

#include "common/input_file.h"

namespace common {

std::optional<std::string> Read_Whole_File(const std::string& path, size_t max_bytes) {
  File_Data data = Read_File(path, max_bytes, Over_Limit::Cut);
  if (!data.Ok()) return std::nullopt;
  return std::move(data.bytes);
}

std::vector<std::string> Split_Lines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::optional<std::vector<std::string>> Read_Lines(const std::string& path) {
  auto text = Read_Whole_File(path);
  if (!text) return std::nullopt;
  return Split_Lines(*text);
}

std::string Join_Path(const std::string& dir, const std::string& name) {
  return (std::filesystem::path(dir) / name).string();
}

}  // namespace common
