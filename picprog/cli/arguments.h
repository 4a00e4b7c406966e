// The command line of mcu9: its options and command, checked against what the command takes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "proglink/console/command_line.h"
#include "proglink/console/content_format.h"
#include "proglink/console/program_steps.h"

namespace picprog::cli {

enum class Command {
  Probe,
  List,
  Info,
  Socket,
  Fuse,
  Convert,
  Checksum,
  Read,
  Program,
  Verify,
  Blank,
  Erase,
  Program_EE,
  Verify_EE,
  Firmware
};

// The buffer file formats as the File_Type list's items.
enum File_Format : int { kBinary = 0, kIntel_Hex = 1 };

struct Arguments {
  bool help = false;
  Command id = Command::Probe;
  std::vector<std::string> operands;
  proglink::console::Console_Options console;  // --json, --all, --yes
  std::optional<std::string> device;
  File_Format in_format = kBinary;   // of the input file, when the command reads one
  File_Format out_format = kBinary;  // of the output file, when it writes one
  proglink::console::Format_Origin in_origin = proglink::console::Format_Origin::Option;
  bool data_to_stdout = false;      // the output file is "-"
  std::optional<std::string> fill;  // hex digits for FillEdit; the part's blank word otherwise
  std::optional<uint16_t> fuse;     // --fuse, or the word of the fuse command
  std::optional<int> verify_volts;  // V_Verify's item: 0 "3 Volts", 1 "5 Volts", 2 "6 Volts"
  proglink::console::Step_Options steps;  // program: --no-verify, --check-id, --erase
  bool wrap = false;  // data beyond the buffer file folded or left out as in the window
};

using proglink::console::Usage_Problem;

// The arguments after the program name. A request for help is Arguments with `help` set.
std::variant<Arguments, Usage_Problem> Parse_Arguments(const std::vector<std::string>& args);

const char* Usage_Text();

}  // namespace picprog::cli
