// Choosing the device: the list, what an entry sets, the Vpp button, the program type and the
// byte order of 16-bit flash parts.
#pragma once

#include "memprog/core/kv9.h"
#include "proglink/outcome.h"

namespace memprog {

// The Device button: with Auto ID on, the electronic ID first. Good when the ID named a part
// of the device list (its code in the outcome), else Device_Failed or what broke the run off. The
// window stays busy until a line of the list is clicked.
proglink::Outcome DeviceClick(Kv9& k);
void Device_Box1Click(Kv9& k, int index);
void Select_Device(Kv9& k);

void Vpp_ButClick(Kv9& k);
void Prg_Type_ButClick(Kv9& k);
void Prg_TypeClick(Kv9& k, int index);
void Flash_x16Click(Kv9& k);

// The Prg_Type_But caption of a program type.
const char* Prg_Type_Caption(Program_Type prg_type);

}  // namespace memprog
