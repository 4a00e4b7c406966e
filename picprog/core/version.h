// Win_Mcu9's version, in one place: its window's title and the --version of the window and of
// mcu9 show it.
#pragma once

namespace picprog {

inline constexpr const char* kVersion = "3.10";

}  // namespace picprog
