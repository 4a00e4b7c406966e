// ASCII hex: every line is pairs of hex digits, stored from Buf_Start_Add on. The line end is
// a character of its line: it is ignored when it is left over after the pairs, and makes a bad
// pair when it completes one ("ABC" then CR), as does any character that is not a hex digit.
// A bad pair stops the load: what follows it could land at the wrong addresses.
#include <memory>

#include "memprog/files/hex_digits.h"
#include "memprog/files/load_outcome.h"
#include "memprog/files/loaders.h"

namespace memprog {

Load_Outcome Load_Ascii(Byte_Source& source, const std::string& path, Placer& placer,
                        const File_Ranges& ranges) {
  // 128 KiB of text make 64 KiB of data, one progress report.
  constexpr size_t kChunk = 0x20000;
  std::unique_ptr<uint8_t[]> text(new uint8_t[kChunk]);
  std::unique_ptr<uint8_t[]> data(new uint8_t[kChunk / 2 + 1]);
  int64_t index = ranges.Buf_Start_Add;
  size_t line = 1;
  int pending = -1;  // the first character of a pair, when its second is still to come
  bool after_cr = false;
  for (;;) {
    ptrdiff_t got = source.Read(text.get(), kChunk);
    if (got < 0) return Read_Failed(source.Error(), placer);
    if (got == 0) return Read_To_End(File_Type::Ascii, path, placer);
    const uint8_t* p = text.get();
    const uint8_t* end = p + got;
    size_t n = 0;
    bool bad = false;
    while (p < end) {
      if (pending < 0) {
        // Whole pairs in the block, the common case.
        while (end - p >= 2) {
          int v = Pair_Value(static_cast<char>(p[0]), static_cast<char>(p[1]));
          if (v < 0) break;
          data[n++] = static_cast<uint8_t>(v);
          p += 2;
          after_cr = false;
        }
        if (p == end) break;
      }
      uint8_t c = *p++;
      bool line_end = c == '\r' || c == '\n';
      if (pending >= 0) {
        int v = Pair_Value(static_cast<char>(pending), static_cast<char>(c));
        if (v < 0) {
          bad = true;
          break;
        }
        data[n++] = static_cast<uint8_t>(v);
        pending = -1;
      } else if (!line_end) {
        pending = c;
      }
      if (line_end) {
        if (c == '\r' || !after_cr) ++line;
        after_cr = c == '\r';
      } else {
        after_cr = false;
      }
    }
    placer.Place_At(index, data.get(), n);
    index += static_cast<int64_t>(n);
    if (bad) return Bad_Line(File_Type::Ascii, path, line, placer);
  }
}

}  // namespace memprog
