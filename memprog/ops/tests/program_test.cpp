// Programming: blocks, data mapping, the verdict and auto-verify.
#include "memprog/ops/program.h"

#include <cstring>

#include "ops_fixture.h"

namespace memprog {
namespace {

constexpr int k27C256 = 20, k2716 = 1, k8741 = 450, kAT29C010 = 108, kM48T08 = 211;

class ProgramTest : public OpsTest {
 protected:
  void Fill_Pattern(uint32_t n) {
    for (uint32_t i = 0; i < n; ++i) k->Image_Buffer[i] = static_cast<uint8_t>(i * 7 + 3);
    k->Buffer_Loaded = 1;
  }
  std::vector<progsim::Transfer> Blocks() { return Sent_With(0x30); }
};

TEST_F(ProgramTest, A32KDeviceGoesInSixteenBlocksAndVerifies) {
  Select(k27C256);
  Fill_Pattern(0x8000);
  Program_EpromClick(*k);
  auto blocks = Blocks();
  ASSERT_EQ(blocks.size(), 16u);
  for (uint32_t i = 0; i < 16; ++i) {
    EXPECT_EQ(blocks[i][2] << 16 | blocks[i][3] << 8 | blocks[i][4], i * 0x800);
    EXPECT_EQ(Count(blocks[i]), 2048u);
    EXPECT_EQ(blocks[i].data.size(), 2048u);
  }
  EXPECT_EQ(Sent_With(0x1C).at(0)[1], 2);
  EXPECT_EQ(Sent_With(0x20).size(), 16u);  // auto-verify read it back
  EXPECT_EQ(Status(), "Device Verified to Buffer....");
  EXPECT_EQ(sim->Chip().Read(0x7FFF), k->Image_Buffer[0x7FFF]);
  EXPECT_EQ(k->link.Write_Len, 8u);
  EXPECT_EQ(k->link.Timer_Interval(), 1000);
  EXPECT_EQ(host.timer_interval, 1000);  // the reads after programming waited 1 s again
}

TEST_F(ProgramTest, BlockSizeFollowsTheDeviceSize) {
  Select(k2716);  // 2 KiB: one block of 2048
  Fill_Pattern(0x800);
  Program_EpromClick(*k);
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Count(Blocks()[0]), 2048u);
  Select(k8741);  // 1 KiB: one block of 1024
  Fill_Pattern(0x400);
  k->Buffer_Loaded = 1;
  Program_EpromClick(*k);
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Count(Blocks()[0]), 1024u);
}

TEST_F(ProgramTest, RangesThatAreNotWholeBlocksGetEveryByteAndNoMore) {
  Select(k27C256);
  Fill_Pattern(0x8000);
  k->Dev_Start_Add = 0x100;
  k->Dev_End_Add = 0x1100;  // one byte past the second block
  k->link.Reset_Programmer();
  k->Auto_Verify = 0;
  Program_EpromClick(*k);
  auto blocks = Blocks();
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(Count(blocks[0]), 2048u);
  EXPECT_EQ(Count(blocks[1]), 2048u);
  EXPECT_EQ(Count(blocks[2]), 1u);
  EXPECT_EQ(blocks[2][3] << 8 | blocks[2][4], 0x1100);
  EXPECT_EQ(sim->Chip().Read(0x1100), k->Image_Buffer[0x1000]);
  EXPECT_EQ(sim->Chip().Read(0x1101), 0xFF);
  EXPECT_EQ(sim->Chip().Read(0xFF), 0xFF);
  EXPECT_EQ(Status(), "Device is Programmed....");
}

TEST_F(ProgramTest, WordModesAndByteOrderPickTheBufferBytes) {
  Select(k27C256);
  Fill_Pattern(0x10000);
  k->Auto_Verify = 0;
  k->Prg_Type = Program_Type::Word_Odd_Low;
  Program_EpromClick(*k);
  auto d = Blocks().at(0).data;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(d[i], k->Image_Buffer[2 * i + 1]) << i;
  sim->Clear_Log();
  k->Prg_Type = Program_Type::Byte;
  k->Byte_Order = 1;
  Program_EpromClick(*k);
  auto e = Blocks().at(0).data;
  EXPECT_EQ(e[0], k->Image_Buffer[1]);
  EXPECT_EQ(e[1], k->Image_Buffer[0]);
  EXPECT_EQ(e[2], k->Image_Buffer[3]);
  EXPECT_EQ(e[3], k->Image_Buffer[2]);
}

TEST_F(ProgramTest, UnloadedBufferIsQuestionedAndNoSendsNothing) {
  Select(k27C256);
  host.answers = {false};
  Program_EpromClick(*k);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, "Buffer has Not Been Loaded Continue Anyway ?");
  EXPECT_EQ(host.questions[0].at.y, 300);
  EXPECT_TRUE(Blocks().empty());
  k->Buffer_Loaded = 1;
  k->Auto_Verify = 0;
  Program_EpromClick(*k);
  EXPECT_EQ(host.questions.size(), 1u);  // asked only while nothing was loaded
}

TEST_F(ProgramTest, AFailedBlockStopsTheRunWithoutVerify) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Fail_Block, 5}};
  Select(k27C256, o);
  Fill_Pattern(0x8000);
  Program_EpromClick(*k);
  EXPECT_EQ(Blocks().size(), 5u);
  EXPECT_TRUE(Sent_With(0x20).empty());
  EXPECT_EQ(Status(), "Device DID NOT Program....");
  EXPECT_EQ(host.Message_Texts(), (std::vector<std::string>{"Device DID NOT Program...."}));
  EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Red);
}

TEST_F(ProgramTest, ProtectedPageFlashGetsTheProtectionCommandFirst) {
  Select(kAT29C010);
  Fill_Pattern(0x20000);
  k->Auto_Verify = 0;
  Program_EpromClick(*k);
  auto sent = sim->Sent();
  size_t first_block = 0;
  while (sent[first_block].Code() != 0x30) ++first_block;
  EXPECT_EQ(sent[first_block - 1].Code(), 0x40);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(sent[first_block - 1][i], 0);
}

TEST_F(ProgramTest, ClockPartsHoldA13HighInEveryBlock) {
  Select(kM48T08);
  Fill_Pattern(0x2000);
  k->Auto_Verify = 0;
  Program_EpromClick(*k);
  for (auto& b : Blocks()) EXPECT_EQ(b[3] & 0x20, 0x20);
}

TEST_F(ProgramTest, ARangeThatRunsPastTheBufferProgramsNothing) {
  Select(k27C256);
  k->Buffer_Loaded = 1;
  k->Prg_Type = Program_Type::Word_Even_High;
  k->Buf_Start_Add = 0xFFF000;
  Program_EpromClick(*k);
  EXPECT_TRUE(Blocks().empty());
  EXPECT_EQ(Status(), "Device DID NOT Program....");
  ASSERT_EQ(host.messages.size(), 1u);
}

TEST_F(ProgramTest, AutoVerifyButtonTogglesItsCaption) {
  Select(k27C256);
  Auto_VerifyClick(*k);
  EXPECT_EQ(k->ui["Auto_Verify"].caption, "Auto Verify Off");
  Auto_VerifyClick(*k);
  EXPECT_EQ(k->ui["Auto_Verify"].caption, "Auto Verify On");
}

}  // namespace
}  // namespace memprog
