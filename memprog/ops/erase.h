// Erasing electrically erasable parts by their erase type, and programming lock bits.
#pragma once

#include "memprog/core/kv9.h"

namespace memprog {

void Erase_ButClick(Kv9& k);  // both erase buttons
void SecurityClick(Kv9& k);
void Security_ListClick(Kv9& k, int item);

}  // namespace memprog
