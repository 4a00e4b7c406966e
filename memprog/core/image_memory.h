// The memory behind the image buffer. Most runs use a small part of the 16 MiB, so it is mapped
// as zero pages that cost nothing until touched (in huge pages where the system allows them),
// instead of being cleared byte by byte when the program starts.
#pragma once

#include <cstdint>
#include <memory>

namespace memprog {

struct Image_Release {
  void operator()(uint8_t* p) const;
};
using Image_Memory = std::unique_ptr<uint8_t[], Image_Release>;

// kImage_Size bytes, all zero.
Image_Memory Allocate_Image();

// Every byte of the image set to `value`; a fill with zeros gives the pages back instead.
void Fill_Image(uint8_t* image, uint8_t value);

}  // namespace memprog
