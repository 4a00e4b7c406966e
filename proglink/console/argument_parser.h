// The parse of a front end's command line into its own arguments: each option taken as the
// parse meets it; then, unless help was asked for, the command and its operands stored, the
// formats of its input and output files settled and the front end's own checks made.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "common/input_file.h"
#include "proglink/console/command_line.h"
#include "proglink/console/content_format.h"

namespace proglink::console {

// `Arguments` has `help`, `id` (the command), `operands`, `console`, `in_format` with
// `in_origin`, and `out_format` with `data_to_stdout`.
template <class Arguments, class Format>
class Argument_Parser {
 public:
  using Path_Format = std::optional<Format> (*)(std::string_view path);

  // `format_of_path` tells a file's format where no option names it.
  Argument_Parser(const Grammar& grammar, Path_Format format_of_path)
      : grammar_(grammar), format_of_path_(format_of_path) {}
  virtual ~Argument_Parser() = default;
  Argument_Parser(const Argument_Parser&) = delete;
  Argument_Parser& operator=(const Argument_Parser&) = delete;

  std::variant<Arguments, Usage_Problem> Run(const std::vector<std::string>& args) {
    auto parsed =
        Parse_Command_Line(args, grammar_,
                           [this](const Option_Form& form, const std::string& written,
                                  const std::string& value) { return Take(form, written, value); });
    if (auto* problem = std::get_if<Usage_Problem>(&parsed)) return *problem;
    Command_Line& line = std::get<Command_Line>(parsed);
    if (a_.help) return a_;
    a_.id = static_cast<decltype(a_.id)>(line.command->id);
    a_.console = line.console;
    a_.operands = std::move(line.operands);
    if (auto problem = Check_Files(*line.command)) return *problem;
    if (auto problem = Check(*line.command)) return *problem;
    return a_;
  }

 protected:
  // One option; a problem ends the parse.
  virtual std::optional<Usage_Problem> Take(const Option_Form& form, const std::string& written,
                                            const std::string& value) = 0;
  // The front end's own checks of the command, once its files' formats are known.
  virtual std::optional<Usage_Problem> Check(const Command_Form& c) = 0;

  // A problem that is only its message.
  static Usage_Problem Problem(std::string message) { return {std::move(message), {}}; }

  Arguments a_;
  std::optional<Format> in_, out_;  // as -f and --out-format name them

 private:
  // Standard input without -f is known by its content once it is read; standard output without
  // --out-format takes the front end's default format (binary).
  std::optional<Usage_Problem> Check_Files(const Command_Form& c) {
    if (c.groups & kIn_File) {
      const std::string& in = a_.operands.front();
      a_.in_origin = in_                              ? Format_Origin::Option
                     : common::Is_Standard_Stream(in) ? Format_Origin::Content
                                                      : Format_Origin::Extension;
      if (a_.in_origin == Format_Origin::Extension) in_ = format_of_path_(in);
      if (!in_ && a_.in_origin != Format_Origin::Content) return Unknown_Format(in, "-f");
      if (in_) a_.in_format = *in_;
    }
    if (c.groups & kOut_File) {
      const std::string& out = a_.operands.back();
      a_.data_to_stdout = common::Is_Standard_Stream(out);
      if (!out_ && !a_.data_to_stdout) out_ = format_of_path_(out);
      if (!out_ && !a_.data_to_stdout) return Unknown_Format(out, "--out-format");
      if (out_) a_.out_format = *out_;
    }
    return std::nullopt;
  }

  const Grammar& grammar_;
  Path_Format format_of_path_;
};

}  // namespace proglink::console
