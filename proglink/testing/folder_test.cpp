#include "proglink/testing/folder_test.h"

namespace proglink {

void Folder_Test::SetUp() {
  dir_ = std::filesystem::path(::testing::TempDir()) /
         (prefix_ + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
  old_dir_ = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
}

void Folder_Test::TearDown() {
  std::filesystem::current_path(old_dir_);
}

}  // namespace proglink
