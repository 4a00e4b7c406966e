#include "progsim/pic_parts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "progsim/programmer.h"

namespace progsim {
namespace {

TEST(PicParts, TableHoldsTheCataloguesPartsConsistently) {
  EXPECT_EQ(Pic_Parts().size(), 106u);
  std::set<std::string> captions;
  for (const Pic_Part& p : Pic_Parts()) {
    SCOPED_TRACE(p.caption);
    EXPECT_TRUE(captions.insert(p.caption).second);
    const Pic_Family& f = Family_Of(p);
    EXPECT_EQ(f.family, p.family);
    EXPECT_GE(p.pin, 70);
    EXPECT_LE(p.pin, 79);
    bool twelve = f.core != Pic_Core::Serial14;
    EXPECT_LE(p.prog_end, twelve ? 0x07FF : 0x1FFF);
    EXPECT_TRUE(p.ee_bytes == 0 || p.ee_bytes == 64 || p.ee_bytes == 128 || p.ee_bytes == 256);
    EXPECT_TRUE(!twelve || p.ee_bytes + p.device_id == 0);
    EXPECT_TRUE(f.core != Pic_Core::C16C5x || p.pin == 79);
    EXPECT_TRUE(f.cells != Pic_Cells::Eprom || p.device_id == 0);
    EXPECT_NE(f.cp_mask, 0);
    // Calibration words: the 12-bit 8-pin parts (MOVLW k) and the 12F629/675 (RETLW k).
    bool calibrated = p.family == 27 || p.family == 30 || p.family == 31;
    EXPECT_EQ(p.calibration != 0, calibrated);
    EXPECT_TRUE(!calibrated || (p.calibration & 0xFF00) == (twelve ? 0x0C00 : 0x3400));
    // Only the band-gap bits differ from an erased configuration word.
    EXPECT_TRUE(!p.factory_config || (p.factory_config | 0x3000) == 0x3FFF);
    EXPECT_EQ(p.factory_config != 0, p.family == 27);
  }
  for (const Pic_Family& f : Pic_Families())
    EXPECT_EQ(f.chip_erase_178, f.family == 5 || f.family == 14 || f.family == 22) << f.family;
}

TEST(PicParts, FoundByCaptionIgnoringCase) {
  ASSERT_NE(Find_Pic_Part("16f877a"), nullptr);
  EXPECT_STREQ(Find_Pic_Part("16f877a")->caption, "16F877A");
  EXPECT_EQ(Find_Pic_Part("12C508/A")->prog_end, 0x01FF);
  EXPECT_EQ(Find_Pic_Part("16F818"), nullptr);  // listed, but without an entry
  EXPECT_EQ(Find_Pic_Part("16F877"), Find_Pic_Part("16F877"));
  EXPECT_EQ(Find_Pic_Part(""), nullptr);
  EXPECT_STREQ(Default_Pic_Part().caption, "16F84/A");
}

TEST(PicParts, EnvironmentNamesThePartInTheSocket) {
  ::setenv("KV9_SIM_PIC", "12f675", 1);
  std::vector<std::string> errors;
  Options o = Options::From_Environment(&errors);
  EXPECT_TRUE(errors.empty());
  EXPECT_STREQ(Programmer(o).Pic().Chip().Part().caption, "12F675");

  ::setenv("KV9_SIM_PIC", "16F999", 1);
  o = Options::From_Environment(&errors);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("16F999"), std::string::npos);
  EXPECT_STREQ(Programmer(o).Pic().Chip().Part().caption, "16F84/A");
  ::unsetenv("KV9_SIM_PIC");
}

}  // namespace
}  // namespace progsim
