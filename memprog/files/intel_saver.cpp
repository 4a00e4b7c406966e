// Intel hex: 16-byte data records from index 0, each 64 KiB preceded by its base record. Below
// 1 MiB that is an extended segment record (the form files written before have always had);
// from 1 MiB on, where a segment cannot reach, an extended linear address record, after a
// segment record of 0 that clears the segment base for readers that add both.
#include "memprog/files/hex_digits.h"
#include "memprog/files/savers.h"
#include "memprog/files/text_out.h"

namespace memprog {

namespace {

constexpr uint32_t kSegment_Reach = 0x100000;

void Record(Text_Out& out, uint32_t type, uint32_t address, const uint8_t* data, uint32_t count) {
  char* p = out.Line();
  *p++ = ':';
  p = Put_Byte(p, static_cast<uint8_t>(count));
  p = Put_Byte(p, static_cast<uint8_t>(address >> 8));
  p = Put_Byte(p, static_cast<uint8_t>(address));
  p = Put_Byte(p, static_cast<uint8_t>(type));
  uint32_t sum = count + (address >> 8) + address + type;
  p = Put_Bytes(p, data, count, sum);
  p = Put_Byte(p, static_cast<uint8_t>(0x100 - (sum & 0xFF)));
  out.End_Line(p);
}

void Base_Record(Text_Out& out, uint32_t type, uint32_t value) {
  const uint8_t data[2] = {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
  Record(out, type, 0, data, 2);
}

void Base_For(Text_Out& out, uint32_t p) {
  if (p < kSegment_Reach) {
    Base_Record(out, 0x02, (p >> 16) * 0x1000);
    return;
  }
  if (p == kSegment_Reach) Base_Record(out, 0x02, 0);
  Base_Record(out, 0x04, p >> 16);
}

}  // namespace

void Save_Intel(common::Atomic_File& file, const uint8_t* image, uint32_t last) {
  Text_Out out(file);
  Base_For(out, 0);
  // Records are always full: the last one may carry bytes past `last`, never past the buffer.
  for (uint32_t p = 0; p <= last; p += 16) {
    Record(out, 0x00, p, image + p, 16);
    if ((p + 16) % 0x10000 == 0) Base_For(out, p + 16);
  }
  out.Fixed_Line(":00000001FF");
}

}  // namespace memprog
