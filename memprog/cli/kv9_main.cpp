// kv9: Win_KV9's operations without a window, for scripts and production lines.
#include <unistd.h>

#include <iostream>

#include "memprog/cli/run.h"
#include "progsim/ftd2xx_sim.h"
#include "usblink/backend_choice.h"

int main(int argc, char** argv) {
  if (!Install_Backend_From_Environment(progsim::Backend(), "kv9", std::cerr)) return 2;
  return memprog::cli::Run_Kv9(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                               std::cerr, ::isatty(STDERR_FILENO) == 1);
}
