// The socket and adapter diagrams of Win_KV9 and the drawing of the Vpp calibration panel: each
// a read-only fixed-pitch text panel, given here as its lines of plain ASCII.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace memprog {

// Every panel, Cal_Vpp included, is at most this many columns wide and lines high.
constexpr int kDiagram_Width = 68;
constexpr int kDiagram_Height = 30;

// The control names of the socket and adapter panels, in the order Hide_Sockets hides them.
constexpr std::array<std::string_view, 21> kDiagram_Names = {
    "Pin_24",  "Page_1", "Pin_8",  "Pin_28",  "Page_2", "A2708",  "Pin_32",
    "Plc_20",  "A874X",  "Pin_40", "Plc_21",  "A875X",  "Pin_Dn", "Pin_8A",
    "Pin_40A", "Pin_Up", "Pin_8B", "Pin_28A", "A27X00", "DS250X", "Pin_40B"};

// The lines of the panel of that name; empty for a name that is not a panel.
const std::vector<std::string>& Diagram_Lines(std::string_view name);

// The panel the device selection shows for an algorithm family; nullptr for none.
const char* Diagram_For_Family(int family);

// Whether the selection also shows the byte-order box Flash_x16 (the x16 flash families).
bool Shows_Flash_x16(int family);

// The text of Cal_Vpp, beside the Vpp calibration panel.
const std::vector<std::string>& Cal_Vpp_Lines();

}  // namespace memprog
