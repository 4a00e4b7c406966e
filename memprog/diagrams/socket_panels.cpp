// The panels that show one part or adapter in the ZIF socket.
//
// Legend of the fields:
//   name       the panel's control name
//   titles     heading lines at the top of the right-hand column
//   first      socket row of the part's or adapter's top pin pair
//   last       socket row of its bottom pin pair
//   pin1       the end its pin 1 is at
//   label_row  socket row of the first of `labels`
//   labels     words written on it, one per row ("" leaves a row free)
//   notes      lines under the heading
//   jumper     ground-jumper position on the programmer
//   extra      a drawing of its own the panel adds
#include <stdexcept>
#include <string>
#include <vector>

#include "memprog/diagrams/layout.h"

namespace memprog {
namespace {

using common::Pin1_At;

enum class Extra {
  None,
  Wire_Pin4_To_Pin20,  // a wire from the part's pin 4 down to ZIF pin 20
  Plcc44_Below,        // the adapter's PLCC-44 socket hanging below the ZIF socket
  Prom_Upper,          // the adapter's socket, the PROM in its upper part
  Prom_Lower,          // the adapter's socket, the PROM in its lower part
  Jumper_874X,         // when to fit the adapter's own jumper
};

struct Socket_Panel {
  const char* name = "";
  std::vector<std::string_view> titles = {};
  int first = 0;
  int last = 0;
  Pin1_At pin1 = Pin1_At::Top_Left;
  int label_row = 0;
  std::vector<std::string_view> labels = {};
  std::vector<std::string_view> notes = {};
  int jumper = 0;
  Extra extra = Extra::None;
};

const std::vector<std::string_view> kSerial_Titles = {"= Placement of 8 Pin Serial =",
                                                      "=  Device and Ground Jumper ="};
const std::vector<std::string_view> kPlcc_Titles = {"=  Placement of 20 Pin PLCC  =",
                                                    "=  Device and Ground Jumper  ="};
const std::vector<std::string_view> kSoic_Titles = {"=  Placement of 40 Pin SOIC   =",
                                                    "=  Adapter and Ground Jumper  ="};
const std::vector<std::string_view> kProm_Titles = {
    "= Placement of =", "= Prom Adapter =", "=  and Ground  =", "=    Jumper    ="};
const std::vector<std::string_view> kProm_Adapter_Words = {"Use", "Lower", "Half of", "Zif",
                                                           "Socket"};

const std::vector<Socket_Panel>& Socket_Panels() {
  static const std::vector<Socket_Panel> panels = {
      {.name = "Pin_24",
       .titles = {"= Placement of 24 Pin Device =", "=     and Ground Jumper      ="},
       .first = 9,
       .last = 20,
       .label_row = 11,
       .labels = {"24 Pin", "Device"},
       .jumper = 2},
      {.name = "Pin_28",
       .titles = {"= Placement of 28 Pin Device ="},
       .first = 7,
       .last = 20,
       .label_row = 9,
       .labels = {"28 Pin", "Device"},
       .notes = {"If you are using a PLCC 28/32", "Adapter, you will need to put",
                 "the Bottom daughter board on."},
       .jumper = 2},
      {.name = "Pin_28A",
       .titles = {"= Placement of 27(C)513 Device ="},
       .first = 7,
       .last = 20,
       .label_row = 9,
       .labels = {"27(C)513"},
       .jumper = 2},
      {.name = "Pin_32",
       .titles = {"= Placement of 32 Pin Device ="},
       .first = 5,
       .last = 20,
       .label_row = 7,
       .labels = {"32 Pin", "Device"},
       .notes = {"If you are using a PLCC 28/32", "Adapter, you will need to remove",
                 "the Bottom daughter board."},
       .jumper = 2},
      {.name = "Pin_40",
       .titles = {"= Placement of 40 Pin Device ="},
       .first = 1,
       .last = 20,
       .label_row = 3,
       .labels = {"40 Pin", "Device"},
       .jumper = 1},
      {.name = "Pin_40A",
       .titles = kSoic_Titles,
       .first = 1,
       .last = 20,
       .label_row = 3,
       .labels = {"40 Pin", "SOIC", "Adapter"},
       .jumper = 2},
      {.name = "Pin_40B",
       .titles = kSoic_Titles,
       .first = 1,
       .last = 20,
       .label_row = 3,
       .labels = {"40 Pin", "SOIC", "Adapter"},
       .jumper = 1,
       .extra = Extra::Plcc44_Below},
      {.name = "Pin_8",
       .titles = kSerial_Titles,
       .first = 16,
       .last = 19,
       .label_row = 17,
       .labels = {"8 Pin", "Serial"},
       .jumper = 2},
      {.name = "Pin_8B",
       .titles = kSerial_Titles,
       .first = 4,
       .last = 7,
       .label_row = 5,
       .labels = {"8 Pin", "Serial"},
       .notes = {"You will need to place a jumper", "between Pins 4 & 20 for Ground."},
       .jumper = 2,
       .extra = Extra::Wire_Pin4_To_Pin20},
      // No selection shows it: an 8-pin part at the bottom, its pin 4 on the ground pin 20.
      {.name = "Pin_8A",
       .titles = kSerial_Titles,
       .first = 17,
       .last = 20,
       .label_row = 18,
       .labels = {"8 Pin", "Serial"},
       .jumper = 2},
      {.name = "Plc_20",
       .titles = kPlcc_Titles,
       .first = 10,
       .last = 19,
       .label_row = 12,
       .labels = {"20 Pin", "PLCC", "Adapter"},
       .notes = {"Besure to set Adapter up", "one Pin from Bottom."},
       .jumper = 2},
      // No selection shows it: the same adapter down to the bottom row.
      {.name = "Plc_21",
       .titles = kPlcc_Titles,
       .first = 11,
       .last = 20,
       .label_row = 13,
       .labels = {"20 Pin", "PLCC", "Adapter"},
       .notes = {"Set the Adapter down to the", "Bottom of the Zif Socket."},
       .jumper = 2},
      {.name = "Pin_Up",
       .titles = kProm_Titles,
       .first = 11,
       .last = 20,
       .label_row = 12,
       .labels = kProm_Adapter_Words,
       .jumper = 2,
       .extra = Extra::Prom_Upper},
      {.name = "Pin_Dn",
       .titles = kProm_Titles,
       .first = 11,
       .last = 20,
       .label_row = 12,
       .labels = kProm_Adapter_Words,
       .jumper = 2,
       .extra = Extra::Prom_Lower},
      {.name = "A874X",
       .titles = {"=  Placement of 874X Adapter  =", "=      and Ground Jumper      ="},
       .first = 5,
       .last = 20,
       .label_row = 7,
       .labels = {"874X", "Adapter"},
       .jumper = 2,
       .extra = Extra::Jumper_874X},
      {.name = "A875X",
       .titles = {"=  Placement of 875X Adapter  =", "=      and Ground Jumper      ="},
       .first = 1,
       .last = 20,
       .pin1 = Pin1_At::Bottom_Right,
       .label_row = 3,
       .labels = {"875X", "Adapter", "", "Put the", "875X in", "its Zif", "Socket", "", "", "", "",
                  "", "", "Its Zif", "Lever", "(O)====="},
       .jumper = 2},
      // No selection shows it: an adapter for the serial parts in the bottom rows.
      {.name = "DS250X",
       .titles = {"= Placement of DS250X Adapter =", "=      and Ground Jumper      ="},
       .first = 17,
       .last = 20,
       .label_row = 18,
       .labels = {"DS250X", "Adapter"},
       .jumper = 2},
  };
  return panels;
}

// A wire from the part's pin 4 (socket row 7) round the pin numbers to ZIF pin 20.
void Draw_Ground_Wire(common::Canvas& canvas, const common::Zif& zif) {
  canvas.Put(zif.Line(7), 1, ".------");
  for (int row = 8; row < kZif_Rows; ++row) canvas.Put(zif.Line(row), 1, "|");
  canvas.Put(zif.Line(kZif_Rows), 1, "'----->");
}

void Draw_Plcc44(common::Canvas& canvas, const common::Zif& zif) {
  const int top = zif.Bottom_Line() + 1;
  canvas.Box(top, zif.Body_Left() - 1, 3, common::Zif::kBody_Width + 2);
  canvas.Put(top + 1, zif.Body_Left(), "PLCC - 44");
}

// The adapter's own socket, 20 pins over the 20 it plugs into, with the 16-pin PROM in it.
void Draw_Prom_Socket(common::Canvas& canvas, common::Text_Column& column, bool upper) {
  constexpr int kRows = 10;
  constexpr int kProm_Rows = 8;
  const int first = upper ? 1 : kRows - kProm_Rows + 1;
  common::Draw_Adapter_Socket(
      canvas, column,
      {.heading = "The Prom in the Adapter:",
       .rows = kRows,
       .look = {.hole = 'o', .used_hole = 'o', .label = "Adapter Socket", .lever = false},
       .first = first,
       .last = first + kProm_Rows - 1,
       .name = "Prom"});
}

void Draw_874X_Jumper(common::Canvas& canvas, const common::Zif& zif) {
  const int line = zif.Bottom_Line() + 2;
  canvas.Put(line, 0, "Install 874X Jumper for 8741/48------> [o==o]");
  canvas.Put(line + 2, 0, "Remove  874X Jumper for 8742/48H/49H->  o  o");
}

std::vector<std::string> Draw(const Socket_Panel& panel) {
  common::Canvas canvas(kDiagram_Width, kDiagram_Height);
  common::Zif zif(canvas, 0, kSocket_Left, kZif_Rows, kZif_Look);
  zif.Place(panel.first, panel.last, panel.pin1);
  zif.Pin1_Arrow(panel.pin1 == Pin1_At::Top_Left ? panel.first : panel.last, panel.pin1);
  for (size_t i = 0; i < panel.labels.size(); ++i) {
    zif.Label(panel.label_row + static_cast<int>(i), panel.labels[i]);
  }
  common::Text_Column column(canvas, 0, kColumn_Left, kColumn_Width);
  for (std::string_view title : panel.titles) column.Center(title);
  column.Skip();
  for (std::string_view note : panel.notes) column.Text(note);
  if (!panel.notes.empty()) column.Skip();
  switch (panel.extra) {
    case Extra::None:
      break;
    case Extra::Wire_Pin4_To_Pin20:
      Draw_Ground_Wire(canvas, zif);
      break;
    case Extra::Plcc44_Below:
      Draw_Plcc44(canvas, zif);
      break;
    case Extra::Prom_Upper:
      Draw_Prom_Socket(canvas, column, true);
      break;
    case Extra::Prom_Lower:
      Draw_Prom_Socket(canvas, column, false);
      break;
    case Extra::Jumper_874X:
      Draw_874X_Jumper(canvas, zif);
      break;
  }
  common::Draw_Programmer(canvas, column.Line(),
                          kColumn_Left + (kColumn_Width - common::kProgrammer_Width) / 2,
                          panel.jumper);
  return canvas.Lines();
}

}  // namespace

std::vector<std::string> Draw_Socket_Panel(std::string_view name) {
  for (const Socket_Panel& panel : Socket_Panels()) {
    if (panel.name == name) return Draw(panel);
  }
  throw std::logic_error("no socket panel " + std::string(name));
}

}  // namespace memprog
