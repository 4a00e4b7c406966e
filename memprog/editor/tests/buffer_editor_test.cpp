#include "memprog/editor/buffer_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace memprog {
namespace {

using common::Edit_Key;
using common::Redraw;

class BufferEditorTest : public ::testing::Test {
 protected:
  // Exactly the buffer's size, so that a step past its end is caught by the sanitizer build.
  std::vector<uint8_t> buf = std::vector<uint8_t>(kImage_Size);
  Buffer_Editor ed{buf.data()};

  void Key(Edit_Key key, int times = 1) {
    for (int i = 0; i < times; ++i) {
      ed.Edit1KeyDown(key);
      ed.Edit1KeyUp();
    }
  }
  void Type(std::u32string_view text) {
    for (char32_t c : text) {
      ed.Edit1KeyDown(Edit_Key::Other);
      ed.Edit1KeyPress(c);
      ed.Edit1KeyUp();
    }
  }
  void Field_Keys(std::u32string_view keys) {
    for (char32_t c : keys) ed.Chg_Edit_AddKeyPress(c);
  }
  void Jump(std::u32string_view address) {
    ed.Edit_InfoClick();
    Field_Keys(address);
    ed.Chg_Edit_AddKeyPress(U'\r');
  }
  void Click(int line, int column) { ed.Edit1MouseDown(kEdit1_Grid.Position({line, column})); }
  int32_t Cursor() const { return ed.View_Base() + 16 * ed.Edit_Row() + ed.Edit_Col(); }
};

TEST_F(BufferEditorTest, OpensOnTheLineOfTheBufferStart) {
  buf[0x1234] = 0x41;
  ed.EditClick(0x1237);
  EXPECT_TRUE(ed.Open());
  EXPECT_EQ(ed.View_Base(), 0x1230);
  EXPECT_EQ(Cursor(), 0x1230);
  EXPECT_EQ(ed.Take_Change().kind, Redraw::Page);
  EXPECT_EQ(ed.Lines()[0].substr(0, 20), "001230  00 00 00 00 ");
  EXPECT_EQ(ed.Lines()[1].substr(0, 6), "001240");
  EXPECT_EQ(ed.Lines()[15].substr(0, 6), "001320");

  Key(Edit_Key::Right, 4);
  EXPECT_EQ(ed.Edit_Info(), "Address=001234             Hex Data=41               Ascii Data=A");
}

TEST_F(BufferEditorTest, OpeningResetsThePlaceButKeepsTheArea) {
  ed.EditClick(0);
  Click(3, Char_Column(5));
  ASSERT_TRUE(ed.Edit1Exit());
  ed.EditClick(0x100);
  EXPECT_EQ(Cursor(), 0x100);
  EXPECT_EQ(ed.Edit_In_Ascii(), 1);
}

TEST_F(BufferEditorTest, KeysWithinTheLine) {
  ed.EditClick(0);
  Key(Edit_Key::End);
  EXPECT_EQ(ed.Edit_Col(), 15);
  Key(Edit_Key::Home);
  EXPECT_EQ(ed.Edit_Col(), 0);
  Key(Edit_Key::Right, 2);
  Type(U"7");  // the low digit is next
  ASSERT_EQ(ed.Edit_Nibble(), 1);
  Key(Edit_Key::Left);  // back to the high digit of the same byte
  EXPECT_EQ(ed.Edit_Col(), 2);
  EXPECT_EQ(ed.Edit_Nibble(), 0);
  Key(Edit_Key::Left);
  EXPECT_EQ(ed.Edit_Col(), 1);
  Type(U"7");
  Key(Edit_Key::End);
  EXPECT_EQ(ed.Edit_Nibble(), 0);
  Key(Edit_Key::Down, 2);
  Key(Edit_Key::Up);
  EXPECT_EQ(Cursor(), 0x1F);
}

TEST_F(BufferEditorTest, RightFromTheLastByteOfThePageShowsTheNextPage) {
  buf[0x200] = 0x5A;
  ed.EditClick(0x100);
  Key(Edit_Key::End);
  Key(Edit_Key::Down, 15);
  ASSERT_EQ(Cursor(), 0x1FF);
  ed.Take_Change();
  Key(Edit_Key::Right);
  EXPECT_EQ(ed.View_Base(), 0x200);
  EXPECT_EQ(ed.Edit_Row(), 0);
  EXPECT_EQ(ed.Edit_Col(), 0);
  EXPECT_EQ(ed.Take_Change().kind, Redraw::Page);
  EXPECT_EQ(ed.Lines()[0].substr(0, 10), "000200  5A");
  EXPECT_EQ(ed.Edit_Info().substr(0, 14), "Address=000200");
}

TEST_F(BufferEditorTest, LeftFromTheFirstByteShowsThePreviousPage) {
  ed.EditClick(0x100);
  Key(Edit_Key::Left);
  EXPECT_EQ(ed.View_Base(), 0);
  EXPECT_EQ(ed.Edit_Row(), 15);
  EXPECT_EQ(ed.Edit_Col(), 15);
  Key(Edit_Key::Down);
  EXPECT_EQ(ed.View_Base(), 0x100);
  EXPECT_EQ(Cursor(), 0x10F);
}

TEST_F(BufferEditorTest, PagesMoveByTheirSizeAndKeepThePlace) {
  ed.EditClick(0x1000);
  Key(Edit_Key::Down, 3);
  Key(Edit_Key::Right, 2);
  Type(U"1");
  Key(Edit_Key::Page_Down);
  EXPECT_EQ(ed.View_Base(), 0x1100);
  EXPECT_EQ(Cursor(), 0x1132);
  EXPECT_EQ(ed.Edit_Nibble(), 0);
  Key(Edit_Key::Page_Up, 2);
  EXPECT_EQ(Cursor(), 0x0F32);
}

TEST_F(BufferEditorTest, BeforeTheFirstPageComesBackToTheFirstByte) {
  ed.EditClick(0x20);
  Key(Edit_Key::Down, 3);
  Key(Edit_Key::Right, 2);
  Key(Edit_Key::Page_Up);
  EXPECT_EQ(ed.View_Base(), 0);
  EXPECT_EQ(ed.Edit_Row(), 0);
  EXPECT_EQ(ed.Edit_Col(), 0);

  Key(Edit_Key::Right, 5);
  Key(Edit_Key::Up);
  EXPECT_EQ(Cursor(), 0);

  ed.EditClick(-1);  // a buffer start typed as FFFFFFFF
  EXPECT_EQ(ed.View_Base(), 0);
  EXPECT_EQ(Cursor(), 0);
}

TEST_F(BufferEditorTest, HexDigitsOverwriteTheByteAndMoveOn) {
  buf[0x1234] = 0x00;
  buf[0x1235] = 0x12;
  ed.EditClick(0x1230);
  Key(Edit_Key::Right, 4);
  ed.Take_Change();
  Type(U"41");
  EXPECT_EQ(buf[0x1234], 0x41);
  EXPECT_EQ(Cursor(), 0x1235);
  EXPECT_EQ(ed.Edit_Nibble(), 0);
  EXPECT_EQ(ed.Lines()[0].substr(Hex_Column(4), 2), "41");
  EXPECT_EQ(ed.Lines()[0][Char_Column(4)], 'A');
  const auto change = ed.Take_Change();
  EXPECT_EQ(change.kind, Redraw::Cell);
  EXPECT_EQ(
      change.cell,
      (common::Cell_Text{
          .line = 0, .hex_column = Hex_Column(4), .hex_length = 2, .char_column = Char_Column(4)}));

  Type(U"f");  // the high digit only
  EXPECT_EQ(buf[0x1235], 0xF2);

  const std::vector<uint8_t> before(buf.begin() + 0x1200, buf.begin() + 0x1300);
  const std::string line = ed.Lines()[0];
  ed.Take_Change();
  Type(U":g -");
  EXPECT_EQ(std::vector<uint8_t>(buf.begin() + 0x1200, buf.begin() + 0x1300), before);
  EXPECT_EQ(ed.Lines()[0], line);
  EXPECT_EQ(ed.Edit_Nibble(), 1);
  EXPECT_EQ(ed.Take_Change().kind, Redraw::None);
}

TEST_F(BufferEditorTest, CharactersAreStoredInTheCharacterArea) {
  ed.EditClick(0);
  Click(2, Char_Column(3));
  Type(U"Z\u00E9");
  EXPECT_EQ(buf[0x23], 'Z');
  EXPECT_EQ(buf[0x24], 0xE9);
  EXPECT_EQ(ed.Lines()[2][Char_Column(3)], 'Z');
  EXPECT_EQ(ed.Lines()[2].substr(Hex_Column(4), 2), "E9");
  EXPECT_EQ(ed.Lines()[2][Char_Column(4)], '.');
  EXPECT_EQ(Cursor(), 0x25);
}

TEST_F(BufferEditorTest, ControlKeysInTheCharacterAreaLeaveTheDataAlone) {
  buf[0x25] = 0x99;
  ed.EditClick(0);
  Click(2, Char_Column(5));
  ed.Take_Change();
  Type(U"\r\n\b\t\x1B\x7F\u20AC");
  EXPECT_EQ(buf[0x25], 0x99);
  EXPECT_EQ(Cursor(), 0x25);
  EXPECT_EQ(ed.Take_Change().kind, Redraw::None);
}

TEST_F(BufferEditorTest, TheLastByteOfALineWrapsAtTheNextKey) {
  buf[0x20] = 0x33;
  ed.EditClick(0);
  Click(1, Char_Column(15));
  Type(U"Q");
  EXPECT_EQ(ed.Edit_Col(), 16);
  EXPECT_EQ(kEdit1_Grid.At(ed.Caret()), (common::Line_Col{1, 74}));  // the end of the line
  EXPECT_EQ(ed.Edit_Info().substr(0, 14), "Address=00001F");
  EXPECT_EQ(ed.Edit_Info().back(), 'Q');
  Key(Edit_Key::Other);
  EXPECT_EQ(Cursor(), 0x20);
  EXPECT_EQ(ed.Edit_Info().substr(0, 14), "Address=000020");

  // Text that comes without a key-down still goes to the next line, not past it.
  ed.Take_Change();
  Click(1, Char_Column(15));
  ed.Edit1KeyPress(U'R');
  ed.Edit1KeyPress(U'S');
  EXPECT_EQ(buf[0x1F], 'R');
  EXPECT_EQ(buf[0x20], 'S');
  EXPECT_EQ(ed.Take_Change().kind, Redraw::Page);  // two cells since the last draw
}

TEST_F(BufferEditorTest, TheCaretFollowsTheCursorOnKeyRelease) {
  ed.EditClick(0);
  Click(2, Hex_Column(3) + 1);
  EXPECT_EQ(ed.Caret(), 2 * 76 + Hex_Column(3) + 1);
  ed.Edit1KeyDown(Edit_Key::Right);
  EXPECT_EQ(ed.Caret(), 2 * 76 + Hex_Column(3) + 1);
  ed.Edit1KeyUp();
  EXPECT_EQ(ed.Caret(), 2 * 76 + Hex_Column(4));
  Click(2, Char_Column(9));
  EXPECT_EQ(kEdit1_Grid.At(ed.Caret()), (common::Line_Col{2, Char_Column(9)}));
}

TEST_F(BufferEditorTest, MouseInTheHexArea) {
  ed.EditClick(0);
  Click(3, Hex_Column(4));
  EXPECT_EQ(Cursor(), 0x34);
  EXPECT_EQ(ed.Edit_In_Ascii(), 0);
  EXPECT_EQ(ed.Edit_Nibble(), 0);
  Click(3, Hex_Column(4) + 1);
  EXPECT_EQ(Cursor(), 0x34);
  EXPECT_EQ(ed.Edit_Nibble(), 1);
  Click(3, Hex_Column(4) + 2);  // the blank after a byte belongs to the next one
  EXPECT_EQ(Cursor(), 0x35);
  EXPECT_EQ(ed.Edit_Nibble(), 0);
  Click(3, 2);  // on the index
  EXPECT_EQ(Cursor(), 0x30);
  EXPECT_EQ(ed.Edit_In_Ascii(), 0);
  EXPECT_EQ(ed.Edit_Info().substr(0, 14), "Address=000030");
}

TEST_F(BufferEditorTest, MouseInTheCharacterArea) {
  ed.EditClick(0);
  Click(4, Char_Column(7));
  EXPECT_EQ(Cursor(), 0x47);
  EXPECT_EQ(ed.Edit_In_Ascii(), 1);
  for (int column : {55, 56, 57}) {  // the gap counts as the first character
    Click(4, column);
    EXPECT_EQ(Cursor(), 0x40) << column;
    EXPECT_EQ(ed.Edit_In_Ascii(), 1) << column;
  }
  ed.Edit1MouseDown(4 * 76 + 75);  // in the line break
  EXPECT_EQ(Cursor(), 0x4F);
  Click(20, Char_Column(2));  // below the last line
  EXPECT_EQ(ed.Edit_Row(), 15);
  EXPECT_EQ(Cursor(), 0xF2);
}

TEST_F(BufferEditorTest, JumpShowsTheLineAndKeepsThePlace) {
  ed.EditClick(0);
  Key(Edit_Key::Down, 2);
  Key(Edit_Key::Right, 3);
  ed.Edit_InfoClick();
  EXPECT_TRUE(ed.Chg_Edit_Add_Shown());
  Field_Keys(U"12345");
  ed.Take_Change();
  ed.Chg_Edit_AddKeyPress(U'\r');
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
  EXPECT_EQ(ed.View_Base(), 0x012340);
  EXPECT_EQ(ed.Lines()[0].substr(0, 6), "012340");
  EXPECT_EQ(Cursor(), 0x012363);
  EXPECT_EQ(ed.Take_Change().kind, Redraw::Page);
  EXPECT_TRUE(ed.Open());
}

TEST_F(BufferEditorTest, AddressFieldTakesSixHexDigits) {
  ed.EditClick(0x500);
  ed.Edit_InfoClick();
  Field_Keys(U"a-G 1b\u00E9c");
  EXPECT_EQ(ed.Chg_Edit_Add(), "A1BC");
  Field_Keys(U"d\bdef");
  EXPECT_EQ(ed.Chg_Edit_Add(), "A1BCDE");

  ed.Edit_InfoClick();  // starts empty again
  EXPECT_EQ(ed.Chg_Edit_Add(), "");
  ed.Chg_Edit_AddKeyPress(U'\b');
  ed.Take_Change();
  ed.Chg_Edit_AddKeyPress(U'\r');  // empty: no jump
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
  EXPECT_EQ(ed.View_Base(), 0x500);
  EXPECT_EQ(ed.Take_Change().kind, Redraw::None);

  ed.Edit_InfoClick();
  ed.Chg_Edit_AddExit();
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
}

TEST_F(BufferEditorTest, ThePageStaysInsideTheBuffer) {
  buf[0xFFFFFF] = 0x77;
  ed.EditClick(0);
  Jump(U"FFFFF0");
  EXPECT_EQ(ed.View_Base(), Buffer_Editor::kLast_Page);
  EXPECT_EQ(ed.Lines()[15], Edit1_Line(0xFFFFF0, buf.data() + 0xFFFFF0));
  EXPECT_EQ(ed.Lines()[15][Char_Column(15)], 'w');

  Key(Edit_Key::Page_Down);  // the last page stays
  EXPECT_EQ(ed.View_Base(), 0xFFFF00);
  Key(Edit_Key::Down, 20);  // and the cursor stops on the last byte
  EXPECT_EQ(Cursor(), 0xFFFFFF);
  EXPECT_EQ(ed.Edit_Info().substr(0, 14), "Address=FFFFFF");

  Key(Edit_Key::Right);
  EXPECT_EQ(Cursor(), 0xFFFFFF);
  Type(U"AB");
  EXPECT_EQ(buf[0xFFFFFF], 0xAB);
  EXPECT_EQ(ed.Edit_Info().substr(0, 14), "Address=FFFFFF");
  Type(U"CD");  // still the last byte, never beyond
  EXPECT_EQ(buf[0xFFFFFF], 0xCD);
  EXPECT_EQ(buf[0xFFFFFE], 0x00);
  EXPECT_EQ(ed.View_Base(), 0xFFFF00);
}

TEST_F(BufferEditorTest, NearTheEndTheNextLineSitsLowerOnTheLastPage) {
  ed.EditClick(0xFFFFFF);
  EXPECT_EQ(ed.View_Base(), 0xFFFF00);
  EXPECT_EQ(Cursor(), 0xFFFFF0);

  Jump(U"FFFE80");
  Click(0, 0);
  Key(Edit_Key::Down, 15);
  ASSERT_EQ(Cursor(), 0xFFFE80 + 0xF0);
  Key(Edit_Key::Down);
  EXPECT_EQ(ed.View_Base(), 0xFFFF00);
  EXPECT_EQ(Cursor(), 0xFFFF80);

  Jump(U"FFFE80");
  Key(Edit_Key::Page_Down);
  EXPECT_EQ(ed.View_Base(), 0xFFFF00);
}

TEST_F(BufferEditorTest, ClosingIsReportedOnce) {
  ed.EditClick(0);
  ed.Edit_InfoClick();
  EXPECT_TRUE(ed.Edit1Exit());
  EXPECT_FALSE(ed.Open());
  EXPECT_FALSE(ed.Chg_Edit_Add_Shown());
  EXPECT_FALSE(ed.Edit1Exit());
}

}  // namespace
}  // namespace memprog
