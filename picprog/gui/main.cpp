// Win_Mcu9: the PIC programmer.
#include "picprog/core/version.h"
#include "picprog/gui/mcu9_window.h"
#include "proglink/window/window_program.h"
#include "progsim/ftd2xx_sim.h"
#include "progsim/programmer.h"

int main(int argc, char** argv) {
  progsim::Set_Chip_File_Kind(progsim::Chip_File_Kind::Pic);
  return proglink::Run_Window_Program<picprog::Mcu9_Window>(
      argc, argv, {"Win_Mcu9", picprog::kVersion, proglink::Variant::Mcu9()}, progsim::Backend());
}
