// Binary files: byte n of the file goes to buffer index Buf_Start_Add + n.
#include <memory>

#include "memprog/files/load_outcome.h"
#include "memprog/files/loaders.h"

namespace memprog {

Load_Outcome Load_Binary(Byte_Source& source, const std::string& path, Placer& placer,
                         const File_Ranges& ranges) {
  constexpr size_t kChunk = 0x10000;
  std::unique_ptr<uint8_t[]> chunk(new uint8_t[kChunk]);
  int64_t index = ranges.Buf_Start_Add;
  while (index < kImage_Size) {
    ptrdiff_t n = source.Read(chunk.get(), kChunk);
    if (n < 0) return Read_Failed(source.Error(), placer);
    if (n == 0) return Read_To_End(File_Type::Binary, path, placer);
    placer.Place_At(index, chunk.get(), static_cast<size_t>(n));
    index += n;
  }
  // The buffer is full: what is left of the file is counted, not read.
  placer.Drop(source.Skip_Rest());
  return Read_To_End(File_Type::Binary, path, placer);
}

}  // namespace memprog
