// The family routines the operation handlers run between Pic_Begin and the closing text. Each
// returns as soon as the run stops (Quit, reply time-out, a failed block, a lost programmer) and
// sends nothing more then.
#pragma once

#include <cstdint>

#include "picprog/core/mcu9.h"
#include "picprog/ops/routine_table.h"

namespace picprog {

// B-5x, B-14, B-12: program memory and the ID words against the core's erased word.
void Blank_Check(Mcu9& m, Core core);
// V-5x, V-14, V-12: against the buffer, in the core's word width.
void Verify(Mcu9& m, Core core);
// R-5x, R-14, R-12: into the buffer.
void Read_Device(Mcu9& m, Core core);

// P-5x, P-14, P-row, P-new, P-12. A packet the programmer reports as failed stops the routine.
void Program(Mcu9& m, Program_Routine routine);

enum class Erase_Result {
  Done,      // as far as the run got; Stop_Code tells whether it was stopped
  Declined,  // the user kept the part rather than lose its calibration word
};
// E-CP, E-bulk, E-629, E-509 (nothing for None).
Erase_Result Erase(Mcu9& m, Erase_Routine routine);

// Words of data EEPROM the part has: 64, 128 or 256; 0 without.
uint16_t EE_Words(const Mcu9& m);
void Program_EE(Mcu9& m);
// Compares the low byte of each word: the part holds bytes, the buffer may hold 0x3FFF.
void Verify_EE(Mcu9& m);

}  // namespace picprog
