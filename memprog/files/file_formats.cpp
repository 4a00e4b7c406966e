// Legend of the fields:
//   type      the Tag of the `File_Type` list
//   name      the list item, as messages name the format
//   hex       shows the hex status texts while loading and saving
//   load      reads a file into the buffer
//   save      writes buffer indices 0 to last
//   max_last  the highest buffer index the format can address
#include "memprog/files/file_formats.h"

namespace memprog {

namespace {

constexpr File_Format kFormats[] = {
    {.type = File_Type::Binary,
     .name = "Binary",
     .hex = false,
     .load = Load_Binary,
     .save = Save_Binary,
     .max_last = kImage_Size - 1},
    {.type = File_Type::Intel,
     .name = "Intel Hex",
     .hex = true,
     .load = Load_Intel,
     .save = Save_Intel,
     .max_last = kImage_Size - 1},
    {.type = File_Type::Motorola,
     .name = "Motorola Hex",
     .hex = true,
     .load = Load_Motorola,
     .save = Save_Motorola,
     .max_last = kImage_Size - 1},
    {.type = File_Type::Tektronix,
     .name = "Tektronics Hex",
     .hex = true,
     .load = Load_Tektronix,
     .save = Save_Tektronix,
     .max_last = 0xFFFF},  // standard records have four address digits
    {.type = File_Type::Ascii,
     .name = "Ascii Hex",
     .hex = true,
     .load = Load_Ascii,
     .save = Save_Ascii,
     .max_last = kImage_Size - 1},
};

}  // namespace

const File_Format* Find_Format(File_Type type) {
  for (const File_Format& f : kFormats)
    if (f.type == type) return &f;
  return nullptr;
}

}  // namespace memprog
