// Drawing one socket panel of Win_Mcu9 from its table entry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace picprog {

// Throws std::logic_error for a name that is not a panel.
std::vector<std::string> Draw_Socket_Panel(std::string_view name);

}  // namespace picprog
