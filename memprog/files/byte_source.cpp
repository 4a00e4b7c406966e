#include "memprog/files/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace memprog {

std::unique_ptr<File_Source> File_Source::Open(const std::string& path, std::string& error) {
  // Non-blocking so that opening a FIFO does not wait for a writer.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error = "Cannot open " + path + ": " + std::strerror(errno);
    return nullptr;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    error = "Cannot open " + path + ": not a regular file";
    return nullptr;
  }
  return std::unique_ptr<File_Source>(new File_Source(fd, path));
}

File_Source::~File_Source() {
  ::close(fd_);
}

ptrdiff_t File_Source::Read(uint8_t* dst, size_t max) {
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

uint64_t File_Source::Skip_Rest() {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return 0;
  uint64_t size = static_cast<uint64_t>(st.st_size);
  uint64_t rest = size > position_ ? size - position_ : 0;
  position_ += rest;
  return rest;
}

}  // namespace memprog
