#include "memprog/editor/edit_page.h"

#include <gtest/gtest.h>

#include <string>

namespace memprog {
namespace {

TEST(EditPage, LineShowsIndexHexDigitsAndCharacters) {
  const uint8_t bytes[16] = {0x41, 0x7F, 0x80, 0x1F, 0x20, 0xFF, 0x00, 0x7E,
                             0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37};
  const std::string line = Edit1_Line(0x012340, bytes);
  EXPECT_EQ(line, std::string("012340  41 7F 80 1F 20 FF 00 7E 30 31 32 33 34 35 36 37   A") +
                      char(0x7F) + ".. .." + "~01234567");
  EXPECT_EQ(line.size(), 74u);
  EXPECT_EQ(line.substr(Hex_Column(5), 2), "FF");
  EXPECT_EQ(line[Char_Column(0)], 'A');
}

TEST(EditPage, PutByteRewritesOnlyThatByte) {
  const uint8_t bytes[16] = {};
  std::string line = Edit1_Line(0, bytes);
  std::string expected = line;
  Put_Byte(line, 15, 0x5A);
  expected[Hex_Column(15)] = '5';
  expected[Hex_Column(15) + 1] = 'A';
  expected[Char_Column(15)] = 'Z';
  EXPECT_EQ(line, expected);
}

TEST(EditPage, InformationLine) {
  EXPECT_EQ(Edit_Info_Text(0x1234, 0x41), "Address=001234" + std::string(13, ' ') + "Hex Data=41" +
                                              std::string(15, ' ') + "Ascii Data=A");
  EXPECT_EQ(Edit_Info_Text(0xFFFFFF, 0x80),
            "Address=FFFFFF             Hex Data=80               Ascii Data=.");
  EXPECT_EQ(Edit_Info_Text(0, 0x7F).back(), char(0x7F));
}

TEST(EditPage, GridConvertsPositionsWithTwoCharacterBreaks) {
  EXPECT_EQ(kEdit1_Grid.Position({2, 18}), 2 * 76 + 18);
  EXPECT_EQ(kEdit1_Grid.At(2 * 76 + 18), (common::Line_Col{2, 18}));
  EXPECT_EQ(kEdit1_Grid.At(76 + 75), (common::Line_Col{1, 74}));  // inside the break
  EXPECT_EQ(kEdit1_Grid.At(-3), (common::Line_Col{0, 0}));
}

}  // namespace
}  // namespace memprog
