// Ctrl-C, SIGTERM or SIGHUP while a front end runs: the first acts as the window's Quit button at
// the next message pump, so that the operation stops at a block boundary and the programmer is
// reset; a second one ends the program at once (a save in progress leaves no temporary file).
#pragma once

namespace proglink::console {

// While it lives, those signals are caught as above; it starts with none pending.
class Interrupt_Catcher {
 public:
  Interrupt_Catcher();
  ~Interrupt_Catcher();
  Interrupt_Catcher(const Interrupt_Catcher&) = delete;
  Interrupt_Catcher& operator=(const Interrupt_Catcher&) = delete;
};

bool Interrupted();
// The signal that stopped the run, 0 for none.
int Interrupt_Signal();
// How the user knows it: "Ctrl-C", "SIGTERM" or "SIGHUP".
const char* Interrupt_Name();

}  // namespace proglink::console
