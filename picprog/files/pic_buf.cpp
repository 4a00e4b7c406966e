#include "picprog/files/pic_buf.h"

#include <algorithm>

#include "common/hex.h"

namespace picprog {

uint16_t Checksum(const Pic_Buf& buf, uint16_t prog_end) {
  size_t last = std::min<size_t>(prog_end, buf.size() - 1);
  uint16_t sum = 0;
  for (size_t i = 0; i <= last; ++i) sum = static_cast<uint16_t>(sum + buf[i]);
  return sum;
}

std::string Checksum_Caption(uint16_t sum) {
  return "Checksum=" + common::Hex(sum, 4);
}

std::string Fill_Zero(Pic_Buf& buf) {
  buf.fill(0);
  return "Buffer Filled with 0000...";
}

std::string Fill_Blank(Pic_Buf& buf, uint16_t fuse_blank) {
  buf.fill(fuse_blank);
  return "Buffer Filled with FFFF...";
}

std::optional<std::string> Fill_Value(Pic_Buf& buf, std::string_view entry) {
  if (entry.size() > 4) return std::nullopt;
  auto value = common::Parse_Hex(entry);
  if (!value) return std::nullopt;
  buf.fill(static_cast<uint16_t>(*value));
  return "Buffer Filled with " + common::Hex(*value, 4) + "...";
}

}  // namespace picprog
