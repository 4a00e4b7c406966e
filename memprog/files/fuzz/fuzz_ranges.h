// The range settings every fuzzed or corpus file is loaded with: the usual ones, and ones that
// put data at the edges of the buffer (a start near its end, a negative start and offset, a
// device larger than the buffer in word mode).
#pragma once

#include "memprog/files/buffer_file.h"

namespace memprog {

inline constexpr File_Ranges kFuzz_Ranges[] = {
    {.Dev_End_Add = 0xFFFF, .Dev_Last_Add = 0xFFFF},
    {.Buf_Start_Add = 0xFFFFF0,
     .Dev_End_Add = 0x7FFFFFF,
     .Dev_Last_Add = 0x7FFFFFF,
     .Hex_End_Add = -1,
     .Prg_Type = 1},
    {.Buf_Start_Add = -5,
     .Dev_End_Add = 0x1FFFFF,
     .Dev_Last_Add = 0x1FFFFF,
     .Hex_Start_Add = 0x10,
     .Hex_End_Add = 0x1FFFFF,
     .Hex_Offset = -0x8000},
};

}  // namespace memprog
