// A file's bytes from memory, handed out in chunks of a chosen size, so that tests and fuzzers
// can cut a file at every possible place.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "memprog/files/byte_source.h"

namespace memprog {

class Memory_Source final : public Byte_Source {
 public:
  explicit Memory_Source(std::string_view data, size_t chunk = static_cast<size_t>(-1))
      : data_(data), chunk_(std::max<size_t>(chunk, 1)) {}

  ptrdiff_t Read(uint8_t* dst, size_t max) override {
    size_t n = std::min({max, chunk_, data_.size() - pos_});
    std::memcpy(dst, data_.data() + pos_, n);
    pos_ += n;
    return static_cast<ptrdiff_t>(n);
  }
  uint64_t Skip_Rest() override {
    size_t rest = data_.size() - pos_;
    pos_ = data_.size();
    return rest;
  }
  std::string Error() const override { return {}; }

 private:
  std::string_view data_;
  size_t chunk_;
  size_t pos_ = 0;
};

}  // namespace memprog
