// Where decoded bytes go in the buffer: hex records through the hex range and the device mask,
// binary and ASCII hex bytes from a buffer index on. Nothing is written outside the buffer;
// what would fall outside it is counted, so that the user can be told.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "memprog/files/buffer_file.h"

namespace memprog {

class Placer {
 public:
  Placer(uint8_t* image, const File_Ranges& ranges, File_Progress& progress);

  // A data record at `address`: the record address plus the file's own bases. Hex_Offset is
  // added modulo 2^32 (a negative offset moves a file down), the range check is unsigned.
  void Place_Record(uint32_t address, const uint8_t* data, size_t count);
  // Bytes laid out from buffer index `index` on; the index may lie outside the buffer.
  void Place_At(int64_t index, const uint8_t* data, size_t count);
  // Bytes of the file that lie past the buffer's end, counted without being read.
  void Drop(uint64_t count);

  uint32_t Mask() const { return mask_; }  // addresses wrap at the device size
  uint64_t Stored() const { return stored_; }
  uint64_t Dropped() const { return dropped_; }
  // Bytes beyond the part, not stored (Refuse_Beyond_Part); the part takes Mask() + 1 bytes.
  uint64_t Beyond() const { return beyond_; }
  // Bytes of records outside the hex range: skipped as asked, not lost.
  uint64_t Skipped() const { return skipped_; }

 private:
  void Store(uint64_t index, const uint8_t* data, size_t count);

  uint8_t* image_;
  File_Progress& progress_;
  uint32_t offset_, start_, end_, mask_;
  // With Refuse_Beyond_Part, the last buffer index of the part for laid-out bytes; else none.
  std::optional<int64_t> part_end_;
  uint64_t stored_ = 0, dropped_ = 0, skipped_ = 0, beyond_ = 0;
  uint64_t since_report_ = 0;
  bool reported_ = false;
};

}  // namespace memprog
