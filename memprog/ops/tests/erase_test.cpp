// Erase by every erase type, its failures and stops, and the security bits.
#include "memprog/ops/erase.h"

#include <algorithm>
#include <memory>

#include "common/hex.h"
#include "ops_fixture.h"

namespace memprog {
namespace {

constexpr int k27SF256 = 88, k27SF512 = 89, k27SF010 = 90, k28SF040 = 147, k49LF002 = 183,
              k52B33H = 227;
constexpr int kAm29F010 = 100, kAT49F001 = 116, kAm29F002 = 103;
constexpr int k28F200 = 169, k28F400 = 170, k28F800 = 171, k28F001BX = 99;
constexpr int k28F010 = 97, kAT89C51 = 464, kAT89C51RC = 474, kP89C51 = 476, k27C256 = 20;

const char* const kErased = "Device is Erased....";
const char* const kNot_Erased = "Device is NOT Erased....";

class EraseTest : public OpsTest {
 protected:
  // The selection with the values that show which bytes an erase command carries over.
  void Select_For_Erase(int code, progsim::Options o = {}) {
    Select(code, o);
    k->Prog_Pass = 2;
    k->Page_Size = 64;
  }
  // The packets of the run from the first one after Begin_Operation's 0x1C.
  std::vector<progsim::Transfer> After_Begin() {
    auto sent = sim->Sent();
    size_t i = 0;
    while (i < sent.size() && sent[i].Code() != 0x1C) ++i;
    return {sent.begin() + static_cast<std::ptrdiff_t>(std::min(i + 1, sent.size())), sent.end()};
  }
  // Selects the device on a programmer that injects `kind` at the run's nth packet (1-based).
  void Select_With_Fault(int code, progsim::Fault::Kind kind, uint64_t nth) {
    Select(code);
    progsim::Options o;
    o.faults = {{kind, sim->Packets_Written() + nth}};
    Select_For_Erase(code, o);
  }
  std::string Log_Line() {
    return k->link.Memo2().Lines().empty() ? "" : k->link.Memo2().Lines().front();
  }
};

// ---- erase command, then erase check: 1, 2, 3, 7, 8, 15

TEST_F(EraseTest, CommandThenCheckCarriesTheOperationBytesAndReadsTheWholeRange) {
  for (int code : {k27SF256, k27SF512, k27SF010, k28SF040, k49LF002, k52B33H}) {
    Select_For_Erase(code);
    sim->Chip().Poke(0x10, 0x00);
    Erase_ButClick(*k);
    auto run = After_Begin();
    ASSERT_EQ(run.at(0).Code(), 0x40) << code;
    EXPECT_EQ(run[0][1], 2) << code;  // Op_Kind, Prog_Pass, Prog_Pulse, Page_Size
    EXPECT_EQ(run[0][2], 2) << code;
    EXPECT_EQ(run[0][3], 3) << code;
    EXPECT_EQ(run[0][4], 64) << code;
    // The check is a read-type run of its own.
    std::vector<uint8_t> codes;
    for (size_t i = 1; i < 5; ++i) codes.push_back(run.at(i).Code());
    EXPECT_EQ(codes, (std::vector<uint8_t>{0x1E, 0x53, 0x10, 0x1C})) << code;
    EXPECT_EQ(run[4][1], 1) << code;
    size_t blocks = (static_cast<size_t>(k->Dev_End_Add) + 1 + 2047) / 2048;
    EXPECT_EQ(Sent_With(0x20).size(), blocks) << code;
    EXPECT_EQ(sim->Chip().Read(0x10), 0xFF) << code;
    EXPECT_EQ(Status(), kErased) << code;
    EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Lime);
  }
  // The 52B33H's check reads hold A13 and A14 high.
  for (auto& r : Sent_With(0x20)) EXPECT_EQ(r[3] & 0x60, 0x60);
}

TEST_F(EraseTest, CheckStopsAtTheFirstByteThatIsNotFF) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Fail_Erase, 1}};  // the first cell stays programmed
  Select_For_Erase(k27SF256, o);
  Erase_ButClick(*k);
  EXPECT_EQ(Sent_With(0x20).size(), 1u);
  EXPECT_EQ(Status(), kNot_Erased);
  EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Red);
}

