// The chip file of the simulated socket, held by one process at a time as the programmer itself
// is: whoever opens the programmer locks the file until it closes it, and a second process that
// tries meanwhile is refused, as a second open of the real programmer would be.
#pragma once

#include <sys/types.h>

#include <ctime>
#include <string>

namespace progsim {

class Chip_Lock {
 public:
  explicit Chip_Lock(std::string path) : path_(std::move(path)) {}
  ~Chip_Lock() { Release(); }
  Chip_Lock(const Chip_Lock&) = delete;
  Chip_Lock& operator=(const Chip_Lock&) = delete;

  // Locks the file, creating it empty when there is none; "" when locked, else why not (another
  // process holds it, or it is not a regular file), naming the file.
  std::string Take();
  void Release();

  // Remembers the file as it is now, after the chip was read from it or written to it.
  void Mark();
  // Whether another process has changed the file since Mark (a new file still empty is none).
  bool Changed() const;

 private:
  struct Identity {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
  };
  Identity Now() const;

  std::string path_;
  int fd_ = -1;
  Identity marked_;
};

}  // namespace progsim
