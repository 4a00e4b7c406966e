// The read-type operations: blank check, read ("Move Device"), verify and compare. All walk the
// device range block by block with Read_Block and Next_Address while the Quit button stays live.
#pragma once

#include "memprog/core/kv9.h"
#include "proglink/outcome.h"

namespace memprog {

// Not blank: Device_Failed, with the bytes that are not blank counted.
proglink::Outcome Blank_ChkClick(Kv9& k);
// Good only when the whole range is in the buffer, with the buffer's checksum.
proglink::Outcome Move_EpromClick(Kv9& k);
// The verify run without the closing End_Busy (auto-verify runs it inside programming);
// differences: Device_Failed, counted.
proglink::Outcome Verify(Kv9& k);
proglink::Outcome Verify_EpromClick(Kv9& k);
// A byte that cannot be reprogrammed: Device_Failed, with its address.
proglink::Outcome CompareClick(Kv9& k);

// The status text of a run that lost the programmer.
void Show_Lost_If_Lost(Kv9& k);

}  // namespace memprog
