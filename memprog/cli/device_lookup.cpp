#include "memprog/cli/device_lookup.h"

#include "memprog/catalogue/catalogue.h"
#include "memprog/catalogue/device_list.h"

namespace memprog::cli {

const proglink::console::Catalogue_View& Kv9_Catalogue() {
  static const proglink::console::Catalogue_View view = [] {
    proglink::console::Catalogue_View v{"kv9", {}, {}, Code_Of_Line};
    for (const Catalogue_Entry& e : All_Entries()) v.entries.push_back({e.code, e.caption});
    for (const std::string& line : Device_List_Lines()) v.lines.emplace_back(line);
    return v;
  }();
  return view;
}

Device_Match Find_Device(std::string_view name) {
  return proglink::console::Find_Device(name, Kv9_Catalogue());
}

}  // namespace memprog::cli
