// How the panels of Win_KV9 are laid out: the ZIF socket on the left, headings, notes and the
// programmer in a column on the right.
#pragma once

#include "common/socket_art.h"
#include "memprog/diagrams/diagrams.h"

namespace memprog {

constexpr int kSocket_Left = 8;  // room for "Pin 1->" left of the socket
constexpr int kColumn_Left = kSocket_Left + common::Zif::kWidth + 2;
constexpr int kColumn_Width = kDiagram_Width - kColumn_Left;
constexpr int kZif_Rows = 20;

constexpr common::Zif_Look kZif_Look = {.hole = 'o', .used_hole = 'o', .label = "Zif Socket"};

// The panels drawn from the table of socket panels, and those of their own.
std::vector<std::string> Draw_Socket_Panel(std::string_view name);
std::vector<std::string> Draw_A2708();
std::vector<std::string> Draw_A27X00();
std::vector<std::string> Draw_Wiring_Page(std::string_view name);

}  // namespace memprog