TEST_F(EraseTest, EraseWaitsFortySecondsAndThenOneAgain) {
  Select_For_Erase(k27SF256);
  std::vector<int> intervals;
  host.on_pump = [&](int) {
    if (host.timer_running && !sim->Sent().empty() && sim->Sent().back().Code() == 0x40)
      intervals.push_back(host.timer_interval);
  };
  Erase_ButClick(*k);
  ASSERT_FALSE(intervals.empty());
  EXPECT_EQ(intervals.front(), 40000);
  EXPECT_EQ(k->link.Timer_Interval(), 1000);
}

// ---- one command judged by the status byte: 4, 5, 6

TEST_F(EraseTest, SingleCommandSendsPassAndPulseAsItsAddress) {
  for (int code : {kAm29F010, kAT49F001, kAm29F002}) {
    Select_For_Erase(code);
    sim->Chip().Poke(0x100, 0x12);
    Erase_ButClick(*k);
    auto run = After_Begin();
    ASSERT_GE(run.size(), 1u);
    EXPECT_EQ(run[0].Code(), 0x40) << code;
    EXPECT_EQ(run[0][1], 0);
    EXPECT_EQ(run[0][2], 2);  // Prog_Pass
    EXPECT_EQ(run[0][3], k->Prog_Pulse);
    EXPECT_EQ(run[0][4], 0);
    EXPECT_EQ(Sent_With(0x40).size(), 1u);
    EXPECT_TRUE(Sent_With(0x20).empty());
    EXPECT_EQ(sim->Chip().Read(0x100), 0xFF);
    EXPECT_EQ(Status(), kErased) << code;
    // The address shown is the packet's bytes 2-4 before byte 4 is cleared.
    std::string want = "&Quit = " + common::Hex(2u << 16 | uint32_t(k->Prog_Pulse) << 8 | 64, 5);
    auto quit = host.Captions_Of("Quit_Func_But");
    EXPECT_NE(std::find(quit.begin(), quit.end(), want), quit.end()) << want;
  }
}

TEST_F(EraseTest, SingleCommandReportsAFailedErase) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Fail_Erase, 1}};
  Select_For_Erase(kAm29F010, o);
  Erase_ButClick(*k);
  EXPECT_EQ(Status(), kNot_Erased);
  EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Red);
}

// ---- sector lists: 9, 10, 11, 12

struct Sector_Case {
  int code;
  std::vector<uint32_t> sectors;
};

const Sector_Case kSector_Cases[] = {
    {k28F200, {0x00000, 0x02000, 0x03000, 0x04000, 0x10000, 0x1C000, 0x1D000, 0x1E000}},
    {k28F400,
     {0x00000, 0x02000, 0x03000, 0x04000, 0x10000, 0x20000, 0x30000, 0x3C000, 0x3D000, 0x3E000}},
    {k28F800,
     {0x00000, 0x02000, 0x03000, 0x04000, 0x10000, 0x20000, 0x30000, 0x40000, 0x50000, 0x60000,
      0x70000, 0x7C000, 0x7D000, 0x7E000}},
    {k28F001BX, {0x00000, 0x02000, 0x03000, 0x04000, 0x1C000, 0x1D000, 0x1E000}},
};

TEST_F(EraseTest, SectorListsEraseEachSectorInTurn) {
  for (const auto& c : kSector_Cases) {
    Select_For_Erase(c.code);
    sim->Chip().Poke(k->Dev_End_Add, 0x00);
    Erase_ButClick(*k);
    auto erases = Sent_With(0x40);
    ASSERT_EQ(erases.size(), c.sectors.size()) << c.code;
    for (size_t i = 0; i < erases.size(); ++i) {
      EXPECT_EQ(erases[i][1], 0);
      EXPECT_EQ(uint32_t(erases[i][2]) << 16 | uint32_t(erases[i][3]) << 8, c.sectors[i]);
      EXPECT_EQ(erases[i][4], 0);
    }
    EXPECT_EQ(After_Begin().size(), c.sectors.size() + 2) << c.code;  // then the end reset
    EXPECT_EQ(sim->Chip().Read(k->Dev_End_Add), 0xFF) << c.code;
    EXPECT_EQ(Status(), kErased) << c.code;
  }
}

TEST_F(EraseTest, AFailedSectorEndsTheList) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Fail_Erase, 3}};
  Select_For_Erase(k28F001BX, o);
  Erase_ButClick(*k);
  EXPECT_EQ(Sent_With(0x40).size(), 3u);
  EXPECT_EQ(Status(), kNot_Erased);
}

