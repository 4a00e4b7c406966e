// The built mcu9 itself, once, as a script would run it.
#include <sys/wait.h>

#include <cstdio>

#include "mcu9_fixture.h"

namespace picprog::cli {
namespace {

TEST(Mcu9Binary, BlankCheckOnTheSimulatedProgrammer) {
  std::string command =
      std::string("env -u KV9_SIM_FAULT -u KV9_SIM_TRACE KV9_PROGRAMMER=sim KV9_SIM_PIC=16F628 ") +
      MCU9_BINARY + " -d 16F628 blank 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  int status = ::pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(output, "Device is Erased...\n");
}

}  // namespace
}  // namespace picprog::cli
