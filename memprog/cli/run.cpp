#include "memprog/cli/run.h"

#include "memprog/cli/commands.h"
#include "memprog/cli/device_lookup.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/run_front_end.h"

namespace memprog::cli {

using enum proglink::console::Exit_Status;

namespace {

constexpr const char* kProgram = "kv9";

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

int Usage_Error(Session& s, const Usage_Problem& problem) {
  return proglink::console::Report_Usage(s.Err(), kProgram, problem);
}

int Not_For_Device(Session& s, const std::string& what) {
  return Usage_Error(s, {"the " + s.k.ui["Device"].caption + " " + what, {}});
}

int Run_Kv9(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            bool terminal) {
  return proglink::console::Run_Front_End<Session, Arguments>(
      {kProgram, Usage_Text(), Find_Device, Run_Command}, Parse_Arguments(args), out, err,
      terminal);
}

}  // namespace memprog::cli
