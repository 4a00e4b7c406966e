// The fields of one record line, read left to right after the record mark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "memprog/files/hex_digits.h"

namespace memprog {

class Field_Reader {
 public:
  Field_Reader(std::string_view line, size_t from) : line_(line), pos_(from) {}

  // The next `digits` characters as a number (the low 32 bits of a longer one); false when
  // they are missing or not hex.
  bool Number(size_t digits, uint32_t& value) {
    if (pos_ > line_.size() || line_.size() - pos_ < digits) return false;
    uint32_t v = 0;
    for (size_t i = 0; i < digits; ++i) {
      uint8_t d = kHex_Value[static_cast<uint8_t>(line_[pos_ + i])];
      if (d == kNot_Hex) return false;
      v = v << 4 | d;
    }
    pos_ += digits;
    value = v;
    return true;
  }

  // The next 2 x `count` characters as bytes.
  bool Bytes(size_t count, uint8_t* out) {
    if (pos_ > line_.size() || (line_.size() - pos_) / 2 < count) return false;
    const char* p = line_.data() + pos_;
    for (size_t i = 0; i < count; ++i) {
      int v = Pair_Value(p[2 * i], p[2 * i + 1]);
      if (v < 0) return false;
      out[i] = static_cast<uint8_t>(v);
    }
    pos_ += 2 * count;
    return true;
  }

  // Passes over characters whatever they are.
  void Skip(size_t n) { pos_ += n; }

 private:
  std::string_view line_;
  size_t pos_;
};

}  // namespace memprog
