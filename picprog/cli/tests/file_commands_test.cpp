// convert and checksum: the buffer files without the programmer, and how the buffer starts.
#include <filesystem>

#include "common/hex.h"
#include "mcu9_fixture.h"

namespace picprog::cli {
namespace {

class Mcu9FileTest : public Mcu9Test {};

TEST_F(Mcu9FileTest, ConvertRoundTripsBetweenBinaryAndHex) {
  auto words = Words(0x3FFF, 0x3FF, 0x3FFF);
  for (unsigned a = 0x2000; a < kFile_Words; ++a) words[a] = static_cast<uint16_t>(a & 0x3FFF);
  Write_Words("image.bin", words);
  ASSERT_EQ(Run({"-d", "16F84/A", "convert", "image.bin", "image.hex"}), 0) << err.str();
  ASSERT_EQ(Run({"-d", "16F84/A", "convert", "image.hex", "back.bin"}), 0) << err.str();
  EXPECT_EQ(Read_Words("back.bin"), words);
  ASSERT_EQ(Run({"-d", "16F84/A", "convert", "back.bin", "again.hex"}), 0);
  EXPECT_EQ(Read("again.hex"), Read("image.hex"));

  // The PIC word layout: EE words from byte address 4000, the configuration word at 420E.
  const auto hex = Read("image.hex");
  const auto lines = common::Split_Lines(std::string(hex.begin(), hex.end()));
  ASSERT_EQ(lines.size(), 1059u);
  EXPECT_EQ(lines[0x2000 / 8].substr(0, 13), ":104000000020");
  EXPECT_EQ(lines[0x2100 / 8].substr(0, 9), ":10420000");
  EXPECT_EQ(lines[0x2100 / 8].substr(9 + 7 * 4, 4), "0721");  // word 2107, low byte first
  EXPECT_EQ(lines.back(), ":00000001FF");
  EXPECT_TRUE(sim->Sent().empty());
}

TEST_F(Mcu9FileTest, TheBufferStartsAsTheBlankPartOrTheFillValue) {
  Write("short.bin", {0x34, 0x12, 0x78, 0x06});
  ASSERT_EQ(Run({"-d", "16F84/A", "convert", "short.bin", "out.bin"}), 0);
  auto words = Read_Words("out.bin");
  ASSERT_EQ(words.size(), kFile_Words);
  EXPECT_EQ(words[0], 0x1234);
  EXPECT_EQ(words[1], 0x0678);
  EXPECT_EQ(words[2], 0x3FFF);
  EXPECT_EQ(words[kConfig_Word], 0x3FFF);  // no code protection from a file without the word

  ASSERT_EQ(Run({"-d", "12C508/A", "convert", "short.bin", "out.bin"}), 0);
  EXPECT_EQ(Read_Words("out.bin")[2], 0x0FFF);

  ASSERT_EQ(Run({"-d", "12C508/A", "--fill", "0", "convert", "short.bin", "zero.bin"}), 0);
  words = Read_Words("zero.bin");
  EXPECT_EQ(words[1], 0x0678);
  EXPECT_EQ(words[2], 0x0000);
  EXPECT_EQ(words[kConfig_Word], 0x0000);

  // Hex records of a 12-bit part keep its 12 bits.
  Write_Text("wide.hex", ":02000000FF3FC0\r\n:00000001FF\r\n");
  ASSERT_EQ(Run({"-d", "12C508/A", "convert", "wide.hex", "wide.bin"}), 0);
  EXPECT_EQ(Read_Words("wide.bin")[0], 0x0FFF);
}

TEST_F(Mcu9FileTest, ChecksumOfProgramMemory) {
  const auto words = Words(0x3FFF, 0x3FF, 0x3FFF, 5);
  Write_Words("image.bin", words);
  uint16_t sum = 0;
  for (unsigned a = 0; a <= 0x3FF; ++a) sum = static_cast<uint16_t>(sum + words[a]);
  ASSERT_EQ(Run({"-d", "16F84/A", "checksum", "image.bin"}), 0);
  EXPECT_EQ(out.str(), "Checksum=" + common::Hex(sum, 4) + "\n");
  // The 16F83 has half the memory: the other half is left out.
  sum = 0;
  for (unsigned a = 0; a <= 0x1FF; ++a) sum = static_cast<uint16_t>(sum + words[a]);
  ASSERT_EQ(Run({"-d", "16F83", "checksum", "image.bin"}), 0);
  EXPECT_EQ(out.str(), "Checksum=" + common::Hex(sum, 4) + "\n");
}

TEST_F(Mcu9FileTest, ABadInputFileExitsTwoAndSavesNothing) {
  EXPECT_EQ(Run({"-d", "16F84/A", "checksum", "missing.bin"}), 2);
  EXPECT_FALSE(err.str().empty());
  EXPECT_TRUE(out.str().empty());

  Write_Text("bad.hex", ":02000000ZZ3FC0\r\n:00000001FF\r\n");
  EXPECT_EQ(Run({"-d", "16F84/A", "convert", "bad.hex", "out.bin"}), 2);
  EXPECT_FALSE(err.str().empty());
  EXPECT_FALSE(std::filesystem::exists("out.bin"));

  Write_Words("image.bin", Words(0x3FFF, 0x3FF, 0x3FFF));
  EXPECT_EQ(Run({"-d", "16F84/A", "convert", "image.bin", "no/such/dir/out.hex"}), 2);
  EXPECT_FALSE(err.str().empty());
}

}  // namespace
}  // namespace picprog::cli
