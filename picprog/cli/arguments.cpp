#include "picprog/cli/arguments.h"

#include <algorithm>

#include "common/hex.h"
#include "proglink/console/argument_parser.h"
#include "proglink/console/format_names.h"

namespace picprog::cli {

namespace {

using namespace proglink::console;

// Which options a command takes, as a set of groups.
enum Group : unsigned {
  kFill = kFirst_Own_Group,  // --fill
  kFuse = kFill << 1,        // --fuse
  kVolts = kFill << 2,       // --verify-voltage
  kSteps = kFill << 3,       // --no-verify, --check-id and --erase
};

constexpr unsigned kWith_Device = kDevice_Group | kNeeds_Device;
constexpr unsigned kInput = kWith_Device | kIn_File | kFill;

constexpr int Id(Command c) {
  return static_cast<int>(c);
}

constexpr Command_Form kCommands[] = {
    {Id(Command::Probe), "probe", "probe", 0, 0, 0},
    {Id(Command::List), "list", "list [TEXT]", 0, 1, 0},
    {Id(Command::Info), "info", "info", 0, 0, kWith_Device},
    {Id(Command::Socket), "socket", "socket", 0, 0, kWith_Device},
    {Id(Command::Fuse), "fuse", "fuse HEX", 1, 1, kWith_Device},
    {Id(Command::Convert), "convert", "convert IN OUT", 2, 2, kInput | kOut_File | kFuse},
    {Id(Command::Checksum), "checksum", "checksum IN", 1, 1, kInput},
    {Id(Command::Read), "read", "read OUT", 1, 1, kWith_Device | kOut_File | kFill},
    {Id(Command::Program), "program", "program IN", 1, 1,
     kInput | kFuse | kVolts | kSteps | kLists_Mismatches},
    {Id(Command::Verify), "verify", "verify IN", 1, 1, kInput | kFuse | kVolts | kLists_Mismatches},
    {Id(Command::Blank), "blank", "blank", 0, 0, kWith_Device | kLists_Mismatches},
    {Id(Command::Erase), "erase", "erase", 0, 0, kWith_Device},
    {Id(Command::Program_EE), "program-ee", "program-ee IN", 1, 1, kInput},
    {Id(Command::Verify_EE), "verify-ee", "verify-ee IN", 1, 1,
     kInput | kVolts | kLists_Mismatches},
    {Id(Command::Firmware), "firmware", "firmware FILE", 1, 1, 0},
};

enum Opt {
  kDevice,
  kFormat,
  kOut_Format,
  kFill_Value,
  kFuse_Word,
  kVerify_Voltage,
  kStep,
  kWrap,
  kHelp
};

constexpr Option_Form kOptions[] = {
    {"--device", 'd', kDevice, kDevice_Group, true},
    {"--format", 'f', kFormat, kIn_File, true},
    {"--out-format", 0, kOut_Format, kOut_File, true},
    {"--fill", 0, kFill_Value, kFill, true},
    {"--fuse", 0, kFuse_Word, kFuse, true},
    {"--verify-voltage", 0, kVerify_Voltage, kVolts, true},
    {"--no-verify", 0, kStep, kSteps, false},
    {"--check-id", 0, kStep, kSteps, false},
    {"--erase", 0, kStep, kSteps, false},
    {"--wrap", 0, kWrap, kIn_File, false},
    {"--help", 'h', kHelp, 0, false},
};

constexpr Grammar kGrammar{"mcu9", kCommands, kOptions, kHelp};

// A buffer word: at most four hex digits.
constexpr size_t kWord_Digits = 4;

using Named = Format_Name<File_Format>;
constexpr Named kFormat_Names[] = {{"bin", kBinary}, {"hex", kIntel_Hex}};
constexpr Named kExtensions[] = {{".bin", kBinary},    {".rom", kBinary},    {".img", kBinary},
                                 {".hex", kIntel_Hex}, {".ihx", kIntel_Hex}, {".ihex", kIntel_Hex}};

std::optional<File_Format> Format_Of_Path(std::string_view path) {
  return proglink::console::Format_Of_Path<File_Format>(kExtensions, path);
}

class Parser : public Argument_Parser<Arguments, File_Format> {
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
      auto format = Format_Called<File_Format>(kFormat_Names, value);
      if (!format)
        return Problem("unknown format '" + value + "' for " + written + " (bin or hex)");
      (form.id == kFormat ? in_ : out_) = format;
      break;
    }
    case kFill_Value:
    case kFuse_Word: {
      auto hex = Hex_Digits(value, kWord_Digits);
      if (!hex)
        return Problem("bad hex value '" + value + "' for " + written + " (a word, up to " +
                       std::to_string(kWord_Digits) + " hex digits)");
      if (form.id == kFill_Value)
        a_.fill = *hex;
      else
        a_.fuse = static_cast<uint16_t>(*common::Parse_Hex(*hex));
      break;
    }
    case kVerify_Voltage: {
      constexpr const char* kVolts_Items[] = {"3", "5", "6"};
      auto v = std::find(std::begin(kVolts_Items), std::end(kVolts_Items), value);
      if (v == std::end(kVolts_Items)) return Problem(written + " takes 3, 5 or 6");
      a_.verify_volts = static_cast<int>(v - std::begin(kVolts_Items));
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

// The word of the fuse command.
std::optional<Usage_Problem> Parser::Check(const Command_Form& c) {
  if (c.id == Id(Command::Fuse)) {
    const std::string& word = a_.operands.front();
    auto hex = Hex_Digits(word, kWord_Digits);
    if (!hex)
      return Problem("bad configuration word '" + word + "' (up to " +
                     std::to_string(kWord_Digits) + " hex digits)");
    a_.fuse = static_cast<uint16_t>(*common::Parse_Hex(*hex));
  }
  return std::nullopt;
}

}  // namespace

std::variant<Arguments, Usage_Problem> Parse_Arguments(const std::vector<std::string>& args) {
  return Parser().Run(args);
}

}  // namespace picprog::cli
