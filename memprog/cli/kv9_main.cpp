// kv9: Win_KV9's operations without a window, for scripts and production lines.
#include <unistd.h>

#include <iostream>

#include "memprog/cli/run.h"
#include "memprog/core/version.h"
#include "proglink/version_line.h"
#include "progsim/ftd2xx_sim.h"
#include "usblink/backend_choice.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (proglink::Answer_Version(args, "kv9", memprog::kVersion, proglink::Variant::Kv9(), std::cout))
    return 0;
  if (!Install_Backend_From_Environment(progsim::Backend(), "kv9", std::cerr)) return 2;
  return memprog::cli::Run_Kv9(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
