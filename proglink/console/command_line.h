// The command line of a front end: options before, between or after the command and its
// operands, each checked against the commands that take it. The front end gives its commands and
// options as tables and interprets each option as the parse meets it.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace proglink::console {

struct Usage_Problem {
  std::string message;
  std::vector<std::string> details;  // lines shown under the message (candidates, say)
};

// Option groups every front end has; its own groups are the bits from kFirst_Own_Group up.
enum Common_Group : unsigned {
  kDevice_Group = 1,       // -d
  kNeeds_Device = 2,       // the command needs -d
  kIn_File = 4,            // -f, for the input file (the first operand)
  kOut_File = 8,           // --out-format, for the output file (the last operand)
  kLists_Mismatches = 16,  // --all: the command lists bytes or words that differ
  kFirst_Own_Group = 32,
};

// The options every front end takes the same way, and the command they came with.
struct Console_Options {
  const char* command = "";  // its name, as the grammar has it
  bool json = false;         // --json: one JSON object on stdout instead of the text
  bool all = false;          // --all: every mismatch line, not only the first ones
  bool yes = false;          // --yes: Yes to every question
};

struct Command_Form {
  int id;  // the front end's own number for it
  const char* name;
  const char* synopsis;  // without the device: "convert IN OUT"
  size_t min_operands, max_operands;
  unsigned groups;  // the option groups it takes
};

struct Option_Form {
  const char* long_name;  // "--device"
  char short_name;        // 'd'; 0 for none
  int id;                 // the front end's own number for it
  unsigned group;         // the commands that take it; 0: every command
  bool takes_value;
};

struct Grammar {
  const char* program;  // "kv9"
  std::span<const Command_Form> commands;
  std::span<const Option_Form> options;
  int help_id;  // the option asking for the usage: it wins over everything else
};

// Takes one option as the parse meets it; `written` is its name as the user wrote it. A problem
// ends the parse.
using Option_Taker = std::function<std::optional<Usage_Problem>(
    const Option_Form& form, const std::string& written, const std::string& value)>;

struct Command_Line {
  bool help = false;
  const Command_Form* command = nullptr;  // set unless `help`
  std::vector<std::string> operands;
  Console_Options console;
};

// The arguments after the program name: each option to `take` (the console options are taken
// here), then the command checked (known, every option given applies to it, the device given
// when it needs one, its operand count). An unknown command or option names the nearest known
// one.
std::variant<Command_Line, Usage_Problem> Parse_Command_Line(const std::vector<std::string>& args,
                                                             const Grammar& grammar,
                                                             const Option_Taker& take);

// "wrong arguments for NAME: PROGRAM -d DEVICE SYNOPSIS".
Usage_Problem Wrong_Arguments(const Grammar& grammar, const Command_Form& command);

// A file operand whose format its option does not name and its extension does not tell:
// "the format of 'PATH' is not known from its name: give OPTION".
Usage_Problem Unknown_Format(const std::string& path, const char* option);

// Hex digits as the entry fields take them, without leading zeros, at most `max_digits`; a 0x
// prefix is allowed. nullopt when the text is not such a number.
std::optional<std::string> Hex_Digits(std::string text, size_t max_digits);

// "PROGRAM: message", the details indented and where the usage is, on `err`; kUsage.
int Report_Usage(std::ostream& err, const char* program, const Usage_Problem& problem);

}  // namespace proglink::console
