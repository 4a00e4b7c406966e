// The adapters that carry a ZIF socket of their own: the 2708 adapter and the 27X00 adapter.
// The ZIF socket shows where the adapter plugs in; beside it, the adapter's own socket shows
// where the part goes.
#include "memprog/diagrams/layout.h"

namespace memprog {
namespace {

using common::Pin1_At;

// The adapter's 74245 buffers, drawn on it as two small packages.
void Draw_Buffer(common::Canvas& canvas, const common::Zif& zif, int row) {
  canvas.Put(zif.Line(row), zif.Body_Left() + 1, "+-----+");
  canvas.Put(zif.Line(row + 1), zif.Body_Left() + 1, "|74245|");
  canvas.Put(zif.Line(row + 2), zif.Body_Left() + 1, "+-----+");
}

}  // namespace

std::vector<std::string> Draw_A2708() {
  common::Canvas canvas(kDiagram_Width, kDiagram_Height);
  constexpr int kBox_Width = 30;
  canvas.Box(0, (kDiagram_Width - kBox_Width) / 2, 3, kBox_Width);
  canvas.Center(1, 0, kDiagram_Width, "2708 Adapter Required");
  canvas.Center(3, 0, kDiagram_Width, "Place the 2708 Adapter in the Zif Socket and the 2708");
  canvas.Center(4, 0, kDiagram_Width, "in the Adapter's own Zif Socket as");
  canvas.Center(5, 0, kDiagram_Width, "shown in the figure below.");

  constexpr int kTop = 7;
  common::Zif zif(canvas, kTop, kSocket_Left, kZif_Rows, kZif_Look);
  zif.Place(9, 20, Pin1_At::Top_Left);
  zif.Pin1_Arrow(9, Pin1_At::Top_Left);
  zif.Label(11, "2708");
  zif.Label(12, "Adapter");

  common::Text_Column column(canvas, kTop, kColumn_Left, kColumn_Width);
  column.Center("The 2708 in the Adapter:");
  const common::Zif_Look adapter_look = {.hole = 'o', .used_hole = 'o', .label = "Adapter Zif"};
  common::Zif adapter(canvas, column.Line(), column.Left() + 8, 12, adapter_look);
  adapter.Place(1, 12, Pin1_At::Top_Left);
  adapter.Pin1_Arrow(1, Pin1_At::Top_Left);
  adapter.Label(4, "2708");
  column.Skip(adapter.Height() + 1);
  common::Draw_Programmer(canvas, column.Line(),
                          kColumn_Left + (kColumn_Width - common::kProgrammer_Width) / 2, 2);
  return canvas.Lines();
}

std::vector<std::string> Draw_A27X00() {
  common::Canvas canvas(kDiagram_Width, kDiagram_Height);
  canvas.Center(0, 0, kDiagram_Width, "= Placement of 27X00 Adapter and Ground Jumper =");
  canvas.Center(1, 0, kDiagram_Width, "Insert ALL PARTS to the Back End of the socket.");

  constexpr int kTop = 2;
  common::Zif zif(canvas, kTop, kSocket_Left, kZif_Rows, kZif_Look);
  zif.Place(1, kZif_Rows, Pin1_At::Top_Left);
  zif.Pin1_Arrow(1, Pin1_At::Top_Left);
  zif.Label(3, "27X00");
  zif.Label(4, "Adapter");
  Draw_Buffer(canvas, zif, 7);
  Draw_Buffer(canvas, zif, 12);
  common::Draw_Programmer(canvas, zif.Bottom_Line() + 1,
                          zif.Left() + (common::Zif::kWidth - common::kProgrammer_Width) / 2, 2);

  // The adapter's 48-pin socket. Both part sizes sit against its back end, away from its lever:
  // a 42-pin part fills rows 4-24, a 40-pin part rows 5-24.
  common::Text_Column column(canvas, kTop, kColumn_Left, kColumn_Width);
  column.Center("The Part in the Adapter Zif:");
  const common::Zif_Look adapter_look = {.hole = 'o', .used_hole = 'o', .label = "Back End"};
  common::Zif adapter(canvas, column.Line(), column.Left() + 8, 24, adapter_look);
  adapter.Place(4, 24, Pin1_At::Top_Left);
  adapter.Pin1_Arrow(4, Pin1_At::Top_Left);
  adapter.Label(6, "42 Pin");
  adapter.Label(7, "Part");
  adapter.Label(10, "40 Pin");
  adapter.Label(11, "Part:");
  adapter.Label(12, "Pin 1 in");
  adapter.Label(13, "Zif Pin 5");
  return canvas.Lines();
}

}  // namespace memprog
