#include "common/atomic_file.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "common/end_signals.h"
#include "common/input_file.h"

namespace common {

namespace {

constexpr size_t kBuffer_Size = 1 << 18;
// Names tried for the temporary file before giving up: a name already taken is never opened.
constexpr int kTemporary_Names = 8;

std::string Describe(const std::string& what, const std::string& path, int err) {
  return what + " " + path + ": " + std::strerror(err);
}

// The file an open descriptor refers to, by the name the kernel resolved for it.
std::string Real_Path(int fd) {
  char link[64], target[PATH_MAX];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  ssize_t n = ::readlink(link, target, sizeof target - 1);
  return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
}

bool Same_File(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The end signals blocked while a temporary file is created and tracked, so that none can end
// the process between the two and leave the file behind.
class Signals_Blocked {
 public:
  Signals_Blocked() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, sig);
    ::pthread_sigmask(SIG_BLOCK, &set, &old_);
  }
  ~Signals_Blocked() { ::pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
  Signals_Blocked(const Signals_Blocked&) = delete;
  Signals_Blocked& operator=(const Signals_Blocked&) = delete;

 private:
  sigset_t old_;
};

}  // namespace

Atomic_File::Atomic_File(std::string path) : path_(std::move(path)) {
  Ignore_File_Size_Signal();
  if (Is_Standard_Stream(path_)) {
    stream_ = true;
    path_ = "standard output";  // as messages name it
    fd_ = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    if (fd_ < 0) error_ = Describe("Cannot write", path_, errno);
  } else {
    Open_Target();
  }
  if (error_.empty()) buffer_.reserve(kBuffer_Size);
}

void Atomic_File::Open_Target() {
  // Opened as a path only: the kernel follows links as any open would, and nothing happens to a
  // device or a FIFO.
  int probe = ::open(path_.c_str(), O_PATH | O_CLOEXEC);
  const bool exists = probe >= 0;
  struct stat st {};
  if (!exists) {
    if (errno != ENOENT) {
      error_ = Describe("Cannot save to", path_, errno);
      return;
    }
    if (::lstat(path_.c_str(), &st) == 0) {
      error_ = path_ + " is a link to a file that does not exist";
      return;
    }
    std::filesystem::path p(path_);
    folder_ = p.has_parent_path() ? p.parent_path().string() : ".";
    name_ = p.filename().string();
    if (name_.empty()) {
      error_ = path_ + " names no file";
      return;
    }
  } else {
    bool regular = ::fstat(probe, &st) == 0 && S_ISREG(st.st_mode);
    std::string real = regular ? Real_Path(probe) : std::string();
    ::close(probe);
    if (!regular) {
      error_ = path_ + " is not a regular file";
      return;
    }
    struct stat again {};
    if (real.empty() || real[0] != '/' || ::stat(real.c_str(), &again) != 0 ||
        !Same_File(st, again)) {
      error_ = "Cannot find the file " + path_ + " names";
      return;
    }
    // A file the user made read-only is not replaced behind their back, not even by root.
    if ((st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) != 0) {
      error_ = path_ + " is read-only";
      return;
    }
    std::filesystem::path p(real);
    folder_ = p.parent_path().string();
    name_ = p.filename().string();
  }
  dir_fd_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir_fd_ < 0) {
    error_ = Describe("Cannot save to", path_, errno);
    return;
  }
  // A new file gets what the umask allows; a replacement starts private and takes the old file's
  // permissions once it is ours.
  if (!Create_Temporary(exists ? 0600 : 0666)) return;
  if (exists) {
    // The owner where allowed (root, or a group the user is in), then the permissions, which a
    // change of owner may have cut; a set-user or set-group bit only with its owner.
    mode_t mode = st.st_mode & 07777;
    if (::fchown(fd_, st.st_uid, st.st_gid) != 0) {
      mode &= ~(S_ISUID | S_ISGID);
      (void)::fchown(fd_, static_cast<uid_t>(-1), st.st_gid);
    }
    ::fchmod(fd_, mode);
  }
}

bool Atomic_File::Create_Temporary(mode_t mode) {
  std::string base = name_ + ".tmp-" + std::to_string(::getpid());
  std::random_device random;
  int err = 0;
  for (int attempt = 0; attempt < kTemporary_Names; ++attempt) {
    std::string name = attempt == 0 ? base : base + "-" + std::to_string(random());
    Signals_Blocked blocked;
    fd_ =
        ::openat(dir_fd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd_ >= 0) {
      temp_name_ = name;
      slot_ = Track_Temporary(dir_fd_, name.c_str());
      return true;
    }
    err = errno;
    if (err != EEXIST) break;
  }
  error_ = Describe("Cannot create a file beside", path_, err);
  return false;
}

void Atomic_File::Remove_Temporary() {
  if (temp_name_.empty()) return;
  ::unlinkat(dir_fd_, temp_name_.c_str(), 0);
  Untrack_Temporary(slot_);
  temp_name_.clear();
}

Atomic_File::~Atomic_File() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_) Remove_Temporary();
  if (dir_fd_ >= 0) ::close(dir_fd_);
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
  if (error_.empty() && done > 0 && !stream_)
    ::sync_file_range(fd_, written_, done, SYNC_FILE_RANGE_WRITE);
  written_ += static_cast<off_t>(done);
}

void Atomic_File::Flush() {
  Put(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void Atomic_File::Write(const void* data, size_t size) {
  if (!error_.empty()) return;
  const char* p = static_cast<const char*>(data);
  if (buffer_.size() + size > kBuffer_Size) Flush();
  if (size >= kBuffer_Size)
    Put(p, size);  // large pieces go straight to the file
  else
    buffer_.append(p, size);
}

std::string Atomic_File::Commit() {
  if (error_.empty()) Flush();
  if (stream_) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    committed_ = error_.empty();
    return error_;
  }
  if (error_.empty() && ::fsync(fd_) != 0) error_ = Describe("Cannot write", path_, errno);
  if (fd_ >= 0 && ::close(fd_) != 0 && error_.empty())
    error_ = Describe("Cannot write", path_, errno);
  fd_ = -1;
  if (error_.empty() && ::renameat(dir_fd_, temp_name_.c_str(), dir_fd_, name_.c_str()) != 0)
    error_ = Describe("Cannot replace", path_, errno);
  if (!error_.empty()) {
    Remove_Temporary();
    return error_;
  }
  Untrack_Temporary(slot_);
  temp_name_.clear();
  committed_ = true;
  ::fsync(dir_fd_);  // the new name on the disk too
  return error_;
}

std::string Write_Whole_File(const std::string& path, std::string_view data) {
  Atomic_File f(path);
  f.Write(data);
  return f.Commit();
}

}  // namespace common
