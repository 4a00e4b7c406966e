// Where a loader reads a file's bytes from: the file itself, or memory in the tests and fuzzers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "common/input_file.h"

namespace memprog {

class Byte_Source {
 public:
  virtual ~Byte_Source() = default;
  // Up to `max` bytes into `dst`: how many, 0 at the end, -1 when reading failed.
  virtual ptrdiff_t Read(uint8_t* dst, size_t max) = 0;
  // Passes over the rest without reading it; how many bytes that was.
  virtual uint64_t Skip_Rest() = 0;
  // What went wrong after Read returned -1.
  virtual std::string Error() const = 0;
};

// A buffer file on disk, opened and read as every file the programs read (common/input_file.h).
class File_Source final : public Byte_Source {
 public:
  File_Source(const std::string& path, uint64_t limit) : file_(path, limit) {}

  const common::Input_File& File() const { return file_; }
  ptrdiff_t Read(uint8_t* dst, size_t max) override { return file_.Read(dst, max); }
  uint64_t Skip_Rest() override { return file_.Skip_Rest(); }
  std::string Error() const override { return file_.Error(); }

 private:
  common::Input_File file_;
};

}  // namespace memprog
