// The Vpp selection table: what each selection of the Vpp button means to the programmer.
#pragma once

#include <cstdint>

namespace proglink {

struct Vpp_Choice {
  const char* caption;  // the Vpp button's caption
  uint8_t vpp_code;     // 0 none, 1 12 V, 2 12.75 V, 3 21 V, 4 25 V
  uint8_t vcc_code;     // 0 3 V, 2 5 V, 0x42 6 V
};

// The choice for a selection; `writing` is true while Op_Kind is 2, which raises the supply to
// 6 V for the selections that program at 6 V.
Vpp_Choice Vpp_For(int selection, bool writing);

}  // namespace proglink
