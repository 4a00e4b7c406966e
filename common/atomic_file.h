// Writing a file so that a failure never leaves a half-written file in place of a good one, and
// so that a save cannot be turned against the user: the data go to a temporary file created anew
// beside the real target, which replaces the target only when all of it has reached the disk.
//
// The target is checked first: a link is followed to the real file (which is replaced; the link
// stays), a link to nothing, a read-only file and anything that is not a regular file (a device,
// a FIFO, a folder) are refused. The temporary file is `<name>.tmp-<pid>` in the real target's
// folder, or another free name when that one is taken; it never follows a link planted there,
// takes the permissions and, where allowed, the owner of the file it replaces, and is removed on
// every failure and when SIGINT, SIGTERM or SIGHUP ends the process.
//
// The name "-" is standard output: there is nothing to replace there, so the data go straight to
// it, and Commit says whether all of them went.
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
  // What went wrong so far; when the target was refused, nothing has been written.
  const std::string& Error() const { return error_; }
  void Write(const void* data, size_t size);
  void Write(std::string_view text) { Write(text.data(), text.size()); }

  // Flushes, syncs and renames over the target. Returns "" on success, else what went wrong;
  // on failure the target is left as it was.
  std::string Commit();

 private:
  void Open_Target();
  bool Create_Temporary(mode_t mode);  // false with the reason in error_
  void Put(const char* data, size_t size);
  void Flush();
  void Remove_Temporary();

  std::string path_, folder_, name_, temp_name_, error_;
  int dir_fd_ = -1, fd_ = -1;
  bool stream_ = false;  // standard output
  int slot_ = -1;        // where the temporary file is tracked for the signal handler
  std::string buffer_;
  off_t written_ = 0;  // bytes handed to the file so far
  bool committed_ = false;
};

// Writes a whole file the same safe way.
std::string Write_Whole_File(const std::string& path, std::string_view data);

}  // namespace common
