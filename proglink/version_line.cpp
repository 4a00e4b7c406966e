#include "proglink/version_line.h"

#include <algorithm>
#include <ostream>

namespace proglink {

std::string Version_Line(const std::string& program, const std::string& version,
                         const Variant& variant) {
  return program + " " + version + " (requires programmer firmware " + variant.required_text + ")";
}

bool Answer_Version(const std::vector<std::string>& args, const std::string& program,
                    const std::string& version, const Variant& variant, std::ostream& out) {
  if (std::find(args.begin(), args.end(), "--version") == args.end()) return false;
  out << Version_Line(program, version, variant) << '\n';
  return true;
}

}  // namespace proglink
