#include "memprog/files/savers.h"

namespace memprog {

void Save_Binary(common::Atomic_File& file, const uint8_t* image, uint32_t last) {
  file.Write(image, static_cast<size_t>(last) + 1);
}

}  // namespace memprog
