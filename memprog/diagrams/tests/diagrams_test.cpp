#include "memprog/diagrams/diagrams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "common/tests/panel_checks.h"
#include "common/tests/socket_reader.h"

namespace memprog {
namespace {

using common::testing::Drawn_Jumper;
using common::testing::Drawn_Socket;
using common::testing::Expect_Pin1_End;
using common::testing::Expect_Within_Page;
using common::testing::Find_Socket;
using common::testing::Has_Line_With;
using common::testing::Read_Sockets;

int Count(const std::vector<std::string>& lines, const std::string& text) {
  int n = 0;
  for (const std::string& l : lines) {
    for (size_t at = l.find(text); at != std::string::npos; at = l.find(text, at + 1)) ++n;
  }
  return n;
}

// What each panel must show: its heading and notes word for word, the ZIF rows its part or
// adapter plugs into, the end its pin 1 is at, and the ground jumper.
struct Expected_Panel {
  std::string name;
  std::vector<std::string> texts;
  int first = 0;  // 0: nothing in the ZIF socket
  int last = 0;
  bool pin1_bottom_right = false;
  int jumper = 2;
};

const std::vector<Expected_Panel> kSocket_Panels = {
    {"Pin_24", {"= Placement of 24 Pin Device =", "=     and Ground Jumper      ="}, 9, 20},
    {"Pin_28",
     {"= Placement of 28 Pin Device =", "If you are using a PLCC 28/32",
      "Adapter, you will need to put", "the Bottom daughter board on."},
     7,
     20},
    {"Pin_28A", {"= Placement of 27(C)513 Device ="}, 7, 20},
    {"Pin_32",
     {"= Placement of 32 Pin Device =", "If you are using a PLCC 28/32",
      "Adapter, you will need to remove", "the Bottom daughter board."},
     5,
     20},
    {"Pin_40", {"= Placement of 40 Pin Device ="}, 1, 20, false, 1},
    {"Pin_40A", {"=  Placement of 40 Pin SOIC   =", "=  Adapter and Ground Jumper  ="}, 1, 20},
    {"Pin_40B",
     {"=  Placement of 40 Pin SOIC   =", "=  Adapter and Ground Jumper  =", "PLCC - 44"},
     1,
     20,
     false,
     1},
    {"Pin_8", {"= Placement of 8 Pin Serial =", "=  Device and Ground Jumper ="}, 16, 19},
    {"Pin_8B",
     {"= Placement of 8 Pin Serial =", "=  Device and Ground Jumper =",
      "You will need to place a jumper", "between Pins 4 & 20 for Ground."},
     4,
     7},
    {"Pin_8A", {"= Placement of 8 Pin Serial =", "=  Device and Ground Jumper ="}, 17, 20},
    {"Plc_20",
     {"=  Placement of 20 Pin PLCC  =", "=  Device and Ground Jumper  =",
      "Besure to set Adapter up", "one Pin from Bottom."},
     10,
     19},
    {"Plc_21", {"=  Placement of 20 Pin PLCC  =", "=  Device and Ground Jumper  ="}, 11, 20},
    {"Pin_Up",
     {"= Placement of =", "= Prom Adapter =", "=  and Ground  =", "=    Jumper    ="},
     11,
     20},
    {"Pin_Dn",
     {"= Placement of =", "= Prom Adapter =", "=  and Ground  =", "=    Jumper    ="},
     11,
     20},
    {"A874X",
     {"=  Placement of 874X Adapter  =", "=      and Ground Jumper      =",
      "Install 874X Jumper for 8741/48------>", "Remove  874X Jumper for 8742/48H/49H->"},
     5,
     20},
    {"A875X", {"=  Placement of 875X Adapter  =", "=      and Ground Jumper      ="}, 1, 20, true},
    {"A27X00",
     {"= Placement of 27X00 Adapter and Ground Jumper =",
      "Insert ALL PARTS to the Back End of the socket."},
     1,
     20},
    {"A2708", {"shown in the figure below."}, 9, 20},
    {"DS250X", {"= Placement of DS250X Adapter =", "=      and Ground Jumper      ="}, 17, 20},
    {"Page_1", {"This Part Requires a Adapter Socket as Follows:", "20 Pin Adapter"}},
    {"Page_2", {"This Part Requires a Adapter Socket as Follows:", "24 Pin Adapter"}},
};

TEST(MemprogDiagrams, EveryHiddenPanelIsDrawnWithinTheStatedSize) {
  std::set<std::string_view> names(kDiagram_Names.begin(), kDiagram_Names.end());
  EXPECT_EQ(names.size(), 21u);
  for (std::string_view name : kDiagram_Names) {
    SCOPED_TRACE(std::string(name));
    const auto& lines = Diagram_Lines(name);
    ASSERT_FALSE(lines.empty());
    Expect_Within_Page(lines, kDiagram_Width, kDiagram_Height);
  }
  EXPECT_TRUE(Diagram_Lines("Pin_99").empty());
  EXPECT_TRUE(Diagram_Lines("Cal_Vpp").empty());
}

TEST(MemprogDiagrams, EachPanelShowsItsWordsPlacementAndJumper) {
  ASSERT_EQ(kSocket_Panels.size(), kDiagram_Names.size());
  for (const Expected_Panel& want : kSocket_Panels) {
    SCOPED_TRACE(want.name);
    const auto& lines = Diagram_Lines(want.name);
    for (const std::string& text : want.texts) EXPECT_TRUE(Has_Line_With(lines, text)) << text;
    EXPECT_EQ(Drawn_Jumper(lines), want.jumper);
    const std::string other = want.jumper == 1 ? "Gnd Postion #2" : "Gnd Postion #1";
    EXPECT_EQ(Count(lines, "Gnd Postion #" + std::to_string(want.jumper)), 1);
    EXPECT_FALSE(Has_Line_With(lines, other));
    if (want.first == 0) continue;

    const auto sockets = Read_Sockets(lines);
    const Drawn_Socket* zif = Find_Socket(sockets, 20);
    ASSERT_NE(zif, nullptr);
    for (int row = 1; row <= 20; ++row) {
      EXPECT_EQ(zif->Row(row).left_pin, row);
      EXPECT_EQ(zif->Row(row).right_pin, 41 - row);
    }
    EXPECT_EQ(zif->Used_Span(), std::make_pair(want.first, want.last));
    EXPECT_EQ(zif->Used_Count(), want.last - want.first + 1);
    // The lever is drawn on the socket's top wall, two lines above row 1.
    EXPECT_NE(lines[zif->Row(1).line - 2].find("Lever", zif->column), std::string::npos);

    Expect_Pin1_End(lines, *zif, want.first, want.last, want.pin1_bottom_right);
  }
}

TEST(MemprogDiagrams, TheGroundWireOfPin8BRunsFromRow7ToZifPin20) {
  const auto& lines = Diagram_Lines("Pin_8B");
  const auto sockets = Read_Sockets(lines);
  const Drawn_Socket* zif = Find_Socket(sockets, 20);
  ASSERT_NE(zif, nullptr);
  const std::string& start = lines[zif->Row(7).line];
  const size_t col = start.find(".--");
  ASSERT_LT(col, static_cast<size_t>(zif->column));
  for (int row = 8; row < 20; ++row) EXPECT_EQ(lines[zif->Row(row).line][col], '|') << row;
  const std::string& end = lines[zif->Row(20).line];
  EXPECT_EQ(end[col], '\'');
  EXPECT_EQ(end.substr(zif->column - 1, 3), ">20");
  // Above it only the "Pin 1->" of row 4.
  for (int row : {1, 2, 3, 5, 6}) EXPECT_EQ(lines[zif->Row(row).line][col], ' ') << row;
}

TEST(MemprogDiagrams, PromAdapterSaysLowerHalfAndPlacesThePromInItsSocket) {
  for (const auto& [name, first] : {std::pair{"Pin_Up", 1}, std::pair{"Pin_Dn", 3}}) {
    SCOPED_TRACE(name);
    const auto& lines = Diagram_Lines(name);
    const auto sockets = Read_Sockets(lines);
    const Drawn_Socket* zif = Find_Socket(sockets, 20);
    ASSERT_NE(zif, nullptr);
    const char* words[] = {"Use", "Lower", "Half of", "Zif", "Socket"};
    for (int i = 0; i < 5; ++i) {
      const std::string& body = zif->Row(12 + i).body;
      EXPECT_EQ(body.substr(body.find_first_not_of(" |"), std::string(words[i]).size()), words[i]);
    }
    const Drawn_Socket* adapter = Find_Socket(sockets, 10);
    ASSERT_NE(adapter, nullptr);
    EXPECT_EQ(adapter->Used_Span(), std::make_pair(first, first + 7));
    EXPECT_NE(lines[adapter->Row(first).line].find("Pin 1->"), std::string::npos);
  }
}

TEST(MemprogDiagrams, AdaptersWithTheirOwnZifShowWhereThePartGoes) {
  const auto& a27x00 = Diagram_Lines("A27X00");
  const auto a27x00_sockets = Read_Sockets(a27x00);
  const Drawn_Socket* wide = Find_Socket(a27x00_sockets, 24);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(wide->Row(1).right_pin, 48);
  // Against the back end, away from the adapter's lever.
  EXPECT_EQ(wide->Used_Span(), std::make_pair(4, 24));
  EXPECT_NE(a27x00[wide->Row(24).line + 1].find("Back End"), std::string::npos);
  EXPECT_NE(a27x00[wide->Row(4).line].find("Pin 1->"), std::string::npos);
  EXPECT_EQ(Count(a27x00, "74245"), 2);

  const auto& a2708 = Diagram_Lines("A2708");
  const auto a2708_sockets = Read_Sockets(a2708);
  const Drawn_Socket* own = Find_Socket(a2708_sockets, 12);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->Used_Span(), std::make_pair(1, 12));
  EXPECT_EQ(Count(a2708, "Lever"), 2);  // both sockets' levers
  const auto box = std::find_if(a2708.begin(), a2708.end(), [](const std::string& l) {
    return l.find("2708 Adapter Required") != std::string::npos;
  });
  ASSERT_NE(box, a2708.begin());
  EXPECT_NE((box - 1)->find("+---"), std::string::npos);
  EXPECT_NE((box + 1)->find("+---"), std::string::npos);
}

TEST(MemprogDiagrams, Pin40BHangsThePlcc44SocketBelowTheZif) {
  const auto& lines = Diagram_Lines("Pin_40B");
  const auto sockets = Read_Sockets(lines);
  const Drawn_Socket* zif = Find_Socket(sockets, 20);
  ASSERT_NE(zif, nullptr);
  const auto plcc = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.find("PLCC - 44") != std::string::npos;
  });
  ASSERT_NE(plcc, lines.end());
  EXPECT_GT(plcc - lines.begin(), zif->Row(20).line + 1);
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? ""
                                    : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// Reads "ZIF <-- signal pin |...| pin signal --> ZIF" lines back into pin -> (signal, ZIF).
