// Command 0x3E: the clock registers of a timekeeper RAM.
#pragma once

#include <cstdint>

#include "progsim/memory_chip.h"

namespace progsim {

constexpr uint32_t kClockData = 2049;  // data bytes that follow the 0x3E header

// The header's address (bytes 2-4, address lines as they come) is the first of the eight clock
// registers: data bytes 2040-2047 go there, data byte 2048 (the century) to offset 0x7F1 of the
// top 2K block, 7 below that address. The other data bytes carry nothing and are not stored.
// Returns reply byte 6: 0, or 0xFF when a register did not take its value.
uint8_t Write_Clock(Memory_Chip& chip, const uint8_t* packet);

}  // namespace progsim
