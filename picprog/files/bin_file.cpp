#include "picprog/files/bin_file.h"

#include "common/atomic_file.h"
#include "common/input_file.h"

namespace picprog {

namespace {
// How far past a buffer file standard input is read to count what lies beyond it.
constexpr uint64_t kStream_Limit = 16 << 20;
}  // namespace

std::string Load_Bin(const std::string& path, Pic_Buf& buf, uint64_t* refused_beyond) {
  // Only the front of a longer file belongs to the buffer.
  common::Input_File file(path, kStream_Limit, common::Over_Limit::Cut);
  std::string bytes(kBin_File_Bytes, '\0');
  size_t have = 0;
  while (have < bytes.size()) {
    ptrdiff_t n = file.Read(bytes.data() + have, bytes.size() - have);
    if (n <= 0) break;
    have += static_cast<size_t>(n);
  }
  if (!file.Ok()) return file.Error();
  const std::string name = common::Is_Standard_Stream(path) ? "standard input" : path;
  if (have == 0) return name + " is empty, nothing was loaded";
  if (refused_beyond) {
    *refused_beyond = file.Skip_Rest();
    if (*refused_beyond > 0)
      return std::to_string(*refused_beyond) + " bytes of " + name + " lie beyond the " +
             std::to_string(kBin_File_Bytes) + " of a buffer file, nothing was loaded";
  }
  for (size_t i = 0; i < have; ++i) {
    uint16_t byte = static_cast<uint8_t>(bytes[i]);
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
