// The saver of each file type: buffer indices 0 to `last` into the file.
#pragma once

#include <cstdint>

#include "common/atomic_file.h"

namespace memprog {

using Saver = void(common::Atomic_File& file, const uint8_t* image, uint32_t last);

Saver Save_Binary, Save_Intel, Save_Motorola, Save_Tektronix, Save_Ascii;

}  // namespace memprog
