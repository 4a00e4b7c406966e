#include "memprog/files/placer.h"

#include <algorithm>
#include <cstring>

namespace memprog {

namespace {
// Often enough for a moving caption, rarely enough to cost nothing next to the parsing.
constexpr uint64_t kReport_Every = 0x10000;
}  // namespace

Placer::Placer(uint8_t* image, const File_Ranges& ranges, File_Progress& progress)
    : image_(image),
      progress_(progress),
      offset_(static_cast<uint32_t>(ranges.Hex_Offset)),
      start_(static_cast<uint32_t>(ranges.Hex_Start_Add)),
      end_(static_cast<uint32_t>(ranges.Hex_End_Add)),
      mask_(ranges.Prg_Type == 0
                ? static_cast<uint32_t>(ranges.Dev_Last_Add)
                : static_cast<uint32_t>(2 * static_cast<int64_t>(ranges.Dev_Last_Add) + 1)) {
  if (ranges.Refuse_Beyond_Part) part_end_ = int64_t{ranges.Buf_Start_Add} + mask_;
}

void Placer::Place_Record(uint32_t address, const uint8_t* data, size_t count) {
  uint32_t a = address + offset_;
  if (a < start_ || a > end_) {
    skipped_ += count;
    return;
  }
  if (!part_end_) {
    Store(a & mask_, data, count);
    return;
  }
  // Unmasked: a mask that is not all ones below its top bit (a 384 KiB part's 5FFFF) would move
  // records inside the part too.
  size_t within = a > mask_ ? 0 : static_cast<size_t>(std::min<uint64_t>(count, mask_ - a + 1));
  if (within != 0) Store(a, data, within);
  beyond_ += count - within;
}

void Placer::Drop(uint64_t count) {
  (part_end_ && *part_end_ < kImage_Size ? beyond_ : dropped_) += count;
}

void Placer::Place_At(int64_t index, const uint8_t* data, size_t count) {
  if (part_end_ && index + static_cast<int64_t>(count) - 1 > *part_end_) {
    size_t within = index > *part_end_ ? 0 : static_cast<size_t>(*part_end_ - index + 1);
    beyond_ += count - within;
    count = within;
  }
  if (index < 0) {
    size_t before = static_cast<size_t>(std::min<uint64_t>(count, static_cast<uint64_t>(-index)));
    dropped_ += before;
    data += before;
    count -= before;
    index += static_cast<int64_t>(before);
  }
  if (count != 0) Store(static_cast<uint64_t>(index), data, count);
}

void Placer::Store(uint64_t index, const uint8_t* data, size_t count) {
  if (index >= kImage_Size) {
    dropped_ += count;
    return;
  }
  size_t fit = static_cast<size_t>(std::min<uint64_t>(count, kImage_Size - index));
  std::memcpy(image_ + index, data, fit);
  stored_ += fit;
  dropped_ += count - fit;
  since_report_ += fit;
  if (!reported_ || since_report_ >= kReport_Every) {
    progress_.Quit_Address(static_cast<uint32_t>(index));
    progress_.Pump();
    since_report_ = 0;
    reported_ = true;
  }
}

}  // namespace memprog
