#include "picprog/cli/run.h"

#include "picprog/cli/commands.h"
#include "picprog/cli/device_lookup.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/run_front_end.h"

namespace picprog::cli {

using enum proglink::console::Exit_Status;

namespace {

constexpr const char* kProgram = "mcu9";

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
    case Command::Fuse:
      return Fuse_Command(a, s);
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
    case Command::Blank:
      return Blank_Command(a, s);
    case Command::Erase:
      return Erase_Command(a, s);
    case Command::Program_EE:
      return Program_EE_Command(a, s);
    case Command::Verify_EE:
      return Verify_EE_Command(a, s);
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
  return Usage_Error(s, {"the " + s.m.ui["Device"].caption + " " + what, {}});
}

int Run_Mcu9(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             bool terminal) {
  return proglink::console::Run_Front_End<Session, Arguments>(
      {kProgram, Usage_Text(), Find_Device, Run_Command}, Parse_Arguments(args), out, err,
      terminal);
}

}  // namespace picprog::cli
