// Files no reader may take as good, for the table every reader's test walks: each must be
// refused with a message, quickly, without filling memory. A reader that waits on one is ended
// by the guard's alarm, which fails the test run.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace common::testing {

struct Bad_File {
  const char* what;  // the fault a reader would have with it
  std::string path;
};

// Made in `dir`: a FIFO (a blocking open waits for a writer forever), links to /dev/zero (never
// ends) and /dev/null (a character device), a folder, and a sparse file one byte longer than
// `limit`, the reader's own.
inline std::vector<Bad_File> Make_Bad_Files(const std::string& dir, uint64_t limit) {
  namespace fs = std::filesystem;
  fs::create_directories(dir);
  std::vector<Bad_File> files = {{"a FIFO hangs", dir + "/fifo"},
                                 {"/dev/zero fills memory", dir + "/zero"},
                                 {"a device is read as a file", dir + "/null"},
                                 {"a folder is read as a file", dir + "/folder"},
                                 {"an oversize file is read", dir + "/oversize"}};
  for (const Bad_File& f : files) fs::remove_all(f.path);
  ::mkfifo(files[0].path.c_str(), 0600);
  fs::create_symlink("/dev/zero", files[1].path);
  fs::create_symlink("/dev/null", files[2].path);
  fs::create_directory(files[3].path);
  std::ofstream(files[4].path).close();
  fs::resize_file(files[4].path, limit + 1);
  return files;
}

// Ends the process should a reader hang.
class Hang_Guard {
 public:
  Hang_Guard() { ::alarm(30); }
  ~Hang_Guard() { ::alarm(0); }
};

}  // namespace common::testing
