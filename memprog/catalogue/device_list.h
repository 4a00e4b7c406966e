// Device_Box1, the device list as the user sees it: empty lines between groups, headings, and
// device lines of 43 characters whose columns 41-43 carry the device code right-aligned.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace memprog {

// The 464 lines in list order.
const std::vector<std::string>& Device_List_Lines();

// The device code a line carries: up to 3 characters from column 41 read as a decimal number
// (leading blanks allowed). 0 (no device) for headings, empty lines and anything unreadable.
int Code_Of_Line(std::string_view line);

// Index of the first line from index 1 on that carries `code`; -1 when none does. Codes of 0 and
// below name no device, so they find no line either.
int Find_Line_With_Code(int code);

}  // namespace memprog
