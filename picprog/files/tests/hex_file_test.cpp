#include "picprog/files/hex_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/atomic_file.h"
#include "common/hex.h"
#include "common/tests/bad_files.h"
#include "common/text_file.h"
#include "picprog/files/bin_file.h"
#include "picprog/files/tests/file_limits.h"

namespace picprog {
namespace {

std::string Temp(const std::string& name) {
  return ::testing::TempDir() + "picprog_files_" + name;
}

// A data record as other tools write it, with its checksum.
std::string Record(uint16_t address, uint8_t type, std::initializer_list<uint8_t> data) {
  std::string line =
      ":" + common::Hex(data.size(), 2) + common::Hex(address, 4) + common::Hex(type, 2);
  unsigned sum = data.size() + (address >> 8) + (address & 0xFF) + type;
  for (uint8_t b : data) {
    line += common::Hex(b, 2);
    sum += b;
  }
  return line + common::Hex((0x100 - (sum & 0xFF)) & 0xFF, 2) + "\r\n";
}

TEST(HexFile, BlankBufferSavesAsRecordsOfFF3FAndLoadsBack) {
  Pic_Buf buf{};
  buf.fill(0x3FFF);
  std::string text = Hex_Text(buf);
  auto lines = common::Split_Lines(text);
  ASSERT_EQ(lines.size(), 1059u);
  for (size_t i = 0; i < 1058; ++i) {
    std::string want = ":10" + common::Hex(i * 16, 4) + "00";
    for (int w = 0; w < 8; ++w) want += "FF3F";
    ASSERT_EQ(lines[i].substr(0, 41), want) << i;
    ASSERT_EQ(lines[i].size(), 43u);
    unsigned sum = 0;  // every byte of a record, its checksum included, adds up to 0
    for (size_t p = 1; p < lines[i].size(); p += 2)
      sum += *common::Parse_Hex(lines[i].substr(p, 2));
    ASSERT_EQ(sum & 0xFF, 0u) << lines[i];
  }
  EXPECT_EQ(lines[1058], ":00000001FF");
  EXPECT_EQ(text.substr(0, 45), lines[0] + "\r\n");
  EXPECT_EQ(text.substr(text.size() - 13), ":00000001FF\r\n");
  EXPECT_EQ(text.find("\r\n"), 43u);  // CR LF after each line, nothing else
  EXPECT_EQ(text.find('\n'), 44u);

  Pic_Buf back{};
  EXPECT_TRUE(Read_Hex(text, back, 0x3FFF).Ok());
  for (size_t i = 0; i < kPic_Buf_Words; ++i)
    ASSERT_EQ(back[i], i < kFile_Words ? 0x3FFF : 0) << common::Hex(i, 4);
}

TEST(HexFile, WordsGoLowByteFirstAtTwiceTheirAddress) {
  Pic_Buf buf{};
  buf[0] = 0x1234;
  buf[kConfig_Word] = 0x3F72;
  buf[kEE_Start] = 0x00A5;
  auto lines = common::Split_Lines(Hex_Text(buf));
  EXPECT_EQ(lines[0], ":1000000034120000000000000000000000000000AA");
  EXPECT_EQ(lines[0x2100 / 8], ":104200000000000000000000000000000000723FFD");
  EXPECT_EQ(lines[0x2000 / 8].substr(0, 13), ":10400000A500");
}

TEST(HexFile, SavedFileLoadsBackWordForWord) {
  Pic_Buf buf{};
  for (size_t i = 0; i < kPic_Buf_Words; ++i)
    buf[i] = static_cast<uint16_t>((i * 7919 + 13) & 0x3FFF);
  std::string path = Temp("round.hex");
  ASSERT_EQ(Save_Hex(path, buf), "");
  Pic_Buf back{};
  Hex_Load r = Load_Hex(path, back, 0x3FFF);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(r.Message(), "");
  for (size_t i = 0; i < kFile_Words; ++i) ASSERT_EQ(back[i], buf[i]) << common::Hex(i, 4);
  for (size_t i = kFile_Words; i < kPic_Buf_Words; ++i) ASSERT_EQ(back[i], 0);
}

TEST(HexFile, ByteAddress400EIsAnEeWordNotTheConfigurationWord) {
  Pic_Buf buf{};
  EXPECT_TRUE(Read_Hex(Record(0x400E, 0, {0xFF, 0x3F}), buf, 0x3FFF).Ok());
  EXPECT_EQ(buf[0x2007], 0x3FFF);
  EXPECT_EQ(buf[0x2107], 0);
}

TEST(HexFile, WordsAreMaskedToThePartsWidth) {
  Pic_Buf buf{};
  Read_Hex(Record(0x0000, 0, {0xFF, 0x3F, 0xFF, 0xFF}), buf, 0x0FFF);
  EXPECT_EQ(buf[0], 0x0FFF);
  EXPECT_EQ(buf[1], 0x0FFF);
  Read_Hex(Record(0x0000, 0, {0xFF, 0xFF}), buf, 0x3FFF);
  EXPECT_EQ(buf[0], 0x3FFF);
}

TEST(HexFile, WhatTheLoaderSkipsIgnoresAndStopsAt) {
  Pic_Buf buf{};
  std::string text =
      "; a comment\r\n"
      "\r\n"
      " :0200000001000D\r\n" +                       // does not start with ':'
      Record(0x0002, 0, {0x11, 0x22, 0x33}) +        // odd count: last byte dropped
      Record(0x0010, 3, {0x00, 0x00, 0x12, 0x34}) +  // start address: ignored
      ":020004003324FF\n" +                          // wrong checksum: loaded
      Record(0x8006, 0, {0x66, 0x05}) +              // bit 15 of the address drops
      Record(0x0000, 1, {}) +
      Record(0x0000, 0, {0x99, 0x09});  // after the end record
  Hex_Load r = Read_Hex(text, buf, 0x3FFF);
  EXPECT_TRUE(r.Ok()) << r.error;
  EXPECT_EQ(buf[0], 0);
  EXPECT_EQ(buf[1], 0x2211);
  EXPECT_EQ(buf[2], 0x2433);
  EXPECT_EQ(buf[3], 0x0566);
  EXPECT_EQ(buf[9], 0);
}

TEST(HexFile, WordsBeyondTheBufferAreSkippedAndCounted) {
  Pic_Buf buf{};
  std::string text = Record(0x5FFC, 0, {1, 0, 2, 0, 3, 0, 4, 0}) +  // words 2FFE..3001
                     Record(0x6000, 0, {5, 0}) + Record(0x7FFE, 0, {6, 0, 7, 0});
  Hex_Load r = Read_Hex(text, buf, 0x3FFF);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(buf[0x2FFE], 1);
  EXPECT_EQ(buf[0x2FFF], 2);
  EXPECT_EQ(buf[0], 0);  // nothing wrapped round
  EXPECT_EQ(r.words_outside, 5u);
  EXPECT_EQ(r.Message(),
            "5 words of the file lie beyond the buffer (above word 2FFF) and were not loaded.");
}

TEST(HexFile, ExtendedAddressesMoveTheRecordsAfterThem) {
  Pic_Buf buf{};
  std::string text = Record(0, 4, {0x00, 0x00}) + Record(0x0000, 0, {1, 0}) +
                     Record(0, 4, {0x00, 0x01}) + Record(0x0000, 0, {2, 0, 3, 0}) +  // 0x10000
                     Record(0, 2, {0x01, 0x00}) + Record(0x0002, 0, {4, 0});         // 0x1002
  Hex_Load r = Read_Hex(text, buf, 0x3FFF);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(buf[0], 1);
  EXPECT_EQ(buf[0x801], 4);
  EXPECT_EQ(r.words_outside, 2u);
}

TEST(HexFile, MalformedRecordStopsTheLoadAndNamesItsLine) {
  Pic_Buf buf{};
  std::string text = Record(0x0000, 0, {1, 0}) + Record(0x0002, 0, {2, 0}) +
                     ":04000400030004G0F1\r\n" + Record(0x0006, 0, {4, 0});
  Hex_Load r = Read_Hex(text, buf, 0x3FFF);
  EXPECT_FALSE(r.Ok());
  EXPECT_EQ(r.error,
            "Hex File Error in Line 3: it holds a character that is not a hex digit. The lines "
            "before it were loaded.");
  EXPECT_EQ(r.Message(), r.error);
  EXPECT_EQ(buf[0], 1);
  EXPECT_EQ(buf[1], 2);
  EXPECT_EQ(buf[2], 0);  // nothing of the bad record
  EXPECT_EQ(buf[3], 0);  // nor after it

  for (std::string bad : {":1X00000000", ":10000000FF3FFF3F", ":100000", ":0200000401", ":02"}) {
    buf.fill(0);
    r = Read_Hex(Record(0x0000, 0, {7, 0}) + bad + "\n" + Record(0x0002, 0, {8, 0}), buf, 0x3FFF);
    EXPECT_NE(r.error.find("Line 2:"), std::string::npos) << bad;
    EXPECT_EQ(buf[0], 7) << bad;
    EXPECT_EQ(buf[1], 0) << bad;
  }
  r = Read_Hex(":10000000FF3F\n", buf, 0x3FFF);
  EXPECT_NE(r.error.find("shorter than its byte count"), std::string::npos);
}

TEST(HexFile, BadFilesAndFilesWithNothingToLoadAreRefusedAndLeaveTheBuffer) {
  common::testing::Hang_Guard guard;
  Pic_Buf buf{};
  buf.fill(0x1111);
  std::vector<std::string> paths = {"/nonexistent-dir/x.hex"};
  for (const auto& f : common::testing::Make_Bad_Files(Temp("bad"), 16 << 20))
    paths.push_back(f.path);
  // A binary file longer than the buffer's share is only cut; every other is refused by both.
  std::vector<std::string> binaries(paths.begin(), paths.end() - 1);
  const std::pair<const char*, const char*> nothing[] = {
      {"empty.hex", ""},
      {"text.hex", "no records here\r\n"},
      {"end_only.hex", ":00000001FF\r\n"},
      {"beyond.hex", ":020000040001F9\r\n:02000000FF3FC0\r\n"},  // word 0x8000
  };
  for (auto [name, text] : nothing) {
    ASSERT_EQ(common::Write_Whole_File(Temp(name), text), "");
    paths.push_back(Temp(name));
  }
  binaries.push_back(Temp("empty.hex"));
  for (const std::string& path : paths) {
    Hex_Load r = Load_Hex(path, buf, 0x3FFF);
    EXPECT_FALSE(r.Ok()) << path;
    EXPECT_NE(r.Message().find(path), std::string::npos) << r.Message();
  }
  for (const std::string& path : binaries) EXPECT_NE(Load_Bin(path, buf), "") << path;
  EXPECT_TRUE(std::all_of(buf.begin(), buf.end(), [](uint16_t w) { return w == 0x1111; }));
}

TEST(HexFile, FailedSaveReportsAndKeepsTheOldFile) {
  Pic_Buf buf{};
  EXPECT_NE(Save_Hex("/nonexistent-dir/x.hex", buf).find("Buffer Not Saved: "), std::string::npos);
  std::string path = Temp("keep.hex");
  ASSERT_EQ(common::Write_Whole_File(path, "old"), "");
  std::string error;
  {
    File_Size_Limit full(4096);  // the file is some 47 KB
    error = Save_Hex(path, buf);
  }
  EXPECT_NE(error.find("Buffer Not Saved: "), std::string::npos);
  EXPECT_EQ(*common::Read_Whole_File(path), "old");
}

}  // namespace
}  // namespace picprog
