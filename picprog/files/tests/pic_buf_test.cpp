#include "picprog/files/pic_buf.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace picprog {
namespace {

bool All(const Pic_Buf& buf, uint16_t v) {
  return std::all_of(buf.begin(), buf.end(), [v](uint16_t w) { return w == v; });
}

TEST(PicBuf, ChecksumAddsProgramMemoryOnlyAndWraps) {
  Pic_Buf buf{};
  buf.fill(0x3FFF);
  EXPECT_EQ(Checksum(buf, 0x1FFF), 0xE000);  // 0x2000 words of 0x3FFF
  EXPECT_EQ(Checksum_Caption(Checksum(buf, 0x1FFF)), "Checksum=E000");
  buf.fill(0);
  buf[0] = 0x0102;
  buf[0x17F] = 0x0001;
  buf[0x180] = 0x7777;  // past a 16C52's program memory
  EXPECT_EQ(Checksum(buf, 0x017F), 0x0103);
  EXPECT_EQ(Checksum_Caption(0x0103), "Checksum=0103");
  EXPECT_EQ(Checksum(buf, 0), 0x0102);
}

TEST(PicBuf, ChecksumOfAnEndBeyondTheBufferStopsAtItsLastWord) {
  Pic_Buf buf{};
  buf.fill(1);
  EXPECT_EQ(Checksum(buf, 0xFFFF), 0x3000);
}

TEST(PicBuf, FillsAndTheirStatusTexts) {
  Pic_Buf buf{};
  buf.fill(0x1234);
  EXPECT_EQ(Fill_Zero(buf), "Buffer Filled with 0000...");
  EXPECT_TRUE(All(buf, 0));
  EXPECT_EQ(Fill_Blank(buf, 0x0FFF), "Buffer Filled with FFFF...");  // a 12C508/A
  EXPECT_TRUE(All(buf, 0x0FFF));
  EXPECT_EQ(Fill_Blank(buf, 0x3FFF), "Buffer Filled with FFFF...");
  EXPECT_TRUE(All(buf, 0x3FFF));
  EXPECT_EQ(Fill_Value(buf, "3fa"), "Buffer Filled with 03FA...");
  EXPECT_TRUE(All(buf, 0x03FA));
  EXPECT_EQ(Fill_Value(buf, "FFFF"), "Buffer Filled with FFFF...");
  EXPECT_TRUE(All(buf, 0xFFFF));
}

TEST(PicBuf, FillValueNeedsOneToFourHexDigits) {
  Pic_Buf buf{};
  buf.fill(0x1234);
  EXPECT_FALSE(Fill_Value(buf, ""));
  EXPECT_FALSE(Fill_Value(buf, "12G4"));
  EXPECT_FALSE(Fill_Value(buf, "12345"));
  EXPECT_FALSE(Fill_Value(buf, " 12"));
  EXPECT_TRUE(All(buf, 0x1234));
}

}  // namespace
}  // namespace picprog
