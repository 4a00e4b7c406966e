// Lock bits of the 8051-family micros, as command 0x3C programs them. A secured part behaves as
// the parts do: lock bit 1 stops further programming; bit 2 (and bit 3, which adds only what the
// socket cannot see, the lock on external execution) also stops verification, so the array reads
// back as 0xFF. Only a chip erase clears them.
#pragma once

#include <cstdint>

#include "progsim/families.h"

namespace progsim {

// The bit (1, 2 or 3) that bytes 2, 3 and 5 of a 0x3C header name under `scheme`; 0 for none.
int Lock_Bit_Named(Lock_Scheme scheme, const uint8_t* packet);

// `lock_bits`: bit 0 = lock bit 1, bit 1 = lock bit 2, bit 2 = lock bit 3.
inline bool Blocks_Programming(uint8_t lock_bits) {
  return lock_bits != 0;
}
inline bool Blocks_Reading(uint8_t lock_bits) {
  return (lock_bits & 0b110) != 0;
}

}  // namespace progsim
