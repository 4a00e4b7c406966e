#include "common/app_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/atomic_file.h"

namespace common {
namespace {

namespace fs = std::filesystem;

TEST(AppFolders, DataFolderIsBesideTheBinFolderWhereverTheProgramIsInstalled) {
  struct Case {
    const char* executable;
    const char* data;
  } cases[] = {
      {"/usr/bin/Win_KV9", "/usr/share/kv9"},
      {"/opt/kv9/bin/kv9", "/opt/kv9/share/kv9"},
      {"/tmp/root/usr/local/bin/Win_KV9", "/tmp/root/usr/local/share/kv9"},
      {"", ""},  // the system did not say where the program is: no data folder
  };
  for (const auto& c : cases) EXPECT_EQ(Data_Folder_For(c.executable), c.data) << c.executable;
}

TEST(AppFolders, ExecutablePathIsThisProgram) {
  EXPECT_EQ(fs::path(Executable_Path()).filename(), "common_tests");
}

TEST(AppFolders, ConfigFolderFollowsTheXdgRulesAndIgnoresRelativePaths) {
  struct Case {
    const char* xdg;
    const char* home;
    std::optional<std::string> folder;
  } cases[] = {
      {"/cfg", "/home/u", "/cfg/kv9"},        {nullptr, "/home/u", "/home/u/.config/kv9"},
      {"", "/home/u", "/home/u/.config/kv9"}, {"relative", "/home/u", "/home/u/.config/kv9"},
      {nullptr, nullptr, std::nullopt},       {"", "", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Config_Folder_For(c.xdg, c.home), c.folder)
        << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
}

// Enters folders and sets XDG_CONFIG_HOME; both are put back.
class EnterConfigFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = fs::path(::testing::TempDir()) / ("app_folders_test_" + std::to_string(::getpid()));
    fs::remove_all(base_);
    fs::create_directories(base_);
    ::setenv("XDG_CONFIG_HOME", (base_ / "a" / "b").c_str(), 1);
  }
  void TearDown() override {
    fs::current_path(start_);
    if (old_xdg_)
      ::setenv("XDG_CONFIG_HOME", old_xdg_->c_str(), 1);
    else
      ::unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(base_);
  }
  fs::path start_ = fs::current_path();
  std::optional<std::string> old_xdg_ =
      std::getenv("XDG_CONFIG_HOME") ? std::optional<std::string>(std::getenv("XDG_CONFIG_HOME"))
                                     : std::nullopt;
  fs::path base_;
};

TEST_F(EnterConfigFolder, MakesTheMissingFoldersAndEntersThem) {
  EXPECT_EQ(Enter_Config_Folder(), "");
  EXPECT_EQ(fs::current_path(), base_ / "a" / "b" / "kv9");
  EXPECT_EQ(Enter_Config_Folder(), "") << "a folder already there is used as it is";
}

TEST_F(EnterConfigFolder, AFileInTheWayIsReportedAndTheWorkingFolderKept) {
  ASSERT_EQ(Write_Whole_File((base_ / "a").string(), "not a folder"), "");
  std::string error = Enter_Config_Folder();
  EXPECT_NE(error.find((base_ / "a" / "b" / "kv9").string()), std::string::npos) << error;
  EXPECT_EQ(fs::current_path(), start_);
}

}  // namespace
}  // namespace common
