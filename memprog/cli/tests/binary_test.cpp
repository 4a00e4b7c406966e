// The built kv9 itself, once, as a script would run it.
#include <sys/wait.h>

#include "cli_fixture.h"
#include "proglink/testing/shell_command.h"

namespace memprog::cli {
namespace {

TEST(Kv9Binary, BlankCheckOnTheSimulatedProgrammer) {
  std::string command =
      std::string("env -u KV9_SIM_CHIP -u KV9_SIM_FAULT -u KV9_SIM_ID KV9_PROGRAMMER=sim ") +
      KV9_BINARY + " -d 27C256 blank 2>/dev/null";
  std::string output;
  int status = 0;
  ASSERT_NO_FATAL_FAILURE(proglink::Run_Shell(command, output, status));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(output, "Device is Erased....\n");
}

}  // namespace
}  // namespace memprog::cli
