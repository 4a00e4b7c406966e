#include "memprog/cli/arguments.h"

#include <algorithm>

#include "common/hex.h"
#include "memprog/cli/formats.h"

namespace memprog::cli {

namespace {

// Which options a command takes, as a set of groups.
enum Group : unsigned {
  kDevice = 1,       // -d
  kIn = 2,           // -f, for the input file (the first operand)
  kOut = 4,          // --out-format, for the output file (the last operand)
  kRange = 8,        // --split, --swap and the six range values
  kFill = 16,        // --fill
  kVerify = 32,      // --no-verify
  kNeed_Device = 64  // -d must be given
};

struct Command_Form {
  Command id;
  const char* name;
  const char* synopsis;
  size_t min_operands, max_operands;
  unsigned groups;
};

constexpr unsigned kWith_Device = kDevice | kNeed_Device;
constexpr unsigned kBuffer = kWith_Device | kRange | kFill;

constexpr Command_Form kCommands[] = {
    {Command::Probe, "probe", "probe", 0, 0, 0},
    {Command::List, "list", "list [TEXT]", 0, 1, 0},
    {Command::Info, "info", "info", 0, 0, kWith_Device},
    {Command::Socket, "socket", "socket", 0, 0, kWith_Device},
    {Command::Convert, "convert", "convert IN OUT", 2, 2, kBuffer | kIn | kOut},
    {Command::Checksum, "checksum", "checksum IN", 1, 1, kBuffer | kIn},
    {Command::Read, "read", "read OUT", 1, 1, kBuffer | kOut},
    {Command::Program, "program", "program IN", 1, 1, kBuffer | kIn | kVerify},
    {Command::Verify, "verify", "verify IN", 1, 1, kBuffer | kIn},
    {Command::Compare, "compare", "compare IN", 1, 1, kBuffer | kIn},
    {Command::Blank, "blank", "blank", 0, 0, kWith_Device | kRange},
    {Command::Erase, "erase", "erase", 0, 0, kWith_Device | kRange},
    {Command::Security, "security", "security 1|2|3", 1, 1, kWith_Device},
    {Command::Id, "id", "id", 0, 0, kDevice},
    {Command::Clock, "clock", "clock read | clock write YY MM DD DAY HH MM SS CAL CENTURY", 1, 10,
     kWith_Device},
    {Command::Firmware, "firmware", "firmware FILE", 1, 1, 0},
};

enum class Opt { Device, Format, Out_Format, Split, Swap, Range, Fill, No_Verify, Help };

struct Option_Form {
  const char* long_name;
  char short_name;
  Opt opt;
  Group group;         // 0: any command
  const char* button;  // the range value's button
};

constexpr Option_Form kOptions[] = {
    {"--device", 'd', Opt::Device, kDevice, nullptr},
    {"--format", 'f', Opt::Format, kIn, nullptr},
    {"--out-format", 0, Opt::Out_Format, kOut, nullptr},
    {"--split", 0, Opt::Split, kRange, nullptr},
    {"--swap", 0, Opt::Swap, kRange, nullptr},
    {"--buffer-start", 0, Opt::Range, kRange, "Start_Buf_Add"},
    {"--start", 0, Opt::Range, kRange, "Start_Add"},
    {"--end", 0, Opt::Range, kRange, "End_Add"},
    {"--hex-start", 0, Opt::Range, kRange, "Start_Hex"},
    {"--hex-end", 0, Opt::Range, kRange, "End_Hex"},
    {"--hex-offset", 0, Opt::Range, kRange, "Offset"},
    {"--fill", 0, Opt::Fill, kFill, nullptr},
    {"--no-verify", 0, Opt::No_Verify, kVerify, nullptr},
    {"--help", 'h', Opt::Help, Group{}, nullptr},
};

bool Takes_Value(Opt o) {
  return o != Opt::Swap && o != Opt::No_Verify && o != Opt::Help;
}

// Hex digits as the entry fields take them, at most 32 bits; a 0x prefix is allowed.
std::optional<std::string> Hex_Digits(std::string text, size_t max_digits = 8) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.erase(0, 2);
  if (text.empty() || !std::all_of(text.begin(), text.end(), common::Is_Hex_Entry_Char))
    return std::nullopt;
  text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
  if (text.size() > max_digits) return std::nullopt;
  return text;
}

// How the synopsis of a command names the device.
std::string Device_Part(const Command_Form& c) {
  if (c.groups & kNeed_Device) return "-d DEVICE ";
  return (c.groups & kDevice) ? "[-d DEVICE] " : "";
}

Usage_Problem Problem(std::string message) {
  return {std::move(message), {}};
}

struct Given {
  const Option_Form* form;
  std::string text;  // how it was written
};

class Parser {
 public:
  std::variant<Arguments, Usage_Problem> Run(const std::vector<std::string>& args);

 private:
  std::optional<Usage_Problem> Take(const Option_Form& form, const std::string& written,
                                    const std::string& value);
  std::optional<Usage_Problem> Check(const Command_Form& c);
  std::optional<Usage_Problem> Check_Operands(const Command_Form& c);

