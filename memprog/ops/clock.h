// The clock of the timekeeper RAMs: read into the nine fields of T_Keeper, written back from them.
#pragma once

#include "memprog/core/kv9.h"
#include "proglink/outcome.h"

namespace memprog {

// A field that is not a hex number: Refused, nothing sent.
proglink::Outcome Prg_TimeClick(Kv9& k);
proglink::Outcome Read_TimeClick(Kv9& k);

}  // namespace memprog
