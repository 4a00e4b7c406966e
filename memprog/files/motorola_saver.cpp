// Motorola S-records: S2 records (24-bit addresses) of up to 16 bytes, the last ending at the
// last index, then an S8 end record.
#include <algorithm>

#include "memprog/files/hex_digits.h"
#include "memprog/files/savers.h"
#include "memprog/files/text_out.h"

namespace memprog {

void Save_Motorola(common::Atomic_File& file, const uint8_t* image, uint32_t last) {
  Text_Out out(file);
  for (uint32_t p = 0; p <= last; p += 16) {
    uint32_t count = std::min<uint32_t>(16, last - p + 1);
    char* s = out.Line();
    *s++ = 'S';
    *s++ = '2';
    s = Put_Hex(s, count + 4, 2);
    s = Put_Hex(s, p, 6);
    uint32_t sum = count + 4 + (p >> 16) + (p >> 8) + p;
    s = Put_Bytes(s, image + p, count, sum);
    s = Put_Hex(s, ~sum & 0xFF, 2);
    out.End_Line(s);
  }
  out.Fixed_Line("S804000000FB");
}

}  // namespace memprog
