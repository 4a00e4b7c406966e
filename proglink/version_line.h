// What --version prints, the same for both programs' windows and command lines.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "proglink/link.h"

namespace proglink {

// "kv9 3.61.1 (requires programmer firmware 3.61)"
std::string Version_Line(const std::string& program, const std::string& version,
                         const Variant& variant);

// When the arguments after the program name hold --version (which wins over everything else),
// prints the version line on `out` and gives true.
bool Answer_Version(const std::vector<std::string>& args, const std::string& program,
                    const std::string& version, const Variant& variant, std::ostream& out);

}  // namespace proglink
