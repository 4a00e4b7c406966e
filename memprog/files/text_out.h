// Text lines for a hex file, gathered into large blocks before they go to the file.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

#include "common/atomic_file.h"

namespace memprog {

class Text_Out {
 public:
  static constexpr size_t kMax_Line = 128;  // the longest line a saver writes, with its end

  explicit Text_Out(common::Atomic_File& file) : file_(file), buf_(new char[kBlock]) {}
  ~Text_Out() { file_.Write(buf_.get(), used_); }  // the last block
  Text_Out(const Text_Out&) = delete;
  Text_Out& operator=(const Text_Out&) = delete;

  // Room for one line; End_Line takes the end of what was written there.
  char* Line() {
    if (used_ > kBlock - kMax_Line) {
      file_.Write(buf_.get(), used_);
      used_ = 0;
    }
    return buf_.get() + used_;
  }
  void End_Line(char* end) {
    *end++ = '\r';
    *end++ = '\n';
    used_ = static_cast<size_t>(end - buf_.get());
  }
  void Fixed_Line(std::string_view text) {
    char* p = Line();
    std::memcpy(p, text.data(), text.size());
    End_Line(p + text.size());
  }

 private:
  static constexpr size_t kBlock = 1 << 16;  // stays in the cache between the formatting and the write

  common::Atomic_File& file_;
  std::unique_ptr<char[]> buf_;
  size_t used_ = 0;
};

}  // namespace memprog
