#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
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

TEST(AtomicFile, FullDiskLeavesTheOldFile) {
  // A file-size limit fails writes the way a full disk does.
  std::string path = ::testing::TempDir() + "keep.txt";
  ASSERT_EQ(Write_Whole_File(path, "keep"), "");
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  ::setrlimit(RLIMIT_FSIZE, &small);
  std::string err = Write_Whole_File(path, std::string(1 << 20, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, old_handler);
  EXPECT_NE(err, "");
  EXPECT_EQ(*Read_Whole_File(path), "keep");
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
