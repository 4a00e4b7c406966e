// A built program run through the shell, as a script would run it.
#pragma once

#include <string>

namespace proglink {

// Runs `command`: `output` gets what it wrote on stdout, `status` what pclose gives back. A shell
// that cannot be started fails the test.
void Run_Shell(const std::string& command, std::string& output, int& status);

// `line` run by sh in the current folder on the simulated programmer, with `environment`
// (NAME=VALUE words) and no other KV9_SIM_ variable: its exit status (-1 when a signal ended it),
// its stdout in `out` and its stderr in `err`.
int Run_Script(const std::string& environment, const std::string& line, std::string& out,
               std::string& err);

}  // namespace proglink
