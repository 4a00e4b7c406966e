// The command line of kv9: its options and command, checked against what the command takes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "memprog/files/buffer_file.h"
#include "proglink/console/command_line.h"
#include "proglink/console/content_format.h"
#include "proglink/console/program_steps.h"

namespace memprog::cli {

// A range value given as an option, to be typed into the window's entry field beside `button`.
struct Range_Entry {
  std::string option;  // "--start"
  std::string button;  // "Start_Add"
  std::string hex;     // the digits as given, without a 0x prefix
};

enum class Command {
  Probe,
  List,
  Info,
  Socket,
  Convert,
  Checksum,
  Read,
  Program,
  Verify,
  Compare,
  Blank,
  Erase,
  Security,
  Id,
  Clock,
  Firmware
};

struct Arguments {
  bool help = false;
  Command id = Command::Probe;
  std::vector<std::string> operands;
  proglink::console::Console_Options console;  // --json, --all, --yes
  std::optional<std::string> device;
  File_Type in_format = File_Type::Binary;   // of the input file, when the command reads one
  File_Type out_format = File_Type::Binary;  // of the output file, when it writes one
  proglink::console::Format_Origin in_origin = proglink::console::Format_Origin::Option;
  bool data_to_stdout = false;            // the output file is "-"
  std::optional<int> split;               // program type: 0 byte, 1 even/high, 2 odd/low
  bool swap = false;                      // R/W as Hi/Lo
  proglink::console::Step_Options steps;  // program: --no-verify, --check-id, --erase
  bool wrap = false;  // data beyond the part wrap onto it as in the window, instead of a refusal
  std::optional<uint8_t> fill;
  std::vector<Range_Entry> ranges;  // in the order the window's fields are filled
};

using proglink::console::Usage_Problem;

// The arguments after the program name. A request for help is Arguments with `help` set.
std::variant<Arguments, Usage_Problem> Parse_Arguments(const std::vector<std::string>& args);

const char* Usage_Text();

}  // namespace memprog::cli
