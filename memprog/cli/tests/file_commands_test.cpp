// convert and checksum: the window's Load and Save, and what the range options do to them.
#include <filesystem>

#include "cli_fixture.h"

namespace memprog::cli {
namespace {

class FileCommandsTest : public CliTest {
 protected:
  static constexpr uint32_t k8K = 0x2000;  // the 27C64
};

TEST_F(FileCommandsTest, ConvertRoundTripsBetweenEveryPairOfFormats) {
  const std::vector<uint8_t> image = Pattern(k8K);
  Write("image.bin", image);
  const char* const kExt[] = {".bin", ".hex", ".s19", ".tek", ".asc"};
  for (const char* from : kExt) {
    std::string first = std::string("first") + from;
    ASSERT_EQ(Run({"-d", "27C64", "convert", "image.bin", first}), 0) << err.str();
    for (const char* to : kExt) {
      std::string second = std::string("second") + to;
      ASSERT_EQ(Run({"-d", "27C64", "convert", first, second}), 0) << from << to << err.str();
      ASSERT_EQ(Run({"-d", "27C64", "convert", second, "back.bin"}), 0) << err.str();
      EXPECT_EQ(Read("back.bin"), image) << from << " -> " << to;
    }
  }
  EXPECT_TRUE(sim->Sent().empty());
}

TEST_F(FileCommandsTest, ConvertWritesTheWindowsFiles) {
  Write("image.bin", Pattern(0x14));
  ASSERT_EQ(Run({"-d", "27C64", "--end", "13", "convert", "image.bin", "out.mot"}), 0);
  const auto mot = Read("out.mot");
  auto lines = common::Split_Lines(std::string(mot.begin(), mot.end()));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, 10), "S214000000");
  EXPECT_EQ(lines[1].substr(0, 10), "S208000010");
  EXPECT_EQ(lines[2], "S804000000FB");
  ASSERT_EQ(Run({"-d", "27C64", "convert", "image.bin", "out.dat", "--out-format", "intel"}), 0);
  auto intel = Read("out.dat");
  EXPECT_EQ(std::string(intel.begin(), intel.begin() + 15), ":020000020000FC");
}

// A buffer that started as 00 would program every byte a file leaves out to 00.
TEST_F(FileCommandsTest, TheBufferStartsAsTheErasedPartUnlessFilled) {
  struct Case {
    const char* device;
    std::vector<std::string> fill;
    uint8_t gap;
  };
  const Case cases[] = {
      {"27C64", {}, 0xFF},
      {"CY27C256", {}, 0x00},  // erased to 00
      {"27C64", {"--fill", "00"}, 0x00},
      {"CY27C256", {"--fill", "5a"}, 0x5A},
  };
  Write("short.bin", {1, 2, 3});
  for (const Case& c : cases) {
    std::vector<std::string> args = {"-d", c.device, "convert", "short.bin", "out.bin"};
    args.insert(args.end(), c.fill.begin(), c.fill.end());
    ASSERT_EQ(Run(args), 0) << c.device << err.str();
    auto bytes = Read("out.bin");
    EXPECT_EQ(bytes[2], 3) << c.device;
    EXPECT_EQ(bytes[3], c.gap) << c.device;
    EXPECT_EQ(bytes.back(), c.gap) << c.device;
  }
}

TEST_F(FileCommandsTest, RangeOptionsActAsTheWindowsFields) {
  Write("short.bin", {1, 2, 3});
  ASSERT_EQ(Run({"-d", "27C64", "--buffer-start", "10", "convert", "short.bin", "moved.bin"}), 0);
  EXPECT_EQ(Read("moved.bin")[0x10], 1);
  EXPECT_EQ(Read("moved.bin")[0], 0xFF);

  Write_Text("at0.hex", ":03000000AABBCCCC\r\n:00000001FF\r\n");
  ASSERT_EQ(Run({"-d", "27C64", "--hex-offset", "1000", "convert", "at0.hex", "off.bin"}), 0);
  EXPECT_EQ(Read("off.bin")[0x1000], 0xAA);
  // Its only record lies below Hex File Start: nothing to convert.
  EXPECT_EQ(Run({"-d", "27C64", "--hex-start", "1", "convert", "at0.hex", "skip.bin"}), 2);
  EXPECT_FALSE(std::filesystem::exists("skip.bin"));

  // Beyond the device: cut back as the window cuts it, and said so.
  ASSERT_EQ(
      Run({"-d", "27C64", "--end", "10000", "--start", "FFFFF", "convert", "short.bin", "cut.bin"}),
      0);
  EXPECT_EQ(Read("cut.bin").size(), k8K);
  EXPECT_EQ(err.str(),
            "kv9: --end 10000 gives Device End=01FFF\n"
            "kv9: --start FFFFF gives Device Start=01FFF\n");
}

TEST_F(FileCommandsTest, WordModesSplitA16BitImage) {
  Write("words.bin", {0x11, 0x22, 0x33, 0x44});
  ASSERT_EQ(Run({"-d", "27C64", "--split", "even", "convert", "words.bin", "w.bin"}), 0);
  EXPECT_EQ(Read("w.bin").size(), 2 * k8K);  // the buffer holds both halves
  ASSERT_EQ(Run({"-d", "27C64", "--split", "odd", "checksum", "words.bin"}), 0);
  EXPECT_EQ(out.str(), "CheckSum=BCAE\n");  // 11 22 33 44 and 3FFC blank bytes
}

TEST_F(FileCommandsTest, ChecksumPrintsTheWindowsCaption) {
  Write("ff.bin", std::vector<uint8_t>(0x8000, 0xFF));
  ASSERT_EQ(Run({"-d", "27C256", "checksum", "ff.bin"}), 0);
  EXPECT_EQ(out.str(), "CheckSum=8000\n");
  Write("ff.bin", std::vector<uint8_t>(0x10000, 0xFF));
  ASSERT_EQ(Run({"-d", "27C256", "--split", "even", "checksum", "ff.bin"}), 0);
  EXPECT_EQ(out.str(), "CheckSum=0000\n");  // 65536 bytes of the buffer
}

TEST_F(FileCommandsTest, ABadInputFileExitsTwoWithTheWindowsMessage) {
  EXPECT_EQ(Run({"-d", "27C64", "checksum", "missing.bin"}), 2);
  EXPECT_NE(err.str().find("Error... File was Not Loaded In Buffer...\n"), std::string::npos);
  EXPECT_TRUE(out.str().empty());

  Write_Text("bad.asc", "0011ZZ33\r\n");
  EXPECT_EQ(Run({"-d", "27C64", "convert", "bad.asc", "out.bin"}), 2);
  EXPECT_NE(err.str().find("Invaild Hex Value in File, File Not Loaded...\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("out.bin"));  // nothing is saved from a bad file

  Write_Text("bad.hex", ":0300000011G233CC\r\n");
  EXPECT_EQ(Run({"-d", "27C64", "checksum", "bad.hex"}), 2);
  EXPECT_TRUE(out.str().empty());
}

TEST_F(FileCommandsTest, AnOutputThatCannotBeWrittenFailsAndLeavesNothing) {
  Write("image.bin", Pattern(16));
  EXPECT_EQ(Run({"-d", "27C64", "convert", "image.bin", "no/such/dir/out.hex"}), 2);
  EXPECT_FALSE(err.str().empty());
  EXPECT_FALSE(std::filesystem::exists("no"));
}

}  // namespace
}  // namespace memprog::cli
