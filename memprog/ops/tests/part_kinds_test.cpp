// Parts that behave apart from the usual EPROM: those erased to 00 and the page-write flash
// that takes the data-protection command before programming.
#include <cstring>

#include "memprog/ops/program.h"
#include "memprog/ops/read_ops.h"
#include "ops_fixture.h"

namespace memprog {
namespace {

constexpr int kCY27C256 = 25, kCY7C291 = 4, k8748 = 452, kAT29C010 = 108, kAT29C256 = 105,
              k27C256 = 20;

TEST_F(OpsTest, PartsErasedToZeroAreBlankWhenAllZero) {
  for (int code : {kCY27C256, kCY7C291, k8748}) {
    Select(code);
    EXPECT_EQ(k->Blank_Value, 0);
    Blank_ChkClick(*k);
    EXPECT_EQ(Status(), "Device is Erased....") << code;
    sim->Chip().Poke(k->Dev_End_Add, 0x01);
    Blank_ChkClick(*k);
    EXPECT_EQ(Status(), "Device is NOT Erased....") << code;
    EXPECT_EQ(Memo().front().substr(Memo().front().find(' ')), "  EXPECTED-00 FOUND-01");
  }
}

TEST_F(OpsTest, PartsErasedToZeroCompareByTheBitsProgrammingCanSet) {
  Select(kCY27C256);
  std::memset(k->Image_Buffer.get(), 0x5A, 0x8000);
  CompareClick(*k);  // a blank part takes any pattern
  EXPECT_EQ(Status(), "Device Can be Reprogrammed....");
  sim->Chip().Poke(0x10, 0x0F);
  std::memset(k->Image_Buffer.get(), 0x1F, 0x8000);
  CompareClick(*k);  // bits can still be set
  EXPECT_EQ(Status(), "Device Can be Reprogrammed....");
  std::memset(k->Image_Buffer.get(), 0xF0, 0x8000);
  CompareClick(*k);  // 0F cannot go back to F0 without erasing
  EXPECT_EQ(Status(), "Device CAN NOT be Reprogrammed....");
}

TEST_F(OpsTest, PartsErasedToZeroProgramAndVerify) {
  Select(k8748);
  for (uint32_t i = 0; i <= 0x3FF; ++i) k->Image_Buffer[i] = static_cast<uint8_t>(i * 13);
  k->Buffer_Loaded = 1;
  Program_EpromClick(*k);
  EXPECT_EQ(Status(), "Device Verified to Buffer....");
  // Programming over it where a bit must fall cannot work, and verify says which bytes.
  k->Image_Buffer[0x21] = 0x00;
  k->Auto_Verify = 0;
  Program_EpromClick(*k);
  Verify_EpromClick(*k);
  EXPECT_EQ(Status(), "Device Did NOT Verify to Buffer....");
  EXPECT_EQ(Memo()[0], "1 bytes differ, 1 of them need a bit lowered from 1 to 0 (erase first)");
  EXPECT_EQ(Memo()[1], "00021  EXPECTED-00 FOUND-AD");
}

TEST_F(OpsTest, PageWriteFlashIsProtectedBeforeItIsProgrammed) {
  for (int code : {kAT29C010, kAT29C256}) {
    Select(code);
    for (uint32_t i = 0; i <= uint32_t(k->Dev_End_Add); ++i)
      k->Image_Buffer[i] = static_cast<uint8_t>(i ^ (i >> 8));
    k->Buffer_Loaded = 1;
    Program_EpromClick(*k);
    auto sent = sim->Sent();
    auto erase = Sent_With(0x40);
    ASSERT_EQ(erase.size(), 1u) << code;
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(erase[0][i], 0);
    EXPECT_TRUE(sim->Protection_On()) << code;
    EXPECT_EQ(Status(), "Device Verified to Buffer....") << code;
    // Protected, it still takes a new pattern: the firmware's page writes unlock it.
    k->Image_Buffer[0x100] ^= 0xFF;
    Program_EpromClick(*k);
    EXPECT_EQ(Status(), "Device Verified to Buffer....") << code;
    EXPECT_EQ(sim->Chip().Read(0x100), k->Image_Buffer[0x100]);
  }
  Select(k27C256);
  k->Buffer_Loaded = 1;
  Program_EpromClick(*k);
  EXPECT_TRUE(Sent_With(0x40).empty());
}

}  // namespace
}  // namespace memprog
