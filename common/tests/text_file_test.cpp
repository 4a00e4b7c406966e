#include "common/text_file.h"

#include <gtest/gtest.h>

#include "common/atomic_file.h"

namespace common {
namespace {

TEST(TextFile, SplitsAtEveryKindOfLineEnd) {
  EXPECT_EQ(Split_Lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Split_Lines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(Split_Lines("").empty());
}

TEST(TextFile, MissingFileIsNotAnEmptyFile) {
  EXPECT_FALSE(Read_Lines("/nonexistent/dir/file.txt"));
  std::string path = ::testing::TempDir() + "empty.txt";
  ASSERT_EQ(Write_Whole_File(path, ""), "");
  auto lines = Read_Lines(path);
  ASSERT_TRUE(lines);
  EXPECT_TRUE(lines->empty());
}

TEST(TextFile, ReadStopsAtTheLimit) {
  std::string path = ::testing::TempDir() + "limit.bin";
  ASSERT_EQ(Write_Whole_File(path, std::string(100000, 'x')), "");
  EXPECT_EQ(Read_Whole_File(path, 70000)->size(), 70000u);
  EXPECT_EQ(Read_Whole_File(path)->size(), 100000u);
}

}  // namespace
}  // namespace common
