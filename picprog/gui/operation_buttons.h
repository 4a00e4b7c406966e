// The buttons of the device operations and the handlers they run.
#pragma once

#include <array>

#include "picprog/core/mcu9.h"

namespace picprog {

struct Operation_Button {
  const char* control;
  void (*click)(Mcu9&);  // nullptr: not linked in, the button does nothing
};

extern const std::array<Operation_Button, 8> kOperation_Buttons;

}  // namespace picprog
