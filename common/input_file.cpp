#include "common/input_file.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace common {

namespace {

constexpr char kStdin_Name[] = "standard input";

// What a Peek took from standard input and no Read has taken yet: standard input is one stream
// for the whole process, however many readers open it.
std::string& Stdin_Ahead() {
  static std::string ahead;
  return ahead;
}

std::string Too_Long(const std::string& name, const std::string& size, uint64_t limit) {
  return "Cannot open " + name + ": at " + size +
         " bytes it is longer than a file of its kind can be (" + std::to_string(limit) + " bytes)";
}

}  // namespace

Input_File::Input_File(const std::string& path, uint64_t limit, Over_Limit over)
    : path_(path), limit_(limit), over_(over) {
  if (Is_Standard_Stream(path)) {
    stream_ = true;
    // A descriptor of its own, so that closing it leaves standard input open.
    fd_ = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
    if (fd_ < 0) error_ = std::string("Cannot read ") + kStdin_Name + ": " + std::strerror(errno);
    return;
  }
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
      error_ = Too_Long(path, std::to_string(size_), limit_);
  }
  if (!error_.empty()) {
    ::close(fd_);
    fd_ = -1;
  }
}

Input_File::~Input_File() {
  if (fd_ >= 0) ::close(fd_);
}

ptrdiff_t Input_File::Read_Some(char* dst, size_t max) {
  for (;;) {
    ssize_t n = ::read(fd_, dst, max);
    if (n >= 0) return n;
    if (errno == EINTR) continue;
    if (errno == EAGAIN && stream_) {
      // Standard input handed over non-blocking: wait for it as a blocking read would.
      pollfd p{fd_, POLLIN, 0};
      ::poll(&p, 1, -1);
      continue;
    }
    error_ =
        "Cannot read " + (stream_ ? std::string(kStdin_Name) : path_) + ": " + std::strerror(errno);
    return -1;
  }
}

ptrdiff_t Input_File::Read_Stream(char* dst, size_t max) {
  std::string& ahead = Stdin_Ahead();
  if (position_ >= limit_) {
    if (over_ == Over_Limit::Cut) return 0;
    // One byte more tells a stream longer than its kind allows.
    char extra;
    ptrdiff_t n = ahead.empty() ? Read_Some(&extra, 1) : 1;
    if (n <= 0) return n;
    error_ = Too_Long(kStdin_Name, "more than " + std::to_string(limit_), limit_);
    return -1;
  }
  max = static_cast<size_t>(std::min<uint64_t>(max, limit_ - position_));
  ptrdiff_t n;
  if (!ahead.empty()) {
    n = static_cast<ptrdiff_t>(std::min(max, ahead.size()));
    std::memcpy(dst, ahead.data(), static_cast<size_t>(n));
    ahead.erase(0, static_cast<size_t>(n));
  } else {
    n = Read_Some(dst, max);
  }
  if (n > 0) position_ += static_cast<uint64_t>(n);
  return n;
}

ptrdiff_t Input_File::Read(void* dst, size_t max) {
  if (fd_ < 0) return -1;
  if (stream_) return Read_Stream(static_cast<char*>(dst), max);
  // A file that grows while it is read still stops at the limit.
  max = static_cast<size_t>(std::min<uint64_t>(max, limit_ - position_));
  if (max == 0) return 0;
  ptrdiff_t n = Read_Some(static_cast<char*>(dst), max);
  if (n > 0) position_ += static_cast<uint64_t>(n);
  return n;
}

uint64_t Input_File::Skip_Rest() {
  if (fd_ >= 0 && stream_) {
    constexpr size_t kChunk = 1 << 16;
    std::unique_ptr<char[]> chunk(new char[kChunk]);
    uint64_t skipped = 0;
    for (ptrdiff_t n; (n = Read_Stream(chunk.get(), kChunk)) > 0;)
      skipped += static_cast<uint64_t>(n);
    return skipped;
  }
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
  uint64_t end = std::min<uint64_t>(static_cast<uint64_t>(st.st_size), limit_);
  uint64_t rest = end > position_ ? end - position_ : 0;
  position_ += rest;
  return rest;
}

std::string Input_File::Peek(size_t max) {
  if (fd_ < 0) return "";
  std::string head(max, '\0');
  size_t have = 0;
  if (stream_) {
    std::string& ahead = Stdin_Ahead();
    while (ahead.size() < max) {
      ptrdiff_t n = Read_Some(head.data(), max - ahead.size());
      if (n < 0) return "";
      if (n == 0) break;
      ahead.append(head.data(), static_cast<size_t>(n));
    }
    return ahead.substr(0, max);
  }
  while (have < max) {
    ssize_t n = ::pread(fd_, head.data() + have, max - have, static_cast<off_t>(have));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return "";
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  head.resize(have);
  return head;
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
      if (have >= limit) {
        // A stream says only now whether it goes on past its limit.
        char extra;
        if (over == Over_Limit::Refuse && file.Read(&extra, 1) < 0) data.error = file.Error();
        break;
      }
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
