// One loader under libFuzzer (the format comes from KV9_FUZZ_FORMAT): any file, loaded with
// every range setting, whole and in small reads, must stay inside the buffer and end the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "memprog/files/fuzz/fuzz_ranges.h"
#include "memprog/files/loaders.h"
#include "memprog/files/tests/memory_source.h"

namespace {

class Quiet_Progress : public memprog::File_Progress {
 public:
  void Status(const std::string&) override {}
  void Quit_Address(uint32_t) override {}
  void Pump() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::vector<uint8_t> image(memprog::kImage_Size);
  std::string_view text(reinterpret_cast<const char*>(data), size);
  Quiet_Progress progress;
  constexpr auto type = static_cast<memprog::File_Type>(KV9_FUZZ_FORMAT);
  for (const memprog::File_Ranges& ranges : memprog::kFuzz_Ranges) {
    memprog::Memory_Source whole(text);
    memprog::Memory_Source cut(text, 1 + size % 13);
    auto a = memprog::Load_From_Source(whole, type, "fuzz", image.data(), ranges, progress);
    auto b = memprog::Load_From_Source(cut, type, "fuzz", image.data(), ranges, progress);
    if (a.kind != b.kind || a.line != b.line || a.stored != b.stored || a.dropped != b.dropped)
      std::abort();
  }
  return 0;
}
