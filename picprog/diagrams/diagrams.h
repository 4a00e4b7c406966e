// The socket diagrams of Win_Mcu9: where each PIC part goes in the programmer's ZIF socket (or
// the Mcu 9 adapter), which socket pins stay unused, and the ground jumper. Each is a read-only
// fixed-pitch text panel, given here as its lines of plain ASCII.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace picprog {

// Every panel is at most this many columns wide and lines high.
constexpr int kDiagram_Width = 68;
constexpr int kDiagram_Height = 30;

// The control names of the socket panels.
constexpr std::array<std::string_view, 10> kDiagram_Names = {
    "Pin_8",   "Pin_14", "Pin_18A", "Pin_18S", "Pin_20A",
    "Pin_28S", "Pin_40", "Pin_68",  "P18",     "P28"};

// The lines of the panel of that name; empty for a name that is not a panel.
const std::vector<std::string>& Diagram_Lines(std::string_view name);

}  // namespace picprog
