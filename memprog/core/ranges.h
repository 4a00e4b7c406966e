// The address ranges with their buttons and captions, the entry field that edits them (and the
// program pass and pulse), the buffer checksum and the fill.
#pragma once

#include <string>

#include "memprog/core/kv9.h"

namespace memprog {

void Show_Ranges(Kv9& k);
// The value a range button (Start_Buf_Add .. Offset) shows; nullptr for another name.
const int32_t* Range_Value(const Kv9& k, const std::string& button);
void Checksum(Kv9& k);  // also the Chk_Sum_But click
// True when every buffer position of the device range lies inside the 16 MiB buffer; otherwise
// tells the user that nothing was `done` ("programmed", "read", ...) and returns false. Runs
// check it before they send anything, so that none of them works on part of the range and
// reports it whole.
bool Range_Fits_Buffer(Kv9& k, const char* done);

// A click on Start_Buf_Add, Start_Add, End_Add, Start_Hex, End_Hex, Offset, Chg_Pass or
// Program_Pulse: opens the entry field for that value.
void Edit_Range_Click(Kv9& k, const std::string& button);
// A key typed in Edit_Add ('\r' Enter, '\b' backspace); false: the key is discarded.
bool Edit_AddKeyPress(Kv9& k, char key);

void FillClick(Kv9& k);
void FillBoxClick(Kv9& k, int item);
bool Fill_EditKeyPress(Kv9& k, char key);

}  // namespace memprog
