// Blank check, read, verify and compare.
#include "memprog/ops/read_ops.h"

#include <cstring>

#include "common/hex.h"
#include "ops_fixture.h"

namespace memprog {
namespace {

constexpr int k27C256 = 20, k24LC04 = 302, kM48T02 = 210, k8748 = 452, k27C322 = 80;

TEST_F(OpsTest, ASmallDeviceIsReadInOneBlockOfItsSize) {
  Select(k24LC04);  // 512 bytes
  k->Dev_Start_Add = 0x100;
  Move_EpromClick(*k);
  auto reads = Sent_With(0x20);
  ASSERT_EQ(reads.size(), 1u);
  EXPECT_EQ(Address(reads[0]), 0x100u);
  EXPECT_EQ(Count(reads[0]), 512u);
  EXPECT_EQ(k->link.Cur_Add, 0x100);  // End_Busy put the cursors back
}

TEST_F(OpsTest, A32KDeviceTakesSixteenBlocksAndShowsEachAddressOnQuit) {
  Select(k27C256);
  Blank_ChkClick(*k);
  auto reads = Sent_With(0x20);
  ASSERT_EQ(reads.size(), 16u);
  for (uint32_t i = 0; i < 16; ++i) EXPECT_EQ(Address(reads[i]), i * 0x800);
  // Each block's address shows on the Quit button in turn.
  auto captions = host.Captions_Of("Quit_Func_But");
  size_t at = 0;
  for (uint32_t i = 0; i < 16; ++i) {
    std::string want = "&Quit = " + common::Hex(i * 0x800, 5);
    while (at < captions.size() && captions[at] != want) ++at;
    EXPECT_LT(at, captions.size()) << want;
  }
  EXPECT_EQ(Status(), "Device is Erased....");
  EXPECT_FALSE(k->link.Memo1().Visible());
  EXPECT_EQ(Sent_With(0x1C).at(0)[1], 1);  // Op_Kind 1
}

TEST_F(OpsTest, StartEqualToEndHandlesOneByte) {
  Select(k27C256);
  sim->Chip().Poke(0x123, 0x00);
  k->Dev_Start_Add = k->Dev_End_Add = 0x123;
  Blank_ChkClick(*k);
  EXPECT_EQ(Memo(), (std::deque<std::string>{"0123  EXPECTED-FF FOUND-00"}));
  EXPECT_EQ(Status(), "Device is NOT Erased....");
  EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Red);
}

TEST_F(OpsTest, BlankCheckOfAPartErasedToZeroListsEveryNonZeroByte) {
  Select(k8748);
  sim->Chip().Poke(0x10, 0x01);
  sim->Chip().Poke(0x3FF, 0x80);
  Blank_ChkClick(*k);
  EXPECT_EQ(Memo(),
            (std::deque<std::string>{"03FF  EXPECTED-00 FOUND-80", "0010  EXPECTED-00 FOUND-01"}));
  EXPECT_TRUE(k->link.Memo1().Visible());
}

TEST_F(OpsTest, ReadInWordModesFillsEveryOtherBufferByte) {
  Select(k24LC04);
  for (uint32_t a = 0; a < 512; ++a) sim->Chip().Poke(a, static_cast<uint8_t>(a * 3));
  std::memset(k->Image_Buffer.get(), 0xEE, 2048);
  k->Prg_Type = Program_Type::Word_Even_High;
  Move_EpromClick(*k);
  EXPECT_EQ(k->Image_Buffer[2 * 5], 15);
  EXPECT_EQ(k->Image_Buffer[2 * 5 + 1], 0xEE);
  k->Prg_Type = Program_Type::Word_Odd_Low;
  Move_EpromClick(*k);
  EXPECT_EQ(k->Image_Buffer[2 * 7 + 1], 21);
  EXPECT_EQ(Status(), "Device Has Been Moved to Buffer....");
  EXPECT_EQ(k->Buffer_Loaded, 1);
}

TEST_F(OpsTest, ReadWithTheHiLoByteOrderSwapsEachPair) {
  Select(k24LC04);
  sim->Chip().Poke(0, 0x11);
  sim->Chip().Poke(1, 0x22);
  k->Byte_Order = 1;
  Move_EpromClick(*k);
  EXPECT_EQ(k->Image_Buffer[0], 0x22);
  EXPECT_EQ(k->Image_Buffer[1], 0x11);
}

TEST_F(OpsTest, VerifyListsEachDifferenceInItsFormat) {
  Select(k27C256);
  std::memset(k->Image_Buffer.get(), 0xFF, 0x8000);
  k->Image_Buffer[0x12] = 0xAA;
  sim->Chip().Poke(0x12, 0x55);
  Verify_EpromClick(*k);
  ASSERT_EQ(Memo().size(), 2u);
  EXPECT_EQ(Memo()[1], "00012  EXPECTED-AA FOUND-55");
  EXPECT_EQ(Memo()[0], "1 bytes differ, 1 of them need a bit raised from 0 to 1 (erase first)");
  EXPECT_EQ(Status(), "Device Did NOT Verify to Buffer....");
  k->Prg_Type = Program_Type::Word_Even_High;
  std::memset(k->Image_Buffer.get(), 0xFF, 0x10000);
  k->Image_Buffer[2 * 0x12] = 0xAA;
  Verify_EpromClick(*k);
  EXPECT_EQ(Memo()[1], "00024 - 0012  EXPECTED-AA FOUND-55");
}

TEST_F(OpsTest, VerifyOfATimekeeperIgnoresItsClockRegisters) {
  Select(kM48T02);
  std::memset(k->Image_Buffer.get(), 0xFF, 0x800);
  for (uint32_t a = 0x7F8; a <= 0x7FF; ++a) sim->Chip().Poke(a, 0x12);
  Verify_EpromClick(*k);
  EXPECT_EQ(Status(), "Device Verified to Buffer....");
  EXPECT_TRUE(Memo().empty());
  sim->Chip().Poke(0x7F7, 0x12);
  Verify_EpromClick(*k);
  EXPECT_EQ(Status(), "Device Did NOT Verify to Buffer....");
}

TEST_F(OpsTest, CompareAllowsClearingBitsOnly) {
  Select(k27C256);
  std::memset(k->Image_Buffer.get(), 0xF0, 0x8000);
  CompareClick(*k);
  EXPECT_EQ(Status(), "Device Can be Reprogrammed....");
  sim->Chip().Poke(0x4000, 0xF0);
  std::memset(k->Image_Buffer.get(), 0xFF, 0x8000);
  sim->Clear_Log();
  CompareClick(*k);
  EXPECT_EQ(Status(), "Device CAN NOT be Reprogrammed....");
  EXPECT_EQ(Sent_With(0x20).size(), 9u);  // stopped at the first conflict
}

TEST_F(OpsTest, CompareLooksAtTheBytesProgrammingWouldWrite) {
  Select(k27C256);
  sim->Chip().Poke(0x100, 0x00);
  std::memset(k->Image_Buffer.get(), 0x00, 0x8000);
  k->Image_Buffer[0x200] = 0xFF;  // would land on 0x100 from Buffer Start=100
  k->Dev_Start_Add = 0x100;
  k->Buf_Start_Add = 0x200;
  k->link.Reset_Programmer();
  CompareClick(*k);
  EXPECT_EQ(Status(), "Device CAN NOT be Reprogrammed....");
}

TEST_F(OpsTest, QuitDuringABlockReadEndsTheRunWithTheLogLine) {
  progsim::Options o;
  Select(k27C256, o);
  int reads = 0;
  host.on_pump = [&](int) {
    if (!sim->Sent().empty() && sim->Sent().back().Code() == 0x20 && ++reads == 3)
      k->link.Stop_Code = proglink::stop::Quit;  // the Quit button
  };
  Move_EpromClick(*k);
  EXPECT_EQ(k->link.Memo2().Lines().front(), "Programmer no longer present... PortStatus-0 USB-5");
  EXPECT_EQ(k->link.Connection, proglink::connection::Ready);
  EXPECT_LT(Sent_With(0x20).size(), 16u);
  EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Red);
}

