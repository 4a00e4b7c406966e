#include "picprog/editor/word_editor.h"

#include <algorithm>

#include "common/hex.h"

namespace picprog {

namespace {

// The page shown for a first word `top`: past the buffer back to the start, past the
// configuration area to the ID words.
int Shown_Top(int top) {
  if (top < 0 || top > 0x2FFF) return 0;
  if (top > 0x217F) return 0x2100;
  return top;
}

}  // namespace

Word_Editor::Word_Editor(uint16_t* Pic_Buf) : buf_(Pic_Buf) {
  Format_Page();
  Place_Caret();
}

void Word_Editor::EditClick() {
  edit_row_ = 0;
  edit_col_ = 0;
  Jump(0);
}

void Word_Editor::Jump(int top) {
  edit_top_ = top;
  Draw();
}

void Word_Editor::Draw() {
  if (edit_top_ < 0) {  // paged back from the first page: its first word
    edit_row_ = 0;
    edit_col_ = 0;
    edit_nibble_ = 0;
  }
  edit_top_ = Shown_Top(edit_top_);
  Format_Page();
  changes_.Page();
  Place_Caret();
  open_ = true;
  address_shown_ = false;
}

void Word_Editor::Format_Page() {
  for (int r = 0; r < 16; ++r) {
    const int address = edit_top_ + 8 * r;
    lines_[r + 1] = Edit_1_Row(address, buf_ + address);
  }
  Header();
}

// After typing the last word of a row the column waits at 8 for the next key to wrap it; till
// then the header shows the word just typed.
void Word_Editor::Header() {
  const int word = edit_top_ + 8 * edit_row_ + std::min(edit_col_, 7);
  lines_[0] = Edit_1_Header(word, buf_[word]);
}

void Word_Editor::Word_Redraw() {
  Put_Word(lines_[edit_row_ + 1], edit_col_, buf_[Cursor_Word()]);
  changes_.Cell({.line = edit_row_ + 1,
                 .hex_column = Word_Column(edit_col_),
                 .hex_length = 4,
                 .char_column = Ascii_Column(edit_col_)});
}

void Word_Editor::Place_Caret() {
  const int column =
      edit_in_ascii_ ? Ascii_Column(edit_col_) : Word_Column(edit_col_) + edit_nibble_;
  caret_ = kEdit_1_Grid.Position({edit_row_ + 1, column});
}

void Word_Editor::Wrap() {
  if (edit_col_ < 0) {
    edit_col_ = 7;
    --edit_row_;
  }
  if (edit_col_ > 7) {
    edit_col_ = 0;
    ++edit_row_;
  }
  if (edit_row_ < 0) {
    edit_row_ = 15;
    edit_col_ = 7;
    edit_top_ -= 128;
    Draw();
  }
  if (edit_row_ > 15) {
    if (Shown_Top(edit_top_ + 128) == edit_top_ + 128) {
      edit_row_ = 0;
      edit_col_ = 0;
      edit_top_ += 128;
      Draw();
    } else {  // no page follows this one: stay on its last digit
      edit_row_ = 15;
      edit_col_ = 7;
      edit_nibble_ = 3;
    }
  }
}

void Word_Editor::Edit_1KeyDown(common::Edit_Key key) {
  using common::Edit_Key;
  switch (key) {
    case Edit_Key::Page_Up:
      edit_top_ -= 128;
      Draw();
      break;
    case Edit_Key::Page_Down:
      edit_top_ += 128;
      Draw();
      break;
    case Edit_Key::Home:
      edit_col_ = 0;
      break;
    case Edit_Key::End:
      edit_col_ = 8;
      break;
    case Edit_Key::Left:  // by digit in the hex area, by character in the ASCII area
      if (edit_in_ascii_) {
        --edit_col_;
      } else if (edit_nibble_ > 0) {
        --edit_nibble_;
      } else {
        edit_nibble_ = 3;
        --edit_col_;
      }
      break;
    case Edit_Key::Right:
      if (edit_in_ascii_) {
        ++edit_col_;
      } else if (edit_nibble_ < 3) {
        ++edit_nibble_;
      } else {
        edit_nibble_ = 0;
        ++edit_col_;
      }
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
  Header();
}

void Word_Editor::Edit_1KeyPress(char32_t c, uint16_t Fuse_Blank) {
  // Text that reaches the view without a key-down (an input method's) still lands on the page.
  if (edit_col_ > 7) Wrap();
  uint16_t& word = buf_[Cursor_Word()];
  if (edit_in_ascii_) {
    if (!common::Storable_Char(c)) return;
    word = static_cast<uint16_t>(c);
    Word_Redraw();
    ++edit_col_;
  } else {
    const int digit = c < 0x80 ? common::Hex_Digit(static_cast<char>(c)) : -1;
    if (digit < 0) return;
    const int shift = 12 - 4 * edit_nibble_;
    word = static_cast<uint16_t>(((word & ~(0xF << shift)) | digit << shift) & Fuse_Blank);
    Word_Redraw();
    if (++edit_nibble_ > 3) {
      edit_nibble_ = 0;
      ++edit_col_;
    }
  }
  Header();
}

void Word_Editor::Edit_1KeyUp() {
  Place_Caret();
}

void Word_Editor::Edit_1MouseDown(int position, bool Erase_Flag) {
  const int stride = kEdit_1_Grid.stride;
  if (position <= 16) {  // the header's address: offer the jump
    address_text_.clear();
    address_shown_ = true;
    ee_start_ = Erase_Flag;
  }
  position = std::max(position, stride);
  edit_row_ = std::min(position / stride - 1, 15);  // a click below the last row counts on it
  const int in_row = position % stride;
  const int offset = in_row > 5 ? in_row - 6 : 0;
  if (offset > 40) {
    edit_in_ascii_ = true;
    edit_col_ = std::clamp(offset - 42, 0, 7);
  } else {
    edit_in_ascii_ = false;
    edit_col_ = std::min(offset / 5, 7);
    edit_nibble_ = std::min(offset % 5, 3);
  }
  Header();
  Place_Caret();
}

bool Word_Editor::Edit_1Exit() {
  if (!open_) return false;
  open_ = false;
  address_shown_ = false;
  return true;
}

void Word_Editor::Chg_Edit_AddKeyPress(char32_t c) {
  if (c == U'\r' || c == U'\n') {
    if (!address_text_.empty()) {
      edit_top_ = static_cast<int>(*common::Parse_Hex(address_text_) & 0x3FF0);
    }
    Draw();
  } else if (!common::Type_Hex_Entry(address_text_, c, 4)) {
    address_text_.clear();  // anything else spoils the entry: start again
  }
}

}  // namespace picprog
