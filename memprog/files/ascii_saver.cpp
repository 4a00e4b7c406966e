// ASCII hex: the bytes as digit pairs without separators, 16 to a line.
#include <algorithm>

#include "memprog/files/hex_digits.h"
#include "memprog/files/savers.h"
#include "memprog/files/text_out.h"

namespace memprog {

void Save_Ascii(common::Atomic_File& file, const uint8_t* image, uint32_t last) {
  Text_Out out(file);
  for (uint32_t p = 0; p <= last; p += 16) {
    uint32_t count = std::min<uint32_t>(16, last - p + 1);
    uint32_t unused_sum = 0;
    out.End_Line(Put_Bytes(out.Line(), image + p, count, unused_sum));
  }
}

}  // namespace memprog
