#include "common/socket_art.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "common/tests/socket_reader.h"

namespace common {
namespace {

using testing::Drawn_Jumper;
using testing::Drawn_Socket;
using testing::Find_Socket;
using testing::Read_Sockets;

TEST(SocketArt, CanvasRefusesToDrawOffThePageAndTrimsItsLines) {
  Canvas canvas(10, 4);
  canvas.Put(1, 2, "abc");
  canvas.Put(0, 7, "xyz");
  EXPECT_THROW(canvas.Put(0, 8, "xyz"), std::logic_error);
  EXPECT_THROW(canvas.Put(4, 0, "a"), std::logic_error);
  EXPECT_THROW(canvas.Put(-1, 0, "a"), std::logic_error);
  EXPECT_THROW(canvas.Put(0, -1, "a"), std::logic_error);
  EXPECT_EQ(canvas.Lines(), (std::vector<std::string>{"       xyz", "  abc"}));
}

TEST(SocketArt, ColumnRefusesAWiderLine) {
  Canvas canvas(20, 4);
  Text_Column column(canvas, 1, 5, 6);
  column.Center("ab");
  column.Text("abcdef");
  EXPECT_THROW(column.Text("abcdefg"), std::logic_error);
  EXPECT_THROW(column.Center("abcdefg"), std::logic_error);
  EXPECT_EQ(column.Line(), 3);
  EXPECT_EQ(canvas.Lines(), (std::vector<std::string>{"", "       ab", "     abcdef"}));
}

TEST(SocketArt, ZifNumbersItsRowsDownTheLeftAndUpTheRight) {
  for (int rows : {9, 10, 20, 24}) {
    SCOPED_TRACE(rows);
    Canvas canvas(40, rows + 3);
    Zif zif(canvas, 0, 8, rows, {.hole = '.', .used_hole = '*', .label = "KV Zif"});
    const auto lines = canvas.Lines();
    const auto sockets = Read_Sockets(lines);
    ASSERT_EQ(sockets.size(), 1u);
    const Drawn_Socket& s = sockets[0];
    ASSERT_EQ(s.Rows(), rows);
    for (int r = 1; r <= rows; ++r) {
      EXPECT_EQ(s.Row(r).left_pin, r);
      EXPECT_EQ(s.Row(r).right_pin, 2 * rows + 1 - r);
      EXPECT_EQ(s.Row(r).left_hole, '.');
      EXPECT_FALSE(s.Row(r).Used());
      EXPECT_EQ(s.Row(r).line, zif.Line(r));
    }
    EXPECT_NE(lines.front().find("Lever"), std::string::npos);
    EXPECT_NE(lines.back().find("KV Zif"), std::string::npos);
    EXPECT_EQ(static_cast<int>(lines.size()), zif.Height());
  }
}

TEST(SocketArt, APlacedPartUsesExactlyItsRowsWithItsNotchAtPin1) {
  Canvas canvas(50, 23);
  Zif zif(canvas, 0, 8, 20, {.hole = '.', .used_hole = '*', .label = "KV Zif"});
  zif.Place(6, 14, Pin1_At::Bottom_Right);
  zif.Pin1_Arrow(14, Pin1_At::Bottom_Right);
  EXPECT_THROW(zif.Place(0, 3, Pin1_At::Top_Left), std::logic_error);
  EXPECT_THROW(zif.Place(18, 21, Pin1_At::Top_Left), std::logic_error);
  const auto lines = canvas.Lines();
  const auto sockets = Read_Sockets(lines);
  const Drawn_Socket* s = Find_Socket(sockets, 20);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Used_Span(), std::make_pair(6, 14));
  EXPECT_EQ(s->Used_Count(), 9);
  EXPECT_EQ(s->Row(6).left_hole, '*');
  EXPECT_EQ(s->Row(5).left_hole, '.');
  EXPECT_EQ(s->Row(14).body, "|___/ \\___|");
  EXPECT_EQ(lines[s->Row(14).line].substr(s->column + 26), "<-Pin 1");
  // The top edge sits on the line of the row above, between its unused holes.
  EXPECT_EQ(lines[s->Row(5).line].substr(s->column + 8, 9), "_________");
}

TEST(SocketArt, PinsAndNotesGoBesideTheirRows) {
  Canvas canvas(50, 23);
  Zif zif(canvas, 0, 8, 20, {.hole = '.', .used_hole = '*', .label = "KV Zif"});
  zif.Use_Pin(1);
  zif.Use_Pin(32);
  zif.Left_Note(20, "Gnd->");
  zif.Right_Note(9, "<-Vdd");
  EXPECT_THROW(zif.Use_Pin(41), std::logic_error);
  EXPECT_THROW(zif.Left_Note(21, "x"), std::logic_error);
  const auto lines = canvas.Lines();
  const auto sockets = Read_Sockets(lines);
  const Drawn_Socket* s = Find_Socket(sockets, 20);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Row(1).left_hole, '*');
  EXPECT_EQ(s->Row(1).right_hole, '.');
  EXPECT_EQ(s->Row(9).right_hole, '*');  // pin 32
  EXPECT_EQ(s->Row(9).left_hole, '.');
  EXPECT_EQ(s->Used_Count(), 0);
  EXPECT_EQ(lines[s->Row(20).line].substr(0, s->column), "  Gnd-> ");
  EXPECT_EQ(lines[s->Row(9).line].substr(s->column + 26), "<-Vdd");
}

TEST(SocketArt, ProgrammerShowsTheJumperWhereItsPositionSays) {
  for (int position : {1, 2}) {
    Canvas canvas(30, kProgrammer_Height);
    Draw_Programmer(canvas, 0, 3, position);
    const auto lines = canvas.Lines();
    EXPECT_EQ(Drawn_Jumper(lines), position);
    EXPECT_NE(lines.back().find("Gnd Postion #" + std::to_string(position)), std::string::npos);
  }
  Canvas canvas(30, kProgrammer_Height);
  EXPECT_THROW(Draw_Programmer(canvas, 0, 0, 3), std::logic_error);
}

}  // namespace
}  // namespace common
