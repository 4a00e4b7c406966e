#include "common/socket_art.h"

#include <stdexcept>

namespace common {

Canvas::Canvas(int width, int height) : width_(width), cells_(height, std::string(width, ' ')) {}

void Canvas::Check(int line, int col, int length) const {
  if (line < 0 || line >= Height() || col < 0 || length < 0 || col + length > width_) {
    throw std::logic_error("drawing outside the page at line " + std::to_string(line) +
                           ", column " + std::to_string(col));
  }
}

void Canvas::Put(int line, int col, std::string_view text) {
  Check(line, col, static_cast<int>(text.size()));
  cells_[line].replace(col, text.size(), text);
}

void Canvas::Center(int line, int left, int width, std::string_view text) {
  Put(line, left + (width - static_cast<int>(text.size())) / 2, text);
}

void Canvas::Box(int top, int left, int height, int width) {
  const std::string edge = "+" + std::string(width - 2, '-') + "+";
  Put(top, left, edge);
  Put(top + height - 1, left, edge);
  for (int line = top + 1; line < top + height - 1; ++line) {
    Put(line, left, "|");
    Put(line, left + width - 1, "|");
  }
}

std::vector<std::string> Canvas::Lines() const {
  std::vector<std::string> lines;
  for (const std::string& cell : cells_) {
    lines.push_back(cell.substr(0, cell.find_last_not_of(' ') + 1));
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

Zif::Zif(Canvas& canvas, int top, int left, int rows, const Zif_Look& look)
    : canvas_(canvas), top_(top), left_(left), rows_(rows), look_(look) {
  canvas_.Box(top_, left_ + 3, rows_ + 3, 19);
  if (look_.lever) canvas_.Put(top_, left_ + 4, "-(O)===Lever====-");
  canvas_.Center(Bottom_Line(), left_ + 4, 17, look_.label);
  const std::string hole(1, look_.hole);
  for (int row = 1; row <= rows_; ++row) {
    const std::string left_pin = std::to_string(row);
    canvas_.Put(Line(row), left_ + 2 - static_cast<int>(left_pin.size()), left_pin);
    canvas_.Put(Line(row), Left_Hole(), hole);
    canvas_.Put(Line(row), Right_Hole(), hole);
    canvas_.Put(Line(row), left_ + 23, std::to_string(2 * rows_ + 1 - row));
  }
}

int Zif::Check_Row(int row) const {
  if (row < 1 || row > rows_) throw std::logic_error("no socket row " + std::to_string(row));
  return row;
}

void Zif::Place(int first, int last, Pin1_At pin1) {
  Check_Row(first);
  Check_Row(last);
  const std::string used(1, look_.used_hole);
  for (int row = first; row <= last; ++row) {
    canvas_.Put(Line(row), Left_Hole(), used + "=|");
    canvas_.Put(Line(row), Right_Hole() - 2, "|=" + used);
  }
  const bool notch_up = pin1 == Pin1_At::Top_Left;
  canvas_.Put(Line(first) - 1, Body_Left(), notch_up ? "___   ___" : "_________");
  if (notch_up) {
    canvas_.Put(Line(first), Body_Left() + 3, "\\_/");
    canvas_.Put(Line(last), Body_Left(), "_________");
  } else {
    canvas_.Put(Line(last) - 1, Body_Left() + 4, "_");
    canvas_.Put(Line(last), Body_Left(), "___/ \\___");
  }
}

void Zif::Label(int row, std::string_view text) {
  canvas_.Center(Line(Check_Row(row)), Body_Left(), kBody_Width, text);
}

void Zif::Use_Pin(int pin) {
  const bool left_side = pin <= rows_;
  const int row = Check_Row(left_side ? pin : 2 * rows_ + 1 - pin);
  canvas_.Put(Line(row), left_side ? Left_Hole() : Right_Hole(), std::string(1, look_.used_hole));
}

void Zif::Pin1_Arrow(int row, Pin1_At pin1) {
  if (pin1 == Pin1_At::Top_Left) {
    Left_Note(row, "Pin 1->");
  } else {
    Right_Note(row, "<-Pin 1");
  }
}

void Zif::Left_Note(int row, std::string_view text) {
  canvas_.Put(Line(Check_Row(row)), left_ - 1 - static_cast<int>(text.size()), text);
}

void Zif::Right_Note(int row, std::string_view text) {
  canvas_.Put(Line(Check_Row(row)), left_ + 26, text);
}

void Text_Column::Check(std::string_view text) const {
  if (static_cast<int>(text.size()) > width_) {
    throw std::logic_error("\"" + std::string(text) + "\" is wider than its column");
  }
}

void Text_Column::Center(std::string_view text) {
  Check(text);
  canvas_.Center(line_++, left_, width_, text);
}

void Text_Column::Text(std::string_view text) {
  Check(text);
  canvas_.Put(line_++, left_, text);
}

void Draw_Programmer(Canvas& canvas, int top, int left, int gnd_position) {
  if (gnd_position != 1 && gnd_position != 2) {
    throw std::logic_error("no ground jumper position " + std::to_string(gnd_position));
  }
  canvas.Box(top, left, kProgrammer_Height, kProgrammer_Width);
  canvas.Center(top, left + 1, kProgrammer_Width - 2, "Programmer");
  canvas.Put(top + 1, left + 2, "Power Usb  Gnd Jumper");
  canvas.Put(top + 2, left + 2, "[==] [==]");
  // Header pins at columns 15, 18 and 21; the jumper bridges two of them.
  canvas.Put(top + 2, left + 14, gnd_position == 1 ? "[o==o] o" : " o [o==o]");
  canvas.Put(top + 3, left + 15, "1  2  3");
  canvas.Center(top + 4, left + 1, kProgrammer_Width - 2,
                " Gnd Postion #" + std::to_string(gnd_position) + " ");
}

void Draw_Adapter_Socket(Canvas& canvas, Text_Column& column, const Adapter_Socket& socket) {
  constexpr int kArrow_Room = 8;  // "Pin 1->" left of the socket
  column.Center(socket.heading);
  Zif zif(canvas, column.Line(), column.Left() + kArrow_Room, socket.rows, socket.look);
  zif.Place(socket.first, socket.last, Pin1_At::Top_Left);
  zif.Pin1_Arrow(socket.first, Pin1_At::Top_Left);
  zif.Label(socket.first + 2, socket.name);
  column.Skip(zif.Height() + 1);
}

}  // namespace common
