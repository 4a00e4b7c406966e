// The Vpp calibration panel (test voltages on ZIF pin 1, trim values stored in the programmer)
// and the socket adapter test.
#pragma once

#include "memprog/core/kv9.h"

namespace memprog {

void Vpp_TestClick(Kv9& k);
void Vxx_TestClick(Kv9& k);
void Vpp_UpClick(Kv9& k);
void Vpp_DownClick(Kv9& k);
void Test_AdapterClick(Kv9& k);

}  // namespace memprog
