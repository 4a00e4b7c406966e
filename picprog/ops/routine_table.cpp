#include "picprog/ops/routine_table.h"

#include <algorithm>
#include <array>

namespace picprog {

namespace {

// One row per algorithm family. Fields:
//   family   algorithm family of the catalogue
//   core     Core: 16C5x, 12-bit serial or 14-bit; picks blank check, verify and read
//   program  Program_Routine: P-5x, P-14, P-row, P-new or P-12
//   erase    Erase_Routine: none (the button does nothing), E-CP, E-bulk, E-629 or E-509
const std::array<Family_Routines, 25> kFamily_Routines = {{
    {.family = 1,
     .core = Core::C16C5x,
     .program = Program_Routine::P_5x,
     .erase = Erase_Routine::None},
    {.family = 2,
     .core = Core::C16C5x,
     .program = Program_Routine::P_5x,
     .erase = Erase_Routine::None},
    {.family = 3,
     .core = Core::C16C5x,
     .program = Program_Routine::P_5x,
     .erase = Erase_Routine::None},
    {.family = 5,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::E_CP},
    {.family = 6,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 7,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 8,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 9,
     .core = Core::Serial14,
     .program = Program_Routine::P_row,
     .erase = Erase_Routine::E_bulk},
    {.family = 11,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 12,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::E_bulk},
    {.family = 13,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 14,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::E_CP},
    {.family = 16,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 19,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 20,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 22,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::E_CP},
    {.family = 23,
     .core = Core::Serial14,
     .program = Program_Routine::P_row,
     .erase = Erase_Routine::E_bulk},
    {.family = 24,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 26,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::None},
    {.family = 27,
     .core = Core::Serial14,
     .program = Program_Routine::P_14,
     .erase = Erase_Routine::E_629},
    {.family = 30,
     .core = Core::Serial12,
     .program = Program_Routine::P_12,
     .erase = Erase_Routine::None},
    {.family = 31,
     .core = Core::Serial12,
     .program = Program_Routine::P_12,
     .erase = Erase_Routine::E_509},
    {.family = 32,
     .core = Core::Serial14,
     .program = Program_Routine::P_new,
     .erase = Erase_Routine::E_bulk},
    {.family = 33,
     .core = Core::Serial14,
     .program = Program_Routine::P_new,
     .erase = Erase_Routine::E_bulk},
    {.family = 34,
     .core = Core::Serial12,
     .program = Program_Routine::P_12,
     .erase = Erase_Routine::None},
}};

}  // namespace

const Family_Routines* Find_Routines(int family) {
  auto it = std::find_if(kFamily_Routines.begin(), kFamily_Routines.end(),
                         [&](const Family_Routines& r) { return r.family == family; });
  return it == kFamily_Routines.end() ? nullptr : &*it;
}

uint16_t Word_Mask(Core core) {
  return core == Core::Serial14 ? 0x3FFF : 0x0FFF;
}

}  // namespace picprog
