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

}  // namespace proglink
