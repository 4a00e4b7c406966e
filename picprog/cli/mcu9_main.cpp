// mcu9: Win_Mcu9's operations without a window, for scripts and production lines.
#include <unistd.h>

#include <iostream>

#include "picprog/cli/run.h"
#include "progsim/ftd2xx_sim.h"
#include "progsim/programmer.h"
#include "usblink/backend_choice.h"

int main(int argc, char** argv) {
  progsim::Set_Chip_File_Kind(progsim::Chip_File_Kind::Pic);
  if (!Install_Backend_From_Environment(progsim::Backend(), "mcu9", std::cerr)) return 2;
  return picprog::cli::Run_Mcu9(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                std::cerr, ::isatty(STDERR_FILENO) == 1);
}
