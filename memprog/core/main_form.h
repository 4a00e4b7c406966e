// The main window's life cycle and its two control sets: idle (Enable_All) and busy
// (Disable_All), which every operation switches between.
#pragma once

#include "memprog/core/kv9.h"
#include "proglink/outcome.h"

namespace memprog {

void FormCreate(Kv9& k);
void FormActivate(Kv9& k);    // the start-up sequence; runs at the first activation only
void FormCloseQuery(Kv9& k);  // the shut-down sequence; closing is always allowed
void FormClick(Kv9& k);

void Enable_All(Kv9& k);
void Disable_All(Kv9& k);
void Begin_Busy(Kv9& k);
void End_Busy(Kv9& k);
// End_Busy at the end of an operation that judged `outcome`: its verdict as the link leaves it
// after the closing reset (Lost, Stopped or Time_Out where the run or the reset broke off).
proglink::Outcome End_Busy(Kv9& k, proglink::Outcome outcome);
void Hide_Sockets(Kv9& k);

void Quit_Func_ButClick(Kv9& k);
void StaticText3Click(Kv9& k);

// The six ZIF-socket diagrams that Quit and a new search hide.
void Hide_Zif_Sockets(Kv9& k);

}  // namespace memprog
