// How each erase type erases: the procedure the erase run follows, the button that starts it and,
// for the sector-by-sector types, the sectors and the reply bits that mean failure.
#pragma once

#include <cstdint>
#include <span>

#include "memprog/catalogue/catalogue.h"

namespace memprog {

enum class Erase_Procedure {
  Nothing,           // sends nothing
  Erase_Then_Check,  // the erase command, then a read that must find nothing but FF
  Status_Byte,       // one erase command judged by its reply's status byte
  Sector_List,       // the status-byte erase for each sector of a fixed list
  Vpp_Then_Erase,    // the programming voltage on, then the erase command
  Zeros_Then_Erase,  // every byte programmed to 00, then the erase command
};

struct Erase_Kind {
  Erase_Type type;
  Erase_Procedure procedure;
  bool second_button = false;           // Erase_But2 starts it instead of Erase_But
  std::span<const uint32_t> sectors{};  // Sector_List: the sector addresses, in order
  uint8_t failure_bits = 0;             // Sector_List: reply bits that fail the last sector
};

// The row of an erase type; nullptr for a number that is no erase type.
const Erase_Kind* Find_Erase_Kind(Erase_Type type);

}  // namespace memprog