// Answers erase command `nth` (1-based) with `status` in place of the programmer.
void Answer_Erase(progsim::Programmer* sim, int nth, uint8_t status) {
  auto seen = std::make_shared<int>(0);
  sim->intercept = [seen, nth, status](const progsim::Transfer& t, std::vector<uint8_t>& r) {
    if (t.Code() != 0x40 || ++*seen != nth) return false;
    r.assign(8, 0);
    r[0] = 0x40;
    r[6] = status;
    return true;
  };
}

TEST_F(EraseTest, ASectorReplyWithNeitherBitLeavesTheVerdictAndGoesOn) {
  Select_For_Erase(k28F001BX);
  Answer_Erase(sim, 2, 0x00);
  Erase_ButClick(*k);
  EXPECT_EQ(Sent_With(0x40).size(), 7u);
  EXPECT_EQ(Status(), kErased);
}

TEST_F(EraseTest, TheLastSectorsFailureBitsDecideTheVerdict) {
  // Bit 4 counts for the Intel x16 lists, not for the 28F001BX.
  Select_For_Erase(k28F200);
  Answer_Erase(sim, 8, 0x90);
  Erase_ButClick(*k);
  EXPECT_EQ(Status(), kNot_Erased);
  Select_For_Erase(k28F001BX);
  Answer_Erase(sim, 7, 0x90);
  Erase_ButClick(*k);
  EXPECT_EQ(Status(), kErased);
  Answer_Erase(sim, 7, 0xA0);
  Erase_ButClick(*k);
  EXPECT_EQ(Status(), kNot_Erased);
}

// ---- Vpp command, then erase command: 13, 20, 21

TEST_F(EraseTest, MicrosGetTheVppCommandThenTheEraseCommand) {
  for (int code : {kAT89C51, kAT89C51RC, kP89C51, -13}) {
    Select_For_Erase(code < 0 ? kAT89C51 : code);
    if (code < 0) k->Erase_Type = Erase_Type::Vpp_Unused;  // erases as the micros do
    sim->Chip().Poke(0x20, 0x00);
    Erase_ButClick(*k);
    auto run = After_Begin();
    ASSERT_GE(run.size(), 2u);
    EXPECT_EQ(run[0].Code(), 0x10);
    EXPECT_EQ(run[0][1], 2);
    EXPECT_EQ(run[0][2], k->link.Vpp_Code);
    EXPECT_EQ(run[0][3], k->Family);
    EXPECT_EQ(run[1].Code(), 0x40);
    EXPECT_EQ(run[1][1], 0);
    EXPECT_EQ(run[1][2], k->link.Vpp_Code);
    EXPECT_EQ(run[1][3], k->Family);
    EXPECT_EQ(run[1][4], 0);
    EXPECT_EQ(Sent_With(0x40).size(), 1u);
    EXPECT_EQ(sim->Chip().Read(0x20), 0xFF) << code;
    EXPECT_EQ(Status(), kErased) << code;
  }
}

TEST_F(EraseTest, AFailureTheProgrammerReportsIsNeverShownAsErased) {
  // The micros' and the 12 V flash's erase commands end the run; a reply that says the erase
  // failed must not read as success.
  for (int code : {kAT89C51, kP89C51, k28F010}) {
    progsim::Options o;
    o.faults = {{progsim::Fault::Fail_Erase, 1}};
    Select_For_Erase(code, o);
    Erase_ButClick(*k);
    EXPECT_EQ(Status(), kNot_Erased) << code;
    EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Red);
  }
  // A reply with neither bit set says nothing against the erase.
  Select_For_Erase(kAT89C51);
  Answer_Erase(sim, 1, 0x00);
  Erase_ButClick(*k);
  EXPECT_EQ(Status(), kErased);
}

TEST_F(EraseTest, ErasesThatDoNothingSendNothing) {
  for (Erase_Type type : {Erase_Type::Unused_16, Erase_Type::Unused_17, Erase_Type::Unused_18,
                          Erase_Type::Unused_19}) {
    Select_For_Erase(k27C256);
    k->Erase_Type = type;
    Erase_ButClick(*k);
    EXPECT_EQ(After_Begin().size(), 2u) << static_cast<int>(type);  // only the end reset
  }
}

// ---- program to 00, then erase: 14

