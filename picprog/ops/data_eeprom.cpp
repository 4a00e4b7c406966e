// The data EEPROM: programmed in one packet, verified byte by byte.
#include "picprog/ops/pic_ops.h"
#include "picprog/ops/pic_packets.h"
#include "picprog/ops/routines.h"

namespace picprog {

namespace {
constexpr uint16_t kEE_Count_Field = 0x0010;  // bytes 5..6 of the data EEPROM packet
}

uint16_t EE_Words(const Mcu9& m) {
  if (m.EE_Size == 0 || m.EE_End < kEE_Start) return 0;
  return static_cast<uint16_t>(m.EE_End - kEE_Start + 1);
}

void Program_EE(Mcu9& m) {
  const uint16_t n = EE_Words(m);
  for (uint16_t i = 0; i < n; ++i) Put_Word(m, i, m.Buf()[kEE_Start + i]);
  // The firmware takes the count from the length: one word per byte and one byte more.
  Program_Words(m, kEE_Bytes, kEE_Count_Field, 2u * n + 9);
}

void Verify_EE(Mcu9& m) {
  const uint16_t n = EE_Words(m);
  Pic_Begin(m);
  Read_Words(m, kData_Area, n);
  for (uint16_t i = 0; i < n; ++i) {
    if (Stopped(m)) return;
    const auto address = static_cast<uint16_t>(kEE_Start + i);
    Compare(m, address, m.Buf()[address] & 0xFF, Reply_Word(i, false) & 0xFF);
  }
}

}  // namespace picprog
