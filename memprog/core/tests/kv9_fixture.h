// Win_KV9's logic on a fresh simulated programmer, in a folder of its own, with a recording host.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>

#include "memprog/core/kv9.h"
#include "memprog/core/main_form.h"
#include "proglink/testing/folder_test.h"
#include "proglink/testing/recording_host.h"
#include "proglink/testing/sent_packets.h"
#include "progsim/programmer.h"

namespace memprog {

class Kv9Test : public proglink::Folder_Test {
 protected:
  Kv9Test() : Folder_Test("kv9_") {}
  void TearDown() override {
    Folder_Test::TearDown();
    if (k) {
      EXPECT_EQ(k->ui.Undesigned(), std::vector<std::string>{}) << "controls the window lacks";
    }
  }

  // Creates the window's logic and runs its start-up sequence.
  void Start(progsim::Options o = {}) {
    sim = &progsim::Install(o);
    k = std::make_unique<Kv9>(host);
    FormCreate(*k);
    FormActivate(*k);
    sim->Clear_Log();
  }
  proglink::Controls& ui() { return k->ui; }
  bool Enabled(const char* name) { return k->ui[name].enabled; }
  bool Visible(const char* name) { return k->ui[name].visible; }
  std::vector<uint8_t> Codes() { return proglink::Sent_Codes(*sim); }

  progsim::Programmer* sim = nullptr;
  proglink::Recording_Host host;
  std::unique_ptr<Kv9> k;
};

}  // namespace memprog
