// Win_Mcu9's window as designed: every control with its place, caption and first state.
#pragma once

#include "proglink/form_design.h"

namespace picprog {

const proglink::Form_Design& Mcu9_Form();

}  // namespace picprog
