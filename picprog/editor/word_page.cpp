#include "picprog/editor/word_page.h"

#include "common/hex.h"

namespace picprog {

namespace {

char Low_Byte_Char(uint16_t word) {
  return common::View_Char(static_cast<uint8_t>(word));
}

}  // namespace

std::string Edit_1_Row(int address, const uint16_t* words) {
  std::string row;
  row.reserve(kEdit_1_Grid.line_length);
  common::Append_Hex(row, static_cast<uint32_t>(address), 4);
  row += "  ";
  for (int i = 0; i < 8; ++i) {
    common::Append_Hex(row, words[i], 4);
    row += ' ';
  }
  row += "  ";
  for (int i = 0; i < 8; ++i) row += Low_Byte_Char(words[i]);
  return row;
}

void Put_Word(std::string& row, int col, uint16_t word) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (int i = 0; i < 4; ++i) row[Word_Column(col) + i] = kDigits[(word >> (12 - 4 * i)) & 0xF];
  row[Ascii_Column(col)] = Low_Byte_Char(word);
}

std::string Edit_1_Header(int address, uint16_t word) {
  std::string header = "Address = ";
  common::Append_Hex(header, static_cast<uint32_t>(address), 4);
  header += "      Hex Data = ";
  common::Append_Hex(header, word, 4);
  header += "       Ascii Data = ";
  header += Low_Byte_Char(word);
  return header;
}

}  // namespace picprog
