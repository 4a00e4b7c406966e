// The PIC device catalogue: what each device code of the list selects, and what each algorithm
// family means for the window (the erased configuration word, the Erase button).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace picprog {

// The socket diagram panels; each shows where the part sits in the ZIF socket.
enum class Panel { P18, P28, Pin_8, Pin_14, Pin_18A, Pin_18S, Pin_20A, Pin_28S, Pin_40, Pin_68 };

// Panel names as the window's controls carry them, in the order of Panel.
extern const std::array<std::string_view, 10> Panel_Names;
inline std::string_view Panel_Name(Panel p) {
  return Panel_Names[static_cast<size_t>(p)];
}

struct Pic_Device {
  int code;                  // the number at columns 41..43 of its list line
  std::string_view caption;  // what the Device button shows
  int family;                // algorithm family, the Device button's Tag
  uint16_t prog_end;         // last program-memory word address
  int pin_code;              // pin set-up, byte 3 of command 0x10
  int ee_size;               // 0 no data EEPROM; 1, 2, 3: EE area ends at 0x203F, 0x207F, 0x20FF
  Panel panel;
};

struct Pic_Family {
  int family;
  uint16_t fuse_blank;  // erased value of the configuration word
  bool erase;           // can be bulk-erased electrically: the Erase button is shown
};

// The entry of a device code; nullptr for codes without one (0, header and blank lines, the
// listed parts without an entry, anything else).
const Pic_Device* Find_Device(int code);

// The family's row; nullptr for 0 and the numbers no device uses.
const Pic_Family* Find_Family(int family);

// `Fuse_Blank`: 0x0FFF for the 12-bit families 1, 2, 3, 30, 31, else 0x3FFF (no device included).
uint16_t Fuse_Blank(int family);

// Whether the Erase button is shown for the family.
bool Can_Erase(int family);

// `EE_End` of an EE size code: 0x203F, 0x207F or 0x20FF; 0 for a part without data EEPROM.
uint16_t EE_End(int ee_size);

// The whole tables, for the self-check.
extern const std::array<Pic_Device, 106> Pic_Devices;
extern const std::array<Pic_Family, 25> Pic_Families;

}  // namespace picprog
