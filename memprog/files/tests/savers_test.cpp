// The savers' text, line by line, and the round trips back through the loaders.
#include "common/text_file.h"
#include "file_test_support.h"
#include "memprog/files/hex_digits.h"

namespace memprog {
namespace {

class Savers : public File_Test {
 protected:
  std::vector<std::string> Save_Lines(File_Type type) {
    std::string text = Save(type);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (size_t i = 0; i < text.size(); ++i)
      if ((text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ||
          (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
        ADD_FAILURE() << "line end other than CR LF at " << i;
        break;
      }
    return common::Split_Lines(text);
  }

  size_t Count_Starting(const std::vector<std::string>& lines, const std::string& start) {
    size_t n = 0;
    for (auto& l : lines) n += l.rfind(start, 0) == 0;
    return n;
  }
};

TEST(Digit_Pairs, EveryByteValueAtEveryLengthAsTheTableWritesIt) {
  // The sixteen-at-a-time path must agree with the byte table, its sum with a plain sum.
  uint8_t data[256 + 40];
  for (size_t i = 0; i < sizeof data; ++i) data[i] = static_cast<uint8_t>(i * 37 + 11);
  for (size_t count : {0, 1, 15, 16, 17, 33, 256 + 40}) {
    char fast[2 * sizeof data], slow[2 * sizeof data];
    uint32_t sum = 5, want = 5;
    char* end = Put_Bytes(fast, data, count, sum);
    char* p = slow;
    for (size_t i = 0; i < count; ++i) p = Put_Byte(p, data[i]), want += data[i];
    EXPECT_EQ(std::string(fast, end), std::string(slow, p)) << count;
    EXPECT_EQ(sum, want) << count;
  }
}

TEST_F(Savers, Intel8KiBIsOneSegmentLine512RecordsAndTheEnd) {
  ranges.Dev_End_Add = 0x1FFF;
  image[0x1FF0] = 0xAB;
  auto lines = Save_Lines(File_Type::Intel);
  ASSERT_EQ(lines.size(), 514u);
  EXPECT_EQ(lines[0], ":020000020000FC");
  EXPECT_EQ(lines[1], ":10000000" + std::string(32, '0') + "F0");
  EXPECT_EQ(lines[512], ":101FF000AB" + std::string(30, '0') + "36");
  EXPECT_EQ(lines[513], ":00000001FF");
  EXPECT_EQ(progress.statuses,
            (std::vector<std::string>{"Saving Buffer to Hex File....", "Hex File Saved...."}));
}

TEST_F(Savers, Intel64KiBEndsWithTheNextSegmentLine) {
  ranges.Dev_End_Add = 0xFFFF;
  auto lines = Save_Lines(File_Type::Intel);
  ASSERT_EQ(lines.size(), 4096u + 3);
  EXPECT_EQ(lines[lines.size() - 2], ":020000021000EC");
  EXPECT_EQ(lines.back(), ":00000001FF");
}

TEST_F(Savers, IntelRecordsStayFullAtTheEndOfTheRange) {
  ranges.Dev_End_Add = 0x13;
  image[0x1F] = 0x5A;  // past the range, still written
  auto lines = Save_Lines(File_Type::Intel);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], ":10001000" + std::string(30, '0') + "5A86");
}

TEST_F(Savers, IntelFrom1MiBOnUsesLinearAddressRecords) {
  ranges.Dev_End_Add = 0x1FFFFF;
  auto lines = Save_Lines(File_Type::Intel);
  EXPECT_EQ(Count_Starting(lines, ":02000002"), 17u);  // 0 to F000, then 0 before the first linear
  EXPECT_EQ(Count_Starting(lines, ":02000004"), 17u);  // 0010 to 0020
  auto at = std::find(lines.begin(), lines.end(), ":02000002F0000C");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(at[4097], ":020000020000FC");
  EXPECT_EQ(at[4098], ":020000040010EA");
  EXPECT_EQ(at[4099].substr(0, 9), ":10000000");
  EXPECT_EQ(lines[lines.size() - 2], ":020000040020DA");
}

TEST_F(Savers, Motorola20BytesAreARecordOf16AndOneOf4) {
  ranges.Dev_End_Add = 0x13;
  auto lines = Save_Lines(File_Type::Motorola);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "S214000000" + std::string(32, '0') + "EB",
                       "S20800001000000000E7",
                       "S804000000FB",
                   }));
}

