#include "common/settings_file.h"

#include "common/hex.h"
#include "common/input_file.h"
#include "common/text_file.h"

namespace common {

namespace {
constexpr size_t kMax_Lines = 29;
const std::string kMissing_Line = "1";
}  // namespace

Settings_File::Settings_File(const std::string& path, std::string name) : name_(std::move(name)) {
  File_Data file = Read_File(path, kSettings_File_Limit);
  if (!file.Ok()) {
    if (!file.missing) refused_ = file.error + "\r\nThe settings in it were not used.";
    return;
  }
  found_ = true;
  lines_ = Split_Lines(file.bytes);
  if (lines_.size() > kMax_Lines) lines_.resize(kMax_Lines);
}

const std::string& Settings_File::Text(size_t n) const {
  return n >= 1 && n <= lines_.size() ? lines_[n - 1] : kMissing_Line;
}

bool Settings_File::Apply(size_t n, int32_t& value) {
  auto v = Parse_Decimal(Text(n));
  if (!v || *v < INT32_MIN || *v > INT32_MAX) {
    bad_lines_.push_back("Line " + std::to_string(n) + ": '" + Text(n) +
                         "' is not a valid integer value");
    return false;
  }
  value = static_cast<int32_t>(*v);
  return true;
}

std::string Settings_File::Problems() const {
  if (!refused_.empty() || bad_lines_.empty()) return refused_;
  std::string text = name_ + ":";
  for (const std::string& line : bad_lines_) text += "\r\n" + line;
  return text + "\r\nThese settings keep their defaults.";
}

}  // namespace common
