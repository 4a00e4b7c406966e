// Win_KV9: the memory-device programmer.
#include "memprog/core/version.h"
#include "memprog/gui/kv9_window.h"
#include "proglink/window/window_program.h"
#include "progsim/ftd2xx_sim.h"

int main(int argc, char** argv) {
  return proglink::Run_Window_Program<memprog::Kv9_Window>(
      argc, argv, {"Win_KV9", memprog::kVersion, proglink::Variant::Kv9()}, progsim::Backend());
}
