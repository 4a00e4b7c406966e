// The PIC parts the simulated socket can hold: one entry per part of Win_Mcu9's catalogue, named
// by its catalogue caption, and what each algorithm family's silicon is made of.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace progsim {

// How the part is reached and how wide its words are.
enum class Pic_Core {
  C16C5x,    // 12-bit, through the adapter: the configuration word comes first, reads travel as
             // bits 11..4 then 3..0, programmed with the modes 16 and 100 of command 0x30
  Serial12,  // 12-bit serial: the configuration word comes first, ID words follow program memory
  Serial14,  // 14-bit serial: configuration space 0x2000..0x2007 after Load Configuration
};

// What one programming cycle does to a program, ID or configuration word.
enum class Pic_Cells {
  Eprom,               // bits only fall; no electrical erase at all
  Flash_Erase_Write,   // each cycle erases the word first: any value takes
  Flash_Program_Only,  // bits only fall; the bulk erase brings them back
};

struct Pic_Family {
  int family;  // algorithm family of Win_Mcu9's catalogue
  Pic_Core core;
  Pic_Cells cells;
  bool chip_erase_178 = false;  // commands 1, 7, 8 at word 0x2007 erase the whole part
  uint16_t cp_mask;             // program memory is protected while these bits are all 0
  uint16_t cpd_mask = 0;        // data EEPROM likewise; 0 = the family has no data protection
};

struct Pic_Part {
  const char* caption;  // as the Device button shows it
  int family;
  uint16_t prog_end;            // last program word
  uint8_t pin;                  // pin set-up code (byte 3 of 0x10) that powers and clocks it
  uint16_t ee_bytes = 0;        // data EEPROM: 0, 64, 128 or 256
  uint16_t device_id = 0;       // word 0x2006 of 14-bit parts; 0 = none, the word reads erased
  uint16_t calibration = 0;     // factory value of the last program word; 0 = none, it is erased
  uint16_t factory_config = 0;  // configuration word as shipped; 0 = erased (all ones)
};

std::span<const Pic_Family> Pic_Families();
std::span<const Pic_Part> Pic_Parts();

// By caption, ignoring case ("16f877a"); nullptr for a part the catalogue does not have.
const Pic_Part* Find_Pic_Part(std::string_view caption);
// The part in the socket when nobody names one: the 16F84/A.
const Pic_Part& Default_Pic_Part();
const Pic_Family& Family_Of(const Pic_Part& part);

}  // namespace progsim
