// A link on a fresh simulated programmer, with a recording host.
#pragma once

#include <gtest/gtest.h>

#include "proglink/link.h"
#include "proglink/testing/recording_host.h"
#include "progsim/programmer.h"

namespace proglink {

class LinkTest : public ::testing::Test {
 protected:
  explicit LinkTest(Variant v = Variant::Kv9()) : link(host, controls, dev, v) {}

  // A found and identified programmer, with the search's packets out of the log.
  void Connect(progsim::Options o = {}) {
    sim = &progsim::Install(o);
    link.Find_Programmer();
    ASSERT_EQ(link.Connection, proglink::connection::Ready);
    sim->Clear_Log();
  }
  std::vector<progsim::Transfer> Sent() const { return sim->Sent(); }
  const uint8_t* Pkt() const { return Link::Packet(); }

  progsim::Programmer* sim = nullptr;
  Recording_Host host;
  Controls controls{host};
  Device_Setup dev;
  Link link;
};

}  // namespace proglink
