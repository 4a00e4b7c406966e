// list, info, socket and fuse: what the device list shows, what selecting a device sets and what
// the fuse editor makes of a configuration word.
#include <ostream>

#include "common/hex.h"
#include "picprog/cli/commands.h"
#include "picprog/cli/device_lookup.h"
#include "picprog/cli/fuse_word.h"
#include "picprog/diagrams/diagrams.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/key_value.h"

namespace picprog::cli {

using enum proglink::console::Exit_Status;

namespace {

// The socket panel the selection left visible; "" when it shows none.
std::string Shown_Panel(const Mcu9& m) {
  for (std::string_view name : kDiagram_Names)
    if (m.ui[std::string(name)].visible) return std::string(name);
  return "";
}

}  // namespace

int List_Command(const Arguments& a, Session& s) {
  std::optional<std::string_view> text;
  if (!a.operands.empty()) text = a.operands.front();
  return proglink::console::Print_Device_List(s.Out(), s.Err(), Mcu9_Catalogue(), text) ? kGood
                                                                                        : kFailed;
}

int Info_Command(const Arguments&, Session& s) {
  const Mcu9& m = s.m;
  const std::string panel = Shown_Panel(m);
  const proglink::console::Fields fields = {
      {"Code", std::to_string(m.Device_Code)},     {"Caption", m.ui["Device"].caption},
      {"Family", std::to_string(m.Family)},        {"End", common::Hex(m.Prog_End, 4)},
      {"Pin", std::to_string(m.Pin_Code)},         {"EE", std::to_string(m.EE_Size)},
      {"EEEnd", common::Hex(m.EE_End, 1)},         {"Erase", std::to_string(m.Erase_Flag)},
      {"FuseBlank", common::Hex(m.Fuse_Blank, 4)}, {"Socket", panel.empty() ? "none" : panel}};
  s.Out() << proglink::console::Key_Value_Line(fields) << '\n';
  return kGood;
}

// Every part of the catalogue has its panel.
int Socket_Command(const Arguments&, Session& s) {
  for (const std::string& line : s.m.ui[Shown_Panel(s.m)].lines) s.Out() << line << '\n';
  return kGood;
}

int Fuse_Command(const Arguments& a, Session& s) {
  const std::string problem = Set_Fuse(s.m, *a.fuse);
  for (const std::string& line : Fuse_Settings(s.m)) s.Out() << line << '\n';
  if (problem.empty()) return kGood;
  s.Err() << s.Program() << ": " << problem << '\n';
  return kUsage;
}

}  // namespace picprog::cli
