#include "memprog/editor/edit_page.h"

#include "common/hex.h"

namespace memprog {

std::string Edit1_Line(int32_t index, const uint8_t* bytes) {
  std::string line;
  line.reserve(kEdit1_Grid.line_length);
  common::Append_Hex(line, static_cast<uint32_t>(index), 6);
  line += "  ";
  for (int i = 0; i < 16; ++i) {
    common::Append_Hex(line, bytes[i], 2);
    line += ' ';
  }
  line += "  ";
  for (int i = 0; i < 16; ++i) line += common::View_Char(bytes[i]);
  return line;
}

void Put_Byte(std::string& line, int col, uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  line[Hex_Column(col)] = kDigits[value >> 4];
  line[Hex_Column(col) + 1] = kDigits[value & 0xF];
  line[Char_Column(col)] = common::View_Char(value);
}

std::string Edit_Info_Text(int32_t index, uint8_t value) {
  std::string text = "Address=";
  common::Append_Hex(text, static_cast<uint32_t>(index), 6);
  text += "             Hex Data=";
  common::Append_Hex(text, value, 2);
  text += "               Ascii Data=";
  text += common::View_Char(value);
  return text;
}

}  // namespace memprog
