// A built program run through the shell, as a script would run it.
#pragma once

#include <string>

namespace proglink {

// Runs `command`: `output` gets what it wrote on stdout, `status` what pclose gives back. A shell
// that cannot be started fails the test.
void Run_Shell(const std::string& command, std::string& output, int& status);

}  // namespace proglink
