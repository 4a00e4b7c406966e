// Win_KV9's version, in one place: its window's title and the --version of the window and of
// kv9 show it, and the package takes its version from here.
#pragma once

namespace memprog {

inline constexpr const char* kVersion = "3.61.1";

}  // namespace memprog
