#include "proglink/console/command_line.h"

#include <algorithm>
#include <iterator>
#include <ostream>

#include "common/hex.h"
#include "proglink/console/exit_status.h"

namespace proglink::console {

namespace {

Usage_Problem Problem(std::string message) {
  return {std::move(message), {}};
}

enum Console_Option { kJson = -1, kAll = -2, kYes = -3 };

constexpr Option_Form kConsole_Options[] = {
    {"--json", 0, kJson, 0, false},
    {"--all", 0, kAll, kLists_Mismatches, false},
    {"--yes", 'y', kYes, 0, false},
};

void Take_Console_Option(const Option_Form& form, Console_Options& o) {
  (form.id == kJson ? o.json : form.id == kAll ? o.all : o.yes) = true;
}

// Edits (insert, delete, change, swap of neighbours) from `a` to `b`.
size_t Edits(std::string_view a, std::string_view b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i)
    for (size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min(
          {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

// The known name nearest to `written`: one it begins, or one a slip or two away.
std::optional<std::string> Nearest(const std::string& written,
                                   const std::vector<std::string_view>& names) {
  std::optional<std::string> best;
  size_t best_edits = std::max<size_t>(1, std::min<size_t>(2, written.size() / 3)) + 1;
  for (std::string_view name : names) {
    const size_t edits = Edits(written, name);
    if (edits < best_edits) best = std::string(name), best_edits = edits;
  }
  if (best || written.size() < 2) return best;
  std::vector<std::string_view> begun;
  std::copy_if(names.begin(), names.end(), std::back_inserter(begun),
               [&](std::string_view name) { return name.starts_with(written); });
  if (begun.size() == 1) return std::string(begun.front());
  return std::nullopt;
}

Usage_Problem Unknown(const char* what, const std::string& written,
                      const std::vector<std::string_view>& names) {
  std::string message = std::string("unknown ") + what + " '" + written + "'";
  if (auto nearest = Nearest(written, names)) message += "; did you mean '" + *nearest + "'?";
  return Problem(message);
}

std::vector<std::string_view> Long_Names(const Grammar& g) {
  std::vector<std::string_view> names;
  for (const Option_Form& f : g.options) names.push_back(f.long_name);
  for (const Option_Form& f : kConsole_Options) names.push_back(f.long_name);
  return names;
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
      for (const auto& forms : {grammar.options, std::span<const Option_Form>(kConsole_Options)})
        for (const Option_Form& f : forms)
          if (written == f.long_name) form = &f;
    } else {
      written = arg.substr(0, 2);
      if (arg.size() > 2) value = arg.substr(2), has_value = true;
      for (const auto& forms : {grammar.options, std::span<const Option_Form>(kConsole_Options)})
        for (const Option_Form& f : forms)
          if (f.short_name != 0 && arg[1] == f.short_name) form = &f;
    }
    if (form == nullptr) return Unknown("option", written, Long_Names(grammar));
    if (!form->takes_value && has_value) return Problem("option " + written + " takes no value");
    if (form->takes_value && !has_value) {
      if (i + 1 >= args.size()) return Problem("option " + written + " needs a value");
      value = args[++i];
    }
    given.push_back({form, written});
    if (form->id == grammar.help_id) line.help = true;
    if (form->id < 0) {
      Take_Console_Option(*form, line.console);
    } else if (auto problem = take(*form, written, value)) {
      return *problem;
    }
  }
  if (line.help) return line;
  if (command.empty()) return Problem("no command given");
  auto c = std::find_if(grammar.commands.begin(), grammar.commands.end(),
                        [&](const Command_Form& f) { return command == f.name; });
  if (c == grammar.commands.end()) {
    std::vector<std::string_view> names;
    for (const Command_Form& f : grammar.commands) names.push_back(f.name);
    return Unknown("command", command, names);
  }
  if (auto problem = Check(grammar, *c, given, line.operands.size())) return *problem;
  line.command = &*c;
  line.console.command = c->name;
  return line;
}

int Report_Usage(std::ostream& err, const char* program, const Usage_Problem& problem) {
  err << program << ": " << problem.message << '\n';
  for (const std::string& line : problem.details) err << "  " << line << '\n';
  err << program << " --help shows the usage\n";
  return kUsage;
}

}  // namespace proglink::console
