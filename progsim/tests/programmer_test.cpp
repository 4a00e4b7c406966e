#include "progsim/programmer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/tests/bad_files.h"
#include "common/text_file.h"
#include "usblink/d2xx_unit.h"

namespace progsim {
namespace {

std::vector<uint8_t> Packet(std::initializer_list<uint8_t> bytes7, std::vector<uint8_t> data = {}) {
  std::vector<uint8_t> p(bytes7);
  p.resize(7, 0);
  unsigned s = 0;
  for (uint8_t b : p) s += b;
  p.push_back(static_cast<uint8_t>(s));
  p.insert(p.end(), data.begin(), data.end());
  return p;
}

std::vector<uint8_t> Reply_To(Programmer& sim, const std::vector<uint8_t>& p) {
  sim.Write(p.data(), p.size());
  std::vector<uint8_t> r(sim.Rx_Queued());
  sim.Read(r.data(), r.size());
  return r;
}

class ProgrammerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim = &Install({});
    ASSERT_TRUE(sim->Open(Programmer::kSerial));
  }
  Programmer* sim = nullptr;
};

TEST_F(ProgrammerTest, IdentifiesWithItsFirmwareVersion) {
  auto r = Reply_To(*sim, Packet({0x56}));
  ASSERT_EQ(r.size(), 8u);
  EXPECT_EQ(r, (std::vector<uint8_t>{0x56, 3, 61, 0, 0, 0, 0, 0}));
}

TEST_F(ProgrammerTest, RefusesBadChecksumAndBadLengthWithoutReply) {
  auto p = Packet({0x56});
  p[7] ^= 1;
  EXPECT_TRUE(Reply_To(*sim, p).empty());
  EXPECT_EQ(sim->Log().back().refused, "checksum");
  auto q = Packet({0x30, 0, 0, 0, 0, 0, 4}, {1, 2, 3});  // says 4 data bytes, carries 3
  EXPECT_TRUE(Reply_To(*sim, q).empty());
  EXPECT_EQ(sim->Log().back().refused, "length");
  EXPECT_TRUE(Reply_To(*sim, Packet({0x1E}, {0})).empty());  // ordinary commands are 8 bytes
}

TEST_F(ProgrammerTest, ProgramsAndReadsBackWithTheChipsPhysics) {
  Reply_To(*sim, Packet({0x10, 2, 2, 4}));  // 27C256
  auto r = Reply_To(*sim, Packet({0x30, 0, 0x00, 0x01, 0x00, 0, 3}, {0x12, 0x34, 0xFF}));
  EXPECT_EQ(r[6], 0x00);
  r = Reply_To(*sim, Packet({0x20, 0, 0, 0x01, 0x00, 0, 4}));
  ASSERT_EQ(r.size(), 12u);
  EXPECT_EQ(std::vector<uint8_t>(r.begin() + 8, r.end()),
            (std::vector<uint8_t>{0x12, 0x34, 0xFF, 0xFF}));
  r = Reply_To(*sim, Packet({0x30, 0, 0x00, 0x01, 0x00, 0, 1}, {0xFF}));  // 0x12 cannot rise
  EXPECT_EQ(r[6], 0xFF);
}

TEST_F(ProgrammerTest, AddressFlagBitsAreAddressLinesAsTheyCome) {
  Reply_To(*sim, Packet({0x10, 2, 0, 15}));  // M48T08: static RAM
  Reply_To(*sim, Packet({0x30, 0, 0x00, 0x3F, 0xF8, 0, 1}, {0x42}));
  EXPECT_EQ(sim->Chip().Read(0x3FF8), 0x42);
  auto r = Reply_To(*sim, Packet({0x20, 0, 0, 0x3F, 0xF8, 0, 1}));
  EXPECT_EQ(r[8], 0x42);
}

TEST_F(ProgrammerTest, FaultsStrikeTheirPacket) {
  Options o;
  o.faults = {
      {Fault::Silent, 2}, {Fault::Fail_Block, 1}, {Fault::Short_Write, 4}, {Fault::Lose, 5}};
  sim = &Install(o);
  ASSERT_TRUE(sim->Open(Programmer::kSerial));
  EXPECT_EQ(Reply_To(*sim, Packet({0x56})).size(), 8u);            // 1
  EXPECT_TRUE(Reply_To(*sim, Packet({0x56})).empty());             // 2: silent
  auto r = Reply_To(*sim, Packet({0x30, 0, 0, 0, 0, 0, 1}, {0}));  // 3: first block fails
  EXPECT_EQ(r[6], 0xFF);
  auto p = Packet({0x56});
  EXPECT_EQ(sim->Write(p.data(), p.size()), 4u);  // 4: half of it taken, no reply
  EXPECT_EQ(sim->Rx_Queued(), 0u);
  EXPECT_EQ(sim->Write(p.data(), p.size()), 0u);  // 5: lost from here on
  EXPECT_TRUE(sim->Lost());
  EXPECT_EQ(sim->Device_Count(), 0u);
}

