// Which routine each algorithm family uses for each operation, and the word width of its core.
#pragma once

#include <cstdint>

namespace picprog {

// The core picks the blank-check, verify and read routines (B-, V-, R-) and the word width.
enum class Core {
  C16C5x,    // 12-bit parts in the adapter: B-5x, V-5x, R-5x; reads come as bits 11..4, 3..0
  Serial12,  // 12-bit serial parts: B-12, V-12, R-12
  Serial14,  // 14-bit parts: B-14, V-14, R-14
};

enum class Program_Routine { P_5x, P_14, P_row, P_new, P_12 };

enum class Erase_Routine { None, E_CP, E_bulk, E_629, E_509 };

struct Family_Routines {
  int family;
  Core core;
  Program_Routine program;
  Erase_Routine erase;
};

// The family's row; nullptr for 0 and the numbers no device uses.
const Family_Routines* Find_Routines(int family);

// Bits a program, ID or configuration word of the core holds: 0x0FFF or 0x3FFF.
uint16_t Word_Mask(Core core);

}  // namespace picprog