std::map<int, std::pair<std::string, std::string>> Read_Wiring(
    const std::vector<std::string>& lines) {
  std::map<int, std::pair<std::string, std::string>> wiring;
  for (const std::string& line : lines) {
    const size_t in = line.find(" <-- "), out = line.find(" --> ");
    const size_t body = line.find('|', in), body_end = line.find('|', body + 1);
    if (in == std::string::npos || out == std::string::npos || body_end > out) continue;
    std::istringstream left(line.substr(in + 5, body - in - 5));
    std::istringstream right(line.substr(body_end + 1, out - body_end - 1));
    std::string left_signal, right_signal;
    int left_pin = 0, right_pin = 0;
    left >> left_signal >> left_pin;
    right >> right_pin >> right_signal;
    wiring[left_pin] = {left_signal, Trim(line.substr(0, in))};
    wiring[right_pin] = {right_signal, Trim(line.substr(out + 5))};
  }
  return wiring;
}

TEST(MemprogDiagrams, TwentyPinAdapterWiringHasEveryPin) {
  const std::map<int, std::pair<std::string, std::string>> want = {
      {1, {"A0", "18"}},  {2, {"A1", "19"}},   {3, {"A2", "20"}},  {4, {"A3", "21"}},
      {5, {"A4", "22"}},  {6, {"D0", "9"}},    {7, {"D1", "10"}},  {8, {"D2", "11"}},
      {9, {"D3", "12"}},  {10, {"GND", "16"}}, {11, {"D4", "13"}}, {12, {"D5", "14"}},
      {13, {"D6", "15"}}, {14, {"D7", "17"}},  {15, {"E1", "23"}}, {16, {"A5", "2"}},
      {17, {"A6", "1"}},  {18, {"A7", "31"}},  {19, {"A8", "30"}}, {20, {"VCC", "24"}},
  };
  EXPECT_EQ(Read_Wiring(Diagram_Lines("Page_1")), want);
}

