// kv9 run in-process against a fresh simulated programmer, in a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "memprog/cli/run.h"
#include "proglink/testing/folder_test.h"
#include "progsim/programmer.h"

namespace memprog::cli {

class CliTest : public proglink::Folder_Test {
 protected:
  CliTest() : Folder_Test("kv9cli_") {}
  void SetUp() override {
    Folder_Test::SetUp();
    Plug();
  }

  // A fresh simulated programmer; the chip in its socket is `chip.bin` of the test's folder.
  progsim::Programmer& Plug(progsim::Options o = {}) {
    if (o.chip_file.empty()) o.chip_file = "chip.bin";
    sim = &progsim::Install(o);
    return *sim;
  }

  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return Run_Kv9(args, out, err);
  }

  std::vector<std::string> Out_Lines() const { return common::Split_Lines(out.str()); }

  static void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  static void Write_Text(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::vector<uint8_t> Read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }
  // n bytes of a pattern that is neither blank nor zero anywhere it matters.
  static std::vector<uint8_t> Pattern(size_t n, uint8_t seed = 3) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 7 + seed + (i >> 8));
    return v;
  }
  std::vector<uint8_t> Sent_Codes() const {
    std::vector<uint8_t> codes;
    for (const auto& t : sim->Sent()) codes.push_back(t.Code());
    return codes;
  }
  size_t Count_Sent(uint8_t code) const {
    size_t n = 0;
    for (const auto& t : sim->Sent()) n += t.Code() == code;
    return n;
  }

  progsim::Programmer* sim = nullptr;
  std::ostringstream out, err;
};

}  // namespace memprog::cli
