#include "picprog/diagrams/diagrams.h"

#include <gtest/gtest.h>

#include <set>

#include "common/tests/panel_checks.h"
#include "common/tests/socket_reader.h"

namespace picprog {
namespace {

using common::testing::Drawn_Jumper;
using common::testing::Drawn_Socket;
using common::testing::Expect_Pin1_End;
using common::testing::Expect_Within_Page;
using common::testing::Find_Socket;
using common::testing::Has_Line_With;
using common::testing::Read_Sockets;

// Where each panel puts the part: its ZIF rows, the end its pin 1 is at, the words that must
// appear (the heading with the pin count, the adapter note), and how many socket pins its
// note says stay free at the top and at the bottom (0: the note does not say).
struct Expected_Panel {
  std::string name;
  std::vector<std::string> texts;
  int first = 0;
  int last = 0;
  bool pin1_bottom_right = false;
  int free_top_pins = 0;
  int free_bottom_pins = 0;
};

const std::vector<Expected_Panel> kPanels = {
    {"Pin_8", {"8 Pin"}, 2, 5, false, 2, 0},
    {"Pin_14", {"14 Pin", "upside"}, 8, 14, true, 14, 12},
    {"Pin_18A", {"18 Pin"}, 2, 10, false, 2, 0},
    {"Pin_18S", {"18 Pin", "upside"}, 6, 14, true, 10, 12},
    {"Pin_20A", {"20 Pin"}, 2, 11, false, 2, 0},
    {"Pin_28S", {"28 Pin"}, 1, 14, false, 0, 12},
    {"Pin_40", {"40 Pin", "Use all Pins"}, 1, 20},
    {"Pin_68", {"Conections of 68 Pin PLCC"}},
    {"P18", {"18 Pin 165X", "16C52/54/56/58", "Note: Mcu 9 Adpater Required"}, 11, 20},
    {"P28", {"28 Pin 165X", "16C55/57", "Note: Mcu 9 Adpater Required"}, 11, 20},
};

TEST(PicprogDiagrams, EveryPanelIsDrawnWithinTheStatedSize) {
  std::set<std::string_view> names(kDiagram_Names.begin(), kDiagram_Names.end());
  EXPECT_EQ(names.size(), kDiagram_Names.size());
  ASSERT_EQ(kPanels.size(), kDiagram_Names.size());
  for (std::string_view name : kDiagram_Names) {
    SCOPED_TRACE(std::string(name));
    const auto& lines = Diagram_Lines(name);
    ASSERT_FALSE(lines.empty());
    Expect_Within_Page(lines, kDiagram_Width, kDiagram_Height);
  }
  EXPECT_TRUE(Diagram_Lines("Pin_24").empty());
}

TEST(PicprogDiagrams, EachPanelPlacesThePartWhereItsNoteSays) {
  for (const Expected_Panel& want : kPanels) {
    SCOPED_TRACE(want.name);
    const auto& lines = Diagram_Lines(want.name);
    for (const std::string& text : want.texts) EXPECT_TRUE(Has_Line_With(lines, text)) << text;
    EXPECT_TRUE(Has_Line_With(lines, ".=Blank Pin"));
    EXPECT_TRUE(Has_Line_With(lines, "*=Used Pin"));
    EXPECT_TRUE(Has_Line_With(lines, "KV Zif"));
    EXPECT_EQ(Drawn_Jumper(lines), 2);
    EXPECT_TRUE(Has_Line_With(lines, "Gnd Postion #2"));
    EXPECT_FALSE(Has_Line_With(lines, "Gnd Postion #1"));

    const auto sockets = Read_Sockets(lines);
    const Drawn_Socket* zif = Find_Socket(sockets, 20);
    ASSERT_NE(zif, nullptr);
    EXPECT_NE(lines[zif->Row(1).line - 2].find("Lever", zif->column), std::string::npos);
    for (int row = 1; row <= 20; ++row) {
      EXPECT_EQ(zif->Row(row).left_pin, row);
      EXPECT_EQ(zif->Row(row).right_pin, 41 - row);
    }
    if (want.first == 0) continue;
    EXPECT_EQ(zif->Used_Span(), std::make_pair(want.first, want.last));
    EXPECT_EQ(zif->Used_Count(), want.last - want.first + 1);
    // The legend holds: '*' exactly where a pin goes in, '.' everywhere else.
    for (int row = 1; row <= 20; ++row) {
      const char hole = zif->Row(row).Used() ? '*' : '.';
      EXPECT_EQ(zif->Row(row).left_hole, hole) << row;
      EXPECT_EQ(zif->Row(row).right_hole, hole) << row;
    }
    // "The first N / last M pins" count pin pairs from the top and the bottom of the socket.
    if (want.free_top_pins) {
      EXPECT_EQ(want.first - 1, want.free_top_pins / 2);
      EXPECT_TRUE(Has_Line_With(lines, "first " + std::to_string(want.free_top_pins)));
    }
    if (want.free_bottom_pins) {
      EXPECT_EQ(20 - want.last, want.free_bottom_pins / 2);
      EXPECT_TRUE(Has_Line_With(lines, "last " + std::to_string(want.free_bottom_pins)));
    }
    Expect_Pin1_End(lines, *zif, want.first, want.last, want.pin1_bottom_right);
  }
}

TEST(PicprogDiagrams, AdapterPanelsShowThePartFillingTheAdapterSocket) {
  for (const auto& [name, rows] : {std::pair{"P18", 9}, std::pair{"P28", 14}}) {
    SCOPED_TRACE(name);
    const auto& lines = Diagram_Lines(name);
    const auto sockets = Read_Sockets(lines);
    const Drawn_Socket* adapter = Find_Socket(sockets, rows);
    ASSERT_NE(adapter, nullptr);
    EXPECT_EQ(adapter->Used_Span(), std::make_pair(1, rows));
    EXPECT_EQ(adapter->Row(1).right_pin, 2 * rows);
    EXPECT_EQ(lines[adapter->Row(1).line].find("Pin 1->"),
              static_cast<size_t>(adapter->column - 8));
    EXPECT_NE(lines[adapter->Row(rows).line + 1].find("Mcu 9 Adapter"), std::string::npos);
  }
}

TEST(PicprogDiagrams, Pin68MarksTheWiredPinsAndListsEveryWire) {
  const auto& lines = Diagram_Lines("Pin_68");
  const auto sockets = Read_Sockets(lines);
  const Drawn_Socket* zif = Find_Socket(sockets, 20);
  ASSERT_NE(zif, nullptr);
  std::set<int> used;
  for (const auto& row : zif->rows) {
    if (row.left_hole == '*') used.insert(row.left_pin);
    if (row.right_hole == '*') used.insert(row.right_pin);
  }
  EXPECT_EQ(used, (std::set<int>{1, 20, 32, 39, 40}));
  EXPECT_EQ(zif->Used_Count(), 0);
  const auto& row = [&](int r) { return lines[zif->Row(r).line]; };
  EXPECT_NE(row(1).substr(0, zif->column).find("Vpp->"), std::string::npos);
  EXPECT_NE(row(20).substr(0, zif->column).find("Gnd->"), std::string::npos);
  EXPECT_EQ(row(1).find("<-Data"), static_cast<size_t>(zif->column + 26));
  EXPECT_EQ(row(2).find("<-Clk"), static_cast<size_t>(zif->column + 26));
  EXPECT_EQ(row(9).find("<-Vdd"), static_cast<size_t>(zif->column + 26));
  for (const char* wire : {"Vpp  Zif 1  -> Pin 2", "Data Zif 40 -> Pin 66", "Clk  Zif 39 -> Pin 65",
                           "Vdd  Zif 32 -> Pins 22/64", "Gnd  Zif 20 -> Pins 7/23"}) {
    EXPECT_TRUE(Has_Line_With(lines, wire)) << wire;
  }
}

}  // namespace
}  // namespace picprog
