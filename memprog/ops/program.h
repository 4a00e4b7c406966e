// Programming the buffer range into the device, block by block, with auto-verify.
#pragma once

#include "memprog/core/kv9.h"
#include "proglink/outcome.h"

namespace memprog {

// With auto-verify on, the verify's outcome. An unloaded buffer the user would not program:
// Refused.
proglink::Outcome Program_EpromClick(Kv9& k);
void Auto_VerifyClick(Kv9& k);

}  // namespace memprog
