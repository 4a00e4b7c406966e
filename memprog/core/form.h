// Win_KV9's main window as designed.
#pragma once

#include "proglink/form_design.h"

namespace memprog {

const proglink::Form_Design& Kv9_Form();

}  // namespace memprog
