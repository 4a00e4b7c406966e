// Making writes fail the way a full disk does, for the file tests.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <string>

namespace picprog {

// While it lives, no file can grow beyond `bytes`.
class File_Size_Limit {
 public:
  explicit File_Size_Limit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~File_Size_Limit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, old_handler_);
  }
  File_Size_Limit(const File_Size_Limit&) = delete;
  File_Size_Limit& operator=(const File_Size_Limit&) = delete;

 private:
  struct rlimit old_ {};
  void (*old_handler_)(int) = nullptr;
};

}  // namespace picprog
