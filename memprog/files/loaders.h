// The loader of each file type, reading from any byte source.
#pragma once

#include <string>

#include "memprog/files/buffer_file.h"
#include "memprog/files/byte_source.h"
#include "memprog/files/placer.h"

namespace memprog {

using Loader = Load_Outcome(Byte_Source& source, const std::string& path, Placer& placer,
                            const File_Ranges& ranges);

Loader Load_Binary, Load_Intel, Load_Motorola, Load_Tektronix, Load_Ascii;

// The load of an opened file, without the status texts.
Load_Outcome Load_From_Source(Byte_Source& source, File_Type type, const std::string& path,
                              uint8_t* image, const File_Ranges& ranges, File_Progress& progress);

}  // namespace memprog
