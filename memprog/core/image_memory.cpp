#include "memprog/core/image_memory.h"

#include <sys/mman.h>

#include <cstring>
#include <new>

#include "memprog/image_size.h"

namespace memprog {

namespace {
// A huge page: the image starts on one, so that it can be mapped in 8 pieces, not 4,096.
constexpr uintptr_t kHuge_Page = 2 << 20;
}  // namespace

void Image_Release::operator()(uint8_t* p) const {
  ::munmap(p, kImage_Size);
}

Image_Memory Allocate_Image() {
  const size_t span = kImage_Size + kHuge_Page;
  void* m = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (m == MAP_FAILED) throw std::bad_alloc();
  const auto base = reinterpret_cast<uintptr_t>(m);
  const uintptr_t start = (base + kHuge_Page - 1) & ~(kHuge_Page - 1);
  // The slack before and after the aligned image goes back at once.
  if (start > base) ::munmap(m, start - base);
  if (base + span > start + kImage_Size)
    ::munmap(reinterpret_cast<void*>(start + kImage_Size), base + span - start - kImage_Size);
  auto* image = reinterpret_cast<uint8_t*>(start);
  ::madvise(image, kImage_Size, MADV_HUGEPAGE);  // a hint: without it, plain pages
  return Image_Memory(image);
}

void Fill_Image(uint8_t* image, uint8_t value) {
  // Private anonymous pages given back read as zero again.
  if (value == 0 && ::madvise(image, kImage_Size, MADV_DONTNEED) == 0) return;
  std::memset(image, value, kImage_Size);
}

}  // namespace memprog
