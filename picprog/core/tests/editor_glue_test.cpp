// The buffer editor on the window: pages, typing, the address field and closing.
#include "picprog/core/editor_glue.h"

#include "mcu9_fixture.h"
#include "picprog/editor/word_page.h"

namespace picprog {
namespace {

using common::Edit_Key;

std::string Row(Mcu9& m, int row) {
  return m.ui["Edit_1"].lines.at(static_cast<size_t>(row) + 1);
}

// The text position of word `col` of `row` (hex digits), as a click would give it.
int Position(int row, int col) {
  return kEdit_1_Grid.Position({row + 1, Word_Column(col)});
}

TEST_F(Mcu9Test, TheEditorOpensOnTheFirstPageAndPagesDownNoFurtherThanTheIDWords) {
  Start_With(97);
  m->Buf()[0] = 0x1234;
  EditClick(*m);
  EXPECT_TRUE(Visible("Edit_1"));
  EXPECT_FALSE(Visible("Pin_40"));
  ASSERT_EQ(ui("Edit_1").lines.size(), 17u);
  EXPECT_EQ(Row(*m, 0).substr(0, 10), "0000  1234");
  ID_StartClick(*m);
  EXPECT_EQ(Row(*m, 0).substr(0, 4), "2100");
  Edit_1KeyDown(*m, Edit_Key::Page_Down);
  EXPECT_EQ(m->Editor.Edit_Top(), 0x2100);
  EXPECT_EQ(Row(*m, 0).substr(0, 4), "2100");
  EE_StartClick(*m);
  EXPECT_EQ(Row(*m, 0).substr(0, 4), "2000");
}

TEST_F(Mcu9Test, TypedDigitsAreMaskedByTheBlankWord) {
  Start_With(1);  // 12C508/A
  EditClick(*m);
  for (char32_t c : std::u32string_view(U"3ABC")) Edit_1KeyPress(*m, c);
  EXPECT_EQ(m->Buf()[0], 0x0ABC);
  EXPECT_EQ(Row(*m, 0).substr(6, 4), "0ABC");
  EXPECT_EQ(m->Editor.Edit_Col(), 1);
}

TEST_F(Mcu9Test, TheHeaderOpensTheAddressFieldWhichJumpsOnEnter) {
  Start_With(97);
  EditClick(*m);
  Edit_1MouseDown(*m, 5);
  EXPECT_TRUE(Visible("Chg_Edit_Add"));
  EXPECT_EQ(ui("Chg_Edit_Add").caption, "");
  EXPECT_TRUE(Visible("Buf_Start"));
  EXPECT_TRUE(Visible("EE_Start"));  // the part has data EEPROM to go to
  EXPECT_TRUE(Visible("ID_Start"));
  for (char32_t c : std::u32string_view(U"a1")) Chg_Edit_AddKeyPress(*m, c);
  EXPECT_EQ(ui("Chg_Edit_Add").caption, "A1");
  Chg_Edit_AddKeyPress(*m, U'g');  // not hex: the entry starts again
  EXPECT_EQ(ui("Chg_Edit_Add").caption, "");
  for (char32_t c : std::u32string_view(U"a17\r")) Chg_Edit_AddKeyPress(*m, c);
  EXPECT_EQ(Row(*m, 0).substr(0, 4), "0A10");
  EXPECT_FALSE(Visible("Chg_Edit_Add"));
  EXPECT_FALSE(Visible("Buf_Start"));
  EXPECT_TRUE(Visible("Edit_1"));
}

TEST_F(Mcu9Test, AFieldThatLostItsFocusHidesAndPartsWithoutEraseGetNoEEpromLabel) {
  Start_With(1);
  EditClick(*m);
  Edit_1MouseDown(*m, 0);
  EXPECT_TRUE(Visible("Buf_Start"));
  EXPECT_FALSE(Visible("EE_Start"));
  Chg_Edit_AddExit(*m);
  EXPECT_FALSE(Visible("Chg_Edit_Add"));
  EXPECT_FALSE(Visible("ID_Start"));
  EXPECT_TRUE(Visible("Edit_1"));
}

TEST_F(Mcu9Test, ClosingTheEditorChecksumsAndShowsTheConfigurationWordTyped) {
  Start_With(97);
  EditClick(*m);
  Edit_1MouseDown(*m, Position(0, 1));
  for (char32_t c : std::u32string_view(U"0102")) Edit_1KeyPress(*m, c);
  ID_StartClick(*m);
  Edit_1MouseDown(*m, Position(0, 7));  // word 0x2107
  for (char32_t c : std::u32string_view(U"0000")) Edit_1KeyPress(*m, c);
  EXPECT_EQ(m->Fuse_Word, 0x3FFF);  // not yet
  Edit_1Exit(*m);
  EXPECT_FALSE(Visible("Edit_1"));
  EXPECT_EQ(ui("Chk_Sum_But").caption, "Checksum=0102");
  EXPECT_EQ(m->Fuse_Word, 0);
  EXPECT_TRUE(ui("Protec").checked);
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 0000");
}

}  // namespace
}  // namespace picprog
