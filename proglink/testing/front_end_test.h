// A command-line front end run in-process in a folder of its own, with its two streams kept
// for the test to read.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "proglink/testing/folder_test.h"
#include "progsim/programmer.h"

namespace proglink {

class Front_End_Test : public Folder_Test {
 protected:
  // The front end as a function of its arguments, its two streams and whether `err` is a
  // terminal; it gives the exit status.
  using Front_End_Run = int (*)(const std::vector<std::string>& args, std::ostream& out,
                                std::ostream& err, bool terminal);

  Front_End_Test(std::string prefix, Front_End_Run run)
      : Folder_Test(std::move(prefix)), run_(run) {}

  // Runs the front end with fresh streams; gives its exit status.
  int Run(std::vector<std::string> args);

  std::vector<std::string> Out_Lines() const;

  static void Write(const std::string& path, const std::vector<uint8_t>& bytes);
  static void Write_Text(const std::string& path, const std::string& text);
  static std::vector<uint8_t> Read(const std::string& path);

  progsim::Programmer* sim = nullptr;
  std::ostringstream out, err;

 private:
  Front_End_Run run_;
};

}  // namespace proglink