TEST_F(OpsTest, AStoppedCompareClaimsNothing) {
  Select(k27C256);
  host.on_pump = [&](int) { k->link.Stop_Code = proglink::stop::Quit; };
  CompareClick(*k);
  EXPECT_EQ(Status(), "Comparing Device for Re-Progamablity....");
}

TEST_F(OpsTest, LostProgrammerEndsTheRunWithTheLostText) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Lose, 8}};  // a few packets into the run
  Select(k27C256, o);
  Verify_EpromClick(*k);
  EXPECT_EQ(Status(), "Programmer no longer present, Click Here to Find Programmer....");
  EXPECT_EQ(k->link.Connection, proglink::connection::None);
  EXPECT_FALSE(Enabled("Verify_Eprom"));
  EXPECT_TRUE(Enabled("Load_But"));
}

TEST_F(OpsTest, ARunWithoutAProgrammerReportsItLostNeverAVerdict) {
  progsim::Options o;
  o.serials = {};
  Select(k27C256, o);
  for (auto op : {Blank_ChkClick, Verify_EpromClick, CompareClick}) {
    op(*k);
    EXPECT_EQ(Status(), "Programmer no longer present, Click Here to Find Programmer....");
  }
}

TEST_F(OpsTest, ALongMismatchListStaysBoundedAndSaysWhatItLeftOut) {
  Select(k27C322);                                     // 4 MiB
  std::memset(k->Image_Buffer.get(), 0x00, 0x400000);  // the blank chip is all FF
  Verify_EpromClick(*k);
  EXPECT_EQ(Status(), "Device Did NOT Verify to Buffer....");
  EXPECT_EQ(Memo().size(), proglink::Message_Area::kCapacity);
  EXPECT_EQ(Memo().front(),
            "4194304 bytes differ, 0 of them need a bit raised from 0 to 1 (erase first)");
  EXPECT_EQ(Memo()[1], "3FFFFF  EXPECTED-00 FOUND-FF");
  EXPECT_EQ(k->link.Memo1().Omitted(), 4194304u + 1 - proglink::Message_Area::kCapacity);
  EXPECT_GT(host.pumps, 4194304 / 128);  // the window got its turns
}

}  // namespace
}  // namespace memprog
