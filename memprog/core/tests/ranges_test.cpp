// Address ranges, the entry field, the checksum and the fill.
#include "memprog/core/ranges.h"

#include <algorithm>
#include <cstring>

#include "kv9_fixture.h"

namespace memprog {
namespace {

class RangesTest : public Kv9Test {
 protected:
  void SetUp() override {
    Kv9Test::SetUp();
    Start();
    k->Device_Code = 20;  // 27C256
    k->Dev_Last_Add = 0x7FFF;
  }
  // Types text into the entry field of a button and presses Enter; keys the filter refuses
  // are not typed.
  void Enter(const std::string& button, const std::string& text) {
    Edit_Range_Click(*k, button);
    std::string typed;
    for (char c : text)
      if (Edit_AddKeyPress(*k, c)) typed.push_back(c);
    ui().User_Caption("Edit_Add", typed);
    Edit_AddKeyPress(*k, '\r');
  }
};

TEST_F(RangesTest, ValuesBeyondTheirBoundsAreCutBack) {
  k->Dev_End_Add = 0x7FFF;
  Enter("End_Add", "FFFFF");
  EXPECT_EQ(k->Dev_End_Add, 0x7FFF);
  Enter("Start_Add", "9000");
  EXPECT_EQ(k->Dev_Start_Add, 0x7FFF);
  Enter("Start_Buf_Add", "1000000");
  EXPECT_EQ(k->Buf_Start_Add, 0xFFFFFF);
  EXPECT_EQ(ui()["Start_Buf_Add"].caption, "Buffer Start=FFFFFF");
  EXPECT_EQ(ui()["Start_Add"].caption, "Device Start=07FFF");
}

TEST_F(RangesTest, CaptionsHaveAtLeastFiveDigits) {
  Enter("Offset", "1F");
  EXPECT_EQ(ui()["Offset"].caption, "Hex Offset=0001F");
  Enter("End_Hex", "1FFFFF");
  EXPECT_EQ(ui()["End_Hex"].caption, "Hex File End=1FFFFF");
  Enter("Start_Hex", "abc");
  EXPECT_EQ(k->Hex_Start_Add, 0xABC);
}

TEST_F(RangesTest, TheFieldGoesBesideItsButtonAndTakesOnlyHexDigits) {
  Edit_Range_Click(*k, "End_Add");
  EXPECT_EQ(ui()["Edit_Add"].top, 366);
  EXPECT_TRUE(Visible("Edit_Add"));
  EXPECT_FALSE(Enabled("Device"));  // busy while the field is open
  EXPECT_TRUE(Enabled("End_Add"));
  EXPECT_FALSE(Edit_AddKeyPress(*k, 'G'));
  EXPECT_FALSE(Edit_AddKeyPress(*k, '-'));
  EXPECT_TRUE(Edit_AddKeyPress(*k, 'f'));
  EXPECT_TRUE(Edit_AddKeyPress(*k, '\b'));
  ui().User_Caption("Edit_Add", "");
  Edit_AddKeyPress(*k, '\r');  // empty: nothing changes, but the ranges are shown again
  EXPECT_FALSE(Visible("Edit_Add"));
  EXPECT_TRUE(Enabled("Device"));
}

TEST_F(RangesTest, PassHasNoLowerBoundPulseIsClamped) {
  Enter("Chg_Pass", "0");
  EXPECT_EQ(k->Prog_Pass, 0);
  Enter("Chg_Pass", "9");
  EXPECT_EQ(k->Prog_Pass, 4);
  EXPECT_EQ(ui()["Chg_Pass"].caption, "Program Pass=4");
  Enter("Program_Pulse", "0");
  EXPECT_EQ(k->Prog_Pulse, 1);
  Enter("Program_Pulse", "12");
  EXPECT_EQ(ui()["Program_Pulse"].caption, "Program Pulse=7");
  EXPECT_EQ(ui()["Edit_Add"].top, 350);
}

TEST_F(RangesTest, TextThatDoesNotConvertShowsTheErrorAndChangesNothing) {
  Enter("Chg_Pass", "1A");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "'1A' is not a valid integer value");
  EXPECT_EQ(host.messages[0].kind, proglink::Box::Error);
  EXPECT_EQ(k->Prog_Pass, 1);
  Enter("Offset", "12345678901234567");  // 17 digits: more than 64 bits
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(k->Hex_Offset, 0);
  EXPECT_TRUE(Enabled("Device"));  // back to idle
}

TEST_F(RangesTest, ValuesWithTheTopBitSetCannotPointOutsideTheBuffer) {
  Enter("Start_Buf_Add", "FFFFFFFF");
  EXPECT_EQ(k->Buf_Start_Add, 0);
  Enter("Start_Add", "80000000");
  EXPECT_EQ(k->Dev_Start_Add, 0);
  Enter("Offset", "FFFF8000");  // hex values may be negative: an offset subtracts
  EXPECT_EQ(k->Hex_Offset, -0x8000);
}

TEST_F(RangesTest, ChecksumOfByteAndWordRanges) {
  k->Dev_Start_Add = 0;
  k->Dev_End_Add = 0x7FFF;
  std::memset(k->Image_Buffer.get(), 0xFF, kImage_Size);
  Checksum(*k);
  EXPECT_EQ(k->Chk_Sum, 0x8000);
  EXPECT_EQ(ui()["Chk_Sum_But"].caption, "CheckSum=8000");
  EXPECT_EQ(k->Buffer_Loaded, 1);
  k->Prg_Type = Program_Type::Word_Even_High;
  Checksum(*k);
  EXPECT_EQ(ui()["Chk_Sum_But"].caption, "CheckSum=0000");
  k->Buf_Start_Add = 0x100;  // takes no part
  k->Prg_Type = Program_Type::Byte;
  Checksum(*k);
  EXPECT_EQ(k->Chk_Sum, 0x8000);
}

TEST_F(RangesTest, ChecksumOfTheLargestDeviceInWordModeStaysInTheBuffer) {
  k->Dev_Start_Add = 0;
  k->Dev_End_Add = 0xFFFFFF;
  k->Prg_Type = Program_Type::Word_Odd_Low;
  std::memset(k->Image_Buffer.get(), 1, kImage_Size);
  Checksum(*k);  // 2 x end + 1 is far past the buffer: only the buffer is summed
  EXPECT_EQ(k->Chk_Sum, static_cast<uint16_t>(kImage_Size));
}

TEST_F(RangesTest, ChecksumSumsEveryByteWhateverTheStartAndLength) {
  // Catches a fast sum that drops the bytes before or after its 8-byte steps, or overflows.
  for (uint32_t i = 0; i < 0x20000; ++i) k->Image_Buffer[i] = static_cast<uint8_t>(0xFF - i % 7);
  const std::pair<int32_t, int32_t> kRanges[] = {{0, 0}, {1, 6}, {3, 0x1000A}, {7, 0x1FFFF}};
  for (auto [start, end] : kRanges) {
    k->Dev_Start_Add = start;
    k->Dev_End_Add = end;
    uint32_t want = 0;
    for (int32_t i = start; i <= end; ++i) want += k->Image_Buffer[i];
    Checksum(*k);
    EXPECT_EQ(k->Chk_Sum, static_cast<uint16_t>(want)) << start << ".." << end;
  }
}

TEST_F(RangesTest, FillWithZerosAfterAnotherFillClearsEveryByte) {
  FillClick(*k);
  FillBoxClick(*k, 1);
  FillClick(*k);
  FillBoxClick(*k, 0);  // gives the pages back rather than writing them
  EXPECT_TRUE(std::all_of(k->Image_Buffer.get(), k->Image_Buffer.get() + kImage_Size,
                          [](uint8_t b) { return b == 0; }));
}

TEST_F(RangesTest, FillCoversTheWholeBuffer) {
  FillClick(*k);
  EXPECT_TRUE(Visible("FillBox"));
  FillBoxClick(*k, 1);
  EXPECT_TRUE(std::all_of(k->Image_Buffer.get(), k->Image_Buffer.get() + kImage_Size,
                          [](uint8_t b) { return b == 0xFF; }));
  EXPECT_FALSE(Visible("FillBox"));
  FillClick(*k);
  FillBoxClick(*k, 2);
  EXPECT_TRUE(Visible("Fill_Edit"));
  EXPECT_FALSE(Enabled("Device"));  // stays busy until Enter
  EXPECT_FALSE(Fill_EditKeyPress(*k, 'G'));
  ui().User_Caption("Fill_Edit", "5a");
  Fill_EditKeyPress(*k, '\r');
  EXPECT_EQ(k->Image_Buffer[0], 0x5A);
  EXPECT_EQ(k->Image_Buffer[kImage_Size - 1], 0x5A);
  EXPECT_TRUE(Enabled("Device"));
}

TEST_F(RangesTest, EmptyFillFieldLeavesTheBufferButStillChecksums) {
  k->Image_Buffer[3] = 7;
  k->Buffer_Loaded = 0;
  FillClick(*k);
  FillBoxClick(*k, 2);
  ui().User_Caption("Fill_Edit", "");
  Fill_EditKeyPress(*k, '\r');
  EXPECT_EQ(k->Image_Buffer[3], 7);
  EXPECT_EQ(k->Buffer_Loaded, 1);
  FillClick(*k);
  FillBoxClick(*k, 3);  // Cancel
  EXPECT_EQ(k->Image_Buffer[3], 7);
  EXPECT_TRUE(Enabled("Device"));
}

}  // namespace
}  // namespace memprog
