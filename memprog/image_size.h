// The size of Win_KV9's image buffer: 16 MiB, all that a 24-bit address reaches.
#pragma once

#include <cstdint>

namespace memprog {

inline constexpr uint32_t kImage_Size = 0x1000000;

}  // namespace memprog
