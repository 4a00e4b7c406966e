#include "picprog/files/bin_file.h"

#include "common/atomic_file.h"
#include "common/input_file.h"

namespace picprog {

std::string Load_Bin(const std::string& path, Pic_Buf& buf) {
  // Only the front of a longer file belongs to the buffer.
  common::File_Data file = common::Read_File(path, kBin_File_Bytes, common::Over_Limit::Cut);
  if (!file.Ok()) return file.error;
  if (file.bytes.empty()) return path + " is empty, nothing was loaded";
  for (size_t i = 0; i < file.bytes.size(); ++i) {
    uint16_t byte = static_cast<uint8_t>(file.bytes[i]);
    uint16_t& word = buf[i / 2];
    word = i % 2 == 0 ? static_cast<uint16_t>((word & 0xFF00) | byte)
                      : static_cast<uint16_t>((word & 0x00FF) | byte << 8);
  }
  return "";
}

std::string Save_Bin(const std::string& path, const Pic_Buf& buf) {
  std::string bytes(kBin_File_Bytes, '\0');
  for (size_t i = 0; i < kFile_Words; ++i) {
    bytes[2 * i] = static_cast<char>(buf[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(buf[i] >> 8);
  }
  std::string error = common::Write_Whole_File(path, bytes);
  return error.empty() ? "" : "Buffer Not Saved: " + error;
}

}  // namespace picprog
