// The lines of both buffer editors' hex-and-character views, of bytes or of 16-bit words.
#pragma once

#include <cstdint>
#include <string>

#include "common/hex.h"
#include "common/text_view.h"

namespace common {

// `count` cells: `address` in `address_digits` hex digits, two blanks, each cell in hex (two
// digits a byte) and a blank, two blanks, then each cell's low byte as a character.
template <class Cell>
std::string Hex_View_Line(uint32_t address, int address_digits, const Cell* cells, int count) {
  constexpr int kCell_Digits = 2 * sizeof(Cell);
  std::string line;
  line.reserve(address_digits + 4 + count * (kCell_Digits + 2));
  Append_Hex(line, address, address_digits);
  line += "  ";
  for (int i = 0; i < count; ++i) {
    Append_Hex(line, cells[i], kCell_Digits);
    line += ' ';
  }
  line += "  ";
  for (int i = 0; i < count; ++i) line += View_Char(static_cast<uint8_t>(cells[i]));
  return line;
}

// Rewrites one cell of such a line in place: its hex digits from `hex_column` and its character
// at `char_column`.
template <class Cell>
void Put_Cell(std::string& line, int hex_column, int char_column, Cell value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  constexpr int kCell_Digits = 2 * sizeof(Cell);
  for (int i = 0; i < kCell_Digits; ++i)
    line[hex_column + i] = kDigits[(value >> (4 * (kCell_Digits - 1 - i))) & 0xF];
  line[char_column] = View_Char(static_cast<uint8_t>(value));
}

}  // namespace common