TEST_F(Savers, AsciiHex20BytesAreALineOf32DigitsAndOneOf8) {
  ranges.Dev_End_Add = 0x13;
  image[0] = 0xab;
  auto lines = Save_Lines(File_Type::Ascii);
  EXPECT_EQ(lines, (std::vector<std::string>{"AB" + std::string(30, '0'), "00000000"}));
}

TEST_F(Savers, TektronixStandardRecordsWithTheirDigitSums) {
  ranges.Dev_End_Add = 3;
  image[0] = 0x7E, image[1] = 0xA3, image[2] = 0x80, image[3] = 0x0C;
  auto lines = Save_Lines(File_Type::Tektronix);
  EXPECT_EQ(lines, (std::vector<std::string>{"/000004047EA3800C36", "/00000000"}));
}

TEST_F(Savers, BinaryWritesTheRangeOfTheProgramType) {
  ranges.Dev_End_Add = 0x7FFF;
  ranges.Prg_Type = 1;
  Fill_Pattern(0x10001);
  std::string data = Save(File_Type::Binary);
  ASSERT_EQ(data.size(), 65536u);
  EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.end()), Bytes(0, 65536));
  EXPECT_TRUE(progress.statuses.empty());
  ranges.Prg_Type = 0;
  EXPECT_EQ(Save(File_Type::Binary).size(), 0x8000u);
}

// Every saver's file loads back into the same buffer indices, in byte and word modes.
TEST_F(Savers, RoundTripsThroughEveryFormat) {
  for (File_Type type : {File_Type::Binary, File_Type::Intel, File_Type::Motorola,
                         File_Type::Tektronix, File_Type::Ascii}) {
    for (int prg_type : {0, 1}) {
      ranges.Prg_Type = prg_type;
      ranges.Dev_End_Add = prg_type == 0 ? 0x7FF2 : 0x3FF2;
      ranges.Dev_Last_Add = prg_type == 0 ? 0x7FFF : 0x3FFF;
      uint32_t last = prg_type == 0 ? 0x7FF2 : 0x7FE5;
      Fill_Pattern(0x8000);
      std::vector<uint8_t> saved = Bytes(0, last + 1);
      std::string text = Save(type);
      std::fill(image.begin(), image.end(), 0xEE);
      auto o = Load(type, text);
      EXPECT_EQ(o.kind, Load_Outcome::Loaded) << o.message;
      EXPECT_EQ(Bytes(0, last + 1), saved) << static_cast<int>(type) << " " << prg_type;
      EXPECT_EQ(image[0x8000], 0xEE);
    }
  }
}

TEST_F(Savers, IntelAndMotorolaRoundTripAWhole16MiBBuffer) {
  ranges.Dev_End_Add = ranges.Dev_Last_Add = 0xFFFFFF;
  for (uint32_t i = 0; i < kImage_Size; ++i) image[i] = static_cast<uint8_t>(i ^ (i >> 11));
  std::vector<uint8_t> saved = image;
  for (File_Type type : {File_Type::Intel, File_Type::Motorola}) {
    std::string text = Save(type);
    std::fill(image.begin(), image.end(), 0);
    auto o = Load(type, text);
    EXPECT_EQ(o.kind, Load_Outcome::Loaded) << o.message;
    EXPECT_EQ(o.stored, kImage_Size);
    EXPECT_TRUE(image == saved) << static_cast<int>(type);
  }
}

}  // namespace
}  // namespace memprog
