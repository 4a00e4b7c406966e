#include "proglink/testing/folder_test.h"

#include <unistd.h>

namespace proglink {

void Folder_Test::SetUp() {
  dir_ = std::filesystem::path(::testing::TempDir()) /
         (prefix_ + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
          "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
  old_dir_ = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
}

void Folder_Test::TearDown() {
  std::filesystem::current_path(old_dir_);
}

// After the derived fixture has let go of what it holds there (a chip image is written back when
// the programmer closes).
Folder_Test::~Folder_Test() {
  std::error_code ec;
  if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
}

}  // namespace proglink
