// The file-type, load and save buttons: the window side of the buffer files.
#pragma once

#include <string>

#include "memprog/core/kv9.h"

namespace memprog {

void File_ButClick(Kv9& k);
void File_TypeClick(Kv9& k, int index);
// Each true when a file was chosen and loaded (all of it, or as much as fits) or saved.
bool Load_ButClick(Kv9& k);
bool Save_ButClick(Kv9& k);

// Loads a file into the buffer in the current file type, as the Load button does after its
// dialog (also the reload of the last file at start-up); true when it was loaded.
bool Load_File(Kv9& k, const std::string& path);
// Saves the buffer into a file in the current file type; true when it was saved.
bool Save_File(Kv9& k, const std::string& path);

// The File_But caption and the dialogs' default extension and filter index of the file type.
void Show_File_Type(Kv9& k);

}  // namespace memprog
