#include "picprog/editor/word_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace picprog {
namespace {

using common::Edit_Key;
using common::Redraw;

class WordEditorTest : public ::testing::Test {
 protected:
  std::vector<uint16_t> buf = std::vector<uint16_t>(Word_Editor::kPic_Buf_Words);
  Word_Editor ed{buf.data()};

  void Key(Edit_Key key, int times = 1) {
    for (int i = 0; i < times; ++i) {
      ed.Edit_1KeyDown(key);
      ed.Edit_1KeyUp();
    }
  }
  void Type(std::u32string_view text, uint16_t fuse_blank = 0x3FFF) {
    for (char32_t c : text) {
      ed.Edit_1KeyDown(Edit_Key::Other);
      ed.Edit_1KeyPress(c, fuse_blank);
      ed.Edit_1KeyUp();
    }
  }
  void Click(int line, int column, bool erase_flag = false) {
    ed.Edit_1MouseDown(kEdit_1_Grid.Position({line, column}), erase_flag);
  }
  void Field_Keys(std::u32string_view keys) {
    for (char32_t c : keys) ed.Chg_Edit_AddKeyPress(c);
  }
  void Jump(std::u32string_view address) {
    Click(0, 12);
    Field_Keys(address);
    ed.Chg_Edit_AddKeyPress(U'\r');
  }
  int Cursor() const { return ed.Edit_Top() + 8 * ed.Edit_Row() + ed.Edit_Col(); }
  std::string Row_Address(int row) const { return ed.Lines()[row + 1].substr(0, 4); }
};

TEST_F(WordEditorTest, OpensOnTheFirstPageUnderTheHeader) {
  buf[0] = 0x3441;
  buf[0x7F] = 0x0020;
  ed.EditClick();
  EXPECT_TRUE(ed.Open());
  EXPECT_EQ(ed.Take_Change().kind, Redraw::Page);
  EXPECT_EQ(ed.Lines()[0], "Address = 0000      Hex Data = 3441       Ascii Data = A");
  EXPECT_EQ(ed.Lines()[1].substr(0, 11), "0000  3441 ");
  EXPECT_EQ(ed.Lines()[16], Edit_1_Row(0x78, buf.data() + 0x78));
  EXPECT_EQ(ed.Caret(), 64);
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
}

TEST_F(WordEditorTest, PagesStopAtTheIdWords) {
  ed.EditClick();
  ed.EE_StartClick();
  Key(Edit_Key::Page_Down);
  EXPECT_EQ(ed.Edit_Top(), 0x2080);
  Key(Edit_Key::Page_Down);
  EXPECT_EQ(ed.Edit_Top(), 0x2100);
  Key(Edit_Key::Down, 3);
  ed.Take_Change();
  Key(Edit_Key::Page_Down);  // 0x2180 lies past the configuration area
  EXPECT_EQ(ed.Edit_Top(), 0x2100);
  EXPECT_EQ(Row_Address(0), "2100");
  EXPECT_EQ(ed.Edit_Row(), 3);
  EXPECT_EQ(ed.Take_Change().kind, Redraw::Page);
  Key(Edit_Key::Page_Up);
  EXPECT_EQ(ed.Edit_Top(), 0x2080);
}

TEST_F(WordEditorTest, JumpTakesTheAddressDownToSixteenWordsAndClamps) {
  ed.EditClick();
  Jump(U"1235");
  EXPECT_EQ(ed.Edit_Top(), 0x1230);
  EXPECT_EQ(Cursor(), 0x1230);  // the click on the header took the cursor to the first word
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
  Jump(U"217f");
  EXPECT_EQ(ed.Edit_Top(), 0x2170);
  EXPECT_EQ(Row_Address(15), "21E8");
  Jump(U"2500");
  EXPECT_EQ(ed.Edit_Top(), 0x2100);
  Jump(U"3000");
  EXPECT_EQ(ed.Edit_Top(), 0);
  Jump(U"FFFF");
  EXPECT_EQ(ed.Edit_Top(), 0);
}

TEST_F(WordEditorTest, BeforeTheFirstPageComesBackToTheFirstWord) {
  ed.EditClick();
  Key(Edit_Key::Down, 4);
  Key(Edit_Key::Right, 6);
  Key(Edit_Key::Page_Up);
  EXPECT_EQ(ed.Edit_Top(), 0);
  EXPECT_EQ(Cursor(), 0);
  EXPECT_EQ(ed.Edit_Nibble(), 0);
  Key(Edit_Key::Right, 5);
  Key(Edit_Key::Up);
  EXPECT_EQ(Cursor(), 0);
  EXPECT_EQ(Row_Address(0), "0000");
}

TEST_F(WordEditorTest, KeysStepDigitsColumnsRowsAndPages) {
  ed.EditClick();
  Key(Edit_Key::Down);
  Key(Edit_Key::Left);  // from the first digit of a row to the last digit of the row above
  EXPECT_EQ(Cursor(), 7);
  EXPECT_EQ(ed.Edit_Nibble(), 3);
  Key(Edit_Key::Right);
  EXPECT_EQ(Cursor(), 8);
  EXPECT_EQ(ed.Edit_Nibble(), 0);
  Key(Edit_Key::Right, 2);
  EXPECT_EQ(Cursor(), 8);
  EXPECT_EQ(ed.Edit_Nibble(), 2);
  EXPECT_EQ(ed.Caret(), 58 * 1 + 64 + 2);
  Key(Edit_Key::End);  // column 8 is the next row's first word
  EXPECT_EQ(Cursor(), 16);
  Key(Edit_Key::Right, 3);
  Key(Edit_Key::Home);
  EXPECT_EQ(Cursor(), 16);
  EXPECT_EQ(ed.Edit_Nibble(), 1);

  Key(Edit_Key::Right, 5);
  Key(Edit_Key::Down, 13);
  ASSERT_EQ(ed.Edit_Row(), 15);
  Key(Edit_Key::Down);  // the next page's first word
  EXPECT_EQ(ed.Edit_Top(), 0x80);
  EXPECT_EQ(Cursor(), 0x80);
  Key(Edit_Key::Right, 6);
  Key(Edit_Key::Up);  // the previous page's last word
  EXPECT_EQ(ed.Edit_Top(), 0);
  EXPECT_EQ(Cursor(), 0x7F);
  EXPECT_EQ(ed.Lines()[0].substr(0, 14), "Address = 007F");
}

TEST_F(WordEditorTest, AsciiAreaStepsByCharacter) {
  ed.EditClick();
  Click(3, Ascii_Column(3));
  Key(Edit_Key::Left);
  EXPECT_EQ(Cursor(), 0x12);
  Key(Edit_Key::Right, 6);
  EXPECT_EQ(Cursor(), 0x18);
  EXPECT_EQ(ed.Caret(), kEdit_1_Grid.Position({4, Ascii_Column(0)}));
}

TEST_F(WordEditorTest, HexDigitsAreMaskedWithTheBlankFuseValue) {
  buf[0] = 0x1111;
  ed.EditClick();
  ed.Take_Change();
  Type(U"AB", 0x0FFF);
  EXPECT_EQ(buf[0], 0x0B11);
  EXPECT_EQ(ed.Edit_Nibble(), 2);
  Type(U"cd", 0x0FFF);
  EXPECT_EQ(buf[0], 0x0BCD);
  EXPECT_EQ(Cursor(), 1);
  EXPECT_EQ(ed.Edit_Nibble(), 0);
  EXPECT_EQ(ed.Lines()[1].substr(Word_Column(0), 4), "0BCD");
  EXPECT_EQ(ed.Take_Change().cell, (common::Cell_Text{.line = 1,
                                                      .hex_column = Word_Column(0),
                                                      .hex_length = 4,
                                                      .char_column = Ascii_Column(0)}));
  Type(U"FFFF");
  EXPECT_EQ(buf[1], 0x3FFF);
  EXPECT_EQ(ed.Lines()[1].substr(Word_Column(1), 4), "3FFF");

  const std::vector<uint16_t> before = buf;
  ed.Take_Change();
  Type(U":g\r");
  EXPECT_EQ(buf, before);
  EXPECT_EQ(Cursor(), 2);
  EXPECT_EQ(ed.Take_Change().kind, Redraw::None);
}

TEST_F(WordEditorTest, AsciiCharacterBecomesTheWholeWord) {
  buf[0x2005] = 0x3FFF;
  ed.EditClick();
  ed.EE_StartClick();
  Click(1, Ascii_Column(5));
  Type(U"A\r\b\t", 0x0FFF);
  EXPECT_EQ(buf[0x2005], 0x0041);
  EXPECT_EQ(buf[0x2006], 0x0000);
  EXPECT_EQ(Cursor(), 0x2006);
  EXPECT_EQ(ed.Lines()[1].substr(Word_Column(5), 4), "0041");
  EXPECT_EQ(ed.Lines()[1][Ascii_Column(5)], 'A');
}

TEST_F(WordEditorTest, HeaderShowsTheWordJustTypedAtTheEndOfARow) {
  ed.EditClick();
  Click(1, Word_Column(7));
  Type(U"1234");
  EXPECT_EQ(ed.Edit_Col(), 8);
  EXPECT_EQ(ed.Lines()[0], "Address = 0007      Hex Data = 1234       Ascii Data = 4");
  Key(Edit_Key::Other);
  EXPECT_EQ(Cursor(), 8);
}

TEST_F(WordEditorTest, MouseOnTheRows) {
  ed.EditClick();
  Click(4, Word_Column(2) + 1);
  EXPECT_EQ(Cursor(), 0x1A);
  EXPECT_FALSE(ed.Edit_In_Ascii());
  EXPECT_EQ(ed.Edit_Nibble(), 1);
  EXPECT_EQ(ed.Caret(), kEdit_1_Grid.Position({4, Word_Column(2) + 1}));
  EXPECT_EQ(ed.Lines()[0].substr(0, 14), "Address = 001A");
  Click(4, Word_Column(2) + 4);  // the blank after a word: its last digit
  EXPECT_EQ(Cursor(), 0x1A);
  EXPECT_EQ(ed.Edit_Nibble(), 3);
  Click(4, 46);  // between the areas
  EXPECT_EQ(Cursor(), 0x1F);
  EXPECT_FALSE(ed.Edit_In_Ascii());
  Click(4, 47);
  EXPECT_EQ(Cursor(), 0x18);
  EXPECT_TRUE(ed.Edit_In_Ascii());
  Click(4, Ascii_Column(6));
  EXPECT_EQ(Cursor(), 0x1E);
  ed.Edit_1MouseDown(5 * 58 - 1, false);  // in the line break
  EXPECT_EQ(Cursor(), 0x1F);
  Click(3, 2);  // on the address
  EXPECT_EQ(Cursor(), 0x10);
  EXPECT_FALSE(ed.Edit_In_Ascii());
  Click(30, Ascii_Column(1));  // below the last row
  EXPECT_EQ(Cursor(), 0x79);
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
}

TEST_F(WordEditorTest, ClickOnTheHeaderAddressOffersTheJump) {
  ed.EditClick();
  Key(Edit_Key::Down, 5);
  Click(0, 16);
  EXPECT_TRUE(ed.Open());
  EXPECT_TRUE(ed.Chg_Edit_Add_Shown());
  EXPECT_EQ(ed.Chg_Edit_Add(), "");
  EXPECT_TRUE(ed.Buf_Start_Shown());
  EXPECT_TRUE(ed.ID_Start_Shown());
  EXPECT_FALSE(ed.EE_Start_Shown());
  EXPECT_EQ(Cursor(), 0);
  ed.Chg_Edit_AddExit();
  EXPECT_FALSE(ed.Buf_Start_Shown());
  EXPECT_FALSE(ed.ID_Start_Shown());

  Click(0, 17);  // past the address: no field
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
  Click(0, 3, true);
  EXPECT_TRUE(ed.EE_Start_Shown());
}

TEST_F(WordEditorTest, LabelsShowTheirAreas) {
  ed.EditClick();
  Click(0, 0, true);
  ed.EE_StartClick();
  EXPECT_EQ(ed.Edit_Top(), 0x2000);
  EXPECT_EQ(Row_Address(0), "2000");
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
  EXPECT_FALSE(ed.EE_Start_Shown());
  ed.ID_StartClick();
  EXPECT_EQ(ed.Edit_Top(), 0x2100);
  ed.Buf_StartClick();
  EXPECT_EQ(ed.Edit_Top(), 0);
}

TEST_F(WordEditorTest, AddressFieldTakesFourHexDigits) {
  ed.EditClick();
  ed.ID_StartClick();
  Click(0, 0);
  Field_Keys(U"2a");
  EXPECT_EQ(ed.Chg_Edit_Add(), "2A");
  Field_Keys(U"G");  // spoils the entry
  EXPECT_EQ(ed.Chg_Edit_Add(), "");
  Field_Keys(U"123456\b7");
  EXPECT_EQ(ed.Chg_Edit_Add(), "1237");
  Field_Keys(U"\b\b\b\b\b");
  ed.Take_Change();
  ed.Chg_Edit_AddKeyPress(U'\r');  // empty: the page is drawn again where it was
  EXPECT_EQ(ed.Edit_Top(), 0x2100);
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
  EXPECT_EQ(ed.Take_Change().kind, Redraw::Page);
}

TEST_F(WordEditorTest, TheCursorStopsOnTheLastWordOfTheLastPage) {
  ed.EditClick();
  Jump(U"2170");
  Click(16, Word_Column(7) + 3);
  ASSERT_EQ(Cursor(), 0x21EF);
  Key(Edit_Key::Right);
  EXPECT_EQ(ed.Edit_Top(), 0x2170);
  EXPECT_EQ(Cursor(), 0x21EF);
  EXPECT_EQ(ed.Edit_Nibble(), 3);
  Type(U"12");  // the last digit again, never the word after
  EXPECT_EQ(buf[0x21EF], 0x0002);
  EXPECT_EQ(buf[0x21F0], 0x0000);
  Click(16, Word_Column(3));
  Key(Edit_Key::Down);
  EXPECT_EQ(Cursor(), 0x21EF);
}

TEST_F(WordEditorTest, ClosingIsReportedOnce) {
  ed.EditClick();
  Click(0, 0);
  EXPECT_TRUE(ed.Edit_1Exit());
  EXPECT_FALSE(ed.Open());
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
  EXPECT_FALSE(ed.Edit_1Exit());
}

}  // namespace
}  // namespace picprog
