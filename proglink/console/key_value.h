// One line of Key=Value fields, as the info commands print what a selection sets.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace proglink::console {

using Fields = std::vector<std::pair<std::string, std::string>>;

// The fields separated by blanks. A value that holds a blank, a quote or a backslash, or is
// empty, is put in double quotes with \ before " and \.
std::string Key_Value_Line(const Fields& fields);

}  // namespace proglink::console
