// The buttons of the device operations and the handlers they run.
#pragma once

#include <array>
#include <functional>

#include "picprog/core/mcu9.h"

namespace picprog {

struct Operation_Button {
  const char* control;
  // The window has no use for an operation's outcome. Empty: not linked in, the button does
  // nothing.
  std::function<void(Mcu9&)> click;
};

extern const std::array<Operation_Button, 8> kOperation_Buttons;

}  // namespace picprog
