#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace common {

namespace {
constexpr size_t kBufferSize = 1 << 18;

std::string Describe(const std::string& what, const std::string& path, int err) {
  return what + " " + path + ": " + std::strerror(err);
}
}  // namespace

Atomic_File::Atomic_File(std::string path) : path_(std::move(path)) {
  temp_path_ = path_ + ".tmp-" + std::to_string(::getpid());
  mode_t mode = 0644;
  struct stat st {};
  if (::stat(path_.c_str(), &st) == 0) mode = st.st_mode & 07777;
  fd_ = ::open(temp_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd_ < 0) {
    error_ = Describe("Cannot create", temp_path_, errno);
    return;
  }
  ::fchmod(fd_, mode);
  buffer_.reserve(kBufferSize);
}

Atomic_File::~Atomic_File() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temp_path_.empty()) ::unlink(temp_path_.c_str());
}

void Atomic_File::Put(const char* data, size_t size) {
  size_t done = 0;
  while (error_.empty() && done < size) {
    ssize_t n = ::write(fd_, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0)
      error_ = Describe("Cannot write", path_, n < 0 ? errno : ENOSPC);
    else
      done += static_cast<size_t>(n);
  }
  // Start writing this piece to the disk now, so that the sync at the end has little left to
  // wait for.
  if (error_.empty() && done > 0) ::sync_file_range(fd_, written_, done, SYNC_FILE_RANGE_WRITE);
  written_ += static_cast<off_t>(done);
}

void Atomic_File::Flush() {
  Put(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void Atomic_File::Write(const void* data, size_t size) {
  if (!error_.empty()) return;
  const char* p = static_cast<const char*>(data);
  if (buffer_.size() + size > kBufferSize) Flush();
  if (size >= kBufferSize)
    Put(p, size);  // large pieces go straight to the file
  else
    buffer_.append(p, size);
}

std::string Atomic_File::Commit() {
  if (error_.empty()) Flush();
  if (error_.empty() && ::fsync(fd_) != 0) error_ = Describe("Cannot write", path_, errno);
  if (fd_ >= 0 && ::close(fd_) != 0 && error_.empty())
    error_ = Describe("Cannot write", path_, errno);
  fd_ = -1;
  if (error_.empty() && ::rename(temp_path_.c_str(), path_.c_str()) != 0)
    error_ = Describe("Cannot replace", path_, errno);
  committed_ = error_.empty();
  return error_;
}

std::string Write_Whole_File(const std::string& path, std::string_view data) {
  Atomic_File f(path);
  f.Write(data);
  return f.Commit();
}

}  // namespace common
