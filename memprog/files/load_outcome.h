// The outcomes a loader ends with, and the texts that tell the user about them.
#pragma once

#include <string>

#include "memprog/files/buffer_file.h"
#include "memprog/files/placer.h"

namespace memprog {

inline constexpr char kNot_Loaded_Text[] = "Error... File was Not Loaded In Buffer...";
inline constexpr char kBad_Ascii_Text[] = "Invaild Hex Value in File, File Not Loaded...";

Load_Outcome Not_Opened(const std::string& reason);
// The file was read to its end: Loaded, Clipped or No_Data.
Load_Outcome Read_To_End(File_Type type, const std::string& path, const Placer& placer);
Load_Outcome Bad_Line(File_Type type, const std::string& path, size_t line, const Placer& placer);
Load_Outcome Read_Failed(const std::string& reason, const Placer& placer);

}  // namespace memprog
