// Where a loader reads a file's bytes from: the file itself, or memory in the tests and fuzzers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

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

class File_Source final : public Byte_Source {
 public:
  // Opens a regular file for reading only (a read-only file stays as it is); nullptr with the
  // reason in `error` when it cannot. Pipes and devices are refused: they could block the
  // window forever or never end.
  static std::unique_ptr<File_Source> Open(const std::string& path, std::string& error);
  ~File_Source() override;

  ptrdiff_t Read(uint8_t* dst, size_t max) override;
  uint64_t Skip_Rest() override;
  std::string Error() const override { return error_; }

 private:
  File_Source(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}

  int fd_;
  std::string path_;
  std::string error_;
  uint64_t position_ = 0;
};

}  // namespace memprog
