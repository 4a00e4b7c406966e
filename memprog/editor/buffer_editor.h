// Win_KV9's buffer editor without its widgets: the hex-and-character view Edit1 of the image
// buffer, 256 bytes a page, its information line Edit_Info and the jump-to-address field
// Chg_Edit_Add. The window forwards its events here and shows what this holds.
//
// Positions. Edit1MouseDown takes, and Caret gives, a character position in the view's text
// counted with 76 positions per line (74 characters and a two-character line break). A widget
// with one-character line breaks converts through kEdit1_Grid: Position({line, column}) for a
// click, At(Caret()) for the caret.
//
// Driving it:
// - "&Edit Buffer": EditClick(Buf_Start_Add). Show Edit1 and Edit_Info while Open().
// - Edit1: Edit1KeyDown for every key that goes down, then Edit1KeyPress when the key gives a
//   character, Edit1KeyUp when it is released (caret placement), Edit1MouseDown for a click.
// - Edit_Info click: Edit_InfoClick(); Chg_Edit_Add is then shown and takes the focus. Its
//   keys go to Chg_Edit_AddKeyPress ('\r' is Enter, '\b' Backspace); after Enter the field is
//   hidden and Edit1 takes the focus again. When the field loses the focus: Chg_Edit_AddExit.
// - When the focus leaves Edit1 and Chg_Edit_Add for another control: Edit1Exit. It returns true
//   when it closed the editor: the window then runs the buffer checksum.
// - After each event: Take_Change() says what of Edit1's text to refresh (all Lines(), or one
//   byte's characters in one line); Edit_Info() is the information line's caption and Caret()
//   the caret.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/text_view.h"
#include "memprog/editor/edit_page.h"
#include "memprog/image_size.h"

namespace memprog {

class Buffer_Editor {
 public:
  // The page never reaches past the buffer's last byte.
  static constexpr int32_t kLast_Page = int32_t{kImage_Size} - 256;

  // `Image_Buffer` holds kImage_Size bytes and outlives the editor.
  explicit Buffer_Editor(uint8_t* Image_Buffer);

  // ---- events
  void EditClick(int32_t Buf_Start_Add);
  void Edit1KeyDown(common::Edit_Key key);
  void Edit1KeyPress(char32_t c);
  void Edit1KeyUp();
  void Edit1MouseDown(int position);
  bool Edit1Exit();
  void Edit_InfoClick();
  void Chg_Edit_AddKeyPress(char32_t c);
  void Chg_Edit_AddExit();

  // ---- what the window shows
  bool Open() const { return open_; }
  const std::array<std::string, 16>& Lines() const { return lines_; }
  const std::string& Edit_Info() const { return edit_info_; }
  int Caret() const { return caret_; }
  bool Chg_Edit_Add_Shown() const { return address_shown_; }
  const std::string& Chg_Edit_Add() const { return address_text_; }
  common::View_Change Take_Change() { return changes_.Take(); }

  // ---- editor state
  int32_t View_Base() const { return view_base_; }
  int Edit_Row() const { return edit_row_; }
  int Edit_Col() const { return edit_col_; }
  int Edit_In_Ascii() const { return edit_in_ascii_; }
  int Edit_Nibble() const { return edit_nibble_; }

 private:
  void Page_Redraw();
  void Show_Line(int32_t index);
  void Wrap();
  void Byte_Redraw();
  void Place_Caret();
  void Info_Update();
  int32_t Cursor_Index() const { return view_base_ + 16 * edit_row_ + edit_col_; }

  uint8_t* buf_;
  int32_t view_base_ = 0;
  int edit_row_ = 0;
  int edit_col_ = 0;
  int edit_in_ascii_ = 0;
  int edit_nibble_ = 0;
  bool open_ = false;
  bool address_shown_ = false;
  std::string address_text_;
  std::array<std::string, 16> lines_;
  std::string edit_info_;
  int caret_ = 0;
  common::Change_Log changes_;
};

}  // namespace memprog
