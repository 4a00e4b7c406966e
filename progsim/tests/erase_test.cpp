// Command 0x40 of every erase procedure, sent as the host sends it.
#include <gtest/gtest.h>

#include <cstdio>

#include "common/text_file.h"
#include "progsim/tests/sim_host.h"

namespace progsim {
namespace {

using Bytes = Sim_Host::Bytes;
constexpr uint8_t kErasedBit = 0x80, kFailBit = 0x20;

// Bytes left in the chip by earlier programming.
void Fill(Programmer& sim, uint32_t first, uint32_t last, uint8_t value) {
  for (uint32_t a = first; a <= last; ++a) sim.Chip().Poke(a, value);
}

// The erase check of the host: 0x20 blocks over the range, every byte compared with 0xFF.
// Returns the first address that is not 0xFF, or -1.
int64_t First_Not_Erased(Sim_Host& host, uint8_t family, uint32_t first, uint32_t last) {
  host.Begin_Operation(family, 1);
  uint32_t block = last >= 0x7FF ? 0x800 : last + 1;
  for (uint32_t a = first; a <= last; a += block) {
    Bytes data = host.Read(a, block);
    if (data.size() != block) return a;
    for (uint32_t i = 0; i < block && a + i <= last; ++i)
      if (data[i] != 0xFF) return a + i;
  }
  return -1;
}

// Erase types 1, 2, 3, 7, 8, 15: one command with only byte 0 set (bytes 1-4 carry the 0x1C
// parameters), then the host's check by reading.
uint8_t Erase_Then_Check_Command(Sim_Host& host, uint8_t family) {
  host.Begin_Operation(family, 2, 1, 2, 3, 64);
  return host.Send(0x40).at(6);
}

TEST(Erase, CommandThenCheckErasesTheWholeChip) {
  struct Case {
    uint8_t family;
    uint32_t last;
  };
  for (Case c : {Case{9, 0x7FFF}, Case{10, 0xFFFF}, Case{11, 0x3FFFF}, Case{23, 0x7FFFF},
                 Case{24, 0xFFFFF}, Case{96, 0x1FFF}}) {
    Sim_Host host;
    host.Begin_Operation(c.family, 2);
    ASSERT_EQ(host.Program(0, {0x00, 0x12}), 0x00);
    ASSERT_EQ(host.Program(c.last - 1, {0x34, 0x00}), 0x00);
    ASSERT_EQ(First_Not_Erased(host, c.family, 0, c.last), 0) << int(c.family);
    EXPECT_EQ(Erase_Then_Check_Command(host, c.family) & (kErasedBit | kFailBit), kErasedBit);
    EXPECT_EQ(First_Not_Erased(host, c.family, 0, c.last), -1) << int(c.family);
  }
}

TEST(Erase, The52B33HIsErasedWhereItsReadsHoldA13AndA14High) {
  Sim_Host host;
  host.Begin_Operation(96, 2);
  ASSERT_EQ(host.Program(0x6000 | 0x1234, {0x5A}), 0x00);  // byte 3 ORed with 0x60
  Erase_Then_Check_Command(host, 96);
  host.Begin_Operation(96, 1);
  EXPECT_EQ(host.Read(0x7234, 1), Bytes{0xFF});
}

TEST(Erase, FailedEraseLeavesTheFirstByteForTheCheckToFind) {
  Options o;
  o.faults = {{Fault::Fail_Erase, 1}};
  Sim_Host host(o);
  host.Begin_Operation(10, 2);
  Fill(host.sim, 0, 0xFF, 0x00);
  uint8_t status = Erase_Then_Check_Command(host, 10);
  EXPECT_EQ(status & kErasedBit, 0);
  EXPECT_NE(status & kFailBit, 0);
  EXPECT_EQ(First_Not_Erased(host, 10, 0, 0xFFFF), 0);
  EXPECT_EQ(host.sim.Chip().Read(0), 0x00);
  EXPECT_EQ(host.sim.Chip().Read(1), 0xFF);                                // the rest did erase
  EXPECT_EQ(Erase_Then_Check_Command(host, 10) & kErasedBit, kErasedBit);  // the next one works
  EXPECT_EQ(First_Not_Erased(host, 10, 0, 0xFFFF), -1);
}

// Erase types 4, 5, 6: byte 1 = 0, byte 4 = 0, bytes 2-3 still Prog_Pass and Prog_Pulse.
uint8_t Status_Judged_Erase(Sim_Host& host, uint8_t family) {
  host.Begin_Operation(family, 2, 0, 2, 3, 0);
  return host.Send(0x40, {{1, 0}, {4, 0}}).at(6);
}

TEST(Erase, OneCommandErasesTheChipAndReportsItInBit7) {
  for (uint8_t family : {12, 17, 18, 25, 26, 34}) {
    Options o;
    o.faults = {{Fault::Fail_Erase, 2}};
    Sim_Host host(o);
    host.Begin_Operation(family, 2);
    Fill(host.sim, 0, 0x1FF, 0x00);
    Fill(host.sim, 0xFFF00, 0xFFFFF, 0x00);
    EXPECT_EQ(Status_Judged_Erase(host, family), kErasedBit) << int(family);
    EXPECT_EQ(First_Not_Erased(host, family, 0, 0xFFFFF), -1) << int(family);

    Fill(host.sim, 0x100, 0x1FF, 0x00);
    uint8_t failed = Status_Judged_Erase(host, family);  // the second erase fails
    EXPECT_EQ(failed & kErasedBit, 0) << int(family);
    EXPECT_NE(failed & kFailBit, 0) << int(family);
    EXPECT_EQ(First_Not_Erased(host, family, 0, 0xFFFFF), 0) << int(family);
  }
}

// Sector lists: bytes 2 and 3 = bits 16-23 and 8-15 of each sector address, byte 4 = 0.
uint8_t Erase_Sector(Sim_Host& host, uint32_t sector) {
  return host
      .Send(0x40, {{1, 0}, {2, Sim_Host::B(sector >> 16)}, {3, Sim_Host::B(sector >> 8)}, {4, 0}})
      .at(6);
}

struct Sector_Case {
  uint8_t family;
  uint32_t last;  // Dev_End_Add in buffer bytes
  std::vector<uint32_t> sectors;
};

const Sector_Case k28F200{
    35, 0x3FFFF, {0x00000, 0x02000, 0x03000, 0x04000, 0x10000, 0x1C000, 0x1D000, 0x1E000}};
const Sector_Case k28F400{
    35,
    0x7FFFF,
    {0x00000, 0x02000, 0x03000, 0x04000, 0x10000, 0x20000, 0x30000, 0x3C000, 0x3D000, 0x3E000}};
const Sector_Case k28F800{36,
                          0xFFFFF,
                          {0x00000, 0x02000, 0x03000, 0x04000, 0x10000, 0x20000, 0x30000, 0x40000,
                           0x50000, 0x60000, 0x70000, 0x7C000, 0x7D000, 0x7E000}};
const Sector_Case k28F001BX{
    37, 0x1FFFF, {0x00000, 0x02000, 0x03000, 0x04000, 0x1C000, 0x1D000, 0x1E000}};

TEST(Erase, EverySectorListErasesTheWholePartAndNothingBeyond) {
  for (const Sector_Case& c : {k28F200, k28F400, k28F800, k28F001BX}) {
    Sim_Host host;
    host.Begin_Operation(c.family, 2);
    Fill(host.sim, 0, c.last + 0x10, 0x00);
    for (uint32_t sector : c.sectors)
      EXPECT_EQ(Erase_Sector(host, sector), kErasedBit) << int(c.family) << " " << sector;
    EXPECT_EQ(First_Not_Erased(host, c.family, 0, c.last), -1) << int(c.family);
    EXPECT_EQ(host.sim.Chip().Read(c.last + 1), 0x00) << int(c.family);
  }
}

TEST(Erase, ASectorCommandErasesItsSectorOnly) {
  Sim_Host host;  // 28F001BX: byte addresses
  host.Begin_Operation(37, 2);
  Fill(host.sim, 0, 0x1FFFF, 0x00);
  EXPECT_EQ(Erase_Sector(host, 0x04000), kErasedBit);
  EXPECT_EQ(First_Not_Erased(host, 37, 0x4000, 0x1BFFF), -1);
  EXPECT_EQ(host.sim.Chip().Read(0x3FFF), 0x00);
  EXPECT_EQ(host.sim.Chip().Read(0x1C000), 0x00);

  Sim_Host x16;  // 28F800: the sector addresses count words
  x16.Begin_Operation(36, 2);
  Fill(x16.sim, 0, 0xFFFFF, 0x00);
  EXPECT_EQ(Erase_Sector(x16, 0x7E000), kErasedBit);
  EXPECT_EQ(First_Not_Erased(x16, 36, 0xFC000, 0xFFFFF), -1);
  EXPECT_EQ(x16.sim.Chip().Read(0xFBFFF), 0x00);
}

TEST(Erase, SectorListTwelveTakesSevenCommandsAllWithBit7) {
  Sim_Host host;
  host.Begin_Operation(37, 2);
  Fill(host.sim, 0, 0x1FFFF, 0x00);
  std::vector<uint8_t> statuses;
  for (uint32_t sector : k28F001BX.sectors) statuses.push_back(Erase_Sector(host, sector));
  EXPECT_EQ(statuses, std::vector<uint8_t>(7, kErasedBit));
  EXPECT_EQ(First_Not_Erased(host, 37, 0, 0x1FFFF), -1);
}

TEST(Erase, FailedSectorReportsTheBitsItsListIsJudgedBy) {
  struct Case {
    const Sector_Case& list;
    uint8_t fail_bits;
  };
  for (Case c : {Case{k28F200, 0x30}, Case{k28F800, 0x30}, Case{k28F001BX, 0x20}}) {
    Options o;
    o.faults = {{Fault::Fail_Erase, 3}};
    Sim_Host host(o);
    host.Begin_Operation(c.list.family, 2);
    Fill(host.sim, 0, c.list.last, 0x00);
    std::vector<uint8_t> statuses;
    for (uint32_t sector : c.list.sectors) statuses.push_back(Erase_Sector(host, sector));
    EXPECT_EQ(statuses[1], kErasedBit);
    EXPECT_EQ(statuses[2], c.fail_bits) << int(c.list.family);
    EXPECT_EQ(statuses.back(), kErasedBit);
    uint32_t unit = c.list.family == 37 ? 1 : 2;
    EXPECT_EQ(First_Not_Erased(host, c.list.family, 0, c.list.last),
              int64_t{c.list.sectors[2] * unit});
  }
}

TEST(Erase, AnAddressThatStartsNoSectorIsRefusedAndErasesNothing) {
  Sim_Host host;
  host.Begin_Operation(35, 2);
  Fill(host.sim, 0, 0x3FFF, 0x00);
  EXPECT_EQ(Erase_Sector(host, 0x01000), 0x30);
  EXPECT_EQ(host.sim.Chip().Read(0x2000), 0x00);
}

TEST(Erase, FlashMicroEraseFollowsTheVppCommandAndClearsTheLockBits) {
  for (uint8_t family : {89, 90, 91, 93}) {
    Sim_Host host;
    host.Begin_Operation(family, 2);
    ASSERT_EQ(host.Program(0, {0x12, 0x34}), 0x00);
    bool variant = family == 90 || family == 93;
    host.Send(0x3C, {{1, 0},
                     {2, variant ? 0x40 : 0xC0},
                     {3, variant ? 0x40 : 0xC0},
                     {4, 0},
                     {5, variant ? 4 : 0},
                     {6, 0}});
    ASSERT_EQ(host.sim.Lock_Bits(), 1) << int(family);

    host.Begin_Operation(family, 2);
    host.Send(0x10, {{1, 2}, {2, 1}, {3, family}});
    host.Send(0x40, {{1, 0}, {4, 0}});  // bytes 2-3 still hold the Vpp code and the family
    EXPECT_EQ(host.sim.Lock_Bits(), 0) << int(family);
    EXPECT_EQ(First_Not_Erased(host, family, 0, 0x7FFF), -1) << int(family);
    host.Begin_Operation(family, 2);
    EXPECT_EQ(host.Program(0, {0x56}), 0x00) << int(family);
  }
}

// Erase type 14: every byte programmed to 00 in 2048-byte blocks, then 0x40 with bytes 3-4 =
// bits 16-23 and 8-15 of the end address (bytes 1-2 and 5-6 left from the last block).
std::vector<uint8_t> Program_To_00_And_Erase(Sim_Host& host, uint8_t family, uint32_t last) {
  host.Begin_Operation(family, 2);
  std::vector<uint8_t> replies;
  Bytes zeros(2048, 0x00);
  for (uint32_t a = 0; a < last; a += 2048) {
    Bytes r = host.Send(0x30,
                        {{1, 0},
                         {2, Sim_Host::B(a >> 16)},
                         {3, Sim_Host::B(a >> 8)},
                         {4, Sim_Host::B(a)},
                         {5, 8},
                         {6, 0}},
                        zeros);
    replies.push_back(r.at(6));
  }
  host.Send(0x40, {{3, Sim_Host::B(last >> 16)}, {4, Sim_Host::B(last >> 8)}});
  return replies;
}

TEST(Erase, ProgramAllTo00ThenEraseClearsThe28F010) {
  for (uint8_t family : {41, 43}) {
    Sim_Host host;
    host.Begin_Operation(family, 2);
    ASSERT_EQ(host.Program(0x1234, {0xA5, 0x5A}), 0x00);
    auto replies = Program_To_00_And_Erase(host, family, 0x1FFFF);
    EXPECT_EQ(replies, std::vector<uint8_t>(64, 0x00)) << int(family);
    Transfer erase = host.sim.Sent().back();
    EXPECT_EQ(erase[3], 0x01);
    EXPECT_EQ(erase[4], 0xFF);
    EXPECT_EQ(First_Not_Erased(host, family, 0, 0x1FFFF), -1) << int(family);
  }
}

TEST(Erase, AFailedBlockOfTheProgramTo00StepRepliesFF) {
  Options o;
  o.faults = {{Fault::Fail_Block, 5}};
  Sim_Host host(o);
  auto replies = Program_To_00_And_Erase(host, 41, 0x7FFF);
  EXPECT_EQ(replies, (std::vector<uint8_t>{0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(Erase, ZeroParameterCommandTurnsProtectionOnAndPageWritesGoOn) {
  for (uint8_t family : {13, 27}) {
    Sim_Host host;
    host.Begin_Operation(family, 2, 0, 0, 3, 128);
    ASSERT_EQ(host.Program(0, {0x11, 0x22}), 0x00);
    host.Begin_Operation(family, 2, 0, 0, 3, 128);
    host.Send(0x40, {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}});
    EXPECT_TRUE(host.sim.Protection_On()) << int(family);
    EXPECT_EQ(host.sim.Chip().Read(0), 0x11);  // not an erase
    EXPECT_EQ(host.Program(0, {0x33, 0x44}), 0x00) << int(family);
    EXPECT_EQ(host.Read(0, 2), (Bytes{0x33, 0x44}));
  }
}

TEST(Erase, FamiliesWithoutAnEraseKeepTheirBytesAndReportNoErase) {
  for (uint8_t family : {4, 14, 22, 50, 88, 13}) {
    Sim_Host host;
    host.Begin_Operation(family, 2, 1, 2, 3, 64);
    ASSERT_EQ(host.Program(0, {0x00, 0x42}), 0x00);
    uint8_t status = host.Send(0x40).at(6);  // parameters left from 0x1C: not zero
    EXPECT_EQ(status & kErasedBit, 0) << int(family);
    EXPECT_EQ(host.Read(0, 2), (Bytes{0x00, 0x42})) << int(family);
    EXPECT_FALSE(host.sim.Protection_On());
  }
}

TEST(Erase, ChipEraseReachesNoFurtherIntoTheImageFileThanTheSessionDid) {
  std::string path = ::testing::TempDir() + "erase_socket.bin";
  std::remove(path.c_str());
  Options o;
  o.chip_file = path;
  Sim_Host host(o);
  host.Begin_Operation(12, 2);
  ASSERT_EQ(host.Program(0x10, {0x00}), 0x00);
  Status_Judged_Erase(host, 12);
  host.sim.Close();
  auto data = common::Read_Whole_File(path);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->size(), 0x11u);
  EXPECT_EQ(static_cast<uint8_t>((*data)[0x10]), 0xFF);
}

}  // namespace
}  // namespace progsim
