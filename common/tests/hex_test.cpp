#include "common/hex.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(Hex, PadsToMinimumAndGrowsBeyondIt) {
  EXPECT_EQ(Hex(0x1F, 5), "0001F");
  EXPECT_EQ(Hex(0x1FFFFF, 5), "1FFFFF");
  EXPECT_EQ(Hex(0, 2), "00");
  EXPECT_EQ(Hex(0xABCDEF, 1), "ABCDEF");
  EXPECT_EQ(Hex(UINT64_MAX, 1), "FFFFFFFFFFFFFFFF");
}

TEST(Hex, DumpIsPairsEachFollowedByOneBlank) {
  const uint8_t bytes[] = {0x56, 0x03, 0x3D, 0x00};
  EXPECT_EQ(Hex_Dump(bytes, 4), "56 03 3D 00 ");
}

TEST(Hex, ParseAcceptsBothCasesAndRejectsOthers) {
  EXPECT_EQ(Parse_Hex("1aF"), 0x1AFu);
  EXPECT_EQ(Parse_Hex("FFFFFFFFFFFFFFFF"), UINT64_MAX);
  EXPECT_FALSE(Parse_Hex("10000000000000000"));  // 65 bits
  EXPECT_FALSE(Parse_Hex(""));
  EXPECT_FALSE(Parse_Hex("1G"));
  EXPECT_FALSE(Parse_Hex("-1"));
}

TEST(Hex, ParseDecimalTakesSignAndLeadingBlanksOnly) {
  EXPECT_EQ(Parse_Decimal("  42"), 42);
  EXPECT_EQ(Parse_Decimal("-1"), -1);
  EXPECT_FALSE(Parse_Decimal("42 "));
  EXPECT_FALSE(Parse_Decimal("1A"));
  EXPECT_FALSE(Parse_Decimal(""));
  EXPECT_FALSE(Parse_Decimal("-"));
  EXPECT_FALSE(Parse_Decimal("99999999999999999999"));
}

TEST(Hex, TypingIntoAHexEntryField) {
  std::string text;
  EXPECT_TRUE(Type_Hex_Entry(text, U'\b', 4));  // nothing to take off
  EXPECT_EQ(text, "");
  for (char32_t c : std::u32string_view(U"a1F")) EXPECT_TRUE(Type_Hex_Entry(text, c, 4));
  EXPECT_EQ(text, "A1F");
  EXPECT_TRUE(Type_Hex_Entry(text, U'0', 4));
  EXPECT_TRUE(Type_Hex_Entry(text, U'7', 4));  // full: taken, not added
  EXPECT_EQ(text, "A1F0");
  EXPECT_TRUE(Type_Hex_Entry(text, U'\b', 4));
  EXPECT_EQ(text, "A1F");
  EXPECT_FALSE(Type_Hex_Entry(text, U'g', 4));
  EXPECT_FALSE(Type_Hex_Entry(text, U'\u00E4', 4));
  EXPECT_EQ(text, "A1F");
}

}  // namespace
}  // namespace common
