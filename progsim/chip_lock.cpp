#include "progsim/chip_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace progsim {

namespace {
// A file replaced between its open and its lock is opened again; more tries than any race needs.
constexpr int kTries = 8;
}  // namespace

std::string Chip_Lock::Take() {
  if (fd_ >= 0) return "";
  for (int attempt = 0; attempt < kTries; ++attempt) {
    int fd = ::open(path_.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return "cannot open the chip file " + path_ + ": " + std::strerror(errno);
    struct stat locked {
    }, named{};
    if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
      ::close(fd);
      return "the chip file " + path_ + " is not a regular file";
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      int err = errno;
      ::close(fd);
      if (err == EWOULDBLOCK) return "the chip file " + path_ + " is in use by another process";
      return "cannot lock the chip file " + path_ + ": " + std::strerror(err);
    }
    // The holder before us saves by replacing the file: the lock must be on the one now named.
    if (::stat(path_.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
        named.st_ino == locked.st_ino) {
      fd_ = fd;
      return "";
    }
    ::close(fd);
  }
  return "the chip file " + path_ + " keeps being replaced";
}

void Chip_Lock::Release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

Chip_Lock::Identity Chip_Lock::Now() const {
  Identity id;
  struct stat st {};
  if (::stat(path_.c_str(), &st) != 0) return id;
  id.exists = true;
  id.dev = st.st_dev;
  id.ino = st.st_ino;
  id.size = st.st_size;
  id.mtime = st.st_mtim;
  return id;
}

void Chip_Lock::Mark() {
  marked_ = Now();
}

bool Chip_Lock::Changed() const {
  Identity now = Now();
  if (!marked_.exists) return now.exists && now.size != 0;
  return !now.exists || now.dev != marked_.dev || now.ino != marked_.ino ||
         now.size != marked_.size || now.mtime.tv_sec != marked_.mtime.tv_sec ||
         now.mtime.tv_nsec != marked_.mtime.tv_nsec;
}

}  // namespace progsim
