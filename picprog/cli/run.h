// mcu9 as a function of its arguments and two streams, so that tests run it in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace picprog::cli {

// `args`: the arguments after the program name. `terminal`: `err` is a terminal, so progress is
// drawn there. Returns the exit status.
int Run_Mcu9(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             bool terminal = false);

}  // namespace picprog::cli
