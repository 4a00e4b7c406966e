// Win_Mcu9's device operations: the handlers of its operation buttons and of the address button
// that stops them. Each handler runs the common frame (busy state, its text in StaticText2,
// Pic_Begin), the routine of the selected family and the closing text in StaticText3, and ends
// with the enable step, and returns the outcome (mismatches counted). With no device selected
// (family 0) a handler does nothing: Refused.
//
// A run that did not reach its end never claims success: a stopped blank check or verify reports
// the mismatches it listed, or that it stopped, and a lost programmer shows the text that finds it
// again.
#pragma once

#include "picprog/core/mcu9.h"
#include "proglink/outcome.h"

namespace picprog {

// The start of every operation: 0x10 with (Vcc_Code, 2, pin set-up code, 0), then 0x1C with
// (1, 0, 0, 0).
void Pic_Begin(Mcu9& m);

proglink::Outcome Blank_ChkClick(Mcu9& m);
proglink::Outcome Program_EpromClick(Mcu9& m);
proglink::Outcome Verify_EpromClick(Mcu9& m);
// Reads the part into the buffer ("Move Device") and shows its configuration word in the editor.
proglink::Outcome Move_EpromClick(Mcu9& m);
// Erases a part that can be erased; the 12F629/675 and 12F508/509 get their calibration back.
// A part the user keeps for its unreadable calibration word: Device_Failed.
proglink::Outcome Erase_ButClick(Mcu9& m);
proglink::Outcome Prg_EEClick(Mcu9& m);
proglink::Outcome Verify_EEClick(Mcu9& m);
// The address button: stops the running operation.
void Quit_AddClick(Mcu9& m);

}  // namespace picprog
