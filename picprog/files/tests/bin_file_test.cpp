#include "picprog/files/bin_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/atomic_file.h"
#include "common/text_file.h"
#include "picprog/files/hex_file.h"
#include "picprog/files/tests/file_limits.h"

namespace picprog {
namespace {

std::string Temp(const std::string& name) {
  return ::testing::TempDir() + "picprog_files_" + name;
}

TEST(BinFile, SavesWordsUpTo210FLowByteFirst) {
  Pic_Buf buf{};
  buf[0] = 0x1234;
  buf[kConfig_Word] = 0x3F72;
  buf[0x210F] = 0xABCD;
  buf[0x2110] = 0x5555;  // not in the file
  std::string path = Temp("save.bin");
  ASSERT_EQ(Save_Bin(path, buf), "");
  std::string bytes = *common::Read_Whole_File(path);
  ASSERT_EQ(bytes.size(), 16928u);
  EXPECT_EQ(bytes.substr(0, 2), "\x34\x12");
  EXPECT_EQ(bytes.substr(2 * kConfig_Word, 2), "\x72\x3F");
  EXPECT_EQ(bytes.substr(16926, 2), "\xCD\xAB");
}

TEST(BinFile, SavedFileLoadsBackWordForWord) {
  Pic_Buf buf{};
  for (size_t i = 0; i < kPic_Buf_Words; ++i) buf[i] = static_cast<uint16_t>(i * 40503 + 7);
  std::string path = Temp("round.bin");
  ASSERT_EQ(Save_Bin(path, buf), "");
  Pic_Buf back{};
  ASSERT_EQ(Load_Bin(path, back), "");
  for (size_t i = 0; i < kPic_Buf_Words; ++i)
    ASSERT_EQ(back[i], i < kFile_Words ? buf[i] : 0) << i;  // unmasked, as saved
}

TEST(BinFile, ShortFileChangesOnlyTheFront) {
  Pic_Buf buf{};
  buf.fill(0x3FFF);
  std::string path = Temp("short.bin");
  ASSERT_EQ(common::Write_Whole_File(path, std::string(100, '\x01')), "");
  ASSERT_EQ(Load_Bin(path, buf), "");
  for (size_t i = 0; i < 50; ++i) ASSERT_EQ(buf[i], 0x0101);
  for (size_t i = 50; i < kPic_Buf_Words; ++i) ASSERT_EQ(buf[i], 0x3FFF);

  ASSERT_EQ(common::Write_Whole_File(path, std::string(101, '\x02')), "");
  ASSERT_EQ(Load_Bin(path, buf), "");
  EXPECT_EQ(buf[49], 0x0202);
  EXPECT_EQ(buf[50], 0x0102 | 0x3F00);  // only the low byte came from the file
  EXPECT_EQ(buf[51], 0x3FFF);
}

TEST(BinFile, LongFileLoadsOnlyItsFirst16928Bytes) {
  Pic_Buf buf{};
  std::string path = Temp("long.bin");
  ASSERT_EQ(common::Write_Whole_File(path, std::string(20000, '\x07')), "");
  ASSERT_EQ(Load_Bin(path, buf), "");
  EXPECT_EQ(buf[0x210F], 0x0707);
  EXPECT_EQ(buf[0x2110], 0);
}

TEST(BinFile, SavesRefuseAReadOnlyFileAndFollowALinkAsKv9Does) {
  Pic_Buf buf{};
  std::string real = Temp("real.bin"), link = Temp("link.bin");
  for (const std::string& p : {real, link}) std::filesystem::remove(p);
  for (auto save : {Save_Bin, Save_Hex}) {
    ASSERT_EQ(common::Write_Whole_File(real, "old"), "");
    ::chmod(real.c_str(), 0444);
    EXPECT_NE(save(real, buf).find(real + " is read-only"), std::string::npos);
    EXPECT_EQ(*common::Read_Whole_File(real), "old");
    ::chmod(real.c_str(), 0644);
    std::filesystem::create_symlink(real, link);
    EXPECT_EQ(save(link, buf), "");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_GT(std::filesystem::file_size(real), 3u);
    std::filesystem::remove(link);
  }
}

TEST(BinFile, FailuresLeaveBufferAndOldFileAlone) {
  Pic_Buf buf{};
  buf.fill(0x1111);
  EXPECT_NE(Load_Bin("/nonexistent-dir/x.bin", buf).find("/nonexistent-dir/x.bin"),
            std::string::npos);
  EXPECT_EQ(buf[0], 0x1111);
  EXPECT_NE(Save_Bin("/nonexistent-dir/x.bin", buf).find("Buffer Not Saved: "), std::string::npos);

  std::string path = Temp("keep.bin");
  ASSERT_EQ(common::Write_Whole_File(path, "old"), "");
  std::string error;
  {
    File_Size_Limit full(4096);
    error = Save_Bin(path, buf);
  }
  EXPECT_NE(error.find("Buffer Not Saved: "), std::string::npos);
  EXPECT_EQ(*common::Read_Whole_File(path), "old");
}

}  // namespace
}  // namespace picprog
