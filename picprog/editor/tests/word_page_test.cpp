#include "picprog/editor/word_page.h"

#include <gtest/gtest.h>

#include <string>

namespace picprog {
namespace {

TEST(WordPage, RowShowsAddressWordsAndLowBytes) {
  const uint16_t words[8] = {0x3441, 0x0000, 0x3FFF, 0x007F, 0x0080, 0x0020, 0x1234, 0x00FF};
  const std::string row = Edit_1_Row(0x2100, words);
  EXPECT_EQ(row, std::string("2100  3441 0000 3FFF 007F 0080 0020 1234 00FF   A..") + char(0x7F) +
                     ". 4.");
  EXPECT_EQ(row.size(), 56u);
  EXPECT_EQ(row.substr(Word_Column(6), 4), "1234");
  EXPECT_EQ(row[Ascii_Column(0)], 'A');
}

TEST(WordPage, PutWordRewritesOnlyThatWord) {
  const uint16_t words[8] = {};
  std::string row = Edit_1_Row(0, words);
  std::string expected = row;
  Put_Word(row, 7, 0x0BCD);
  expected.replace(Word_Column(7), 4, "0BCD");
  expected[Ascii_Column(7)] = '.';
  EXPECT_EQ(row, expected);
  Put_Word(row, 7, 0x3441);
  EXPECT_EQ(row.substr(Word_Column(7), 4), "3441");
  EXPECT_EQ(row[Ascii_Column(7)], 'A');
}

TEST(WordPage, HeaderIsOneLineOfTheView) {
  const std::string header = Edit_1_Header(0x2107, 0x3FFF);
  EXPECT_EQ(header, "Address = 2107      Hex Data = 3FFF       Ascii Data = .");
  EXPECT_EQ(header.size(), 56u);
  EXPECT_EQ(Edit_1_Header(0x0010, 0x3441),
            "Address = 0010      Hex Data = 3441       Ascii Data = A");
}

}  // namespace
}  // namespace picprog
