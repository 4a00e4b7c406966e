// The built kv9 itself, as a script or a service manager would run it.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

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

class Kv9Process : public CliTest {
 protected:
  // kv9 started with `args` in the test's folder on the simulated programmer, its chip in
  // chip.bin, its transfers traced to trace.txt, its stderr to `name`.err.
  static pid_t Start_Kv9(const std::vector<std::string>& args, const char* name,
                         const char* fault = nullptr) {
    pid_t pid = ::fork();
    if (pid != 0) return pid;
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) std::signal(sig, SIG_DFL);  // as a shell starts it
    ::dup2(::open((std::string(name) + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    ::dup2(::open("/dev/null", O_WRONLY), 1);
    ::setenv("KV9_PROGRAMMER", "sim", 1);
    ::setenv("KV9_SIM_TRACE", "trace.txt", 1);
    ::setenv("KV9_SIM_CHIP", "chip.bin", 1);
    fault ? ::setenv("KV9_SIM_FAULT", fault, 1) : ::unsetenv("KV9_SIM_FAULT");
    std::vector<char*> argv = {const_cast<char*>(KV9_BINARY)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(KV9_BINARY, argv.data());
    ::_exit(127);
  }
  // Its exit status; a death by signal N is 1000 + N.
  static int Wait_For(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
  }
  // The transfers the host wrote, by their command bytes.
  static std::vector<std::string> Host_Codes() {
    std::vector<std::string> codes;
    for (const std::string& line : common::Read_Lines("trace.txt").value_or(Lines{}))
      if (line.starts_with("> ")) codes.push_back(line.substr(2, 2));
    return codes;
  }
  using Lines = std::vector<std::string>;
};

TEST_F(Kv9Process, SigtermAndSighupStopTheRunResetTheProgrammerAndSaySo) {
  Write("image.bin", Pattern(0x8000));  // a whole 27C256
  struct Row {
    int sig;
    std::vector<std::string> args;
    const char* said;
  } rows[] = {
      {SIGTERM, {"-d", "27C256", "program", "image.bin"}, "kv9: stopped by SIGTERM\n"},
      {SIGHUP, {"-d", "27C256", "read", "out.hex"}, "kv9: stopped by SIGHUP\n"},
  };
  for (const Row& r : rows) {
    std::filesystem::remove("trace.txt");
    pid_t pid = Start_Kv9(r.args, "run", "silent@10");  // the third block gets no reply
    for (int i = 0; i < 1000 && Host_Codes().size() < 10; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(Host_Codes().size(), 10u) << r.said;
    // Meanwhile a second process finds the programmer taken, as with the real one.
    EXPECT_EQ(Wait_For(Start_Kv9({"probe"}, "second")), 3);
    EXPECT_NE(common::Read_Whole_File("second.err")->find("chip.bin is in use"), std::string::npos);
    ::kill(pid, r.sig);
    EXPECT_EQ(Wait_For(pid), 128 + r.sig) << r.said;
    EXPECT_NE(common::Read_Whole_File("run.err")->find(r.said), std::string::npos) << r.said;
    EXPECT_EQ(Host_Codes().back(), "53") << r.said;  // left reset
    for (auto& e : std::filesystem::directory_iterator("."))
      EXPECT_EQ(e.path().string().find(".tmp-"), std::string::npos) << e.path();
  }
  EXPECT_FALSE(std::filesystem::exists("out.hex"));
  // A number beyond its option's range stops the run before anything is sent.
  std::filesystem::remove("trace.txt");
  EXPECT_EQ(
      Wait_For(Start_Kv9({"-d", "27C256", "--end", "FFFFFFFF", "program", "image.bin"}, "range")),
      2);
  EXPECT_NE(common::Read_Whole_File("range.err")->find("--end FFFFFFFF is out of range"),
            std::string::npos);
  EXPECT_TRUE(Host_Codes().empty());
}

}  // namespace
}  // namespace memprog::cli
