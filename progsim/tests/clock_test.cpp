// Command 0x3E: the timekeeper clock registers, written as Program Time sends them and read
// back as Read Time reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "common/text_file.h"
#include "progsim/tests/sim_host.h"

namespace progsim {
namespace {

using Bytes = Sim_Host::Bytes;

// The initial fields: Calibration, Seconds ... Year X 1 (registers 0x7F8-0x7FF), Year X 100.
const Bytes kFields = {0x00, 0x00, 0x45, 0x17, 0x07, 0x23, 0x12, 0x07, 0x20};

struct Clock_Case {
  const char* part;
  uint8_t family;
  uint32_t address;     // as bytes 2-4 of 0x3E carry it (A13 flag included)
  uint32_t read_block;  // as bytes 1-4 of Read Time's 0x20 carry it
};

const Clock_Case kClocks[] = {
    {"M48T02", 14, 0x0007F8, 0x000000},
    {"M48T59", 15, 0x001FF8, 0x001800},
    {"M48T08", 15, 0x003FF8, 0x003800},  // clock type 2: A13 high in byte 3
    {"M48T512Y", 16, 0x07FFF8, 0x07F800},
};

// Begin_Operation, then 0x3E with its 2,049 data bytes: 2040-2047 the registers, 2048 the
// century; the bytes before carry nothing (whatever the transmit buffer held).
Bytes Program_Time(Sim_Host& host, const Clock_Case& c, uint8_t filler) {
  host.Begin_Operation(c.family, 2, 0);
  Bytes data(2049, filler);
  std::copy(kFields.begin(), kFields.end(), data.begin() + 2040);
  return host.Send(0x3E,
                   {{1, 0},
                    {2, Sim_Host::B(c.address >> 16)},
                    {3, Sim_Host::B(c.address >> 8)},
                    {4, Sim_Host::B(c.address)},
                    {5, 0},
                    {6, 7}},
                   data);
}

TEST(Clock, RegistersAndCenturyReadBackAtTheirOffsetsOfTheTopBlock) {
  for (const Clock_Case& c : kClocks) {
    Sim_Host host;
    Bytes reply = Program_Time(host, c, 0x55);
    ASSERT_EQ(reply.size(), 8u) << c.part;
    EXPECT_EQ(reply[6], 0x00) << c.part;

    host.Begin_Operation(c.family, 1, 0);
    Bytes block = host.Read(c.read_block, 2048);
    ASSERT_EQ(block.size(), 2048u);
    EXPECT_EQ(Bytes(block.begin() + 0x7F8, block.end()), Bytes(kFields.begin(), kFields.end() - 1))
        << c.part;
    EXPECT_EQ(block[0x7F1], 0x20) << c.part;
    // The data bytes that carry no clock value were not stored.
    EXPECT_EQ(std::count(block.begin(), block.end(), 0x55), 0) << c.part;
    EXPECT_EQ(block[0x7F0], 0xFF) << c.part;
  }
}

TEST(Clock, RegistersOverwriteWhatTheArrayHeld) {
  Sim_Host host;
  host.Begin_Operation(14, 2, 0);
  ASSERT_EQ(host.Program(0x7F0, Bytes(16, 0xAA)), 0x00);
  Program_Time(host, kClocks[0], 0x00);
  EXPECT_EQ(host.Read(0x7F0, 16), (Bytes{0xAA, 0x20, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0x00, 0x00,
                                         0x45, 0x17, 0x07, 0x23, 0x12, 0x07}));
}

TEST(Clock, ShortClockBlockIsRefusedAndTheTraceCountsItsDataBytes) {
  std::string path = ::testing::TempDir() + "clock_trace.txt";
  std::remove(path.c_str());
  Options o;
  o.trace_file = path;
  o.faults = {{Fault::Short_Write, 3}};  // 0x10, 0x1C, then the clock block
  Sim_Host host(o);
  EXPECT_TRUE(Program_Time(host, kClocks[0], 0x00).empty());
  EXPECT_EQ(host.sim.Chip().Read(0x7FF), 0xFF);
  EXPECT_EQ(Program_Time(host, kClocks[0], 0x00).at(6), 0x00);
  EXPECT_EQ(host.sim.Chip().Read(0x7FF), 0x07);
  Install({});  // closes the trace

  auto lines = common::Read_Lines(path);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 11u);
  EXPECT_EQ((*lines)[4], "> 3E 00 00 07 F8 00 07 44 +1020 !length");
  EXPECT_EQ((*lines)[9], "> 3E 00 00 07 F8 00 07 44 +2049");
  EXPECT_EQ((*lines)[10], "< 3E 00 00 00 00 00 00 00");
}

}  // namespace
}  // namespace progsim