  Arguments a_;
  std::optional<File_Type> in_, out_;
  std::vector<Given> given_;
};

std::optional<Usage_Problem> Parser::Take(const Option_Form& form, const std::string& written,
                                          const std::string& value) {
  given_.push_back({&form, written});
  switch (form.opt) {
    case Opt::Device:
      a_.device = value;
      break;
    case Opt::Format:
    case Opt::Out_Format: {
      auto type = Format_Named(value);
      if (!type)
        return Problem("unknown format '" + value + "' for " + written +
                       " (bin, intel, motorola, tektronix or ascii)");
      (form.opt == Opt::Format ? in_ : out_) = type;
      break;
    }
    case Opt::Split: {
      constexpr const char* kModes[] = {"byte", "even", "odd"};
      auto m = std::find(std::begin(kModes), std::end(kModes), value);
      if (m == std::end(kModes)) return Problem(written + " takes byte, even or odd");
      a_.split = static_cast<int>(m - std::begin(kModes));
      break;
    }
    case Opt::Swap:
      a_.swap = true;
      break;
    case Opt::Range: {
      auto hex = Hex_Digits(value);
      if (!hex) return Problem("bad hex value '" + value + "' for " + written);
      std::erase_if(a_.ranges, [&](const Range_Entry& r) { return r.option == form.long_name; });
      a_.ranges.push_back({form.long_name, form.button, *hex});
      break;
    }
    case Opt::Fill: {
      auto hex = Hex_Digits(value, 2);
      if (!hex) return Problem("bad hex value '" + value + "' for " + written + " (one byte)");
      a_.fill = static_cast<uint8_t>(*common::Parse_Hex(*hex));
      break;
    }
    case Opt::No_Verify:
      a_.no_verify = true;
      break;
    case Opt::Help:
      a_.help = true;
      break;
  }
  return std::nullopt;
}

std::variant<Arguments, Usage_Problem> Parser::Run(const std::vector<std::string>& args) {
  bool options_end = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_end || arg.size() < 2 || arg[0] != '-') {
      (a_.command.empty() ? a_.command : a_.operands.emplace_back()) = arg;
      continue;
    }
    if (arg == "--") {
      options_end = true;
      continue;
    }
    const Option_Form* form = nullptr;
    std::string written, value;
    bool has_value = false;
    if (arg[1] == '-') {
      size_t eq = arg.find('=');
      written = arg.substr(0, eq);
      if (eq != std::string::npos) value = arg.substr(eq + 1), has_value = true;
      for (const Option_Form& f : kOptions)
        if (written == f.long_name) form = &f;
    } else {
      written = arg.substr(0, 2);
      if (arg.size() > 2) value = arg.substr(2), has_value = true;
      for (const Option_Form& f : kOptions)
        if (f.short_name != 0 && arg[1] == f.short_name) form = &f;
    }
    if (form == nullptr) return Problem("unknown option '" + written + "'");
    if (!Takes_Value(form->opt) && has_value)
      return Problem("option " + written + " takes no value");
    if (Takes_Value(form->opt) && !has_value) {
      if (i + 1 >= args.size()) return Problem("option " + written + " needs a value");
      value = args[++i];
    }
    if (auto problem = Take(*form, written, value)) return *problem;
  }
  if (a_.help) return a_;
  if (a_.command.empty()) return Problem("no command given");
  auto c = std::find_if(std::begin(kCommands), std::end(kCommands),
                        [&](const Command_Form& f) { return a_.command == f.name; });
  if (c == std::end(kCommands)) return Problem("unknown command '" + a_.command + "'");
  a_.id = c->id;
  if (auto problem = Check(*c)) return *problem;
  return a_;
}

std::optional<Usage_Problem> Parser::Check(const Command_Form& c) {
  for (const Given& g : given_)
    if (g.form->group != 0 && (c.groups & g.form->group) == 0)
      return Problem("option " + g.text + " does not apply to " + c.name);
  if ((c.groups & kNeed_Device) && !a_.device)
    return Problem(std::string(c.name) + " needs a device: -d DEVICE");
  if (a_.operands.size() < c.min_operands || a_.operands.size() > c.max_operands)
    return Problem("wrong arguments for " + std::string(c.name) + ": kv9 " + Device_Part(c) +
                   c.synopsis);
  if (c.groups & kIn) {
    const std::string& in = a_.operands.front();
    if (!in_) in_ = Format_Of_Path(in);
    if (!in_) return Problem("the format of '" + in + "' is not known from its name: give -f");
    a_.in_format = *in_;
  }
  if (c.groups & kOut) {
    const std::string& out = a_.operands.back();
    if (!out_) out_ = Format_Of_Path(out);
    if (!out_)
      return Problem("the format of '" + out + "' is not known from its name: give --out-format");
    a_.out_format = *out_;
  }
  return Check_Operands(c);
}

// The operands of security and clock.
std::optional<Usage_Problem> Parser::Check_Operands(const Command_Form& c) {
  const std::vector<std::string>& ops = a_.operands;
  std::string name = c.name;
  if (name == "security" && ops[0] != "1" && ops[0] != "2" && ops[0] != "3")
    return Problem("security takes the bit to program: 1, 2 or 3");
  if (name == "clock") {
    if (ops[0] == "read" && ops.size() == 1) return std::nullopt;
    if (ops[0] != "write" || ops.size() != 10)
      return Problem("wrong arguments for clock: kv9 " + Device_Part(c) + c.synopsis);
    for (size_t i = 1; i < ops.size(); ++i)
      if (ops[i].size() > 2 || !Hex_Digits(ops[i]))
        return Problem("bad clock field '" + ops[i] + "': one or two hex digits");
  }
  return std::nullopt;
}

}  // namespace

std::variant<Arguments, Usage_Problem> Parse_Arguments(const std::vector<std::string>& args) {
  return Parser().Run(args);
}

}  // namespace memprog::cli
