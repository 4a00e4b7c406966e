// Where a device byte lives in the image buffer, and the guard that keeps every index inside it.
#pragma once

#include <cstdint>

#include "memprog/core/kv9.h"

namespace memprog {

// The buffer position of device byte i: i in byte mode, 2i in "Word Even/High", 2i + 1 in
// "Word Odd/Low". Positions are 64-bit so that large ranges cannot wrap into the buffer.
inline int64_t Buffer_Position(Program_Type prg_type, int64_t i) {
  switch (prg_type) {
    case Program_Type::Word_Even_High:
      return 2 * i;
    case Program_Type::Word_Odd_Low:
      return 2 * i + 1;
    default:
      return i;
  }
}

inline bool In_Buffer(int64_t index) {
  return index >= 0 && index < kImage_Size;
}

// The last buffer index the device range covers: Dev_End_Add, or 2 x Dev_End_Add + 1 when the
// buffer holds 16-bit words.
inline int64_t Range_End_Index(const Kv9& k) {
  bool words =
      k.Prg_Type == Program_Type::Word_Even_High || k.Prg_Type == Program_Type::Word_Odd_Low;
  return words ? 2 * int64_t{k.Dev_End_Add} + 1 : int64_t{k.Dev_End_Add};
}

}  // namespace memprog