TEST(MemprogDiagrams, TwentyFourPinAdapterWiringIsPrintedAsAlways) {
  const std::map<int, std::pair<std::string, std::string>> want = {
      {1, {"A7", "31"}},  {2, {"A6", "1"}},           {3, {"A5", "2"}},   {4, {"A4", "22"}},
      {5, {"A3", "21"}},  {6, {"A2", "20"}},          {7, {"A1", "19"}},  {8, {"A0", "18"}},
      {9, {"D0", "9"}},   {10, {"D1", "10"}},         {11, {"D2", "11"}}, {12, {"GND", "16"}},
      {13, {"D3", "12"}}, {14, {"D4", "13"}},         {15, {"D5", "14"}}, {16, {"D6", "15"}},
      {17, {"D7", "17"}}, {18, {"E4", "24"}},         {19, {"E3", "34"}}, {20, {"E2", "16"}},
      {21, {"E1", "31"}}, {22, {"A9", "ZIF pin 26"}}, {23, {"A8", "30"}}, {24, {"VCC", "24"}},
  };
  EXPECT_EQ(Read_Wiring(Diagram_Lines("Page_2")), want);
}

TEST(MemprogDiagrams, EveryFamilyMapsToItsDiagram) {
  std::map<int, std::string> want;
  auto set = [&](const char* diagram, std::initializer_list<int> families) {
    for (int f : families) want[f] = diagram;
  };
  set("Pin_24", {1, 2, 14, 19, 30, 42});
  set("Pin_28", {3, 4, 5, 9, 10, 15, 20, 21, 27, 32, 40});
  set("Pin_28A", {31});
  set("Pin_32", {6, 7, 8, 11, 12, 13, 16, 17, 18, 22, 23, 24, 25, 26, 33, 37, 41});
  set("Pin_40", {28, 29});
  set("Pin_40A", {34, 35, 36});
  set("Pin_40B", {43});
  set("A27X00", {38, 39});
  set("A2708", {49});
  set("Pin_8", {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 68});
  set("Plc_20", {64, 65});
  set("Pin_8B", {67});
  set("Pin_Dn", {80, 84});
  set("Pin_Up", {81, 85});
  set("Page_1", {82, 86});
  set("Page_2", {83});
  set("A874X", {87});
  set("A875X", {88, 89, 90, 91});
  for (int family = -1; family <= 256; ++family) {
    SCOPED_TRACE(family);
    const char* got = Diagram_For_Family(family);
    auto it = want.find(family);
    if (it == want.end()) {
      EXPECT_EQ(got, nullptr);  // 45-47, 93-96, no device and unknown families
    } else {
      ASSERT_NE(got, nullptr);
      EXPECT_EQ(got, it->second);
      EXPECT_FALSE(Diagram_Lines(got).empty());
    }
    const bool x16 = family == 34 || family == 35 || family == 36 || family == 43;
    EXPECT_EQ(Shows_Flash_x16(family), x16);
  }
}

