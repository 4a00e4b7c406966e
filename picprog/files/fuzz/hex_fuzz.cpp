// libFuzzer target: any text handed to the hex loader stays inside the buffer and never crashes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "picprog/files/hex_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static picprog::Pic_Buf buf;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  picprog::Read_Hex(text, buf, size % 2 ? 0x0FFF : 0x3FFF);
  return 0;
}
