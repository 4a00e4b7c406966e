#include "memprog/editor/edit_page.h"

#include "common/hex.h"
#include "common/hex_view.h"

namespace memprog {

std::string Edit1_Line(int32_t index, const uint8_t* bytes) {
  return common::Hex_View_Line(static_cast<uint32_t>(index), 6, bytes, 16);
}

void Put_Byte(std::string& line, int col, uint8_t value) {
  common::Put_Cell(line, Hex_Column(col), Char_Column(col), value);
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
