// Win_KV9's device catalogue: one entry per device code, with every parameter a selection sets.
// Select_Device applies an entry; the device list (device_list.h) names the codes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace memprog {

// Tag of Erase_But: the erase procedure (erase_kinds.h says how each type erases and from which
// button).
enum class Erase_Type : uint8_t {
  No_Erase = 0,
  Check_27x256 = 1,     // erase command, then erase check: 27SF256, 27E257
  Check_27x512 = 2,     // ... 27SF512, 27E512
  Check_27x010 = 3,     // ... 27SF010, 27SF020, 27E010
  Status_Amd = 4,       // one erase command judged by the status byte
  Status_At49F00x = 5,  // ... AT49F001/002 group
  Status_Mxic = 6,      // ... Am29F002, Amic, MXIC, ST 29F/29W
  Check_28SF = 7,       // erase command, then erase check: 28SF040, 28VF040
  Check_49LF = 8,       // ... LPC hub flash
  Sectors_28F200 = 9,   // sector by sector from a fixed list
  Sectors_28F400 = 10,
  Sectors_28F800 = 11,
  Sectors_28F001BX = 12,
  Vpp_Unused = 13,        // no entry uses it; erases as the micros do
  Zeros_Then_Erase = 14,  // every byte programmed to 00, then the erase command
  Check_52B33H = 15,      // erase command, then erase check
  Unused_16 = 16,         // 16 to 19: no entry uses them; the button does nothing
  Unused_17 = 17,
  Unused_18 = 18,
  Unused_19 = 19,
  Vpp_Atmel_Micro = 20,  // Vpp command, then erase command
  Vpp_Philips_Micro = 21,
};

// Tag of Security: the lock-bit scheme.
enum class Security_Type : uint8_t {
  No_Security = 0,
  Lock_87C5x = 1,  // 8751H, 87C5x, AT89C51/52/55
  Lock_At89S = 2,  // AT89C51RC, AT89S53, AT89S8252
  Lock_P89 = 3,    // P89C5x, P87C5x
};

// Tag of Protect.
enum class Protect_Type : uint8_t {
  No_Protect = 0,
  Protect_Command = 5,  // command 0x40 goes out ahead of programming
};

// Tag of Prg_Time.
enum class Clock_Type : uint8_t {
  No_Clock = 0,
  Timekeeper = 1,
  Timekeeper_A13_High = 2,  // M48T08/18/58: reads and writes hold A13 high
};

// Address lines a part needs held high in every block request: the bits they set in bits 8..15
// of the address (packet byte 3).
enum class Address_Flags : uint8_t {
  None = 0,
  A13_High = 0x20,      // the M48T08/18/58's clock sits behind A13
  A13_A14_High = 0x60,  // the 52B33H
};

// The bipolar PROMs sit in an adapter that needs its supply and set-up again after every reset
// of the programmer.
inline constexpr int kProm_Adapter_First_Family = 80;
inline constexpr int kProm_Adapter_Last_Family = 86;

// What a selection resets before it applies an entry; an entry without the field keeps these.
// Page_Size is not reset: an entry without a page size keeps the previous selection's.
inline constexpr int kResetProgPulse = 3;
inline constexpr int kResetBlankValue = 255;
inline constexpr int kResetIdLast = 0;

struct Catalogue_Entry {
  int code;                      // device code, the Tag of Device_Box1
  std::string_view caption;      // the Device button's caption
  int family;                    // algorithm family, byte 3 of command 0x10
  int32_t last;                  // Dev_End_Add: size in buffer bytes minus one
  int vpp;                       // Vpp selection, the Tag of Vpp_But
  std::optional<int> pulse{};    // Prog_Pulse
  std::optional<int> blank{};    // Blank_Value
  std::optional<int> page{};     // Page_Size
  std::optional<int> id_last{};  // Id_Last
  Erase_Type erase = Erase_Type::No_Erase;
  Security_Type security = Security_Type::No_Security;
  Protect_Type protect = Protect_Type::No_Protect;
  Clock_Type clock = Clock_Type::No_Clock;
  Address_Flags address = Address_Flags::None;
};

// The entry of a device code; nullptr when the code has none (it selects no device).
const Catalogue_Entry* Find_Entry(int code);

// Every entry, in the order of the device list.
std::span<const Catalogue_Entry> All_Entries();

}  // namespace memprog
