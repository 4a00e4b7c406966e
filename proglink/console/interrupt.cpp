#include "proglink/console/interrupt.h"

#include <csignal>

namespace proglink::console {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;
struct sigaction g_previous {};

extern "C" void On_Interrupt(int) {
  Request_Interrupt();
}

}  // namespace

Interrupt_Catcher::Interrupt_Catcher() {
  g_interrupted = 0;
  struct sigaction action {};
  action.sa_handler = On_Interrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;  // the second Ctrl-C is the default one: it ends the program
  sigaction(SIGINT, &action, &g_previous);
}

Interrupt_Catcher::~Interrupt_Catcher() {
  sigaction(SIGINT, &g_previous, nullptr);
}

void Request_Interrupt() {
  g_interrupted = 1;
}

bool Interrupted() {
  return g_interrupted != 0;
}

}  // namespace proglink::console
