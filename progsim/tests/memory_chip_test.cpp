#include "progsim/memory_chip.h"

#include <gtest/gtest.h>

#include "common/atomic_file.h"
#include "common/text_file.h"

namespace progsim {
namespace {

TEST(MemoryChip, EpromBitsOnlyFallUntilErased) {
  Memory_Chip chip;
  chip.Set_Family(4);  // 27C256
  EXPECT_EQ(chip.Read(0x10), 0xFF);
  EXPECT_TRUE(chip.Program(0x10, 0xF0));
  EXPECT_FALSE(chip.Program(0x10, 0x0F));  // would need 0 -> 1
  EXPECT_EQ(chip.Read(0x10), 0x00);
  chip.Erase(0, 0x7FFF);
  EXPECT_EQ(chip.Read(0x10), 0xFF);
}

TEST(MemoryChip, EepromAndStaticRamTakeAnyValue) {
  for (int family : {14, 21, 50, 13}) {
    Memory_Chip chip;
    chip.Set_Family(family);
    EXPECT_TRUE(chip.Program(5, 0x00));
    EXPECT_TRUE(chip.Program(5, 0xA5)) << family;
    EXPECT_EQ(chip.Read(5), 0xA5);
  }
}

TEST(MemoryChip, PartsErasedToZeroOnlyGainBits) {
  Memory_Chip chip;
  chip.Set_Family(87);  // 8748
  EXPECT_EQ(chip.Read(0), 0x00);
  EXPECT_TRUE(chip.Program(0, 0x81));
  EXPECT_FALSE(chip.Program(0, 0x01));
  EXPECT_EQ(Erased_Value_Of_Family(47), 0x00);
  EXPECT_EQ(Erased_Value_Of_Family(4), 0xFF);
}

TEST(MemoryChip, EverythingTheProgrammerErasesIsErasedTo0xFF) {
  // The host checks an erase against 0xFF whatever the part's blank value.
  for (int family = 1; family <= 97; ++family) {
    Family_Traits t = Traits_Of_Family(family);
    if (t.erase == Erase_Kind::Chip || t.erase == Erase_Kind::Sectors) {
      EXPECT_EQ(Erased_Value_Of_Family(family), 0xFF) << family;
    }
  }
}

TEST(MemoryChip, WholeChipEraseKeepsTheImageAsLongAsItWas) {
  std::string path = ::testing::TempDir() + "erased_chip.bin";
  ASSERT_EQ(common::Write_Whole_File(path, std::string("\x01\x02", 2)), "");
  Memory_Chip chip;
  chip.Set_Family(12);
  chip.Load(path);
  chip.Erase_All();
  EXPECT_EQ(chip.Read(1), 0xFF);
  ASSERT_EQ(chip.Save(path), "");
  EXPECT_EQ(common::Read_Whole_File(path), std::string("\xFF\xFF", 2));
}

TEST(MemoryChip, AddressesPastSixteenMegabytesAreNeverStored) {
  Memory_Chip chip;
  chip.Set_Family(14);
  EXPECT_FALSE(chip.Program(0x1000000, 0x12));
  EXPECT_EQ(chip.Read(0x1000000), 0xFF);
  EXPECT_TRUE(chip.Program(0xFFFFFF, 0x12));
  EXPECT_EQ(chip.Read(0xFFFFFF), 0x12);
}

TEST(MemoryChip, ImageFileKeepsItsLengthOrGrowsToWhatWasTouched) {
  std::string path = ::testing::TempDir() + "chip.bin";
  ASSERT_EQ(common::Write_Whole_File(path, std::string("\x01\x02\x03\x04", 4)), "");
  Memory_Chip chip;
  chip.Set_Family(14);
  chip.Load(path);
  EXPECT_EQ(chip.Read(2), 0x03);
  EXPECT_EQ(chip.Read(100), 0xFF);  // the rest of the chip is erased; reading touches it
  ASSERT_EQ(chip.Save(path), "");
  auto data = common::Read_Whole_File(path);
  ASSERT_EQ(data->size(), 101u);
  EXPECT_EQ(static_cast<uint8_t>((*data)[100]), 0xFF);

  Memory_Chip again;
  again.Load(path);
  again.Save(path);
  EXPECT_EQ(common::Read_Whole_File(path)->size(), 101u);  // untouched: as long as it was
}

}  // namespace
}  // namespace progsim
