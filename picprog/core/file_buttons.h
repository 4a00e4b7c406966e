// The file-type, load and save buttons: the window side of the buffer files (binary and Intel
// hex).
#pragma once

#include <string>

#include "picprog/core/mcu9.h"

namespace picprog {

void File_ButClick(Mcu9& m);
void File_TypeClick(Mcu9& m, int index);
// Each true when a file was chosen and loaded (perhaps with a warning) or saved.
bool Load_ButClick(Mcu9& m);
bool Save_ButClick(Mcu9& m);

// Loads a file into the buffer in the current file type and names it in StaticText1; what went
// wrong is shown in a message box. True when it was loaded.
bool Load_File(Mcu9& m, const std::string& path);
// What follows every load, chosen or cancelled: the configuration word from the buffer into the
// fuse editor, the checksum and the enable step.
void After_Load(Mcu9& m);

// The File_But caption of the file type.
void Show_File_Type(Mcu9& m);

}  // namespace picprog
