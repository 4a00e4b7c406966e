// The buffer's checksum and its fills.
#pragma once

#include "picprog/core/mcu9.h"

namespace picprog {

// Chk_Sum over words 0..Prog_End, shown on Chk_Sum_But.
void Show_Checksum(Mcu9& m);
void Chk_Sum_ButClick(Mcu9& m);  // the busy state, the checksum, the enable step

void FillClick(Mcu9& m);  // the busy state, then the fill list
void FillBoxClick(Mcu9& m, int item);
// A key typed in FillEdit ('\r' Enter, '\b' Backspace); true when it is used up here (Enter).
bool FillEditKeyPress(Mcu9& m, char key);
// FillEdit's text changed: after a key that is not hex, the change clears the field.
void FillEditChange(Mcu9& m, const std::string& text);

}  // namespace picprog
