#include "common/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace common {

Input_File::Input_File(const std::string& path, uint64_t limit, Over_Limit over)
    : path_(path), limit_(limit) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    missing_ = errno == ENOENT;
    error_ = "Cannot open " + path + ": " + std::strerror(errno);
    return;
  }
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    error_ = "Cannot open " + path + ": it is not a regular file";
  } else {
    size_ = static_cast<uint64_t>(st.st_size);
    if (over == Over_Limit::Refuse && size_ > limit_)
      error_ = "Cannot open " + path + ": at " + std::to_string(size_) +
               " bytes it is longer than a file of its kind can be (" + std::to_string(limit_) +
               " bytes)";
  }
  if (!error_.empty()) {
    ::close(fd_);
    fd_ = -1;
  }
}

Input_File::~Input_File() {
  if (fd_ >= 0) ::close(fd_);
}

ptrdiff_t Input_File::Read(void* dst, size_t max) {
  if (fd_ < 0) return -1;
  // A file that grows while it is read still stops at the limit.
  max = static_cast<size_t>(std::min<uint64_t>(max, limit_ - position_));
  if (max == 0) return 0;
  for (;;) {
    ssize_t n = ::read(fd_, dst, max);
    if (n >= 0) {
      position_ += static_cast<uint64_t>(n);
      return n;
    }
    if (errno == EINTR) continue;
    error_ = "Cannot read " + path_ + ": " + std::strerror(errno);
    return -1;
  }
}

uint64_t Input_File::Skip_Rest() {
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
  uint64_t end = std::min<uint64_t>(static_cast<uint64_t>(st.st_size), limit_);
  uint64_t rest = end > position_ ? end - position_ : 0;
  position_ += rest;
  return rest;
}

File_Data Read_File(const std::string& path, uint64_t limit, Over_Limit over) {
  File_Data data;
  Input_File file(path, limit, over);
  if (!file.Ok()) {
    data.error = file.Error();
    data.missing = file.Missing();
    return data;
  }
  data.bytes.resize(static_cast<size_t>(std::min(file.Size(), limit)));
  size_t have = 0;
  for (;;) {
    if (have == data.bytes.size()) {
      if (have >= limit) break;
      data.bytes.resize(static_cast<size_t>(std::min<uint64_t>(limit, have + (64 << 10))));
    }
    ptrdiff_t n = file.Read(data.bytes.data() + have, data.bytes.size() - have);
    if (n < 0) {
      data.error = file.Error();
      break;
    }
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  data.bytes.resize(have);
  return data;
}

}  // namespace common
