// mcu9: Win_Mcu9's operations without a window, for scripts and production lines.
#include <unistd.h>

#include <iostream>

#include "picprog/cli/run.h"
#include "picprog/core/version.h"
#include "proglink/version_line.h"
#include "progsim/ftd2xx_sim.h"
#include "progsim/programmer.h"
#include "usblink/backend_choice.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (proglink::Answer_Version(args, "mcu9", picprog::kVersion, proglink::Variant::Mcu9(),
                               std::cout))
    return 0;
  progsim::Set_Chip_File_Kind(progsim::Chip_File_Kind::Pic);
  if (!Install_Backend_From_Environment(progsim::Backend(), "mcu9", std::cerr)) return 2;
  return picprog::cli::Run_Mcu9(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
