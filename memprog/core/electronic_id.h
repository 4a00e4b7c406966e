// The electronic ID: with Auto ID on, the Device button first asks the part for its
// manufacturer and device bytes and pre-selects the matching line of the device list.
#pragma once

#include "memprog/core/kv9.h"

namespace memprog {

// Tries the identification methods 1, 2, 4, 8, 16 until one names a part.
void Identify_Device(Kv9& k);
// Reads the reply of the last 0x18 request into the ID globals, Mfg, Dev and the list index.
void Evaluate_Id(Kv9& k);
void Auto_IDClick(Kv9& k);

}  // namespace memprog
