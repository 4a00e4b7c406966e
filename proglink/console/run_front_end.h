// A front end as a function of its parsed arguments: a usage problem or a request for help is
// answered before anything else, and the device is looked up before the programmer is searched
// for; then the command runs on a session with that device selected and the options applied.
#pragma once

#include <optional>
#include <ostream>
#include <string_view>
#include <variant>

#include "proglink/console/command_line.h"
#include "proglink/console/device_lookup.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/interrupt.h"

namespace proglink::console {

// What a front end is made of. `Session` is a Front_End built from the two streams and the
// terminal flag, with Select(code) and Apply(arguments); `Arguments` has `help`, `device`,
// `console` and `data_to_stdout`.
template <class Session, class Arguments>
struct Front_End_Parts {
  const char* program;  // "kv9"
  const char* usage;
  Device_Match (*find_device)(std::string_view name);
  int (*run_command)(const Arguments& a, Session& s);
};

// Returns the exit status.
template <class Session, class Arguments>
int Run_Front_End(const Front_End_Parts<Session, Arguments>& parts,
                  const std::variant<Arguments, Usage_Problem>& parsed, std::ostream& out,
                  std::ostream& err, bool terminal) {
  if (const auto* problem = std::get_if<Usage_Problem>(&parsed))
    return Report_Usage(err, parts.program, *problem);
  const Arguments& a = std::get<Arguments>(parsed);
  if (a.help) {
    out << parts.usage;
    return kGood;
  }
  Device_Match m;
  if (a.device) {
    m = parts.find_device(*a.device);
    if (m.code == 0) return Report_Usage(err, parts.program, {m.problem, m.candidates});
    if (!m.note.empty()) err << parts.program << ": " << m.note << '\n';
  }
  const int code = m.code;
  Interrupt_Catcher catcher;
  // Data written to standard output leave it to them: every text goes to stderr.
  Session s(a.data_to_stdout ? err : out, err, terminal);
  s.Start_Run(a.console, code ? std::optional(m.caption) : std::nullopt,
              code ? std::optional(code) : std::nullopt);
  if (code != 0) {
    s.Select(code);
    s.Apply(a);
  }
  return s.Final_Status(parts.run_command(a, s));
}

}  // namespace proglink::console
