// list, info and socket: what the device list shows and what selecting a device sets.
#include <ostream>

#include "common/hex.h"
#include "memprog/catalogue/catalogue.h"
#include "memprog/catalogue/device_list.h"
#include "memprog/cli/commands.h"
#include "memprog/cli/device_lookup.h"
#include "memprog/cli/exit_status.h"
#include "memprog/diagrams/diagrams.h"

namespace memprog::cli {

namespace {

// A value as one Key=Value field: in double quotes, with \ before " and \, when it holds a
// blank, a quote or a backslash, or is empty.
std::string Field_Value(const std::string& value) {
  if (!value.empty() && value.find_first_of(" \"\\") == std::string::npos) return value;
  std::string quoted = "\"";
  for (char c : value) {
    if (c == '"' || c == '\\') quoted.push_back('\\');
    quoted.push_back(c);
  }
  return quoted + "\"";
}

// The diagram the selection left visible; nullptr when it shows none.
const char* Shown_Diagram(const Kv9& k) {
  for (std::string_view name : kDiagram_Names)
    if (k.ui[std::string(name)].visible) return name.data();
  return nullptr;
}

}  // namespace

int List_Command(const Arguments& a, Session& s) {
  const auto& lines = Device_List_Lines();
  if (a.operands.empty()) {
    for (const std::string& line : lines) s.Out() << line << '\n';
    return kGood;
  }
  const std::string& text = a.operands.front();
  bool any = false;
  for (const std::string& line : lines) {
    if (Code_Of_Line(line) == 0 || !Holds_Ignoring_Case(line, text)) continue;
    s.Out() << line << '\n';
    any = true;
  }
  if (!any) s.Err() << "kv9: no device line holds '" << text << "'\n";
  return kGood;
}

int Info_Command(const Arguments&, Session& s) {
  const Kv9& k = s.k;
  const Catalogue_Entry* entry = Find_Entry(k.Device_Code);
  const char* diagram = Shown_Diagram(k);
  std::vector<std::pair<const char*, std::string>> fields = {
      {"Code", std::to_string(k.Device_Code)},
      {"Caption", k.ui["Device"].caption},
      {"Family", std::to_string(k.Family)},
      {"Last", common::Hex(static_cast<uint32_t>(k.Dev_Last_Add), 5)},
      {"Vpp", std::to_string(k.Vpp_Select)},
      {"VppCaption", k.ui["Vpp_But"].caption},
      {"Pulse", std::to_string(k.Prog_Pulse)},
      {"Blank", common::Hex(static_cast<uint8_t>(k.Blank_Value), 2)}};
  if (entry && entry->page) fields.emplace_back("Page", std::to_string(k.Page_Size));
  fields.emplace_back("IdLast", std::to_string(k.Id_Last));
  fields.emplace_back("Erase", std::to_string(k.Erase_Type));
  fields.emplace_back("Security", std::to_string(k.Security_Type));
  fields.emplace_back("Protect", std::to_string(k.Protect_Type));
  fields.emplace_back("Clock", std::to_string(k.Clock_Type));
  fields.emplace_back("Socket", diagram ? diagram : "none");
  std::string line;
  for (const auto& [key, value] : fields)
    line += (line.empty() ? "" : " ") + std::string(key) + "=" + Field_Value(value);
  s.Out() << line << '\n';
  return kGood;
}

int Socket_Command(const Arguments&, Session& s) {
  const char* diagram = Shown_Diagram(s.k);
  if (diagram == nullptr) {
    s.Err() << "kv9: the window shows no socket diagram for the " << s.k.ui["Device"].caption
            << "\n";
    return kGood;
  }
  for (const std::string& line : s.k.ui[diagram].lines) s.Out() << line << '\n';
  return kGood;
}

}  // namespace memprog::cli
