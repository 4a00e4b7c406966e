// Cal_Vpp: where the programmer puts the test voltages, and how to trim them.
#include "common/socket_art.h"
#include "memprog/diagrams/diagrams.h"

namespace memprog {
namespace {

std::vector<std::string> Draw_Cal_Vpp() {
  common::Canvas canvas(kDiagram_Width, kDiagram_Height);
  constexpr int kSocket_At = 10;  // room for "Vcc/Vpp->"
  const common::Zif_Look look = {.hole = 'o', .used_hole = 'o', .label = "Zif Socket"};
  common::Zif zif(canvas, 0, kSocket_At, 20, look);
  zif.Left_Note(1, "Vcc/Vpp->");
  zif.Left_Note(20, "Gnd->");

  constexpr int kColumn_At = kSocket_At + common::Zif::kWidth + 2;
  common::Text_Column column(canvas, 0, kColumn_At, kDiagram_Width - kColumn_At);
  column.Center("=   Calibration of Vpp   =");
  column.Skip();
  for (const char* line :
       {"When Selected Vcc & Vpp will", "appear at Pin 1, use Pin 20", "for Gnd."}) {
    column.Text(line);
  }
  column.Skip();
  column.Text("Vcc is Not Adjustable.");
  column.Skip();
  for (const char* line : {"You Must use a Multimeter when", "doing this. Select a Vpp value",
                           "and use <Vpp Up> or <Vpp Down>", "to adjust the level to within",
                           "the value below. This value", "will be saved in EE for future",
                           "use by the programmer."}) {
    column.Text(line);
  }
  column.Skip();
  for (const char* line : {"12.00V - 11.80 to 12.20", "12.75V - 12.70 to 12.95",
                           "21.00V - 20.90 to 21.25", "25.00V - 25.00 to 25.40"}) {
    column.Text(line);
  }
  return canvas.Lines();
}

}  // namespace

const std::vector<std::string>& Cal_Vpp_Lines() {
  static const std::vector<std::string> lines = Draw_Cal_Vpp();
  return lines;
}

}  // namespace memprog
