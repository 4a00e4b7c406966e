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
  std::vector<uint8_t> Sent_Codes() const { return proglink::Sent_Codes(*sim); }
  size_t Count_Sent(uint8_t code) const { return proglink::Sent_With(*sim, code).size(); }
};

}  // namespace memprog::cli
