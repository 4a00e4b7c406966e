// list, info and socket: what the device list shows and what selecting a device sets.
#include <ostream>

#include "common/hex.h"
#include "memprog/catalogue/catalogue.h"
#include "memprog/cli/commands.h"
#include "memprog/cli/device_lookup.h"
#include "memprog/diagrams/diagrams.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/key_value.h"

namespace memprog::cli {

using enum proglink::console::Exit_Status;

namespace {

// The diagram the selection left visible; nullptr when it shows none.
const char* Shown_Diagram(const Kv9& k) {
  for (std::string_view name : kDiagram_Names)
    if (k.ui[std::string(name)].visible) return name.data();
  return nullptr;
}

}  // namespace

int List_Command(const Arguments& a, Session& s) {
  std::optional<std::string_view> text;
  if (!a.operands.empty()) text = a.operands.front();
  return proglink::console::Print_Device_List(s.Out(), s.Err(), Kv9_Catalogue(), text) ? kGood
                                                                                       : kFailed;
}

int Info_Command(const Arguments&, Session& s) {
  const Kv9& k = s.k;
  const Catalogue_Entry* entry = Find_Entry(k.Device_Code);
  const char* diagram = Shown_Diagram(k);
  proglink::console::Fields fields = {
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
  fields.emplace_back("Erase", std::to_string(static_cast<int>(k.Erase_Type)));
  fields.emplace_back("Security", std::to_string(static_cast<int>(k.Security_Type)));
  fields.emplace_back("Protect", std::to_string(static_cast<int>(k.Protect_Type)));
  fields.emplace_back("Clock", std::to_string(static_cast<int>(k.Clock_Type)));
  fields.emplace_back("Socket", diagram ? diagram : "none");
  s.Out() << proglink::console::Key_Value_Line(fields) << '\n';
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