TEST(MemprogDiagrams, CalVppShowsWhereToMeasureAndTheWindows) {
  const auto& lines = Cal_Vpp_Lines();
  EXPECT_LE(static_cast<int>(lines.size()), kDiagram_Height);
  for (const std::string& line : lines) EXPECT_LE(static_cast<int>(line.size()), kDiagram_Width);
  const auto sockets = Read_Sockets(lines);
  const Drawn_Socket* zif = Find_Socket(sockets, 20);
  ASSERT_NE(zif, nullptr);
  EXPECT_EQ(zif->Used_Count(), 0);
  const std::string& pin1 = lines[zif->Row(1).line];
  const std::string margin = pin1.substr(0, zif->column);
  EXPECT_NE(margin.find("Vcc"), std::string::npos);
  EXPECT_NE(margin.find("Vpp->"), std::string::npos);
  EXPECT_NE(lines[zif->Row(20).line].substr(0, zif->column).find("Gnd->"), std::string::npos);
  for (int row = 2; row < 20; ++row) {
    EXPECT_EQ(lines[zif->Row(row).line].find_first_not_of(' '),
              static_cast<size_t>(zif->column + (row < 10 ? 1 : 0)));
  }
  // Every sentence on a line of its own, in order.
  const std::vector<std::string> texts = {
      "=   Calibration of Vpp   =",     "When Selected Vcc & Vpp will",
      "appear at Pin 1, use Pin 20",    "for Gnd.",
      "Vcc is Not Adjustable.",         "You Must use a Multimeter when",
      "doing this. Select a Vpp value", "and use <Vpp Up> or <Vpp Down>",
      "to adjust the level to within",  "the value below. This value",
      "will be saved in EE for future", "use by the programmer.",
      "12.00V - 11.80 to 12.20",        "12.75V - 12.70 to 12.95",
      "21.00V - 20.90 to 21.25",        "25.00V - 25.00 to 25.40"};
  size_t next = 0;
  for (const std::string& line : lines) {
    if (next < texts.size() && line.size() >= texts[next].size() &&
        line.compare(line.size() - texts[next].size(), texts[next].size(), texts[next]) == 0) {
      ++next;
    }
  }
  EXPECT_EQ(next, texts.size());
}

}  // namespace
}  // namespace memprog
