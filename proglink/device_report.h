// The FTDI devices the backend sees, in words: what `probe` lists, and what a failed search adds
// when the programmer may be there but this user may not open it.
#pragma once

#include <string>
#include <vector>

#include "usblink/seen_device.h"

namespace proglink {

// One line per device: vendor:product, serial number, where, opened or why not.
std::vector<std::string> Device_Lines(const std::vector<Seen_Device>& seen);

// What to do about devices the system does not let this user open; empty when there are none.
std::vector<std::string> Permission_Advice(const std::vector<Seen_Device>& seen);

}  // namespace proglink
