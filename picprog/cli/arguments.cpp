#include "picprog/cli/arguments.h"

#include <algorithm>

#include "common/hex.h"
#include "proglink/console/format_names.h"

namespace picprog::cli {

namespace {

using namespace proglink::console;

// Which options a command takes, as a set of groups.
enum Group : unsigned {
  kIn = kFirst_Own_Group,  // -f, for the input file (the first operand)
  kOut = kIn << 1,         // --out-format, for the output file (the last operand)
  kFill = kIn << 2,        // --fill
  kFuse = kIn << 3,        // --fuse
  kVolts = kIn << 4,       // --verify-voltage
};

constexpr unsigned kWith_Device = kDevice_Group | kNeeds_Device;
constexpr unsigned kInput = kWith_Device | kIn | kFill;

constexpr int Id(Command c) {
  return static_cast<int>(c);
}

constexpr Command_Form kCommands[] = {
    {Id(Command::Probe), "probe", "probe", 0, 0, 0},
    {Id(Command::List), "list", "list [TEXT]", 0, 1, 0},
    {Id(Command::Info), "info", "info", 0, 0, kWith_Device},
    {Id(Command::Socket), "socket", "socket", 0, 0, kWith_Device},
    {Id(Command::Fuse), "fuse", "fuse HEX", 1, 1, kWith_Device},
    {Id(Command::Convert), "convert", "convert IN OUT", 2, 2, kInput | kOut | kFuse},
    {Id(Command::Checksum), "checksum", "checksum IN", 1, 1, kInput},
    {Id(Command::Read), "read", "read OUT", 1, 1, kWith_Device | kOut | kFill},
    {Id(Command::Program), "program", "program IN", 1, 1, kInput | kFuse},
    {Id(Command::Verify), "verify", "verify IN", 1, 1, kInput | kFuse | kVolts},
    {Id(Command::Blank), "blank", "blank", 0, 0, kWith_Device},
    {Id(Command::Erase), "erase", "erase", 0, 0, kWith_Device},
    {Id(Command::Program_EE), "program-ee", "program-ee IN", 1, 1, kInput},
    {Id(Command::Verify_EE), "verify-ee", "verify-ee IN", 1, 1, kInput | kVolts},
    {Id(Command::Firmware), "firmware", "firmware FILE", 1, 1, 0},
};

enum Opt { kDevice, kFormat, kOut_Format, kFill_Value, kFuse_Word, kVerify_Voltage, kHelp };

constexpr Option_Form kOptions[] = {
    {"--device", 'd', kDevice, kDevice_Group, true},
    {"--format", 'f', kFormat, kIn, true},
    {"--out-format", 0, kOut_Format, kOut, true},
    {"--fill", 0, kFill_Value, kFill, true},
    {"--fuse", 0, kFuse_Word, kFuse, true},
    {"--verify-voltage", 0, kVerify_Voltage, kVolts, true},
    {"--help", 'h', kHelp, 0, false},
};

constexpr Grammar kGrammar{"mcu9", kCommands, kOptions, kHelp};

// A buffer word: at most four hex digits.
constexpr size_t kWord_Digits = 4;

using Named = Format_Name<File_Format>;
constexpr Named kFormat_Names[] = {{"bin", kBinary}, {"hex", kIntel_Hex}};
constexpr Named kExtensions[] = {{".bin", kBinary}, {".hex", kIntel_Hex}};

std::optional<File_Format> Format_Of_Path(const std::string& path) {
  return proglink::console::Format_Of_Path<File_Format>(kExtensions, path);
}

Usage_Problem Problem(std::string message) {
  return {std::move(message), {}};
}

class Parser {
 public:
  std::variant<Arguments, Usage_Problem> Run(const std::vector<std::string>& args);

 private:
  std::optional<Usage_Problem> Take(const Option_Form& form, const std::string& written,
                                    const std::string& value);
  std::optional<Usage_Problem> Check(const Command_Form& c);

  Arguments a_;
  std::optional<File_Format> in_, out_;
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
    case kHelp:
      a_.help = true;
      break;
  }
  return std::nullopt;
}

std::variant<Arguments, Usage_Problem> Parser::Run(const std::vector<std::string>& args) {
  auto parsed =
      Parse_Command_Line(args, kGrammar,
                         [this](const Option_Form& form, const std::string& written,
                                const std::string& value) { return Take(form, written, value); });
  if (auto* problem = std::get_if<Usage_Problem>(&parsed)) return *problem;
  Command_Line& line = std::get<Command_Line>(parsed);
  if (a_.help) return a_;
  a_.id = static_cast<Command>(line.command->id);
  a_.operands = std::move(line.operands);
  if (auto problem = Check(*line.command)) return *problem;
  return a_;
}

std::optional<Usage_Problem> Parser::Check(const Command_Form& c) {
  if (c.groups & kIn) {
    const std::string& in = a_.operands.front();
    if (!in_) in_ = Format_Of_Path(in);
    if (!in_) return Unknown_Format(in, "-f");
    a_.in_format = *in_;
  }
  if (c.groups & kOut) {
    const std::string& out = a_.operands.back();
    if (!out_) out_ = Format_Of_Path(out);
    if (!out_) return Unknown_Format(out, "--out-format");
    a_.out_format = *out_;
  }
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
