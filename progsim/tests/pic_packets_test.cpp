// The simulated PIC's side of the protocol, packet by packet: the lengths it refuses, its address
// counter, the pin set-up that puts it in PIC mode and the failed-block fault. (Win_Mcu9's own
// routines run against it in picprog's tests.)
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "progsim/programmer.h"
#include "sim_host.h"

namespace progsim {
namespace {

using Bytes = Sim_Host::Bytes;
using Words = std::vector<uint16_t>;

class PicPackets : public ::testing::Test {
 protected:
  void Socket(const char* caption, std::vector<Fault> faults = {}) {
    Options o;
    o.pic = caption;
    o.faults = std::move(faults);
    host = std::make_unique<Sim_Host>(o);
  }
  Pic_Chip& Chip() { return host->sim.Pic().Chip(); }
  // 0x10 and 0x1C as every operation starts: 5 V, 12.75 V and the part's own pins.
  void Pic_Begin() {
    host->Send(0x10, {{1, 2}, {2, 2}, {3, Chip().Part().pin}, {4, 0}});
    host->Send(0x1C, {{1, 1}, {2, 0}, {3, 0}, {4, 0}});
  }
  static Bytes Data(const Words& words) {
    Bytes data;
    for (uint16_t w : words) data.insert(data.end(), {Sim_Host::B(w >> 8), Sim_Host::B(w)});
    return data;
  }
  // 0x30 with the selectors and count; reply byte 6, or nullopt when the packet was refused.
  std::optional<uint8_t> Program(uint8_t s1, uint8_t s2, uint16_t count, const Bytes& data) {
    Bytes r = host->Send(
        0x30,
        {{1, s1}, {2, s2}, {3, 0}, {4, 0}, {5, Sim_Host::B(count >> 8)}, {6, Sim_Host::B(count)}},
        data);
    if (r.empty()) return std::nullopt;
    return r[6];
  }
  Words Read(uint8_t area, uint16_t count) {
    Bytes r = host->Send(
        0x20,
        {{1, area}, {2, 0}, {3, 0}, {4, 0}, {5, Sim_Host::B(count >> 8)}, {6, Sim_Host::B(count)}});
    Words words;
    for (size_t i = 8; i + 1 < r.size(); i += 2)
      words.push_back(static_cast<uint16_t>(r[i] << 8 | r[i + 1]));
    return words;
  }
  void Increment_Address() { host->Send(0x22, {{1, 6}, {2, 0}, {3, 0}, {4, 1}, {5, 0}, {6, 0}}); }
  void Load_Configuration() {
    host->Send(0x22, {{1, 0}, {2, 0x3F}, {3, 0xFF}, {4, 0}, {5, 0}, {6, 0}});
  }
  bool Refused_For_Length() const { return host->sim.Log().back().refused == "length"; }

