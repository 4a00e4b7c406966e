// Win_Mcu9.Cfg in the current working directory: the device code, the file type, the start
// address, Prog_End and the last buffer file, one a line, numbers in decimal.
#pragma once

#include "picprog/core/mcu9.h"

namespace picprog {

constexpr const char* kSettings_File = "Win_Mcu9.Cfg";

// Reads the file and applies it: the device selection, the file type and the last file's load.
// A missing file changes nothing; a number that does not convert is reported and keeps its value,
// and the rest of the file is applied.
void Read_Settings(Mcu9& m);

// Writes the file anew; the old one stays whole if that fails, and the user is told.
void Write_Settings(Mcu9& m);

}  // namespace picprog
