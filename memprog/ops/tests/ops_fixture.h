// Operations on a started Win_KV9 with a device selected, against the simulated programmer.
#pragma once

#include "memprog/core/selection.h"
#include "memprog/core/tests/kv9_fixture.h"
#include "proglink/testing/sent_packets.h"

namespace memprog {

class OpsTest : public Kv9Test {
 protected:
  void Select(int code, progsim::Options o = {}) {
    Start(o);
    k->Device_Code = code;
    Select_Device(*k);
    sim->Clear_Log();
    host.messages.clear();
  }
  std::vector<progsim::Transfer> Sent_With(uint8_t code) { return proglink::Sent_With(*sim, code); }
  static uint32_t Address(const progsim::Transfer& t) {
    return t[1] << 24 | t[2] << 16 | t[3] << 8 | t[4];
  }
  static uint32_t Count(const progsim::Transfer& t) { return t[5] << 8 | t[6]; }
  std::string Status() { return k->ui["StaticText3"].caption; }
  const std::deque<std::string>& Memo() { return k->link.Memo1().Lines(); }
};

}  // namespace memprog
