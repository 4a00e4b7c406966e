// Win_Mcu9's buffer editor without its widgets: the word view Edit_1 of Pic_Buf, 128 words a
// page under a header line, with the jump-to-address field Chg_Edit_Add and its three labels
// Buf_Start ("Start of Buffer"), EE_Start ("Start of EEprom") and ID_Start ("Start of ID"). The
// window forwards its events here and shows what this holds.
//
// Positions. Edit_1MouseDown takes, and Caret gives, a character position in Edit_1's text
// counted with 58 positions per line (56 characters and a two-character line break), the header
// being line 0. A widget with one-character line breaks converts through kEdit_1_Grid:
// Position({line, column}) for a click, At(Caret()) for the caret.
//
// Driving it:
// - "&Edit Buffer": EditClick(). Show Edit_1 while Open().
// - Edit_1: Edit_1KeyDown for every key that goes down, then Edit_1KeyPress when the key gives a
//   character (with the selected device's Fuse_Blank), Edit_1KeyUp when it is released (caret
//   placement), Edit_1MouseDown for a click (with the selected device's Erase flag).
// - A click on the header's address shows Chg_Edit_Add, which takes the focus, and the labels.
//   The field's keys go to Chg_Edit_AddKeyPress ('\r' is Enter, '\b' Backspace); Enter and the
//   label clicks redraw the page, hide the field and the labels and give Edit_1 the focus. When
//   the field loses the focus: Chg_Edit_AddExit.
// - When the focus leaves Edit_1 and Chg_Edit_Add for another control: Edit_1Exit. It returns
//   true when it closed the editor: the buffer may have changed, so the window recomputes the
//   checksum.
// - After each event: Take_Change() says what of the rows to refresh (every line, or one word's
//   characters in one row); the header, Lines()[0], changes with every event; Caret() is the
//   caret.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/text_view.h"
#include "picprog/editor/word_page.h"

namespace picprog {

class Word_Editor {
 public:
  static constexpr int kPic_Buf_Words = 0x3000;

  // `Pic_Buf` holds kPic_Buf_Words words and outlives the editor.
  explicit Word_Editor(uint16_t* Pic_Buf);

  // ---- events
  void EditClick();
  void Edit_1KeyDown(common::Edit_Key key);
  void Edit_1KeyPress(char32_t c, uint16_t Fuse_Blank);
  void Edit_1KeyUp();
  void Edit_1MouseDown(int position, bool Erase_Flag);
  bool Edit_1Exit();
  void Buf_StartClick() { Jump(0x0000); }
  void EE_StartClick() { Jump(0x2000); }
  void ID_StartClick() { Jump(0x2100); }
  void Chg_Edit_AddKeyPress(char32_t c);
  void Chg_Edit_AddExit() { address_shown_ = false; }

  // ---- what the window shows
  bool Open() const { return open_; }
  const std::array<std::string, 17>& Lines() const { return lines_; }  // header, then 16 rows
  int Caret() const { return caret_; }
  bool Chg_Edit_Add_Shown() const { return address_shown_; }
  const std::string& Chg_Edit_Add() const { return address_text_; }
  bool Buf_Start_Shown() const { return address_shown_; }
  bool EE_Start_Shown() const { return address_shown_ && ee_start_; }
  bool ID_Start_Shown() const { return address_shown_; }
  common::View_Change Take_Change() { return changes_.Take(); }

  // ---- editor state
  int Edit_Top() const { return edit_top_; }
  int Edit_Row() const { return edit_row_; }
  int Edit_Col() const { return edit_col_; }
  int Edit_Nibble() const { return edit_nibble_; }
  bool Edit_In_Ascii() const { return edit_in_ascii_; }

 private:
  void Draw();
  void Format_Page();
  void Jump(int top);
  void Wrap();
  void Header();
  void Word_Redraw();
  void Place_Caret();
  int Cursor_Word() const { return edit_top_ + 8 * edit_row_ + edit_col_; }

  uint16_t* buf_;
  int edit_top_ = 0;
  int edit_row_ = 0;
  int edit_col_ = 0;
  int edit_nibble_ = 0;
  bool edit_in_ascii_ = false;
  bool open_ = false;
  bool address_shown_ = false;
  bool ee_start_ = false;
  std::string address_text_;
  std::array<std::string, 17> lines_;
  int caret_ = 0;
  common::Change_Log changes_;
};

}  // namespace picprog
