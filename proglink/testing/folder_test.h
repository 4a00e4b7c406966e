// A test run in a fresh folder of its own below the test framework's temporary folder, named
// after the test and the process, so that the files it writes (a settings file, a chip image)
// meet no other test's, not even those of the same suite run at the same time in another build.
// The folder goes with the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace proglink {

class Folder_Test : public ::testing::Test {
 protected:
  // `prefix` starts the folder's name; the test's name follows it.
  explicit Folder_Test(std::string prefix) : prefix_(std::move(prefix)) {}
  ~Folder_Test() override;

  // Makes the folder, emptied, the current one.
  void SetUp() override;
  // Back to the folder the test started in.
  void TearDown() override;

 private:
  std::string prefix_;
  std::filesystem::path dir_, old_dir_;
};

}  // namespace proglink
