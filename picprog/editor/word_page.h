// The text of Win_Mcu9's buffer editor Edit_1: line 0 is the header, lines 1 to 16 show 8 words
// each.
//
// Row layout (56 characters): the address of the row's first word as 4 hex digits, two blanks,
// each of the 8 words as 4 hex digits and a blank, two blanks, the low byte of each word as a
// character. The header is 56 characters too.
#pragma once

#include <cstdint>
#include <string>

#include "common/text_view.h"

namespace picprog {

inline constexpr common::Text_Grid kEdit_1_Grid{.line_length = 56, .stride = 58};

// Text columns of word `col` (0 to 7) of a row.
constexpr int Word_Column(int col) {
  return 6 + 5 * col;
}
constexpr int Ascii_Column(int col) {
  return 48 + col;
}

// The row for the 8 words at `words`, which sit at word address `address`.
std::string Edit_1_Row(int address, const uint16_t* words);

// Rewrites the hex digits and the character of word `col` in `row`.
void Put_Word(std::string& row, int col, uint16_t word);

// "Address = 2107      Hex Data = 3FFF       Ascii Data = ."
std::string Edit_1_Header(int address, uint16_t word);

}  // namespace picprog
