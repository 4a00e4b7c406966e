#include "proglink/testing/shell_command.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "common/text_file.h"

namespace proglink {

void Run_Shell(const std::string& command, std::string& output, int& status) {
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char buffer[256];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  status = ::pclose(pipe);
}

int Run_Script(const std::string& environment, const std::string& line, std::string& out,
               std::string& err) {
  const std::string folder = std::filesystem::current_path().string();
  std::string command = "cd '" + folder +
                        "' && env -u KV9_SIM_FAULT -u KV9_SIM_ID -u KV9_SIM_TRACE -u KV9_SIM_CHIP "
                        "-u KV9_SIM_PIC KV9_PROGRAMMER=sim " +
                        environment + " sh -c '" + line + "' 2>script_errors.txt";
  out.clear();
  int status = 0;
  Run_Shell(command, out, status);
  err = common::Read_Whole_File(folder + "/script_errors.txt").value_or("");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Expect_Scripts(const std::string& environment, std::span<const Script_Case> cases) {
  std::string out, err;
  for (const Script_Case& c : cases) {
    EXPECT_EQ(Run_Script(environment, c.line, out, err), c.status) << c.fault << "\n" << err;
    EXPECT_NE(out.find(c.out), std::string::npos) << c.fault << "\n" << out;
    EXPECT_NE(err.find(c.said), std::string::npos) << c.fault << "\n" << err;
  }
}

}  // namespace proglink
