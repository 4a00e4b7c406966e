#include "picprog/cli/device_lookup.h"

#include <algorithm>

#include "common/hex.h"
#include "picprog/catalogue/catalogue.h"
#include "picprog/catalogue/device_box.h"

namespace picprog::cli {

namespace {

// Whether `name` is the code or part name of a list line that selects no device.
bool Listed_Without_Entry(std::string_view name) {
  const auto number = common::Parse_Decimal(name);
  return std::any_of(Device_Box_Lines.begin(), Device_Box_Lines.end(), [&](std::string_view l) {
    const int code = Device_Code_Of_Line(l);
    if (code == 0 || picprog::Find_Device(code) != nullptr) return false;
    return (number && *number == code) ||
           proglink::console::Equal_Ignoring_Case(l.substr(0, l.find(' ')), name);
  });
}

}  // namespace

const proglink::console::Catalogue_View& Mcu9_Catalogue() {
  static const proglink::console::Catalogue_View view = [] {
    proglink::console::Catalogue_View v{"mcu9", {}, {}, Device_Code_Of_Line};
    for (const Pic_Device& d : Pic_Devices) v.entries.push_back({d.code, d.caption});
    v.lines.assign(Device_Box_Lines.begin(), Device_Box_Lines.end());
    return v;
  }();
  return view;
}

Device_Match Find_Device(std::string_view name) {
  Device_Match m = proglink::console::Find_Device(name, Mcu9_Catalogue());
  if (m.code == 0 && m.candidates.empty() && Listed_Without_Entry(name))
    m.problem = "'" + std::string(name) + "' is in the device list, but its line selects no device";
  return m;
}

int Line_Of_Code(int code) {
  for (size_t i = 0; i < Device_Box_Lines.size(); ++i)
    if (code > 0 && Device_Code_Of_Line(Device_Box_Lines[i]) == code) return static_cast<int>(i);
  return -1;
}

}  // namespace picprog::cli
