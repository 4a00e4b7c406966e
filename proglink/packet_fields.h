// The number fields of a command packet. Every number goes to the programmer most significant
// byte first.
#pragma once

#include <cstdint>

namespace proglink {

// Bytes first..last of the packet hold `value`.
inline void Put_Number(uint8_t* packet, int first, int last, uint32_t value) {
  for (int i = last; i >= first; --i, value >>= 8) packet[i] = static_cast<uint8_t>(value);
}

// The number in bytes first..last.
inline uint32_t Get_Number(const uint8_t* packet, int first, int last) {
  uint32_t value = 0;
  for (int i = first; i <= last; ++i) value = value << 8 | packet[i];
  return value;
}

// A block request's 24-bit address, bytes 2..4; byte 1 is left as it is.
inline void Put_Address(uint8_t* packet, uint32_t address) {
  Put_Number(packet, 2, 4, address);
}

// A block request's count of bytes or words, bytes 5..6.
inline void Put_Count(uint8_t* packet, uint32_t count) {
  Put_Number(packet, 5, 6, count);
}

}  // namespace proglink
