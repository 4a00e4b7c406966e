// The families that are not plain EPROMs, one row each, in family order.
//   family   algorithm family, byte 3 of command 0x10
//   physics  how programming changes a byte (Clear_Bits when not given)
//   erase    what command 0x40 does (None when not given)
//   locks    how command 0x3C names a lock bit (None when not given)
#include "progsim/families.h"

#include <algorithm>
#include <iterator>

namespace progsim {

namespace {

using enum Physics;
using enum Erase_Kind;

constexpr Family_Traits kFamilies[] = {
    {.family = 9, .erase = Chip},                            // 27SF256, 27E257 (erase type 1)
    {.family = 10, .erase = Chip},                           // 27SF512, 27E512 (2)
    {.family = 11, .erase = Chip},                           // 27SF010/020, 27E010 (3)
    {.family = 12, .erase = Chip},                           // AT49F, SST39, W29F/W49F, Mosel (4)
    {.family = 13, .physics = Any_Value, .erase = Protect},  // page-write flash: pages erase
    {.family = 14, .physics = Any_Value},                    // static RAM, timekeepers
    {.family = 15, .physics = Any_Value},
    {.family = 16, .physics = Any_Value},
    {.family = 17, .erase = Chip},         // Am29F010/020 (4), AT49F001/002 (5)
    {.family = 18, .erase = Chip},         // Am29F002, A29002, MX29F00x (6)
    {.family = 19, .physics = Any_Value},  // parallel EEPROM
    {.family = 20, .physics = Any_Value},
    {.family = 21, .physics = Any_Value},
    {.family = 22, .physics = Any_Value},
    {.family = 23, .erase = Chip},                           // 28SF040, 28VF040 (7)
    {.family = 24, .erase = Chip},                           // 49LF (8)
    {.family = 25, .erase = Chip},                           // 512K x 8 flash (6)
    {.family = 26, .erase = Chip},                           // Am29F040 (4), MX29F040 (6)
    {.family = 27, .physics = Any_Value, .erase = Protect},  // AT29C256, AT29LV256
    {.family = 34, .erase = Chip},                           // x16 AMD/ST flash (4)
    {.family = 35, .erase = Sectors},                        // 28F200, 28F400 (9, 10)
    {.family = 36, .erase = Sectors},                        // 28F800 (11)
    {.family = 37, .erase = Sectors},                        // 28F001BX (12)
    {.family = 41, .erase = Chip},                           // 28F256-28F020 (14)
    {.family = 43, .erase = Chip},                           // M28F102 (14)
    {.family = 45, .physics = Set_Bits},                     // Cypress EPROMs, blank value 0
    {.family = 46, .physics = Set_Bits},
    {.family = 47, .physics = Set_Bits},
    {.family = 50, .physics = Any_Value},  // serial EEPROMs
    {.family = 51, .physics = Any_Value},
    {.family = 52, .physics = Any_Value},
    {.family = 53, .physics = Any_Value},
    {.family = 54, .physics = Any_Value},
    {.family = 55, .physics = Any_Value},
    {.family = 56, .physics = Any_Value},
    {.family = 57, .physics = Any_Value},
    {.family = 58, .physics = Any_Value},
    {.family = 59, .physics = Any_Value},
    {.family = 60, .physics = Any_Value},
    {.family = 68, .physics = Any_Value},
    {.family = 87, .physics = Set_Bits},                           // 8748 family, blank value 0
    {.family = 88, .locks = Lock_Scheme::Pattern},                 // 8751H, 87C5x (security type 1)
    {.family = 89, .erase = Chip, .locks = Lock_Scheme::Pattern},  // AT89C51/52/55 (20, security 1)
    {.family = 90, .erase = Chip, .locks = Lock_Scheme::Variant},  // AT89C51RC (20, security 2)
    {.family = 91, .erase = Chip, .locks = Lock_Scheme::Pattern},  // P89C5x (21, security 3)
    {.family = 93,
     .erase = Chip,
     .locks = Lock_Scheme::Variant},                      // AT89S53, AT89S8252 (20, security 2)
    {.family = 94, .locks = Lock_Scheme::Pattern},        // P87C51/52 (security 3)
    {.family = 96, .physics = Any_Value, .erase = Chip},  // 52B33H EEPROM (15)
};

}  // namespace

Family_Traits Traits_Of_Family(int family) {
  auto row = std::find_if(std::begin(kFamilies), std::end(kFamilies),
                          [family](const Family_Traits& t) { return t.family == family; });
  return row != std::end(kFamilies) ? *row : Family_Traits{.family = family};
}

}  // namespace progsim
