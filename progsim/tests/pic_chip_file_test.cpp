// The simulated PIC's chip file: what is written reads back, and nothing else is taken for it.
#include "progsim/pic_chip_file.h"

#include <gtest/gtest.h>

#include "common/atomic_file.h"
#include "common/text_file.h"
#include "progsim/memory_chip.h"

namespace progsim {
namespace {

TEST(PicChipFile, KeepsEveryCellAndTakesNothingElseForAPic) {
  const std::string path = ::testing::TempDir() + "pic_chip_file.sim";
  Pic_Chip chip(*Find_Pic_Part("16F628"));
  chip.Program(0x0000, 0x280A);
  chip.Program(0x07FF, 0x1234);
  chip.Program(Pic_Chip::kIds14 + 3, 0x0005);
  chip.Program_Data(127, 0x5A);
  chip.Program(Pic_Chip::kConfig14, 0x0000);  // code and data protection on
  ASSERT_EQ(Write_Pic_File(path, chip), "");
  const std::string good = *common::Read_Whole_File(path);

  Pic_File back;
  ASSERT_EQ(Read_Pic_File(path, back), "");
  ASSERT_EQ(back.part, &chip.Part());
  Pic_Chip restored(*back.part);
  ASSERT_TRUE(restored.Restore(back.contents));
  for (int a : {0x0000, 0x07FF, Pic_Chip::kIds14 + 3, int{Pic_Chip::kConfig14}})
    EXPECT_EQ(restored.Word(static_cast<uint16_t>(a)), chip.Word(static_cast<uint16_t>(a))) << a;
  EXPECT_EQ(restored.Data(127), 0x5A);
  EXPECT_TRUE(restored.Code_Protected());

  std::string other_part = good;
  other_part.replace(16, 6, "16F84A");  // a name the catalogue does not have
  struct Row {
    const char* fault;
    std::string bytes;
    const char* said;  // nullptr: read as no file at all
  } rows[] = {
      {"an empty file is refused", "", nullptr},
      {"a memory chip's image is taken for a PIC", "\x01\x02\x03", "a memory chip's image"},
      {"a file cut short is read past its end", good.substr(0, good.size() - 1), "its sizes"},
      {"a file with bytes after its end is taken", good + "x", "its sizes"},
      {"a part the catalogue lacks is taken", other_part, "not a PIC of the catalogue"},
      {"a header cut short is read past its end", good.substr(0, 20), "inside its header"},
  };
  for (const Row& r : rows) {
    ASSERT_EQ(common::Write_Whole_File(path, r.bytes), "");
    Pic_File file;
    std::string error = Read_Pic_File(path, file);
    if (r.said) {
      EXPECT_NE(error.find(r.said), std::string::npos) << r.fault << ": " << error;
    } else {
      EXPECT_EQ(error, "") << r.fault;
    }
    EXPECT_EQ(file.part, nullptr) << r.fault;
  }
  // Nor is a PIC taken for a memory chip, which would write it back as an image.
  ASSERT_EQ(common::Write_Whole_File(path, good), "");
  EXPECT_NE(Memory_Chip().Load(path).find("holds a simulated PIC"), std::string::npos);
}

}  // namespace
}  // namespace progsim
