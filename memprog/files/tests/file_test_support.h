// What the file tests share: a progress recorder, a 16 MiB buffer and files in a temporary
// folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "common/text_file.h"
#include "memprog/files/buffer_file.h"

namespace memprog {

class Recording_Progress : public File_Progress {
 public:
  std::vector<std::string> statuses;
  std::vector<uint32_t> quit_addresses;
  int pumps = 0;

  void Status(const std::string& text) override { statuses.push_back(text); }
  void Quit_Address(uint32_t index) override { quit_addresses.push_back(index); }
  void Pump() override { ++pumps; }
};

class File_Test : public ::testing::Test {
 protected:
  File_Test() : image(kImage_Size, 0) {
    dir = ::testing::TempDir() + "memprog_files_" +
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }

  std::string Path(const std::string& name) const { return dir + "/" + name; }

  // Writes `text` to a file of the test's folder and returns its path.
  std::string File(const std::string& name, const std::string& text) const {
    std::string path = Path(name);
    EXPECT_EQ(common::Write_Whole_File(path, text), "");
    return path;
  }

  std::string Contents(const std::string& path) const {
    return common::Read_Whole_File(path).value_or("<missing>");
  }

  Load_Outcome Load(File_Type type, const std::string& text) {
    return Load_Buffer_File(File("in.hex", text), type, image.data(), ranges, progress);
  }

  // Saves the buffer and returns the file's text.
  std::string Save(File_Type type) {
    std::string path = Path("out.hex");
    Save_Outcome o = Save_Buffer_File(path, type, image.data(), ranges, progress);
    EXPECT_TRUE(o.ok) << o.message;
    return Contents(path);
  }

  std::vector<uint8_t> Bytes(uint32_t from, uint32_t count) const {
    return {image.begin() + from, image.begin() + from + count};
  }

  void Fill_Pattern(uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) image[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
  }

  std::string dir;
  std::vector<uint8_t> image;
  File_Ranges ranges{.Dev_End_Add = 0xFFFF, .Dev_Last_Add = 0xFFFF};
  Recording_Progress progress;
};

using Bytes_Of = std::vector<uint8_t>;

}  // namespace memprog
