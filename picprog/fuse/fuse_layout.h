// The configuration-word layout of each algorithm family: which bits each editor control stands
// for, and what the encoder starts from.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "picprog/fuse/controls.h"

namespace picprog {

enum class Osc_Field : uint8_t {
  Fosc2,       // bits 1..0: LP_Osc 00, Xtal 01, Hi_Spd 10, Ext_Clk 11
  Fosc2_Bit4,  // bits 1..0 as Fosc2, with bit 4 set for Int_RC_IO 1 00 .. Ext_R_Clk 1 11
  Fosc3,       // bits 2..0: LP_Osc 000 .. Ext_Clk 011, Int_RC_IO 100 .. Ext_R_Clk 111
};

enum class Level : uint8_t {
  High,  // a checked box sets the bit
  Low,   // a checked box clears the bit; unchecked sets it
};

// One check box's bit; a negative bit: the family does not use the box.
struct Fuse_Bit {
  int8_t bit = -1;
  Level level = Level::High;
};

enum class Bor_Field : uint8_t {
  None,
  BORV2_11_10,  // BORV2 item index in bits 11..10, the group enabled while BOR (bit 6) is set
  BORV3_9_8,    // BORV3 item index in bits 9..8
};

struct Fuse_Layout {
  std::array<int, 2> families = {};  // the families sharing the layout (0: none)
  uint16_t base = 0;                 // the encoder starts from base | (current word & keep)
  uint16_t keep = 0;
  Osc_Field osc = Osc_Field::Fosc2;
  Osc_Set without = 0;   // radios the field has no value for: never enabled, never decoded
  Osc_Set disabled = 0;  // radios decoded from the word but not enabled
  std::array<std::string_view, 4> captions = {};  // LP_Osc, Xtal, Hi_Spd, Ext_Clk; "": keep
  Fuse_Bit wdt = {}, put = {}, mclr = {}, bor = {}, lvp = {}, cpee = {}, ieso = {}, fcmen = {},
           wure = {};
  uint16_t protect_off = 0;   // ORed in when Protec is unchecked
  uint16_t protect_bits = 0;  // the part's code-protect bits: protected when any of them is 0
  Bor_Field bor_field = Bor_Field::None;
};

// The family's layout; nullptr for a family without one (no device): its word is never encoded.
const Fuse_Layout* Find_Fuse_Layout(int family);

// The box and its bit in a layout, for every box a family may use.
struct Box_Bit {
  Check_Box box;
  Fuse_Bit Fuse_Layout::*bit;
};
extern const std::array<Box_Bit, 9> Box_Bits;

}  // namespace picprog
