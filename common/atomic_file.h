// Writing a file so that a failure never leaves a half-written file in place of a good one:
// the data go to a temporary file beside the target, which replaces the target only when all of
// it has reached the disk.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace common {

class Atomic_File {
 public:
  explicit Atomic_File(std::string path);
  ~Atomic_File();  // removes the temporary file unless committed
  Atomic_File(const Atomic_File&) = delete;
  Atomic_File& operator=(const Atomic_File&) = delete;

  bool Ok() const { return error_.empty(); }
  void Write(const void* data, size_t size);
  void Write(std::string_view text) { Write(text.data(), text.size()); }

  // Flushes, syncs and renames over the target. Returns "" on success, else what went wrong;
  // on failure the target is left as it was.
  std::string Commit();

 private:
  void Put(const char* data, size_t size);
  void Flush();

  std::string path_, temp_path_, error_;
  int fd_ = -1;
  std::string buffer_;
  off_t written_ = 0;  // bytes handed to the file so far
  bool committed_ = false;
};

// Writes a whole file the same safe way.
std::string Write_Whole_File(const std::string& path, std::string_view data);

}  // namespace common
