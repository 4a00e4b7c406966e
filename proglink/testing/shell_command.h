// A built program run through the shell, as a script would run it.
#pragma once

#include <span>
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

// One script a user might run, and what it must come to.
struct Script_Case {
  const char* fault;  // what it guards against
  std::string line;
  int status;
  std::string out;   // part of stdout
  std::string said;  // part of stderr
};

// Runs each script with Run_Script, in order, and checks what it came to.
void Expect_Scripts(const std::string& environment, std::span<const Script_Case> cases);

}  // namespace proglink
