// Command 0x40 as the firmware carries it out on the chip in the socket, by the chip's family.
#pragma once

#include <cstdint>

#include "progsim/memory_chip.h"

namespace progsim {

// Reply byte 6 of an erase.
constexpr uint8_t kErased = 0x80;
constexpr uint8_t kEraseFailed = 0x20;

struct Erase_Outcome {
  uint8_t status = 0;          // reply byte 6
  bool chip_erased = false;    // the whole chip, lock bits included
  bool protection_on = false;  // the software data-protection command was taken
};

// `packet` is the 8-byte header. With `fail` the erase reports failure and the first cell it
// should have erased keeps a programmed value, as a worn-out part would.
Erase_Outcome Erase(Memory_Chip& chip, const uint8_t* packet, bool fail);

}  // namespace progsim
