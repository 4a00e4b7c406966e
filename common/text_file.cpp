#include "common/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace common {

std::optional<std::string> Read_Whole_File(const std::string& path, size_t max_bytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string data;
  char chunk[1 << 16];
  bool ok = true;
  while (data.size() < max_bytes) {
    size_t want = std::min(sizeof chunk, max_bytes - data.size());
    ssize_t n = ::read(fd, chunk, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    data.append(chunk, static_cast<size_t>(n));
  }
  ::close(fd);
  if (!ok) return std::nullopt;
  return data;
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
