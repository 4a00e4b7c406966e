// Drawing pieces of the socket diagrams both programs show: a page of fixed-pitch characters,
// the ZIF socket with a part or adapter placed in its rows, and the programmer with its
// ground jumper. Every piece is plain ASCII so that any fixed-pitch font shows it alike.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace common {

// A fixed-size page of characters. Drawing outside it is a fault of the drawing and throws
// std::logic_error, so that a panel can never be cut short without notice.
class Canvas {
 public:
  Canvas(int width, int height);

  int Height() const { return static_cast<int>(cells_.size()); }

  void Put(int line, int col, std::string_view text);
  // `text` centred in the `width` columns from `left` (an odd blank goes to the right).
  void Center(int line, int left, int width, std::string_view text);
  // A rectangle of '-' and '|' with '+' corners; its inside is left as it is.
  void Box(int top, int left, int height, int width);

  // The page, trailing blanks and trailing empty lines dropped.
  std::vector<std::string> Lines() const;

 private:
  void Check(int line, int col, int length) const;

  int width_;
  std::vector<std::string> cells_;
};

enum class Pin1_At {
  Top_Left,      // notch towards the lever
  Bottom_Right,  // turned round: notch away from the lever
};

struct Zif_Look {
  char hole;               // a hole nothing goes into
  char used_hole;          // a hole a part, adapter or wire uses
  std::string_view label;  // printed in the socket's bottom edge
  bool lever = true;       // false: a plain socket
};

// A ZIF socket drawn one text line per row of pin pairs, lever at the top: row r holds pin r
// on the left and pin 2*rows+1-r on the right. Columns from `left`:
//
//   0-1 left pin number, 3 wall, 5 hole, 6 lead, 7-17 part body, 18 lead, 19 hole, 21 wall,
//   23-24 right pin number.
//
// The top wall carries the lever; the line under it stays free for the top edge of a part in
// row 1; the bottom wall carries the label.
class Zif {
 public:
  static constexpr int kWidth = 25;
  static constexpr int kBody_Width = 9;  // inside a part's outline

  Zif(Canvas& canvas, int top, int left, int rows, const Zif_Look& look);

  int Height() const { return rows_ + 3; }
  int Line(int row) const { return top_ + 1 + row; }
  int Bottom_Line() const { return top_ + rows_ + 2; }
  int Left() const { return left_; }
  int Body_Left() const { return left_ + 8; }

  // A part or adapter whose pins go into rows `first`..`last` on both sides: holes marked
  // used, leads, outline with the notch at its pin-1 end, top edge on the line above.
  void Place(int first, int last, Pin1_At pin1);
  // Text centred inside the outline of the part on `row`.
  void Label(int row, std::string_view text);
  // One hole marked used (a wire goes to it).
  void Use_Pin(int pin);
  // "Pin 1->" left of `row`, or "<-Pin 1" right of it for a part turned round.
  void Pin1_Arrow(int row, Pin1_At pin1);
  // Text ending just left of the left pin number of `row` (e.g. "Gnd->").
  void Left_Note(int row, std::string_view text);
  // Text starting just right of the right pin number of `row` (e.g. "<-Data").
  void Right_Note(int row, std::string_view text);

 private:
  int Check_Row(int row) const;
  int Left_Hole() const { return left_ + 5; }
  int Right_Hole() const { return left_ + 19; }

  Canvas& canvas_;
  int top_;
  int left_;
  int rows_;
  Zif_Look look_;
};

// A column of text lines written one under the other from `line` down. A line wider than the
// column throws, like drawing outside the page.
class Text_Column {
 public:
  Text_Column(Canvas& canvas, int line, int left, int width)
      : canvas_(canvas), line_(line), left_(left), width_(width) {}

  int Line() const { return line_; }
  int Left() const { return left_; }

  void Center(std::string_view text);
  void Text(std::string_view text);
  void Skip(int lines = 1) { line_ += lines; }

 private:
  void Check(std::string_view text) const;

  Canvas& canvas_;
  int line_;
  int left_;
  int width_;
};

// An adapter's own plain socket with a part in it, drawn in a column under a heading.
struct Adapter_Socket {
  std::string_view heading;
  int rows;
  Zif_Look look;
  int first, last;        // the part's rows, pin 1 at the top left
  std::string_view name;  // written on the part's third row
};
void Draw_Adapter_Socket(Canvas& canvas, Text_Column& column, const Adapter_Socket& socket);

// The programmer seen from above: power and USB sockets and the three-pin ground-jumper header
// with the jumper on pins 1-2 (position 1) or 2-3 (position 2), "Gnd Postion #N" in its edge.
constexpr int kProgrammer_Width = 24;
constexpr int kProgrammer_Height = 5;
void Draw_Programmer(Canvas& canvas, int top, int left, int gnd_position);

}  // namespace common
