#include "progsim/timekeeper.h"

namespace progsim {

namespace {
constexpr uint32_t kFirstRegister = 2040;  // data index of the register at the address
constexpr uint32_t kCenturyBelow = 7;      // 0x7F8 - 0x7F1
}  // namespace

uint8_t Write_Clock(Memory_Chip& chip, const uint8_t* p) {
  uint32_t address = static_cast<uint32_t>(p[2]) << 16 | p[3] << 8 | p[4];
  if (address < kCenturyBelow) return 0xFF;  // no room below for the century
  const uint8_t* data = p + 8;
  bool ok = true;
  for (uint32_t i = 0; i < 8; ++i) ok &= chip.Program(address + i, data[kFirstRegister + i]);
  ok &= chip.Program(address - kCenturyBelow, data[kClockData - 1]);
  return ok ? 0 : 0xFF;
}

}  // namespace progsim
