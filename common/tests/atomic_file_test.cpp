#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "common/text_file.h"

namespace common {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit) {
  std::string dir = ::testing::TempDir() + "atomic_commit";
  fs::create_directories(dir);
  std::string path = dir + "/target.txt";
  ASSERT_EQ(Write_Whole_File(path, "old"), "");
  {
    Atomic_File f(path);
    f.Write("new contents");
    EXPECT_EQ(*Read_Whole_File(path), "old");  // not yet
  }                                            // dropped without commit
  EXPECT_EQ(*Read_Whole_File(path), "old");
  Atomic_File f(path);
  f.Write(std::string(1 << 20, 'z'));  // more than the internal buffer
  EXPECT_EQ(f.Commit(), "");
  EXPECT_EQ(Read_Whole_File(path)->size(), 1u << 20);
  for (auto& e : fs::directory_iterator(dir))
    EXPECT_EQ(e.path().string().find(".tmp-"), std::string::npos) << e.path();
}

TEST(AtomicFile, UnwritableFolderReportsAndKeepsNothing) {
  std::string err = Write_Whole_File("/nonexistent-dir/x.bin", "data");
  EXPECT_NE(err.find("/nonexistent-dir"), std::string::npos);
}

// The temporary files left in `dir` beside `planted`, the one name a test put there.
int Temporaries_In(const std::string& dir, const std::string& planted = "") {
  int n = 0;
  for (auto& e : fs::directory_iterator(dir))
    n += e.path().filename().string().find(".tmp-") != std::string::npos && e.path() != planted;
  return n;
}

// Runs `child` in a child process; its exit status, or 128 + the signal that ended it.
template <class F>
int In_Child(F child) {
  pid_t pid = ::fork();
  if (pid == 0) ::_exit(child());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

TEST(AtomicFile, SaveTargetsFollowedOrRefusedAsTheUsersFilesNeed) {
  std::string dir = ::testing::TempDir() + "save_targets/";
  fs::remove_all(dir);
  fs::create_directories(dir + "folder");
  auto make = [&](const char* name, const char* text = "old") {
    EXPECT_EQ(Write_Whole_File(dir + name, text), "");
    return dir + name;
  };
  std::string victim = make("victim.txt", "victim");
  std::string planted = make("target.txt") + ".tmp-" + std::to_string(::getpid());
  fs::create_symlink(victim, planted);
  ::chmod(make("ro.txt").c_str(), 0444);
  ::mkfifo((dir + "fifo").c_str(), 0600);
  fs::create_symlink("/dev/null", dir + "device");
  fs::create_symlink(make("real.txt"), dir + "link");
  fs::create_symlink(dir + "nowhere.txt", dir + "dangling");
  int pipe_fds[2];
  ASSERT_EQ(::pipe(pipe_fds), 0);  // what standard output often is
  fs::create_symlink("/proc/self/fd/" + std::to_string(pipe_fds[1]), dir + "stdout");
  ASSERT_EQ(::chown(make("owned.txt").c_str(), 65534, 65534), 0);  // tests run as root
  ::chmod((dir + "owned.txt").c_str(), 0640);

  struct Row {
    const char* fault;
    const char* target;
    bool saved;
    const char* holds_new;  // the file the new text must reach; nullptr: none
  } rows[] = {
      {"a link planted at the temporary name overwrites what it points to", "target.txt", true,
       "target.txt"},
      {"a read-only file is replaced", "ro.txt", false, nullptr},
      {"a FIFO is replaced by a file", "fifo", false, nullptr},
      {"a link to a device is replaced by a file", "device", false, nullptr},
      {"a link is replaced instead of the file it points to", "link", true, "real.txt"},
      {"a link to nothing makes a file where it points", "dangling", false, nullptr},
      {"a link to a pipe is replaced by a file", "stdout", false, nullptr},
      {"a folder is replaced", "folder", false, nullptr},
      {"a path through a file is written", "ro.txt/x", false, nullptr},
      {"the owner and permissions of the file are lost", "owned.txt", true, "owned.txt"},
  };
  for (const Row& r : rows) {
    std::string error = Write_Whole_File(dir + r.target, "new");
    EXPECT_EQ(error.empty(), r.saved) << r.fault << ": " << error;
    if (!r.saved) {
      EXPECT_NE(error.find(dir + r.target), std::string::npos) << error;
    }
    if (r.holds_new) {
      EXPECT_EQ(Read_Whole_File(dir + r.holds_new), "new") << r.fault;
    }
  }
  EXPECT_EQ(Read_Whole_File(victim), "victim");
  EXPECT_EQ(Read_Whole_File(dir + "ro.txt"), "old");
  EXPECT_FALSE(fs::exists(dir + "nowhere.txt"));
  for (const char* name : {"link", "device", "dangling", "stdout"})
    EXPECT_TRUE(fs::is_symlink(dir + name)) << name;
  EXPECT_TRUE(fs::is_fifo(dir + "fifo"));
  struct stat st {};
  ASSERT_EQ(::stat((dir + "owned.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(Temporaries_In(dir, planted), 0);
  ::close(pipe_fds[0]);
  ::close(pipe_fds[1]);
}

TEST(AtomicFile, AFileSizeLimitFailsTheSaveInsteadOfKillingTheProgram) {
  std::string dir = ::testing::TempDir() + "save_limit/", path = dir + "keep.txt";
  fs::remove_all(dir);
  fs::create_directories(dir);
  ASSERT_EQ(Write_Whole_File(path, "keep"), "");
  int status = In_Child([&] {
    std::signal(SIGXFSZ, SIG_DFL);
    struct rlimit small = {4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string err = Write_Whole_File(path, std::string(1 << 20, 'x'));
    return err.find("File too large") != std::string::npos ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(*Read_Whole_File(path), "keep");
  EXPECT_EQ(Temporaries_In(dir), 0);
}

TEST(AtomicFile, ASignalThatEndsTheProgramMidSaveLeavesNoTemporaryFile) {
  std::string dir = ::testing::TempDir() + "save_signals/";
  fs::remove_all(dir);
  fs::create_directories(dir);
  ASSERT_EQ(Write_Whole_File(dir + "big.bin", "old"), "");
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t pid = ::fork();
    if (pid == 0) {
      for (int s : {SIGINT, SIGTERM, SIGHUP}) std::signal(s, SIG_DFL);  // as a program starts
      Atomic_File f(dir + "big.bin");
      f.Write(std::string(1 << 20, 'x'));
      (void)::write(ready[1], "r", 1);
      for (;;) ::pause();
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ::kill(pid, sig);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig;
    EXPECT_EQ(Temporaries_In(dir), 0) << sig;
    EXPECT_EQ(*Read_Whole_File(dir + "big.bin"), "old");
    ::close(ready[0]);
    ::close(ready[1]);
  }
}

TEST(AtomicFile, KeepsThePermissionsOfTheFileItReplaces) {
  std::string path = ::testing::TempDir() + "mode.txt";
  ASSERT_EQ(Write_Whole_File(path, "a"), "");
  ::chmod(path.c_str(), 0640);
  ASSERT_EQ(Write_Whole_File(path, "b"), "");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace common
