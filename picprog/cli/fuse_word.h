// A configuration word given on the command line, through Win_Mcu9's fuse editor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "picprog/core/mcu9.h"

namespace picprog::cli {

// Decodes `word` into the fuse editor for the selected family and encodes it back as a click in
// the editor does, so that Fuse_Word and buffer word 0x2107 hold what the editor makes of it.
// "" when that is `word`; else why the editor cannot represent it (an oscillator value without
// a radio, code protection of part of the memory).
std::string Set_Fuse(Mcu9& m, uint16_t word);

// What the editor shows: each check box the family uses with its state, the oscillator choice,
// the brown-out item when the family has one, and Fuse_Data.
std::vector<std::string> Fuse_Settings(const Mcu9& m);

}  // namespace picprog::cli
