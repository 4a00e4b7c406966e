#include "memprog/cli/arguments.h"

#include <algorithm>

#include "common/hex.h"
#include "memprog/cli/formats.h"
#include "proglink/console/argument_parser.h"

namespace memprog::cli {

namespace {

using namespace proglink::console;

// Which options a command takes, as a set of groups.
enum Group : unsigned {
  kRange = kFirst_Own_Group,  // --split, --swap and the six range values
  kFill = kRange << 1,        // --fill
  kSteps = kRange << 2,       // --no-verify, --check-id and --erase
};

constexpr unsigned kWith_Device = kDevice_Group | kNeeds_Device;
constexpr unsigned kBuffer = kWith_Device | kRange | kFill;

constexpr int Id(Command c) {
  return static_cast<int>(c);
}

constexpr Command_Form kCommands[] = {
    {Id(Command::Probe), "probe", "probe", 0, 0, 0},
    {Id(Command::List), "list", "list [TEXT]", 0, 1, 0},
    {Id(Command::Info), "info", "info", 0, 0, kWith_Device},
    {Id(Command::Socket), "socket", "socket", 0, 0, kWith_Device},
    {Id(Command::Convert), "convert", "convert IN OUT", 2, 2, kBuffer | kIn_File | kOut_File},
    {Id(Command::Checksum), "checksum", "checksum IN", 1, 1, kBuffer | kIn_File},
    {Id(Command::Read), "read", "read OUT", 1, 1, kBuffer | kOut_File},
    {Id(Command::Program), "program", "program IN", 1, 1,
     kBuffer | kIn_File | kSteps | kLists_Mismatches},
    {Id(Command::Verify), "verify", "verify IN", 1, 1, kBuffer | kIn_File | kLists_Mismatches},
    {Id(Command::Compare), "compare", "compare IN", 1, 1, kBuffer | kIn_File},
    {Id(Command::Blank), "blank", "blank", 0, 0, kWith_Device | kRange | kLists_Mismatches},
    {Id(Command::Erase), "erase", "erase", 0, 0, kWith_Device | kRange},
    {Id(Command::Security), "security", "security 1|2|3", 1, 1, kWith_Device},
    {Id(Command::Id), "id", "id", 0, 0, kDevice_Group},
    {Id(Command::Clock), "clock", "clock read | clock write YY MM DD DAY HH MM SS CAL CENTURY", 1,
     10, kWith_Device},
    {Id(Command::Firmware), "firmware", "firmware FILE", 1, 1, 0},
};

enum Opt {
  kDevice,
  kFormat,
  kOut_Format,
  kSplit,
  kSwap,
  kRange_Value,
  kFill_Value,
  kStep,
  kWrap,
  kHelp
};

constexpr Option_Form kOptions[] = {
    {"--device", 'd', kDevice, kDevice_Group, true},
    {"--format", 'f', kFormat, kIn_File, true},
    {"--out-format", 0, kOut_Format, kOut_File, true},
    {"--split", 0, kSplit, kRange, true},
    {"--swap", 0, kSwap, kRange, false},
    {"--buffer-start", 0, kRange_Value, kRange, true},
    {"--start", 0, kRange_Value, kRange, true},
    {"--end", 0, kRange_Value, kRange, true},
    {"--hex-start", 0, kRange_Value, kRange, true},
    {"--hex-end", 0, kRange_Value, kRange, true},
    {"--hex-offset", 0, kRange_Value, kRange, true},
    {"--fill", 0, kFill_Value, kFill, true},
    {"--no-verify", 0, kStep, kSteps, false},
    {"--check-id", 0, kStep, kSteps, false},
    {"--erase", 0, kStep, kSteps, false},
    {"--wrap", 0, kWrap, kIn_File, false},
    {"--help", 'h', kHelp, 0, false},
};

// The button beside the entry field each range value is typed into, and the largest value the
// option takes. The field keeps 32 bits as a signed number: an address of the buffer or a device
// above FFFFFF would read as negative. A hex file address or offset is meant as 32 bits.
struct Range_Button {
  std::string_view option;
  const char* button;
  uint32_t max;
};
constexpr uint32_t kLast_Index = 0xFFFFFF;
constexpr uint32_t kAny = 0xFFFFFFFF;
constexpr Range_Button kRange_Buttons[] = {
    {"--buffer-start", "Start_Buf_Add", kLast_Index},
    {"--start", "Start_Add", kLast_Index},
    {"--end", "End_Add", kLast_Index},
    {"--hex-start", "Start_Hex", kAny},
    {"--hex-end", "End_Hex", kAny},
    {"--hex-offset", "Offset", kAny},
};

constexpr Grammar kGrammar{"kv9", kCommands, kOptions, kHelp};

const Range_Button& Button_Of(std::string_view option) {
  for (const Range_Button& r : kRange_Buttons)
    if (r.option == option) return r;
  return kRange_Buttons[0];  // every range option has its row
}

class Parser : public Argument_Parser<Arguments, File_Type> {
 public:
  Parser() : Argument_Parser(kGrammar, Format_Of_Path) {}

