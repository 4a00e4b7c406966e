// The simulated PIC kept in the KV9_SIM_CHIP file between runs of Win_Mcu9 and mcu9, in a layout
// of its own that a memory chip's raw image is never taken for (words little-endian):
//
//   bytes 0-15   the signature "KV9 SIM PIC 1", CR, LF, 0x1A
//   bytes 16-47  the part's caption as the device list shows it, padded with NUL bytes
//   bytes 48-49  P, the number of program words; bytes 50-51  E, the bytes of data EEPROM
//   then         P program words (the calibration word included), the four ID words, the
//                configuration word and E data EEPROM bytes, and nothing after them
#pragma once

#include <string>
#include <string_view>

#include "progsim/pic_chip.h"
#include "progsim/pic_parts.h"

namespace progsim {

inline constexpr std::string_view kPic_File_Signature{"KV9 SIM PIC 1\r\n\x1A", 16};

bool Starts_As_Pic_File(std::string_view bytes);

struct Pic_File {
  const Pic_Part* part = nullptr;  // none: there is no file yet, or it is empty
  Pic_Contents contents;
};

// Reads the file: "" when it holds a simulated PIC or is missing or empty; else why it is not a
// PIC's (a memory chip's image, another layout, a part the catalogue lacks).
std::string Read_Pic_File(const std::string& path, Pic_File& file);
// Writes the chip in the socket through the safe save: "" when saved, else why not.
std::string Write_Pic_File(const std::string& path, const Pic_Chip& chip);

}  // namespace progsim
