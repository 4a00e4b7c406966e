#include "picprog/editor/word_page.h"

#include "common/hex.h"
#include "common/hex_view.h"

namespace picprog {

namespace {

char Low_Byte_Char(uint16_t word) {
  return common::View_Char(static_cast<uint8_t>(word));
}

}  // namespace

std::string Edit_1_Row(int address, const uint16_t* words) {
  return common::Hex_View_Line(static_cast<uint32_t>(address), 4, words, 8);
}

void Put_Word(std::string& row, int col, uint16_t word) {
  common::Put_Cell(row, Word_Column(col), Ascii_Column(col), word);
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