 private:
  std::optional<Usage_Problem> Take(const Option_Form& form, const std::string& written,
                                    const std::string& value) override;
  std::optional<Usage_Problem> Check(const Command_Form& c) override;
};

std::optional<Usage_Problem> Parser::Take(const Option_Form& form, const std::string& written,
                                          const std::string& value) {
  switch (form.id) {
    case kDevice:
      a_.device = value;
      break;
    case kFormat:
    case kOut_Format: {
      auto type = Format_Named(value);
      if (!type)
        return Problem("unknown format '" + value + "' for " + written +
                       " (bin, intel, motorola, tektronix or ascii)");
      (form.id == kFormat ? in_ : out_) = type;
      break;
    }
    case kSplit: {
      constexpr const char* kModes[] = {"byte", "even", "odd"};
      auto m = std::find(std::begin(kModes), std::end(kModes), value);
      if (m == std::end(kModes)) return Problem(written + " takes byte, even or odd");
      a_.split = static_cast<int>(m - std::begin(kModes));
      break;
    }
    case kSwap:
      a_.swap = true;
      break;
    case kRange_Value: {
      auto hex = Hex_Digits(value, 8);
      if (!hex) return Problem("bad hex value '" + value + "' for " + written);
      const Range_Button& b = Button_Of(form.long_name);
      if (*common::Parse_Hex(*hex) > b.max)
        return Problem(written + " " + value + " is out of range: it takes 0 to " +
                       common::Hex(b.max, 1));
      std::erase_if(a_.ranges, [&](const Range_Entry& r) { return r.option == form.long_name; });
      a_.ranges.push_back({form.long_name, b.button, *hex});
      break;
    }
    case kFill_Value: {
      auto hex = Hex_Digits(value, 2);
      if (!hex) return Problem("bad hex value '" + value + "' for " + written + " (one byte)");
      a_.fill = static_cast<uint8_t>(*common::Parse_Hex(*hex));
      break;
    }
    case kStep:
      Take_Step_Option(form.long_name, a_.steps);
      break;
    case kWrap:
      a_.wrap = true;
      break;
    case kHelp:
      a_.help = true;
      break;
  }
  return std::nullopt;
}

// The operands of security and clock.
std::optional<Usage_Problem> Parser::Check(const Command_Form& c) {
  const std::vector<std::string>& ops = a_.operands;
  std::string name = c.name;
  if (name == "security" && ops[0] != "1" && ops[0] != "2" && ops[0] != "3")
    return Problem("security takes the bit to program: 1, 2 or 3");
  if (name == "clock") {
    if (ops[0] == "read" && ops.size() == 1) return std::nullopt;
    if (ops[0] != "write" || ops.size() != 10) return Wrong_Arguments(kGrammar, c);
    for (size_t i = 1; i < ops.size(); ++i)
      if (ops[i].size() > 2 || !Hex_Digits(ops[i], 8))
        return Problem("bad clock field '" + ops[i] + "': one or two hex digits");
  }
  return std::nullopt;
}

}  // namespace

std::variant<Arguments, Usage_Problem> Parse_Arguments(const std::vector<std::string>& args) {
  return Parser().Run(args);
}

}  // namespace memprog::cli
