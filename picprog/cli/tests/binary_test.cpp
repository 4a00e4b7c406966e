// The built mcu9 itself, once, as a script would run it.
#include <sys/wait.h>

#include "mcu9_fixture.h"
#include "proglink/testing/shell_command.h"

namespace picprog::cli {
namespace {

TEST(Mcu9Binary, BlankCheckOnTheSimulatedProgrammer) {
  std::string command =
      std::string("env -u KV9_SIM_FAULT -u KV9_SIM_TRACE KV9_PROGRAMMER=sim KV9_SIM_PIC=16F628 ") +
      MCU9_BINARY + " -d 16F628 blank 2>/dev/null";
  std::string output;
  int status = 0;
  ASSERT_NO_FATAL_FAILURE(proglink::Run_Shell(command, output, status));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(output, "Device is Erased...\n");
}

}  // namespace
}  // namespace picprog::cli
