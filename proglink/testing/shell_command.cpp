#include "proglink/testing/shell_command.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace proglink {

void Run_Shell(const std::string& command, std::string& output, int& status) {
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char buffer[256];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  status = ::pclose(pipe);
}

}  // namespace proglink
