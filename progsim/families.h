// What the simulated firmware knows of an algorithm family (byte 3 of command 0x10): how the
// chip's bytes take a value, what command 0x40 does to it and how command 0x3C names its lock
// bits. The simulator knows the part in the socket by its family alone.
#pragma once

#include <cstdint>

namespace progsim {

enum class Physics {
  Clear_Bits,  // UV/OTP EPROM and flash: programming can only turn 1s into 0s
  Set_Bits,    // parts erased to 0x00: programming can only turn 0s into 1s
  Any_Value,   // EEPROM, static RAM, page-write flash: any value takes
};

enum class Erase_Kind {
  None,     // 0x40 changes nothing and does not report "erased"
  Chip,     // 0x40 erases the whole chip, whatever its parameters
  Sectors,  // 0x40 erases the sector whose address bytes 2-3 carry (erase.cpp lists them)
  Protect,  // 0x40 with zero parameters turns software data protection on; the firmware's page
            // writes carry the unlock sequence, so programming blocks still take
};

enum class Lock_Scheme {
  None,     // no lock bits
  Pattern,  // bytes 2-3 name the bit: C0 C0 bit 1, 00 C0 bit 2, 40 40 bit 3
  Variant,  // bytes 2-3 are 40 40 and byte 5 names the bit: 4 bit 1, 2 bit 2, 0 bit 3
};

struct Family_Traits {
  int family = 0;
  Physics physics = Physics::Clear_Bits;
  Erase_Kind erase = Erase_Kind::None;
  Lock_Scheme locks = Lock_Scheme::None;
};

// The traits of a family; a family not in the table is an EPROM (bits fall, no erase, no locks).
Family_Traits Traits_Of_Family(int family);

}  // namespace progsim
