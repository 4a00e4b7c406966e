// kv9 run in-process against a fresh simulated programmer, in a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_file.h"
#include "memprog/cli/run.h"
#include "proglink/testing/front_end_test.h"
#include "proglink/testing/sent_packets.h"
#include "progsim/programmer.h"

namespace memprog::cli {

class CliTest : public proglink::Front_End_Test {
 protected:
  CliTest() : Front_End_Test("kv9cli_", Run_Kv9) {}
  void SetUp() override {
    Front_End_Test::SetUp();
    Plug();
  }

  // A fresh simulated programmer; the chip in its socket is `chip.bin` of the test's folder.
  progsim::Programmer& Plug(progsim::Options o = {}) {
    if (o.chip_file.empty()) o.chip_file = "chip.bin";
    sim = &progsim::Install(o);
    return *sim;
  }

  // n bytes of a pattern that is neither blank nor zero anywhere it matters.
  static std::vector<uint8_t> Pattern(size_t n, uint8_t seed = 3) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 7 + seed + (i >> 8));
    return v;
  }
  // An update file of `packets` firmware packets whose check bytes are right, or off by one.
  void Firmware_File(const std::string& path, int packets, bool good) {
    std::vector<uint8_t> f(16);
    const char sig[] = "Update File\x06";
    std::copy(sig, sig + 12, f.begin() + 2);
    uint16_t sum = 0;
    for (int p = 0; p < packets; ++p) {
      std::vector<uint8_t> packet = Pattern(2058, static_cast<uint8_t>(p));
      packet[0] = 0x5A;
      packet[2] = 0;
      packet[3] = static_cast<uint8_t>(p);
      packet[4] = 3;
      packet[5] = 62;
      for (size_t i = 8; i < packet.size(); ++i) sum = static_cast<uint16_t>(sum + packet[i]);
      f.insert(f.end(), packet.begin(), packet.end());
    }
    if (!good) ++sum;
    f[14] = static_cast<uint8_t>(sum >> 8);
    f[15] = static_cast<uint8_t>(sum);
    Write(path, f);
  }
  std::vector<uint8_t> Sent_Codes() const { return proglink::Sent_Codes(*sim); }
  size_t Count_Sent(uint8_t code) const { return proglink::Sent_With(*sim, code).size(); }
};

}  // namespace memprog::cli
