// The read-type operations: blank check, read ("Move Device"), verify and compare. All walk the
// device range block by block with Read_Block and Next_Address while the Quit button stays live.
#pragma once

#include "memprog/core/kv9.h"

namespace memprog {

void Blank_ChkClick(Kv9& k);
void Move_EpromClick(Kv9& k);
void Verify(Kv9& k);
void Verify_EpromClick(Kv9& k);
void CompareClick(Kv9& k);

// The status text of a run that lost the programmer.
void Show_Lost_If_Lost(Kv9& k);

}  // namespace memprog
