// "-" as a file name: standard input read with the limit of its kind, standard output written
// straight through. Each case runs in a child whose standard streams are pipes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "common/atomic_file.h"
#include "common/input_file.h"

namespace common {
namespace {

// Runs `child` with `input` on its standard input and its standard output caught; its exit
// status (0 when every check in it held) and what it wrote.
std::pair<int, std::string> In_Child(const std::string& input, const std::function<bool()>& child) {
  int in[2], out[2];
  if (::pipe(in) != 0 || ::pipe(out) != 0) return {-1, ""};
  pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(in[0], STDIN_FILENO);
    ::dup2(out[1], STDOUT_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1]}) ::close(fd);
    ::_exit(child() ? 0 : 1);
  }
  ::close(in[0]);
  ::close(out[1]);
  // Written while the output is read, so that neither pipe can fill and stall the other.
  std::thread feed([&] {
    (void)!::write(in[1], input.data(), input.size());
    ::close(in[1]);
  });
  std::string caught;
  char buf[4096];
  for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) caught.append(buf, n);
  feed.join();
  ::close(out[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, caught};
}

TEST(StandardStreams, ReadWithTheLimitOfItsKindAndNothingPeekedIsLost) {
  const std::string text = ":0400000001020304F2\n:00000001FF\n";
  struct Row {
    const char* fault;
    uint64_t limit;
    Over_Limit over;
    size_t peek;
    const char* read;  // what Read_File gives; nullptr: refused
  } rows[] = {
      {"a peek takes bytes from the reader after it", 1 << 20, Over_Limit::Refuse, 9, text.c_str()},
      {"a stream longer than its kind is read on without end", 10, Over_Limit::Refuse, 0, nullptr},
      {"a cut stream gives more than its limit", 10, Over_Limit::Cut, 4, ":040000000"},
      {"a stream of exactly its limit is refused", text.size(), Over_Limit::Refuse, 0,
       text.c_str()},
  };
  for (const Row& r : rows) {
    auto [status, out] = In_Child(text, [&] {
      std::string head;
      if (r.peek > 0) head = Input_File("-", r.limit, r.over).Peek(r.peek);
      File_Data data = Read_File("-", r.limit, r.over);
      bool held = head == text.substr(0, r.peek);
      if (r.read) return held && data.Ok() && data.bytes == r.read;
      return held && data.error.find("standard input") != std::string::npos &&
             data.error.find("longer") != std::string::npos;
    });
    EXPECT_EQ(status, 0) << r.fault;
  }
}

TEST(StandardStreams, AFilePeekedReadsWholeFromItsStart) {
  std::string path = ::testing::TempDir() + "peeked.bin";
  ASSERT_EQ(Write_Whole_File(path, "0123456789"), "");
  Input_File file(path, 100);
  EXPECT_EQ(file.Peek(4), "0123");
  EXPECT_EQ(file.Peek(40), "0123456789");
  char buf[20];
  EXPECT_EQ(file.Read(buf, sizeof buf), 10);
  EXPECT_EQ(std::string(buf, 10), "0123456789");
}

TEST(StandardStreams, ASaveToStandardOutputWritesAllOfItThere) {
  auto [status, out] = In_Child("", [] {
    Atomic_File f("-");
    f.Write(std::string(1 << 19, 'x'));  // more than the save's own buffer
    f.Write("end");
    return f.Commit().empty();
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out, std::string(1 << 19, 'x') + "end");
  EXPECT_FALSE(std::filesystem::exists("-"));
}

}  // namespace
}  // namespace common
