// The socket panels of Win_Mcu9: the ZIF socket on the left with the part or the Mcu 9 adapter
// where it goes and the programmer under it; heading, placement note and legend on the right.
//
// Legend of the fields:
//   name     the panel's control name
//   heading  heading lines, naming what the panel places
//   first    socket row of the part's or adapter's top pin pair (0: nothing in the socket)
//   last     socket row of its bottom pin pair
//   pin1     the end its pin 1 is at
//   labels   words written on it, from its second row down
//   notes    the placement note
//   extra    what else the panel draws
#include "picprog/diagrams/socket_panels.h"

#include <stdexcept>

#include "common/socket_art.h"
#include "picprog/diagrams/diagrams.h"

namespace picprog {
namespace {

using common::Pin1_At;

enum class Extra {
  None,
  Wiring_68,   // the wires from the socket to a 68-pin PLCC part
  Adapter_18,  // the part in the adapter's 18-pin socket
  Adapter_28,  // the part in the adapter's 28-pin socket
};

struct Socket_Panel {
  const char* name = "";
  std::vector<std::string_view> heading = {};
  int first = 0;
  int last = 0;
  Pin1_At pin1 = Pin1_At::Top_Left;
  std::vector<std::string_view> labels = {};
  std::vector<std::string_view> notes = {};
  Extra extra = Extra::None;
};

const std::vector<std::string_view> kFirst_Row_Free = {"Do not use the first 2",
                                                       "Pins (the top row) of", "the Zif Socket."};
const std::vector<std::string_view> kAdapter_Note = {"Note: Mcu 9 Adpater Required"};

const std::vector<Socket_Panel>& Socket_Panels() {
  static const std::vector<Socket_Panel> panels = {
      {.name = "Pin_8",
       .heading = {"Place the 8 Pin Device", "and the Ground Jumper", "as drawn."},
       .first = 2,
       .last = 5,
       .labels = {"8 Pin"},
       .notes = kFirst_Row_Free},
      {.name = "Pin_14",
       .heading = {"Place the 14 Pin Device", "and the Ground Jumper", "as drawn."},
       .first = 8,
       .last = 14,
       .pin1 = Pin1_At::Bottom_Right,
       .labels = {"14 Pin"},
       .notes = {"Place the Device upside", "down. Do not use the", "first 14 Pins (7 rows)",
                 "or the last 12 Pins", "(6 rows) of the Zif", "Socket."}},
      {.name = "Pin_18A",
       .heading = {"Place the 18 Pin Device", "and the Ground Jumper", "as drawn."},
       .first = 2,
       .last = 10,
       .labels = {"18 Pin"},
       .notes = kFirst_Row_Free},
      {.name = "Pin_18S",
       .heading = {"Place the 18 Pin Device", "and the Ground Jumper", "as drawn."},
       .first = 6,
       .last = 14,
       .pin1 = Pin1_At::Bottom_Right,
       .labels = {"18 Pin"},
       .notes = {"Place the Device upside", "down. Do not use the", "first 10 Pins (5 rows)",
                 "or the last 12 Pins", "(6 rows) of the Zif", "Socket."}},
      {.name = "Pin_20A",
       .heading = {"Place the 20 Pin Device", "and the Ground Jumper", "as drawn."},
       .first = 2,
       .last = 11,
       .labels = {"20 Pin"},
       .notes = kFirst_Row_Free},
      {.name = "Pin_28S",
       .heading = {"Place the 28 Pin Device", "and the Ground Jumper", "as drawn."},
       .first = 1,
       .last = 14,
       .labels = {"28 Pin"},
       .notes = {"Do not use the last 12", "Pins (the bottom 6 rows)", "of the Zif Socket."}},
      {.name = "Pin_40",
       .heading = {"Place the 40 Pin Device", "and the Ground Jumper", "as drawn."},
       .first = 1,
       .last = 20,
       .labels = {"40 Pin"},
       .notes = {"Use all Pins of the", "Zif Socket."}},
      {.name = "Pin_68",
       .heading = {"Conections of 68 Pin PLCC", "Place the Ground Jumper", "as drawn."},
       .notes = {"Wire the Zif Socket to", "the Device as follows:"},
       .extra = Extra::Wiring_68},
      {.name = "P18",
       .heading = {"Place the 18 Pin 165X Part", "(16C52/54/56/58) in the",
                   "Mcu 9 Adapter, and the", "Ground Jumper as drawn."},
       .first = 11,
       .last = 20,
       .labels = {"Mcu 9", "Adapter"},
       .notes = kAdapter_Note,
       .extra = Extra::Adapter_18},
      {.name = "P28",
       .heading = {"Place the 28 Pin 165X Part", "(16C55/57) in the", "Mcu 9 Adapter, and the",
                   "Ground Jumper as drawn."},
       .first = 11,
       .last = 20,
       .labels = {"Mcu 9", "Adapter"},
       .notes = kAdapter_Note,
       .extra = Extra::Adapter_28},
  };
  return panels;
}

constexpr int kSocket_Left = 8;  // room for "Pin 1->" left of the socket
constexpr int kZif_Rows = 20;
constexpr common::Zif_Look kZif_Look = {.hole = '.', .used_hole = '*', .label = "KV Zif"};

// The socket pins a 68-pin PLCC part is wired to, each marked at its row.
void Draw_Wiring_68(common::Zif& zif, common::Text_Column& column) {
  for (int pin : {1, 20, 32, 39, 40}) zif.Use_Pin(pin);
  zif.Left_Note(1, "Vpp->");
  zif.Left_Note(20, "Gnd->");
  zif.Right_Note(1, "<-Data");
  zif.Right_Note(2, "<-Clk");
  zif.Right_Note(9, "<-Vdd");
  for (const char* wire : {"Vpp  Zif 1  -> Pin 2", "Data Zif 40 -> Pin 66", "Clk  Zif 39 -> Pin 65",
                           "Vdd  Zif 32 -> Pins 22/64", "Gnd  Zif 20 -> Pins 7/23"}) {
    column.Text(wire);
  }
  column.Skip();
}

// The adapter's own socket with the part filling it.
void Draw_Part_In_Adapter(common::Canvas& canvas, common::Text_Column& column, int rows) {
  common::Draw_Adapter_Socket(
      canvas, column,
      {.heading = "The Part in the Adapter:",
       .rows = rows,
       .look = {.hole = '.', .used_hole = '*', .label = "Mcu 9 Adapter", .lever = false},
       .first = 1,
       .last = rows,
       .name = "165X"});
}

std::vector<std::string> Draw(const Socket_Panel& panel) {
  common::Canvas canvas(kDiagram_Width, kDiagram_Height);
  common::Zif zif(canvas, 0, kSocket_Left, kZif_Rows, kZif_Look);
  // Marks right of the socket push the column further right.
  const bool right_marks = panel.pin1 == Pin1_At::Bottom_Right || panel.extra == Extra::Wiring_68;
  const int column_left = kSocket_Left + common::Zif::kWidth + (right_marks ? 10 : 2);
  common::Text_Column column(canvas, 0, column_left, kDiagram_Width - column_left);

  if (panel.first != 0) {
    zif.Place(panel.first, panel.last, panel.pin1);
    zif.Pin1_Arrow(panel.pin1 == Pin1_At::Top_Left ? panel.first : panel.last, panel.pin1);
    for (size_t i = 0; i < panel.labels.size(); ++i) {
      zif.Label(panel.first + 1 + static_cast<int>(i), panel.labels[i]);
    }
  }
  for (std::string_view line : panel.heading) column.Center(line);
  column.Skip();
  for (std::string_view line : panel.notes) column.Text(line);
  column.Skip();
  switch (panel.extra) {
    case Extra::None:
      break;
    case Extra::Wiring_68:
      Draw_Wiring_68(zif, column);
      break;
    case Extra::Adapter_18:
      Draw_Part_In_Adapter(canvas, column, 9);
      break;
    case Extra::Adapter_28:
      Draw_Part_In_Adapter(canvas, column, 14);
      break;
  }
  column.Text(".=Blank Pin");
  column.Text("*=Used Pin");
  common::Draw_Programmer(canvas, zif.Bottom_Line() + 2,
                          kSocket_Left + (common::Zif::kWidth - common::kProgrammer_Width) / 2, 2);
  return canvas.Lines();
}

}  // namespace

std::vector<std::string> Draw_Socket_Panel(std::string_view name) {
  for (const Socket_Panel& panel : Socket_Panels()) {
    if (panel.name == name) return Draw(panel);
  }
  throw std::logic_error("no socket panel " + std::string(name));
}

}  // namespace picprog