TEST_F(EraseTest, The28F010IsProgrammedToZeroThenErased) {
  Select_For_Erase(k28F010);
  for (uint32_t a = 0; a <= 0x1FFFF; a += 0x101) sim->Chip().Poke(a, 0x5A);
  Erase_ButClick(*k);
  auto blocks = Sent_With(0x30);
  ASSERT_EQ(blocks.size(), 64u);
  for (uint32_t i = 0; i < 64; ++i) {
    EXPECT_EQ(Address(blocks[i]) & 0xFFFFFF, i * 2048);
    EXPECT_EQ(blocks[i][5], 8);
    EXPECT_EQ(blocks[i][6], 0);
    ASSERT_EQ(blocks[i].data.size(), 2048u);
    EXPECT_EQ(std::count(blocks[i].data.begin(), blocks[i].data.end(), 0), 2048);
  }
  auto erases = Sent_With(0x40);
  ASSERT_EQ(erases.size(), 1u);
  auto e = erases[0];
  EXPECT_EQ(e[1], 0);
  EXPECT_EQ(e[2], 0x01);  // the last block's address byte
  EXPECT_EQ(e[3], 0x01);
  EXPECT_EQ(e[4], 0xFF);
  EXPECT_EQ(e[5], 8);
  EXPECT_EQ(e[6], 0);
  EXPECT_EQ(sim->Sent().back().Code(), 0x53);
  EXPECT_EQ(sim->Chip().Read(0x101), 0xFF);
  auto captions = host.Captions_Of("StaticText3");
  EXPECT_NE(std::find(captions.begin(), captions.end(), "Programming All Bytes to 00...."),
            captions.end());
  EXPECT_EQ(Status(), kErased);
  EXPECT_EQ(k->link.Write_Len, 8u);
}

TEST_F(EraseTest, TheZeroPassCoversTheWholePartWhateverTheRange) {
  // The erase takes the whole chip; every byte of it must be at 00 first.
  Select_For_Erase(k28F010);
  k->Dev_Start_Add = 0x1000;
  k->Dev_End_Add = 0xFFFF;
  k->link.Reset_Programmer();
  Erase_ButClick(*k);
  auto blocks = Sent_With(0x30);
  ASSERT_EQ(blocks.size(), 64u);
  EXPECT_EQ(Address(blocks.front()), 0u);
  EXPECT_EQ(Address(blocks.back()), 0x1F800u);
  auto e = Sent_With(0x40).at(0);
  EXPECT_EQ(e[3], 0x01);
  EXPECT_EQ(e[4], 0xFF);
  EXPECT_EQ(Status(), kErased);
  EXPECT_EQ(k->link.Cur_Add, 0x1000);  // the user's range is untouched
  EXPECT_EQ(k->Dev_End_Add, 0xFFFF);
}

TEST_F(EraseTest, AZeroBlockThatFailsStopsBeforeTheErase) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Fail_Block, 10}};
  Select_For_Erase(k28F010, o);
  Erase_ButClick(*k);
  EXPECT_EQ(Sent_With(0x30).size(), 10u);
  EXPECT_TRUE(Sent_With(0x40).empty());
  EXPECT_EQ(Status(), kNot_Erased);
  EXPECT_EQ(k->link.Write_Len, 8u);
}

// ---- Quit, time-out and loss

TEST_F(EraseTest, QuitDuringTheEraseLeavesTheRunningText) {
  Select_For_Erase(kAm29F010);
  host.on_pump = [&](int) {
    if (!sim->Sent().empty() && sim->Sent().back().Code() == 0x40)
      k->link.Stop_Code = proglink::stop::Quit;
  };
  Erase_ButClick(*k);
  EXPECT_EQ(Status(), "Erasing Device....");
  EXPECT_EQ(Log_Line(), "Programmer no longer present... PortStatus-0 USB-5");
  EXPECT_EQ(k->link.Connection, proglink::connection::Ready);
  EXPECT_TRUE(Enabled("Erase_But"));
  EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Red);
}

TEST_F(EraseTest, QuitDuringTheCheckLeavesTheCheckingText) {
  Select_For_Erase(k27SF010);
  int reads = 0;
  host.on_pump = [&](int) {
    if (!sim->Sent().empty() && sim->Sent().back().Code() == 0x20 && ++reads == 4)
      k->link.Stop_Code = proglink::stop::Quit;
  };
  Erase_ButClick(*k);
  EXPECT_EQ(Status(), "Checking to see if Device is erased....");
  EXPECT_LT(Sent_With(0x20).size(), 64u);
}

TEST_F(EraseTest, ATimeOutAsksForTheProgrammerToBeFoundAgain) {
  Select_With_Fault(kAm29F010, progsim::Fault::Silent, 5);  // 0x1E 0x53 0x10 0x1C 0x40
  Erase_ButClick(*k);
  EXPECT_EQ(Status(), "Programmer no longer present, Click Here to Find Programmer....");
  EXPECT_EQ(Log_Line(), "Programmer no longer present... PortStatus-0 USB-6");
  EXPECT_EQ(k->link.Connection, proglink::connection::Ready);
}

