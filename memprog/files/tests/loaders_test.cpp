// Loading the five formats into the buffer: placement through the hex ranges and the device
// mask, record types, line ends and what the window is told.
#include "file_test_support.h"

namespace memprog {
namespace {

class Loaders : public File_Test {};

TEST_F(Loaders, IntelDataLandsAtItsAddressAndTheWindowIsTold) {
  auto o = Load(File_Type::Intel,
                ":04001000DEADbeef00\r\n"  // lower case digits, checksum not checked
                ":0200000300001234C7\r\n"  // start address: nothing to load
                ":00000001FF\r\n"
                ":0100000055AA\r\n");  // after the end record
  EXPECT_EQ(o.kind, Load_Outcome::Loaded);
  EXPECT_EQ(o.stored, 4u);
  EXPECT_EQ(Bytes(0x10, 4), (Bytes_Of{0xDE, 0xAD, 0xBE, 0xEF}));
  EXPECT_EQ(image[0], 0);
  EXPECT_EQ(progress.statuses,
            (std::vector<std::string>{"Loading Buffer from Hex File....", "Hex File Loaded...."}));
  EXPECT_EQ(progress.quit_addresses, (std::vector<uint32_t>{0x10}));
  EXPECT_GE(progress.pumps, 2);
}

TEST_F(Loaders, IntelBasesAddUpAndWrapAtTheDeviceSize) {
  // A type 04 record of 0001 and data at 0000: 0x10000 AND 0xFFFF is index 0.
  Load(File_Type::Intel, ":020000040001F9\n:0100000011EE\n");
  EXPECT_EQ(image[0], 0x11);
  ranges.Dev_Last_Add = 0xFFFFF;
  Load(File_Type::Intel, ":020000040001F9\n:0100000022EE\n");
  EXPECT_EQ(image[0x10000], 0x22);
  // Segment 0x1000 is 0x10000; with linear 0x20000 both count.
  Load(File_Type::Intel, ":020000021000EC\n:020000040002F8\n:0100050033EE\n");
  EXPECT_EQ(image[0x30005], 0x33);
}

TEST_F(Loaders, UnderTheCommandLinesRuleDataBeyondThePartRefuseTheLoad) {
  struct Row {
    const char* fault;
    File_Type type;
    int32_t last, buffer_start;
    std::string text;
    uint64_t beyond;
    uint32_t at;  // where the file's first byte must land (beyond == 0)
  } rows[] = {
      {"a mask of a 384 KiB part moves a record inside it", File_Type::Intel, 0x5FFFF, 0,
       ":020000040002F8\n:0100000011EE\n", 0, 0x20000},
      {"the bytes of a record past the end are stored or lost unsaid", File_Type::Intel, 0x7FFF, 0,
       ":04FFFE0011223344FF\n:020000040000FA\n:047FFE0011223344FF\n", 2 + 4, 0},
      {"a binary longer than the part is cut unsaid", File_Type::Binary, 0x7FFF, 0,
       std::string(40000, 'x'), 7232, 0},
      {"a binary is measured from 0, not from Buffer Start", File_Type::Binary, 0xFF, 0x100,
       std::string(0x100, 'x'), 0, 0x100},
  };
  for (const Row& r : rows) {
    ranges = {.Buf_Start_Add = r.buffer_start, .Dev_End_Add = r.last, .Dev_Last_Add = r.last};
    ranges.Refuse_Beyond_Part = true;
    std::fill(image.begin(), image.end(), 0);
    auto o = Load(r.type, r.text);
    EXPECT_EQ(o.beyond, r.beyond) << r.fault;
    EXPECT_EQ(o.kind, r.beyond ? Load_Outcome::Beyond_Part : Load_Outcome::Loaded) << r.fault;
    if (r.beyond == 0) {
      EXPECT_NE(image[r.at], 0) << r.fault;
    }
  }
  // The window's own rule stays: a record past a 32 KiB part wraps onto its start.
  ranges = {.Dev_End_Add = 0x7FFF, .Dev_Last_Add = 0x7FFF};
  EXPECT_EQ(Load(File_Type::Intel, ":0180000055EE\n").kind, Load_Outcome::Loaded);
  EXPECT_EQ(image[0], 0x55);
}

TEST_F(Loaders, HexOffsetMovesTheFileAndTheRangeSkipsRecords) {
  ranges.Hex_Offset = 0x8000;
  Load(File_Type::Intel, ":0100000044EE\n:0190000045EE\n");
  EXPECT_EQ(image[0x8000], 0x44);
  EXPECT_EQ(image[0x1000], 0x45);  // 0x11000 wraps on the 64 KiB device

  // A negative offset moves a file linked at 0x8000 down to 0; what falls below 0 is skipped.
  ranges.Hex_Offset = -0x8000;
  Load(File_Type::Intel, ":0180000046EE\n:0100000047EE\n");
  EXPECT_EQ(image[0], 0x46);
  EXPECT_EQ(image[0x8000], 0x44);

  ranges.Hex_Offset = 0;
  ranges.Hex_Start_Add = 0x100;
  ranges.Hex_End_Add = 0x1FF;
  auto o = Load(File_Type::Intel, ":01020000AAEE\n:010000005AEE\n:01010000A5EE\n");
  EXPECT_EQ(o.kind, Load_Outcome::Loaded);
  EXPECT_EQ(image[0x200], 0);  // above Hex_End_Add
  EXPECT_EQ(image[0], 0x46);   // below Hex_Start_Add
  EXPECT_EQ(image[0x100], 0xA5);
}

TEST_F(Loaders, WordModesWrapAtTwiceTheDeviceSize) {
  ranges.Dev_Last_Add = 0x7FFF;
  ranges.Prg_Type = 2;
  Load(File_Type::Intel, ":01FFF00012EE\n:020000040001F9\n:0100010013EE\n");
  EXPECT_EQ(image[0xFFF0], 0x12);
  EXPECT_EQ(image[1], 0x13);
  ranges.Prg_Type = 0;
  Load(File_Type::Intel, ":01FFF00014EE\n");
  EXPECT_EQ(image[0x7FF0], 0x14);
}

TEST_F(Loaders, LinesEndAtCrAtLfOrAtBoth) {
  Load(File_Type::Intel, ":0100000001EE\r:0100010002EE\n:0100020003EE\r\n\n:0100030004EE");
  EXPECT_EQ(Bytes(0, 4), (Bytes_Of{1, 2, 3, 4}));
}

TEST_F(Loaders, MotorolaRecordsOfEveryAddressSize) {
  ranges.Dev_Last_Add = 0xFFFFF;
  auto o = Load(File_Type::Motorola,
                "S00600004844521B\n"
                "S1050010A1A2FF\n"
                "S20601234BB1B2FF\n"
                "S3070002345CC1C2FF\n"
                "S5030003F9\n"
                "S9030000FC\n"
                "S1040000EEFF\n");
  EXPECT_EQ(o.kind, Load_Outcome::Loaded);
  EXPECT_EQ(Bytes(0x10, 2), (Bytes_Of{0xA1, 0xA2}));
  EXPECT_EQ(Bytes(0x1234B, 2), (Bytes_Of{0xB1, 0xB2}));
  EXPECT_EQ(Bytes(0x2345C, 2), (Bytes_Of{0xC1, 0xC2}));
  EXPECT_EQ(image[0], 0);  // after S9
  EXPECT_EQ(o.stored, 6u);
  for (const char* end : {"S804000000FB\n", "S70500000000FA\n"}) {
    Load(File_Type::Motorola, std::string(end) + "S1040001EEFF\n");
    EXPECT_EQ(image[1], 0) << end;
  }
}

TEST_F(Loaders, MotorolaAddressesAreCutTo20BitsUnlessTheDeviceIsLarger) {
  ranges.Dev_Last_Add = 0xFFFFF;
  Load(File_Type::Motorola, "S306001000007700\nS306080000018800\n");
  EXPECT_EQ(image[0], 0x77);  // 0x00100000 lands at 0
  EXPECT_EQ(image[1], 0x88);  // so does flash linked at 0x08000000
  ranges.Dev_Last_Add = 0x1FFFFF;
  Load(File_Type::Motorola, "S306001000009900\nS30608100002AA00\n");
  EXPECT_EQ(image[0x100000], 0x99);  // a 2 MiB image keeps its upper half apart
  EXPECT_EQ(image[0x100002], 0xAA);
  EXPECT_EQ(image[0], 0x77);
}

TEST_F(Loaders, TektronixStandardHasNoEndRecord) {
  auto o = Load(File_Type::Tektronix,
                "/00100304A1A2A3FF\n"
                "/00000000\n"
                "/FFF0012EB40F\n");
  EXPECT_EQ(o.kind, Load_Outcome::Loaded);
  EXPECT_EQ(Bytes(0x10, 3), (Bytes_Of{0xA1, 0xA2, 0xA3}));
  EXPECT_EQ(image[0xFFF0], 0xB4);
}

TEST_F(Loaders, TektronixExtendedUsesItsWholeAddressAndOnlyDataRecords) {
  ranges.Dev_Last_Add = 0x1FFFF;
  auto o = Load(File_Type::Tektronix,
                "%166DF8000123407EA3800C\n"  // 8-digit address 0x12340, 4 bytes
                "%0E6004ABCD1122\n"          // 4-digit address
                "%1A3XX4main0000FFFFFFFF\n"  // a symbol record carries no data
                "%0E81E800000000\n");        // termination
  EXPECT_EQ(o.kind, Load_Outcome::Loaded);
  EXPECT_EQ(Bytes(0x12340, 4), (Bytes_Of{0x7E, 0xA3, 0x80, 0x0C}));
  EXPECT_EQ(Bytes(0xABCD, 2), (Bytes_Of{0x11, 0x22}));
  EXPECT_EQ(o.stored, 6u);
}

TEST_F(Loaders, AsciiHexFillsFromTheBufferStart) {
  ranges.Buf_Start_Add = 0x100;
  auto o = Load(File_Type::Ascii, "0102ab\r\n\r\nCDef\n1");  // odd leftovers are ignored
  EXPECT_EQ(o.kind, Load_Outcome::Loaded);
  EXPECT_EQ(Bytes(0x100, 6), (Bytes_Of{1, 2, 0xAB, 0xCD, 0xEF, 0}));
  EXPECT_EQ(o.stored, 5u);
  EXPECT_EQ(progress.statuses.back(), "Hex File Loaded....");
}

TEST_F(Loaders, BinaryStartsAtTheBufferStartWithoutStatusTexts) {
  ranges.Buf_Start_Add = 0x20;
  std::string data(0x30000, '\0');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i % 251);
  auto o = Load(File_Type::Binary, data);
  EXPECT_EQ(o.kind, Load_Outcome::Loaded);
  EXPECT_EQ(o.stored, data.size());
  EXPECT_EQ(image[0x1F], 0);
  for (size_t i = 0; i < data.size(); ++i) ASSERT_EQ(image[0x20 + i], i % 251) << i;
  EXPECT_TRUE(progress.statuses.empty());
  EXPECT_EQ(progress.quit_addresses, (std::vector<uint32_t>{0x20, 0x10020, 0x20020}));
}

TEST_F(Loaders, ProgressComesEvery64KiBNotEveryRecord) {
  ranges.Dev_Last_Add = 0xFFFFFF;
  Fill_Pattern(0x100000);
  ranges.Dev_End_Add = 0xFFFFF;
  std::string text = Save(File_Type::Intel);
  progress = {};
  Load(File_Type::Intel, text);
  ASSERT_EQ(progress.quit_addresses.size(), 16u);
  for (size_t i = 0; i < 16; ++i) EXPECT_EQ(progress.quit_addresses[i], i * 0x10000);
}

}  // namespace
}  // namespace memprog
