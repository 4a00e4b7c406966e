// The device list as the user sees it, and how a clicked line names a device.
#pragma once

#include <array>
#include <string_view>

namespace picprog {

// Two header lines, blank separators and one line per device in fixed columns: 1..9 the part
// name, 10..29 the package or socket note, 30..40 the size as words by width, 41..43 the device
// code right-aligned. Header and blank lines are shorter than 41 characters and carry no code.
extern const std::array<std::string_view, 136> Device_Box_Lines;

// The device code of a clicked line: the three characters at columns 41..43 (fewer when the line
// is shorter) as a decimal number, leading blanks allowed. A line without them, or with anything
// there that is not a number, names no device: 0.
int Device_Code_Of_Line(std::string_view line);

}  // namespace picprog
