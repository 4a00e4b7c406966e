// The wiring of the two PROM adapter sockets the user builds: each pin of the PROM's socket,
// its signal, and the ZIF socket pin it is wired to, drawn round the socket as seen from above.
//
// Legend of the fields:
//   pin     pin of the adapter's PROM socket
//   signal  the PROM's signal on that pin
//   zif     the ZIF socket pin it is wired to, as printed
#include <span>
#include <stdexcept>
#include <string>

#include "memprog/diagrams/layout.h"

namespace memprog {
namespace {

struct Wire {
  int pin;
  const char* signal;
  const char* zif;
};

const Wire k20_Pin_Wiring[] = {
    {1, "A0", "18"},  {2, "A1", "19"},  {3, "A2", "20"},  {4, "A3", "21"},  {5, "A4", "22"},
    {6, "D0", "9"},   {7, "D1", "10"},  {8, "D2", "11"},  {9, "D3", "12"},  {10, "GND", "16"},
    {11, "D4", "13"}, {12, "D5", "14"}, {13, "D6", "15"}, {14, "D7", "17"}, {15, "E1", "23"},
    {16, "A5", "2"},  {17, "A6", "1"},  {18, "A7", "31"}, {19, "A8", "30"}, {20, "VCC", "24"},
};

// As the adapter's instructions have always printed it.
const Wire k24_Pin_Wiring[] = {
    {1, "A7", "31"},  {2, "A6", "1"},           {3, "A5", "2"},   {4, "A4", "22"},
    {5, "A3", "21"},  {6, "A2", "20"},          {7, "A1", "19"},  {8, "A0", "18"},
    {9, "D0", "9"},   {10, "D1", "10"},         {11, "D2", "11"}, {12, "GND", "16"},
    {13, "D3", "12"}, {14, "D4", "13"},         {15, "D5", "14"}, {16, "D6", "15"},
    {17, "D7", "17"}, {18, "E4", "24"},         {19, "E3", "34"}, {20, "E2", "16"},
    {21, "E1", "31"}, {22, "A9", "ZIF pin 26"}, {23, "A8", "30"}, {24, "VCC", "24"},
};

// Columns of a line, from the left of the drawing: the left pin's ZIF pin (ending at kZif_End),
// arrow, signal and pin number (ending at kPin_End), the socket's body, then the right pin's
// number, signal, arrow and ZIF pin.
constexpr int kLeft = 2;
constexpr int kZif_End = kLeft + 9;
constexpr int kLeft_Arrow = kLeft + 11;
constexpr int kLeft_Signal = kLeft + 15;
constexpr int kPin_End = kLeft + 25;
constexpr int kBody = kLeft + 27;
constexpr int kRight_Pin = kLeft + 39;
constexpr int kRight_Signal = kLeft + 43;
constexpr int kRight_Arrow = kLeft + 50;
constexpr int kRight_Zif = kLeft + 54;

void Put_Ending(common::Canvas& canvas, int line, int end, std::string_view text) {
  canvas.Put(line, end + 1 - static_cast<int>(text.size()), text);
}

std::vector<std::string> Draw(std::string_view title, std::span<const Wire> wiring) {
  common::Canvas canvas(kDiagram_Width, kDiagram_Height);
  const std::string heading = "This Part Requires a Adapter Socket as Follows:";
  const int box_width = static_cast<int>(heading.size()) + 4;
  canvas.Box(0, (kDiagram_Width - box_width) / 2, 3, box_width);
  canvas.Center(1, 0, kDiagram_Width, heading);
  canvas.Center(3, 0, kDiagram_Width, title);

  Put_Ending(canvas, 5, kZif_End, "Zif Pin");
  canvas.Put(5, kLeft_Signal, "Signal");
  Put_Ending(canvas, 5, kPin_End, "Pin");
  canvas.Put(5, kRight_Pin, "Pin");
  canvas.Put(5, kRight_Signal, "Signal");
  canvas.Put(5, kRight_Zif, "Zif Pin");
  canvas.Put(6, kBody + 1, "___   ___");
  const int rows = static_cast<int>(wiring.size()) / 2;
  for (int row = 0; row < rows; ++row) {
    const int line = 7 + row;
    const Wire& left = wiring[row];
    const Wire& right = wiring[wiring.size() - 1 - row];
    Put_Ending(canvas, line, kZif_End, left.zif);
    canvas.Put(line, kLeft_Arrow, "<--");
    canvas.Put(line, kLeft_Signal, left.signal);
    Put_Ending(canvas, line, kPin_End, std::to_string(left.pin));
    canvas.Put(line, kBody,
               row == 0          ? "|   \\_/   |"
               : row == rows - 1 ? "|_________|"
                                 : "|         |");
    canvas.Put(line, kRight_Pin, std::to_string(right.pin));
    canvas.Put(line, kRight_Signal, right.signal);
    canvas.Put(line, kRight_Arrow, "-->");
    canvas.Put(line, kRight_Zif, right.zif);
  }
  common::Draw_Programmer(canvas, 8 + rows, (kDiagram_Width - common::kProgrammer_Width) / 2, 2);
  return canvas.Lines();
}

}  // namespace

std::vector<std::string> Draw_Wiring_Page(std::string_view name) {
  if (name == "Page_1") return Draw("20 Pin Adapter", k20_Pin_Wiring);
  if (name == "Page_2") return Draw("24 Pin Adapter", k24_Pin_Wiring);
  throw std::logic_error("no wiring page " + std::string(name));
}

}  // namespace memprog