  std::unique_ptr<Sim_Host> host;
};

TEST_F(PicPackets, RefusesProgrammingPacketsOfTheWrongLength) {
  Socket("16F628");
  Pic_Begin();
  const Bytes words = Data(Words(1025, 0x0123));
  auto first = [&](size_t bytes) { return Bytes(words.begin(), words.begin() + bytes); };
  EXPECT_EQ(Program(4, 2, 8, first(2 * 7)), std::nullopt);  // a word short
  EXPECT_TRUE(Refused_For_Length());
  EXPECT_EQ(Program(4, 2, 8, first(2 * 1024 + 2)), std::nullopt);  // past the block buffer
  EXPECT_EQ(Program(4, 2, 1025, first(2 * 1025)), std::nullopt);

  // The data EEPROM form: exactly 2n + 9 bytes, n = 64, 128 or 256, and 0x0010 in bytes 5..6.
  for (size_t n : {2 * 128 + 8, 2 * 100 + 9, 2 * 512 + 9}) {
    Bytes data = words;
    data.resize(n - 8);
    EXPECT_EQ(Program(5, 3, 0x10, data), std::nullopt) << n;
  }
  Bytes ee = words;
  ee.resize(2 * 128 + 1);
  EXPECT_EQ(Program(5, 3, 0x80, ee), std::nullopt);
  host->Send(0x22, {{1, 6}, {2, 0}, {3, 0}, {4, 1}, {5, 0}, {6, 0}}, {0});  // 9 bytes, not 8
  EXPECT_TRUE(Refused_For_Length());
  EXPECT_EQ(host->sim.Pic().Counter(), 0);
  EXPECT_EQ(Chip().Word(0), 0x3FFF);
  EXPECT_EQ(Chip().Data(0), 0xFF);

  EXPECT_EQ(Program(5, 3, 0x10, ee), 0);
  EXPECT_EQ(Chip().Data(0), 0x23);
}

TEST_F(PicPackets, DataEepromAddressIsTheCountersLowBits) {
  Socket("16F628");
  Pic_Begin();
  Words bytes(128);
  for (uint16_t i = 0; i < 128; ++i) bytes[i] = 0x80 + i;
  Bytes ee = Data(bytes);
  ee.push_back(0);
  ASSERT_EQ(Program(5, 3, 0x10, ee), 0);
  for (int i = 0; i < 0x85; ++i) Increment_Address();
  EXPECT_EQ(Read(5, 2), (Words{0x85, 0x86}));
  Load_Configuration();
  EXPECT_EQ(Read(5, 1), (Words{0x80}));
}

TEST_F(PicPackets, PicModeFollowsThePinSetupAndThePartAnswersOnlyOnItsOwnPins) {
  Socket("16F84/A");
  Pic_Firmware& pic = host->sim.Pic();
  EXPECT_FALSE(pic.Active());
  host->Send(0x10, {{1, 2}, {2, 2}, {3, 75}, {4, 0}});  // a 16F87xA's pins
  EXPECT_TRUE(pic.Active());
  EXPECT_FALSE(pic.Programming());
  EXPECT_EQ(Read(4, 2), Words(2, 0));
  EXPECT_EQ(Program(4, 2, 1, Data({0x1234})), 0xFF);
  EXPECT_EQ(Chip().Word(0), 0x3FFF);
  host->Send(0x10, {{1, 2}, {2, 0}, {3, 70}, {4, 0}});  // no programming voltage
  EXPECT_FALSE(pic.Programming());

  Pic_Begin();
  EXPECT_TRUE(pic.Programming());
  host->Send(0x53);
  EXPECT_FALSE(pic.Programming());

  // A family of Win_KV9 ends PIC mode: 0x30 counts bytes for the memory chip again.
  host->Send(0x10, {{1, 2}, {2, 2}, {3, 4}, {4, 0}});
  EXPECT_FALSE(pic.Active());
  EXPECT_EQ(Program(0, 0, 2, Data({0x1234})), 0);
  EXPECT_EQ(host->sim.Chip().Read(1), 0x34);
  EXPECT_EQ(Chip().Word(0), 0x3FFF);
}

TEST_F(PicPackets, TheFailedBlockFaultStrikesOnlyItsBlockBeforeItIsWritten) {
  Socket("16F877", {{Fault::Fail_Block, 2}});
  Pic_Begin();
  Words words(1024);
  for (uint16_t block = 0; block < 3; ++block) {
    for (uint16_t i = 0; i < 1024; ++i) words[i] = (block * 1024 + i) & 0x3FFF;
    EXPECT_EQ(Program(4, 2, 1024, Data(words)), block == 1 ? 0xFF : 0) << block;
  }
  EXPECT_EQ(Chip().Word(0x3FF), 0x3FF);
  EXPECT_EQ(Chip().Word(0x400), 0x3FFF);
  EXPECT_EQ(Chip().Word(0x800), 0x800);
}

}  // namespace
}  // namespace progsim
