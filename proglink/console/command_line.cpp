#include "proglink/console/command_line.h"

#include <algorithm>
#include <ostream>

#include "common/hex.h"
#include "proglink/console/exit_status.h"

namespace proglink::console {

namespace {

Usage_Problem Problem(std::string message) {
  return {std::move(message), {}};
}

// How the synopsis of a command names the device.
std::string Device_Part(const Command_Form& c) {
  if (c.groups & kNeeds_Device) return "-d DEVICE ";
  return (c.groups & kDevice_Group) ? "[-d DEVICE] " : "";
}

struct Given {
  const Option_Form* form;
  std::string text;  // how it was written
};

std::optional<Usage_Problem> Check(const Grammar& g, const Command_Form& c,
                                   const std::vector<Given>& given, size_t operands) {
  bool device = false;
  for (const Given& o : given) {
    if (o.form->group != 0 && (c.groups & o.form->group) == 0)
      return Problem("option " + o.text + " does not apply to " + c.name);
    device = device || o.form->group == kDevice_Group;
  }
  if ((c.groups & kNeeds_Device) && !device)
    return Problem(std::string(c.name) + " needs a device: -d DEVICE");
  if (operands < c.min_operands || operands > c.max_operands) return Wrong_Arguments(g, c);
  return std::nullopt;
}

}  // namespace

Usage_Problem Wrong_Arguments(const Grammar& grammar, const Command_Form& command) {
  return Problem("wrong arguments for " + std::string(command.name) + ": " + grammar.program + " " +
                 Device_Part(command) + command.synopsis);
}

Usage_Problem Unknown_Format(const std::string& path, const char* option) {
  return Problem("the format of '" + path + "' is not known from its name: give " + option);
}

std::optional<std::string> Hex_Digits(std::string text, size_t max_digits) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.erase(0, 2);
  if (text.empty() || !std::all_of(text.begin(), text.end(), common::Is_Hex_Entry_Char))
    return std::nullopt;
  text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
  if (text.size() > max_digits) return std::nullopt;
  return text;
}

std::variant<Command_Line, Usage_Problem> Parse_Command_Line(const std::vector<std::string>& args,
                                                             const Grammar& grammar,
                                                             const Option_Taker& take) {
  Command_Line line;
  std::string command;
  std::vector<Given> given;
  bool options_end = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_end || arg.size() < 2 || arg[0] != '-') {
      (command.empty() ? command : line.operands.emplace_back()) = arg;
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
      for (const Option_Form& f : grammar.options)
        if (written == f.long_name) form = &f;
    } else {
      written = arg.substr(0, 2);
      if (arg.size() > 2) value = arg.substr(2), has_value = true;
      for (const Option_Form& f : grammar.options)
        if (f.short_name != 0 && arg[1] == f.short_name) form = &f;
    }
    if (form == nullptr) return Problem("unknown option '" + written + "'");
    if (!form->takes_value && has_value) return Problem("option " + written + " takes no value");
    if (form->takes_value && !has_value) {
      if (i + 1 >= args.size()) return Problem("option " + written + " needs a value");
      value = args[++i];
    }
    given.push_back({form, written});
    if (form->id == grammar.help_id) line.help = true;
    if (auto problem = take(*form, written, value)) return *problem;
  }
  if (line.help) return line;
  if (command.empty()) return Problem("no command given");
  auto c = std::find_if(grammar.commands.begin(), grammar.commands.end(),
                        [&](const Command_Form& f) { return command == f.name; });
  if (c == grammar.commands.end()) return Problem("unknown command '" + command + "'");
  if (auto problem = Check(grammar, *c, given, line.operands.size())) return *problem;
  line.command = &*c;
  return line;
}

int Report_Usage(std::ostream& err, const char* program, const Usage_Problem& problem,
                 const char* usage) {
  err << program << ": " << problem.message << '\n';
  for (const std::string& line : problem.details) err << "  " << line << '\n';
  err << '\n' << usage;
  return kUsage;
}

}  // namespace proglink::console
