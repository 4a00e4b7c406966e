#include "proglink/console/interrupt.h"

#include <csignal>

#include "common/end_signals.h"

namespace proglink::console {

Interrupt_Catcher::Interrupt_Catcher() {
  common::Hold_End_Signals(true);
}

Interrupt_Catcher::~Interrupt_Catcher() {
  common::Hold_End_Signals(false);
}

bool Interrupted() {
  return Interrupt_Signal() != 0;
}

int Interrupt_Signal() {
  return common::Held_Signal();
}

const char* Interrupt_Name() {
  switch (Interrupt_Signal()) {
    case SIGINT:
      return "Ctrl-C";
    case SIGTERM:
      return "SIGTERM";
    case SIGHUP:
      return "SIGHUP";
  }
  return "a signal";
}

}  // namespace proglink::console
