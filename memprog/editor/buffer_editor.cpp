#include "memprog/editor/buffer_editor.h"

#include <algorithm>

#include "common/hex.h"

namespace memprog {

Buffer_Editor::Buffer_Editor(uint8_t* Image_Buffer) : buf_(Image_Buffer) {
  Page_Redraw();
}

void Buffer_Editor::EditClick(int32_t Buf_Start_Add) {
  open_ = true;
  edit_col_ = 0;
  Show_Line(Buf_Start_Add & ~0xF);
}

// The line at `index` becomes row 0 of the page; near the end of the buffer the page stops at the
// last one and the line sits lower on it.
void Buffer_Editor::Show_Line(int32_t index) {
  view_base_ = std::min(index, kLast_Page);
  edit_row_ = (index - view_base_) / 16;
  Page_Redraw();
}

void Buffer_Editor::Page_Redraw() {
  if (view_base_ < 0) {
    view_base_ = 0;
    edit_row_ = 0;
    edit_col_ = 0;
  }
  view_base_ = std::min(view_base_, kLast_Page);
  for (int i = 0; i < 16; ++i) {
    const int32_t index = view_base_ + 16 * i;
    lines_[i] = Edit1_Line(index, buf_ + index);
  }
  changes_.Page();
  edit_nibble_ = 0;
  Place_Caret();
  Info_Update();
}

void Buffer_Editor::Byte_Redraw() {
  Put_Byte(lines_[edit_row_], edit_col_, buf_[Cursor_Index()]);
  changes_.Cell({.line = edit_row_,
                 .hex_column = Hex_Column(edit_col_),
                 .hex_length = 2,
                 .char_column = Char_Column(edit_col_)});
}

void Buffer_Editor::Place_Caret() {
  const int column = edit_in_ascii_ ? Char_Column(edit_col_) : Hex_Column(edit_col_) + edit_nibble_;
  caret_ = kEdit1_Grid.Position({edit_row_, column});
}

// After typing the last byte of a line the column waits at 16 for the next key to wrap it; till
// then the line shows the byte just typed.
void Buffer_Editor::Info_Update() {
  const int32_t index = view_base_ + 16 * edit_row_ + std::min(edit_col_, 15);
  edit_info_ = Edit_Info_Text(index, buf_[index]);
}

void Buffer_Editor::Wrap() {
  if (edit_col_ < 0) {
    edit_col_ = 15;
    --edit_row_;
  }
  if (edit_col_ > 15) {
    edit_col_ = 0;
    ++edit_row_;
  }
  if (edit_row_ < 0) {
    edit_row_ = 15;
    view_base_ -= 256;
    Page_Redraw();
  }
  if (edit_row_ > 15) {
    if (view_base_ == kLast_Page) {  // nothing follows the buffer's last byte: stay on it
      edit_row_ = 15;
      edit_col_ = 15;
      edit_nibble_ = 0;
    } else {
      Show_Line(view_base_ + 256);
    }
  }
}

void Buffer_Editor::Edit1KeyDown(common::Edit_Key key) {
  using common::Edit_Key;
  switch (key) {
    case Edit_Key::Page_Up:
      view_base_ -= 256;
      Page_Redraw();
      break;
    case Edit_Key::Page_Down:
      view_base_ += 256;
      Page_Redraw();
      break;
    case Edit_Key::End:
      edit_nibble_ = 0;
      edit_col_ = 15;
      break;
    case Edit_Key::Home:
      edit_nibble_ = 0;
      edit_col_ = 0;
      break;
    case Edit_Key::Left:
      if (edit_nibble_ == 1) {
        edit_nibble_ = 0;
      } else {
        --edit_col_;
      }
      break;
    case Edit_Key::Right:
      edit_nibble_ = 0;
      ++edit_col_;
      break;
    case Edit_Key::Up:
      --edit_row_;
      break;
    case Edit_Key::Down:
      ++edit_row_;
      break;
    case Edit_Key::Other:
      break;
  }
  Wrap();
  Info_Update();
}

void Buffer_Editor::Edit1KeyPress(char32_t c) {
  // Text that reaches the view without a key-down (an input method's) still lands on the page.
  if (edit_col_ > 15) Wrap();
  uint8_t& byte = buf_[Cursor_Index()];
  if (edit_in_ascii_) {
    if (!common::Storable_Char(c)) return;
    byte = static_cast<uint8_t>(c);
    Byte_Redraw();
    ++edit_col_;
  } else {
    const int digit = c < 0x80 ? common::Hex_Digit(static_cast<char>(c)) : -1;
    if (digit < 0) return;
    if (edit_nibble_ == 0) {
      byte = static_cast<uint8_t>((byte & 0x0F) | digit << 4);
      Byte_Redraw();
      edit_nibble_ = 1;
    } else {
      byte = static_cast<uint8_t>((byte & 0xF0) | digit);
      Byte_Redraw();
      edit_nibble_ = 0;
      ++edit_col_;
    }
  }
  Info_Update();
}

void Buffer_Editor::Edit1KeyUp() {
  Place_Caret();
}

void Buffer_Editor::Edit1MouseDown(int position) {
  const int stride = kEdit1_Grid.stride;
  position = std::max(position, 0);
  edit_row_ = std::min(position / stride, 15);  // a click below the last line counts on it
  const int in_line = position % stride;
  const int q = in_line <= 6 ? 0 : in_line - 7;
  if (q >= 48) {
    edit_in_ascii_ = 1;
    edit_col_ = std::min(std::max(q, 51) - 51, 15);
  } else {
    edit_in_ascii_ = 0;
    edit_col_ = q / 3;
    edit_nibble_ = q % 3 == 2 ? 1 : 0;
  }
  Place_Caret();
  Info_Update();
}

bool Buffer_Editor::Edit1Exit() {
  if (!open_) return false;
  open_ = false;
  address_shown_ = false;
  return true;
}

void Buffer_Editor::Edit_InfoClick() {
  address_text_.clear();
  address_shown_ = true;
}

void Buffer_Editor::Chg_Edit_AddKeyPress(char32_t c) {
  if (c == U'\r' || c == U'\n') {
    address_shown_ = false;
    if (address_text_.empty()) return;
    view_base_ = static_cast<int32_t>(*common::Parse_Hex(address_text_) & 0xFFFFF0);
    Page_Redraw();
  } else {
    common::Type_Hex_Entry(address_text_, c, 6);
  }
}

void Buffer_Editor::Chg_Edit_AddExit() {
  address_shown_ = false;
}

}  // namespace memprog
