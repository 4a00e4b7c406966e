// Command 0x3C: the lock bits of the 8051-family micros and what a secured part does.
#include <gtest/gtest.h>

#include "progsim/tests/sim_host.h"

namespace progsim {
namespace {

using Bytes = Sim_Host::Bytes;

struct Bit_Bytes {
  uint8_t b2, b3, b5;
};
// "Program Bit 1", "Program Bit 2", "Program Bit 3" by security type.
constexpr Bit_Bytes kType1Or3[] = {{0xC0, 0xC0, 0}, {0x00, 0xC0, 0}, {0x40, 0x40, 0}};
constexpr Bit_Bytes kType2[] = {{0x40, 0x40, 4}, {0x40, 0x40, 2}, {0x40, 0x40, 0}};

// Begin_Operation, then 0x3C with byte 1 = 0, bytes 4, 5, 6 = 0 and bytes 2, 3 (and 5) set.
void Program_Bit(Sim_Host& host, uint8_t family, Bit_Bytes b) {
  host.Begin_Operation(family, 2);
  Bytes r = host.Send(0x3C, {{1, 0}, {2, b.b2}, {3, b.b3}, {4, 0}, {5, b.b5}, {6, 0}});
  ASSERT_EQ(r.size(), 8u);
  EXPECT_EQ(r[0], 0x3C);
}

TEST(Security, EachTypeNamesTheThreeBitsByItsOwnBytes) {
  struct Case {
    uint8_t family;
    const Bit_Bytes* bits;
  };
  for (Case c : {Case{88, kType1Or3}, Case{89, kType1Or3}, Case{91, kType1Or3}, Case{94, kType1Or3},
                 Case{90, kType2}, Case{93, kType2}}) {
    for (int bit = 0; bit < 3; ++bit) {
      Sim_Host host;
      Program_Bit(host, c.family, c.bits[bit]);
      EXPECT_EQ(host.sim.Lock_Bits(), 1 << bit) << int(c.family) << " bit " << bit + 1;
    }
  }
}

TEST(Security, BytesOfTheOtherSchemeOrNoSchemeProgramNothing) {
  Sim_Host host;
  Program_Bit(host, 93, kType1Or3[0]);  // C0 C0 means nothing to security type 2
  Program_Bit(host, 93, {0x40, 0x40, 7});
  EXPECT_EQ(host.sim.Lock_Bits(), 0);
  Program_Bit(host, 89, kType2[1]);  // 40 40 with byte 5 = 2 is bit 3 for type 1
  EXPECT_EQ(host.sim.Lock_Bits(), 0b100);

  Sim_Host eprom;
  Program_Bit(eprom, 4, kType1Or3[0]);  // a 27C256 has no lock bits
  EXPECT_EQ(eprom.sim.Lock_Bits(), 0);
}

TEST(Security, LockBit1StopsProgrammingButNotVerification) {
  Sim_Host host;
  host.Begin_Operation(89, 2);
  ASSERT_EQ(host.Program(0, {0xF0, 0x12}), 0x00);
  Program_Bit(host, 89, kType1Or3[0]);
  host.Begin_Operation(89, 2);
  EXPECT_EQ(host.Program(0, {0x00, 0x02}), 0xFF);
  EXPECT_EQ(host.sim.Chip().Read(0), 0xF0);  // nothing was programmed
  host.Begin_Operation(89, 1);
  EXPECT_EQ(host.Read(0, 2), (Bytes{0xF0, 0x12}));
}

TEST(Security, LockBit2Or3AlsoHidesTheArrayFromVerification) {
  for (int bit : {1, 2}) {
    Sim_Host host;
    host.Begin_Operation(91, 2);
    ASSERT_EQ(host.Program(0, {0x12, 0x34}), 0x00);
    Program_Bit(host, 91, kType1Or3[bit]);
    host.Begin_Operation(91, 1);
    EXPECT_EQ(host.Read(0, 2), (Bytes{0xFF, 0xFF})) << bit + 1;
    host.Begin_Operation(91, 2);
    EXPECT_EQ(host.Program(2, {0x00}), 0xFF) << bit + 1;
    EXPECT_EQ(host.sim.Chip().Read(0), 0x12);
  }
}

TEST(Security, EpromMicroKeepsItsLocksThroughAnEraseCommand) {
  Sim_Host host;
  host.Begin_Operation(88, 2);
  ASSERT_EQ(host.Program(0, {0x12}), 0x00);
  Program_Bit(host, 88, kType1Or3[1]);
  host.Send(0x10, {{1, 2}, {2, 2}, {3, 88}});
  host.Send(0x40, {{1, 0}, {4, 0}});
  EXPECT_EQ(host.sim.Lock_Bits(), 0b10);
  host.Begin_Operation(88, 1);
  EXPECT_EQ(host.Read(0, 1), Bytes{0xFF});
}

TEST(Security, LocksActOnlyWhileTheMicrosFamilyIsSelected) {
  Sim_Host host;
  host.Begin_Operation(89, 2);
  ASSERT_EQ(host.Program(0, {0x12}), 0x00);
  Program_Bit(host, 89, kType1Or3[2]);
  host.Begin_Operation(4, 1);  // the user picked a 27C256 meanwhile
  EXPECT_EQ(host.Read(0, 1), Bytes{0x12});
  host.Begin_Operation(89, 1);
  EXPECT_EQ(host.Read(0, 1), Bytes{0xFF});
}

}  // namespace
}  // namespace progsim
