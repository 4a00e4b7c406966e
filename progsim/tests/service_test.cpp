// Electronic ID (0x18), Vpp calibration (0x70, 0x72) and the adapter test (0x78).
#include <gtest/gtest.h>

#include "progsim/tests/sim_host.h"

namespace progsim {
namespace {

using Bytes = Sim_Host::Bytes;
constexpr uint8_t kMethods[] = {1, 2, 4, 8, 16};
using Id = std::pair<uint8_t, uint8_t>;
constexpr Id kUnknown{0xFF, 0xFF}, kIntel27C256{0x89, 0x8C};

// Manufacturer and device byte of the reply to 0x18 with byte 1 = the method; the other bytes
// carry what the previous packet left.
Id Id_Reply(Sim_Host& host, uint8_t method) {
  Bytes r = host.Send(0x18, {{1, method}});
  EXPECT_EQ(r.size(), 8u);
  EXPECT_EQ(r[0], 0x18);
  EXPECT_EQ(r[6], 0x00);
  return {r[4], r[5]};
}

TEST(ElectronicId, WithoutAnIdEveryMethodGetsAPairInNoTable) {
  Sim_Host host;
  host.Send(0x1E);
  for (uint8_t m : kMethods) EXPECT_EQ(Id_Reply(host, m), kUnknown) << int(m);
}

TEST(ElectronicId, TheChipAnswersItsIdToEveryMethodItKnows) {
  Options o;
  o.id = kIntel27C256;
  Sim_Host all(o);
  for (uint8_t m : kMethods) EXPECT_EQ(Id_Reply(all, m), kIntel27C256) << int(m);
  EXPECT_EQ(Id_Reply(all, 3), kUnknown);  // no such method
  EXPECT_EQ(Id_Reply(all, 0), kUnknown);

  o.id_methods = 4 | 16;
  Sim_Host some(o);
  std::vector<Id> answers;
  for (uint8_t m : kMethods) answers.push_back(Id_Reply(some, m));
  EXPECT_EQ(answers, (std::vector<Id>{kUnknown, kUnknown, kIntel27C256, kUnknown, kIntel27C256}));
}

// A test step: 0x70 with the supply code, trim 0, the selector and the level; reply byte 6.
uint8_t Test_Step(Sim_Host& host, uint8_t supply, uint8_t selector, uint8_t level) {
  return host.Send(0x70, {{1, supply}, {2, 0}, {3, selector}, {4, level}}).at(6);
}

// Vpp Up / Vpp Down: apply the trim, then store it into the level.
uint8_t Trim(Sim_Host& host, uint8_t supply, uint8_t trim, uint8_t level) {
  uint8_t shown = host.Send(0x70, {{1, supply}, {2, trim}, {3, 7}, {4, 0}}).at(6);
  host.Send(0x72, {{1, 2}, {2, 0}, {3, 0}, {4, 0}});
  host.Send(0x72, {{1, 2}, {2, 0}, {3, level}, {4, trim}});
  return shown;
}

TEST(VppCalibration, UpTwiceAtStep5StoresTheTrimsOf12Point75Volts) {
  Sim_Host host;
  uint8_t cal = Test_Step(host, 2, 31, 2);  // "Vpp = 12.75"
  EXPECT_EQ(cal, 0x80);
  EXPECT_EQ(Trim(host, 2, ++cal, 2), 0x81);
  EXPECT_EQ(host.sim.Calibration().Stored(2), 0x81);
  EXPECT_EQ(Trim(host, 2, ++cal, 2), 0x82);
  EXPECT_EQ(host.sim.Calibration().Stored(2), 0x82);
  for (int level : {1, 3, 4}) EXPECT_EQ(host.sim.Calibration().Stored(level), 0x80);

  host.Send(0x70, {{1, 2}, {2, 0}, {3, 0}, {4, 0}});  // Quit Test
  EXPECT_EQ(host.sim.Calibration().Level(), 0);
  EXPECT_EQ(Test_Step(host, 2, 31, 3), 0x80);  // "Vpp = 21"
  EXPECT_EQ(Test_Step(host, 2, 31, 2), 0x82);  // the stored trim is back in use
}

TEST(VppCalibration, AdjustingDuringASupplyStepWorksOnLevel1) {
  Sim_Host host;
  EXPECT_EQ(Test_Step(host, 0, 20, 0), 0x80);  // "Vcc = 3"
  EXPECT_EQ(Trim(host, 0, 0x7F, 1), 0x7F);     // Vpp Down
  EXPECT_EQ(Test_Step(host, 0x42, 20, 0), 0x7F);
  EXPECT_EQ(Test_Step(host, 2, 31, 1), 0x7F);  // "Vpp = 12V"
}

TEST(VppCalibration, AStoreWithoutTheOpeningCommandIsIgnored) {
  Sim_Host host;
  host.Send(0x72, {{1, 2}, {2, 0}, {3, 4}, {4, 0x10}});
  EXPECT_EQ(host.sim.Calibration().Stored(4), 0x80);
  host.Send(0x72, {{1, 2}, {2, 0}, {3, 0}, {4, 0}});
  host.Send(0x72, {{1, 2}, {2, 0}, {3, 4}, {4, 0x10}});
  host.Send(0x72, {{1, 2}, {2, 0}, {3, 4}, {4, 0x11}});  // one store per opening
  EXPECT_EQ(host.sim.Calibration().Stored(4), 0x10);
}

Bytes Adapter_Reply(Sim_Host& host) {
  Bytes r = host.Send(0x78, {{1, 0}, {2, 0}, {3, 0}, {4, 0}});
  EXPECT_EQ(r.size(), 8u);
  return r.size() == 8 ? Bytes(r.begin() + 1, r.begin() + 5) : Bytes{};
}

TEST(AdapterTest, NoAdapterByDefaultAndTheAnswerAnOptionSets) {
  Sim_Host none;
  EXPECT_EQ(Adapter_Reply(none), (Bytes{'B', 'G', 0x01, 0x00}));
  Options o;
  o.adapter = {'P', 'T', 0x28, 0x28};
  Sim_Host pass(o);
  EXPECT_EQ(Adapter_Reply(pass), (Bytes{'P', 'T', 0x28, 0x28}));
}

}  // namespace
}  // namespace progsim
