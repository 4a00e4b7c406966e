// Win_KV9's main window as designed.
#pragma once

#include "proglink/form_design.h"

namespace memprog {

const proglink::Form_Design& Kv9_Form();

// The socket and adapter diagrams, in the order Hide_Sockets hides them.
extern const char* const kSocket_Diagrams[21];

}  // namespace memprog
