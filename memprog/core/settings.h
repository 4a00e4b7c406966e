// Win_KV9.Cfg: the user's choices between runs, read at start and written at close; the
// "Reset Defaults" button; the help text.
#pragma once

#include <string>

#include "memprog/core/kv9.h"

namespace memprog {

std::string Settings_Path(const Kv9& k);

// Applies the settings file. A line that does not convert keeps its value and is reported with
// the others; a file that is there but cannot be read is reported and changes nothing.
void Read_Settings(Kv9& k);
void Write_Settings(Kv9& k);
void DefaultClick(Kv9& k);
void HelpClick(Kv9& k);

}  // namespace memprog
