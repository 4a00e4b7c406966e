// Erasing electrically erasable parts by their erase type, and programming lock bits.
#pragma once

#include "memprog/core/kv9.h"
#include "proglink/outcome.h"

namespace memprog {

// Both erase buttons. Not erased: Device_Failed.
proglink::Outcome Erase_ButClick(Kv9& k);
void SecurityClick(Kv9& k);
// "Cancel" sends nothing: Refused.
proglink::Outcome Security_ListClick(Kv9& k, int item);

}  // namespace memprog
