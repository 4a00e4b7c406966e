// Win_Mcu9's operations on a fresh simulated programmer holding the selected part in its socket.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "picprog/catalogue/catalogue.h"
#include "picprog/core/mcu9.h"
#include "picprog/ops/pic_ops.h"
#include "proglink/testing/recording_host.h"
#include "proglink/testing/sent_packets.h"
#include "progsim/programmer.h"

namespace picprog {

// Device codes of the catalogue.
constexpr int k12C508 = 1, k12F629 = 9, k12F675 = 10, k16C52 = 11, k16C58B = 22, k16F73 = 68,
              k16F84 = 73, k16F628 = 78, k16F877 = 96, k16F877A = 97, k12F508 = 98, k12F509 = 99,
              k16F684 = 106, k16C505 = 116;

class PicOpsTest : public ::testing::Test {
 protected:
  // A programmer with the part of `code` in its socket and the given faults, found, and the part
  // selected as the selection procedure would.
  void Socket(int code, std::vector<progsim::Fault> faults = {}) {
    const Pic_Device* d = Find_Device(code);
    ASSERT_NE(d, nullptr) << code;
    progsim::Options o;
    o.pic = std::string(d->caption);
    o.faults = std::move(faults);
    sim = &progsim::Install(o);
    m = std::make_unique<Mcu9>(host);
    m->link.Find_Programmer();
    ASSERT_EQ(m->link.Connection, proglink::connection::Ready);
    Select(*m, *d);
    sim->Clear_Log();
    host.messages.clear();
  }
  static void Select(Mcu9& mcu, const Pic_Device& d) {
    mcu.Device_Code = d.code;
    mcu.Family = d.family;
    mcu.Prog_End = d.prog_end;
    mcu.Pin_Code = d.pin_code;
    mcu.EE_Size = d.ee_size;
    mcu.EE_End = EE_End(d.ee_size);
    mcu.Erase_Flag = Can_Erase(d.family) ? 1 : 0;
    mcu.Fuse_Blank = Fuse_Blank(d.family);
    mcu.Fuse.Decode(mcu.Fuse_Blank & 0x3FFF, d.family);
  }

  progsim::Pic_Chip& Chip() { return sim->Pic().Chip(); }
  Pic_Buf& Buf() { return m->Buf(); }
  std::string Status() { return m->ui["StaticText3"].caption; }
  const std::deque<std::string>& Memo() { return m->link.Memo1().Lines(); }

  // The host's packets, refused ones included.
  std::vector<progsim::Transfer> Sent_With(uint8_t code) { return proglink::Sent_With(*sim, code); }
  std::vector<uint8_t> Codes() { return proglink::Sent_Codes(*sim); }
  size_t Refused() {
    auto sent = sim->Sent();
    return std::count_if(sent.begin(), sent.end(), [](auto& t) { return !t.refused.empty(); });
  }
  static uint16_t Count(const progsim::Transfer& t) {
    return static_cast<uint16_t>(t[5] << 8 | t[6]);
  }
  // Bytes 1..6 of a packet.
  static std::vector<uint8_t> Params(const progsim::Transfer& t) {
    return {t[1], t[2], t[3], t[4], t[5], t[6]};
  }
  // Data word i of a programming packet, high byte first.
  static uint16_t Data_Word(const progsim::Transfer& t, size_t i) {
    return static_cast<uint16_t>(t.data.at(2 * i) << 8 | t.data.at(2 * i + 1));
  }

  // Buffer words from..to (inclusive) filled with a pattern of the core's width.
  void Pattern(uint16_t from, uint16_t to, uint16_t mask, unsigned seed = 1) {
    for (unsigned a = from; a <= to; ++a)
      Buf()[a] = static_cast<uint16_t>((a * 0x2F1 + seed * 0x111) & mask);
  }

  progsim::Programmer* sim = nullptr;
  proglink::Recording_Host host;
  std::unique_ptr<Mcu9> m;
};

}  // namespace picprog
