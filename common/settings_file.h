// A settings file of one value a line (Win_KV9.Cfg, Win_Mcu9.Cfg), read as every file is
// (input_file.h): at most 29 lines count, and a missing line reads "1". A line that is not a
// decimal number leaves its value as it was, so that one bad line costs that value only and the
// rest of the file is used (and written back at the next close).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace common {

class Settings_File {
 public:
  // `name` is how the messages call the file.
  Settings_File(const std::string& path, std::string name);

  // Whether there are lines to apply: not for a missing file, nor for one that cannot be read
  // (Problems says why).
  bool Found() const { return found_; }
  size_t Line_Count() const { return lines_.size(); }
  // Line n, counting from 1; "1" past the end.
  const std::string& Text(size_t n) const;
  // Sets `value` from line n when it is a 32-bit decimal number, else keeps it and notes the
  // line; whether it was set.
  bool Apply(size_t n, int32_t& value);
  // What to tell the user: why the file was not read, or the lines that kept their values; ""
  // when all went well.
  std::string Problems() const;

 private:
  std::string name_, refused_;
  std::vector<std::string> lines_, bad_lines_;
  bool found_ = false;
};

}  // namespace common
