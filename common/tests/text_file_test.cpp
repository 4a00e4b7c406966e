#include "common/text_file.h"

#include <gtest/gtest.h>

#include "common/atomic_file.h"
#include "common/input_file.h"
#include "common/tests/bad_files.h"

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

TEST(TextFile, BadFilesAreRefusedWithTheirNameWithoutWaitingOrFillingMemory) {
  testing::Hang_Guard guard;
  for (const auto& f : testing::Make_Bad_Files(::testing::TempDir() + "bad_common", 1000)) {
    File_Data refused = Read_File(f.path, 1000);
    EXPECT_FALSE(refused.Ok()) << f.what;
    EXPECT_NE(refused.error.find(f.path), std::string::npos) << refused.error;
    // Cut at its limit, an oversize file is read as far as that.
    EXPECT_EQ(Read_Whole_File(f.path, 1000).has_value(), f.path.ends_with("oversize")) << f.what;
  }
}

}  // namespace
}  // namespace common