TEST_F(EraseTest, ATimeOutInASectorListSendsNoFurtherSector) {
  Select_With_Fault(k28F800, progsim::Fault::Silent, 4 + 3);  // the third sector
  Erase_ButClick(*k);
  EXPECT_EQ(Sent_With(0x40).size(), 3u);
  EXPECT_EQ(Status(), "Programmer no longer present, Click Here to Find Programmer....");
}

TEST_F(EraseTest, ALostProgrammerDisablesTheDeviceButtons) {
  Select_With_Fault(k28F010, progsim::Fault::Lose, 4 + 20);  // a zero block
  Erase_ButClick(*k);
  EXPECT_EQ(Sent_With(0x30).size(), 19u);
  EXPECT_TRUE(Sent_With(0x40).empty());
  EXPECT_EQ(Status(), "Programmer no longer present, Click Here to Find Programmer....");
  EXPECT_EQ(k->link.Connection, proglink::connection::None);
  EXPECT_FALSE(Enabled("Erase_But"));
  EXPECT_TRUE(Enabled("Load_But"));
}

// ---- security bits

struct Security_Case {
  int code;
  uint8_t bytes[3][3];  // per item: bytes 2, 3, 5
};

TEST_F(EraseTest, SecurityItemsSendTheirBitPatterns) {
  const Security_Case cases[] = {
      {kAT89C51, {{0xC0, 0xC0, 0}, {0x00, 0xC0, 0}, {0x40, 0x40, 0}}},
      {kP89C51, {{0xC0, 0xC0, 0}, {0x00, 0xC0, 0}, {0x40, 0x40, 0}}},
      {kAT89C51RC, {{0x40, 0x40, 4}, {0x40, 0x40, 2}, {0x40, 0x40, 0}}},
  };
  for (const auto& c : cases) {
    for (int item = 0; item < 3; ++item) {
      Select(c.code);
      SecurityClick(*k);
      EXPECT_TRUE(Visible("Security_List"));
      Security_ListClick(*k, item);
      auto sec = Sent_With(0x3C);
      ASSERT_EQ(sec.size(), 1u) << c.code << " " << item;
      EXPECT_EQ(sec[0][1], 0);
      EXPECT_EQ(sec[0][2], c.bytes[item][0]) << c.code << " " << item;
      EXPECT_EQ(sec[0][3], c.bytes[item][1]) << c.code << " " << item;
      EXPECT_EQ(sec[0][4], 0);
      EXPECT_EQ(sec[0][5], c.bytes[item][2]) << c.code << " " << item;
      EXPECT_EQ(sec[0][6], 0);
      EXPECT_EQ(Sent_With(0x1C).at(0)[1], 2);
      EXPECT_EQ(sim->Lock_Bits(), 1 << item) << c.code << " " << item;
      EXPECT_EQ(Status(), "Security Bit " + std::to_string(item + 1) + " has been programmed...");
      EXPECT_FALSE(Visible("Security_List"));
      EXPECT_TRUE(Enabled("Security"));
    }
  }
}

TEST_F(EraseTest, CancelInTheSecurityListSendsNothing) {
  Select(kAT89C51);
  std::string before = Status();
  SecurityClick(*k);
  Security_ListClick(*k, 3);
  EXPECT_TRUE(Sent_With(0x3C).empty());
  EXPECT_TRUE(Sent_With(0x10).empty());
  EXPECT_TRUE(Sent_With(0x1C).empty());
  EXPECT_EQ(Status(), before);
  EXPECT_FALSE(Visible("Security_List"));
  EXPECT_TRUE(Enabled("Program_Eprom"));
}

TEST_F(EraseTest, ASecurityBitIsNotReportedWhenTheProgrammerDidNotAnswer) {
  // The list's reset, the item's reset, 0x10, 0x1C, then 0x3C.
  Select_With_Fault(kAT89C51, progsim::Fault::Silent, 2 + 2 + 3);
  SecurityClick(*k);
  Security_ListClick(*k, 0);
  ASSERT_EQ(Sent_With(0x3C).size(), 1u);
  EXPECT_EQ(Status(), "Programmer no longer present, Click Here to Find Programmer....");
}

}  // namespace
}  // namespace memprog
