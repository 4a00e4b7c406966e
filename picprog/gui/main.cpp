// Win_Mcu9: the PIC programmer.
#include "picprog/core/version.h"
#include "picprog/gui/mcu9_window.h"
#include "proglink/window/window_program.h"
#include "progsim/ftd2xx_sim.h"

int main(int argc, char** argv) {
  return proglink::Run_Window_Program<picprog::Mcu9_Window>(
      argc, argv, {"Win_Mcu9", picprog::kVersion, proglink::Variant::Mcu9()}, progsim::Backend());
}