TEST_F(ProgrammerTest, TraceLinesShowHeadersDataCountsAndRefusals) {
  std::string path = ::testing::TempDir() + "trace.txt";
  std::remove(path.c_str());
  Options o;
  o.trace_file = path;
  sim = &Install(o);
  ASSERT_TRUE(sim->Open(Programmer::kSerial));
  Reply_To(*sim, Packet({0x56}));
  Reply_To(*sim, Packet({0x20, 0, 0, 0, 0, 0, 2}));
  auto bad = Packet({0x1E});
  bad[7] = 0;
  Reply_To(*sim, bad);
  Install({});  // closes the trace
  auto lines = common::Read_Lines(path);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{
                        "> 56 00 00 00 00 00 00 56",
                        "< 56 03 3D 00 00 00 00 00",
                        "> 20 00 00 00 00 00 02 22",
                        "< 20 00 00 00 00 00 00 00 +2",
                        "> 1E 00 00 00 00 00 00 00 !checksum",
                    }));
}

TEST_F(ProgrammerTest, ChipFileIsReadAtOpenWrittenBackAtCloseAndNobodyElsesMeanwhile) {
  std::string path = ::testing::TempDir() + "socket.bin";
  std::remove(path.c_str());
  Options o;
  o.chip_file = path;
  sim = &Install(o);
  ASSERT_TRUE(sim->Open(Programmer::kSerial));
  Reply_To(*sim, Packet({0x10, 2, 0, 21}));  // 28C256
  Reply_To(*sim, Packet({0x30, 0, 0, 0, 2, 0, 2}, {0xAB, 0xCD}));
  Programmer other(o);  // as another process would make it: refused as a second open is
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(other.Open(Programmer::kSerial));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find(path + " is in use"), std::string::npos);
  sim->Close();
  auto data = common::Read_Whole_File(path);
  ASSERT_TRUE(data);
  ASSERT_EQ(data->size(), 4u);
  EXPECT_EQ(static_cast<uint8_t>((*data)[2]), 0xAB);
  ASSERT_TRUE(other.Open(Programmer::kSerial));
  EXPECT_EQ(other.Chip().Read(3), 0xCD);  // what the first one left in the socket
  other.Close();

  sim = &Install(o);
  EXPECT_EQ(sim->Chip().Read(3), 0xCD);
}

TEST_F(ProgrammerTest, AChipFileThatIsNoImageRefusesTheOpenAndIsLeftAsItWas) {
  common::testing::Hang_Guard guard;
  std::string dir = ::testing::TempDir() + "bad_chips";
  for (const auto& f : common::testing::Make_Bad_Files(dir, Memory_Chip::kMaxSize)) {
    Options o;
    o.chip_file = f.path;
    ::testing::internal::CaptureStderr();
    {
      Programmer p(o);
      EXPECT_FALSE(p.Open(Programmer::kSerial)) << f.what;
    }
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(f.path), std::string::npos) << f.what;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(dir + "/fifo"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir + "/zero"));
  EXPECT_EQ(std::filesystem::file_size(dir + "/oversize"), Memory_Chip::kMaxSize + 1);
}

TEST_F(ProgrammerTest, FirmwareUpdateReportsItsSumAndRestartsOnTheNewVersion) {
  std::vector<uint8_t> fw(Programmer::kFirmwarePacket, 0);
  fw[0] = Programmer::kFirmwareCommand;
  fw[4] = 3;
  fw[5] = 70;
  for (size_t i = 8; i < fw.size(); ++i) fw[i] = static_cast<uint8_t>(i);
  unsigned s = 0;
  for (int i = 0; i < 7; ++i) s += fw[i];
  fw[7] = static_cast<uint8_t>(s);
  unsigned sum = 0;
  for (size_t i = 8; i < fw.size(); ++i) sum += fw[i];
  EXPECT_EQ(Reply_To(*sim, fw).size(), 8u);
  auto r = Reply_To(*sim, Packet({0xAA, 0x43}));
  EXPECT_EQ(r[2], static_cast<uint8_t>(sum >> 8));
  EXPECT_EQ(r[3], static_cast<uint8_t>(sum));
  EXPECT_EQ(sim->Firmware_Version(), 3 * 256 + 61);
  Reply_To(*sim, Packet({0x53}));
  EXPECT_EQ(sim->Firmware_Version(), 3 * 256 + 70);
  EXPECT_EQ(Reply_To(*sim, Packet({0x56}))[2], 70);
}

TEST_F(ProgrammerTest, OnlyTheProgrammersExactSerialOpens) {
  Options o;
  o.serials = {"FTKV9USBX", "FT000001"};
  sim = &Install(o);
  EXPECT_FALSE(sim->Open("FTKV9USBX"));
  EXPECT_FALSE(sim->Open(Programmer::kSerial));
  o.serials = {"FTKV9USB"};
  sim = &Install(o);
  EXPECT_TRUE(sim->Open(Programmer::kSerial));
  EXPECT_FALSE(sim->Open(Programmer::kSerial));  // already open
}

}  // namespace
}  // namespace progsim
