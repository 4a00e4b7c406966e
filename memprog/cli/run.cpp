#include "memprog/cli/run.h"

#include <ostream>

#include "memprog/cli/commands.h"
#include "memprog/cli/device_lookup.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/interrupt.h"

namespace memprog::cli {

using enum proglink::console::Exit_Status;

namespace {

int Report_Usage(std::ostream& err, const Usage_Problem& p) {
  return proglink::console::Report_Usage(err, "kv9", p, Usage_Text());
}

int Run_Command(const Arguments& a, Session& s) {
  switch (a.id) {
    case Command::Probe:
      return Probe_Command(a, s);
    case Command::List:
      return List_Command(a, s);
    case Command::Info:
      return Info_Command(a, s);
    case Command::Socket:
      return Socket_Command(a, s);
    case Command::Convert:
      return Convert_Command(a, s);
    case Command::Checksum:
      return Checksum_Command(a, s);
    case Command::Read:
      return Read_Command(a, s);
    case Command::Program:
      return Program_Command(a, s);
    case Command::Verify:
      return Verify_Command(a, s);
    case Command::Compare:
      return Compare_Command(a, s);
    case Command::Blank:
      return Blank_Command(a, s);
    case Command::Erase:
      return Erase_Command(a, s);
    case Command::Security:
      return Security_Command(a, s);
    case Command::Id:
      return Id_Command(a, s);
    case Command::Clock:
      return Clock_Command(a, s);
    case Command::Firmware:
      return Firmware_Command(a, s);
  }
  return kUsage;
}

}  // namespace

int Not_For_Device(Session& s, const std::string& what) {
  return Report_Usage(s.Err(), {"the " + s.k.ui["Device"].caption + " " + what, {}});
}

int Run_Kv9(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            bool terminal) {
  auto parsed = Parse_Arguments(args);
  if (const auto* problem = std::get_if<Usage_Problem>(&parsed)) return Report_Usage(err, *problem);
  const Arguments& a = std::get<Arguments>(parsed);
  if (a.help) {
    out << Usage_Text();
    return kGood;
  }
  int code = 0;
  if (a.device) {
    Device_Match m = Find_Device(*a.device);
    if (m.code == 0) return Report_Usage(err, {m.problem, m.candidates});
    code = m.code;
  }
  proglink::console::Interrupt_Catcher catcher;
  Session s(out, err, terminal);
  if (code != 0) {
    s.Select(code);
    s.Apply(a);
  }
  return s.Final_Status(Run_Command(a, s));
}

}  // namespace memprog::cli
