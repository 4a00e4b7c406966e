// The clock of the timekeeper RAMs: read into the nine fields of T_Keeper, written back from them.
#pragma once

#include "memprog/core/kv9.h"

namespace memprog {

void Prg_TimeClick(Kv9& k);
void Read_TimeClick(Kv9& k);

}  // namespace memprog
