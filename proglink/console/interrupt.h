// Ctrl-C while a front end runs: the first acts as the window's Quit button at the next message
// pump, so that the operation stops at a block boundary and the programmer is reset; a second one
// ends the program at once.
#pragma once

namespace proglink::console {

// While it lives, SIGINT is caught as above; it starts with no interrupt pending.
class Interrupt_Catcher {
 public:
  Interrupt_Catcher();
  ~Interrupt_Catcher();
  Interrupt_Catcher(const Interrupt_Catcher&) = delete;
  Interrupt_Catcher& operator=(const Interrupt_Catcher&) = delete;
};

// What the signal handler does.
void Request_Interrupt();
bool Interrupted();

}  // namespace proglink::console
