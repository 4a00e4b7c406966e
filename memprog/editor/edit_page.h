// The text of Win_KV9's buffer editor: one line per 16 buffer bytes, and the information line
// above the view.
//
// Line layout (74 characters): the buffer index of the line's first byte as 6 hex digits, two
// blanks, each of the 16 bytes as 2 hex digits and a blank, two blanks, the 16 bytes as
// characters.
#pragma once

#include <cstdint>
#include <string>

#include "common/text_view.h"

namespace memprog {

inline constexpr common::Text_Grid kEdit1_Grid{.line_length = 74, .stride = 76};

// Text columns of byte `col` (0 to 15) of a line.
constexpr int Hex_Column(int col) {
  return 8 + 3 * col;
}
constexpr int Char_Column(int col) {
  return 58 + col;
}

// The line for the 16 bytes at `bytes`, which sit at buffer index `index`.
std::string Edit1_Line(int32_t index, const uint8_t* bytes);

// Rewrites the hex digits and the character of byte `col` in `line`.
void Put_Byte(std::string& line, int col, uint8_t value);

// "Address=001234             Hex Data=41               Ascii Data=A"
std::string Edit_Info_Text(int32_t index, uint8_t value);

}  // namespace memprog
