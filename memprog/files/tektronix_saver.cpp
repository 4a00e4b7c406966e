// Standard Tektronix hex: "/" address(4) count(2) checksum of those six digits(2), data, then
// the checksum of the data digits(2); each checksum is the sum of the digit values. A record of
// count 0 ends the file.
#include <algorithm>

#include "memprog/files/hex_digits.h"
#include "memprog/files/savers.h"
#include "memprog/files/text_out.h"

namespace memprog {

namespace {
uint32_t Digit_Sum(uint32_t value) {
  uint32_t sum = 0;
  for (; value != 0; value >>= 4) sum += value & 0xF;
  return sum;
}
}  // namespace

void Save_Tektronix(common::Atomic_File& file, const uint8_t* image, uint32_t last) {
  Text_Out out(file);
  for (uint32_t p = 0; p <= last; p += 16) {
    uint32_t count = std::min<uint32_t>(16, last - p + 1);
    char* s = out.Line();
    *s++ = '/';
    s = Put_Hex(s, p, 4);
    s = Put_Hex(s, count, 2);
    s = Put_Hex(s, (Digit_Sum(p) + Digit_Sum(count)) & 0xFF, 2);
    uint32_t sum = 0;
    for (uint32_t i = 0; i < count; ++i) {
      s = Put_Byte(s, image[p + i]);
      sum += Digit_Sum(image[p + i]);
    }
    s = Put_Hex(s, sum & 0xFF, 2);
    out.End_Line(s);
  }
  out.Fixed_Line("/00000000");
}

}  // namespace memprog
