// What the two buffer editors share with the windows that show them: the keys they act on, the
// text positions they count in, how a byte shows as a character, which typed characters may be
// stored, and what of the view changed since the window last drew it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>

namespace common {

// The keys an editor acts on when they go down; every other key is Other.
enum class Edit_Key { Page_Up, Page_Down, Home, End, Left, Right, Up, Down, Other };

struct Line_Col {
  int line = 0;
  int column = 0;
  bool operator==(const Line_Col&) const = default;
};

// An editor counts text positions as its view's text was first built: every line followed by a
// two-character line break, so that line n starts at n * stride. A widget whose line breaks are
// one character converts its positions through (line, column).
struct Text_Grid {
  int line_length;  // characters of a line, without the break
  int stride;       // line_length + 2

  constexpr int Position(Line_Col at) const { return at.line * stride + at.column; }
  // A position inside a line break counts as the end of its line.
  constexpr Line_Col At(int position) const {
    if (position < 0) return {};
    return {position / stride, std::min(position % stride, line_length)};
  }
};

// A byte as the views show it: itself from 32 to 127, else ".".
constexpr char View_Char(uint8_t byte) {
  return byte >= 32 && byte <= 127 ? char(byte) : '.';
}

// Whether a character typed in a character area is stored: printable ASCII and Latin-1 only.
// Enter, Backspace, Tab, Escape, Delete and the like are keys the user presses to move or to
// undo, not bytes meant for the chip, and a code above 255 has no single byte.
constexpr bool Storable_Char(char32_t c) {
  return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF);
}

// The characters of one buffer cell, rewritten in place: its hex digits and its character.
struct Cell_Text {
  int line = 0;
  int hex_column = 0;
  int hex_length = 0;
  int char_column = 0;
  bool operator==(const Cell_Text&) const = default;
};

enum class Redraw { None, Page, Cell };

struct View_Change {
  Redraw kind = Redraw::None;
  Cell_Text cell;  // for Redraw::Cell
};

// Gathers what changed between two draws of the window. Two different cells make a page.
class Change_Log {
 public:
  void Page() { change_.kind = Redraw::Page; }
  void Cell(const Cell_Text& cell) {
    if (change_.kind == Redraw::None) {
      change_ = {Redraw::Cell, cell};
    } else if (change_.kind == Redraw::Cell && !(change_.cell == cell)) {
      change_.kind = Redraw::Page;
    }
  }
  View_Change Take() { return std::exchange(change_, View_Change{}); }

 private:
  View_Change change_;
};

}  // namespace common
