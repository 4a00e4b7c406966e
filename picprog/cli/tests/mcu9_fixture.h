// mcu9 run in-process against a fresh simulated programmer holding a PIC, in a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "picprog/cli/run.h"
#include "picprog/files/pic_buf.h"
#include "proglink/testing/front_end_test.h"
#include "proglink/testing/sent_packets.h"
#include "progsim/programmer.h"

namespace picprog::cli {

class Mcu9Test : public proglink::Front_End_Test {
 protected:
  Mcu9Test() : Front_End_Test("mcu9cli_", Run_Mcu9) {}
  void SetUp() override {
    Front_End_Test::SetUp();
    Plug();
  }

  // A fresh simulated programmer with `pic` (its catalogue caption) in the socket.
  progsim::Programmer& Plug(const std::string& pic = "16F84/A",
                            std::vector<progsim::Fault> faults = {}) {
    progsim::Options o;
    o.pic = pic;
    o.faults = std::move(faults);
    sim = &progsim::Install(o);
    return *sim;
  }

  progsim::Pic_Chip& Chip() { return sim->Pic().Chip(); }

  // A buffer file's words: `blank` everywhere, program memory 0..last a pattern within `mask`.
  static std::vector<uint16_t> Words(uint16_t blank, uint16_t last, uint16_t mask,
                                     unsigned seed = 1) {
    std::vector<uint16_t> w(kFile_Words, blank);
    for (unsigned a = 0; a <= last; ++a)
      w[a] = static_cast<uint16_t>((a * 0x2F1 + seed * 0x111) & mask);
    return w;
  }
  // Words as a binary buffer file: each low byte first.
  static void Write_Words(const std::string& path, const std::vector<uint16_t>& words) {
    std::vector<uint8_t> bytes;
    for (uint16_t w : words) {
      bytes.push_back(static_cast<uint8_t>(w));
      bytes.push_back(static_cast<uint8_t>(w >> 8));
    }
    Write(path, bytes);
  }
  static std::vector<uint16_t> Read_Words(const std::string& path) {
    const std::vector<uint8_t> bytes = Read(path);
    std::vector<uint16_t> words;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
      words.push_back(static_cast<uint16_t>(bytes[i] | bytes[i + 1] << 8));
    return words;
  }
  std::vector<progsim::Transfer> Sent_With(uint8_t code) const {
    return proglink::Sent_With(*sim, code);
  }
  // Data word i of a programming packet, high byte first.
  static uint16_t Data_Word(const progsim::Transfer& t, size_t i) {
    return static_cast<uint16_t>(t.data.at(2 * i) << 8 | t.data.at(2 * i + 1));
  }
};

}  // namespace picprog::cli
