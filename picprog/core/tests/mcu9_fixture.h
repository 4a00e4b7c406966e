// Win_Mcu9's logic on a fresh simulated programmer, in a folder of its own, with a recording host.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "common/atomic_file.h"
#include "picprog/catalogue/device_box.h"
#include "picprog/core/main_form.h"
#include "picprog/core/mcu9.h"
#include "picprog/core/selection.h"
#include "proglink/testing/folder_test.h"
#include "proglink/testing/recording_host.h"
#include "proglink/testing/sent_packets.h"
#include "progsim/programmer.h"

namespace picprog {

// A recording host that can also look at the window when a message box comes up.
struct Mcu9_Host : proglink::Recording_Host {
  std::function<void()> on_message;
  void Show_Message(const std::string& text, proglink::Box kind, proglink::Screen_Pos at) override {
    Recording_Host::Show_Message(text, kind, at);
    if (on_message) on_message();
  }
};

class Mcu9Test : public proglink::Folder_Test {
 protected:
  Mcu9Test() : Folder_Test("mcu9_") {}
  void TearDown() override {
    Folder_Test::TearDown();
    if (m) {
      EXPECT_EQ(m->ui.Undesigned(), std::vector<std::string>{}) << "controls the window lacks";
    }
  }

  // Creates the window's logic and runs its start-up sequence.
  void Start(progsim::Options o = {}) {
    sim = &progsim::Install(o);
    m = std::make_unique<Mcu9>(host);
    FormCreate(*m);
    FormActivate(*m);
    sim->Clear_Log();
  }
  // Starts, then picks the device of that code from the list.
  void Start_With(int code) {
    Start();
    Pick(code);
    host.messages.clear();
    sim->Clear_Log();
  }
  void Pick(int code) { Device_BoxClick(*m, Line_Of(code)); }
  static int Line_Of(int code) {
    for (size_t i = 0; i < Device_Box_Lines.size(); ++i)
      if (Device_Code_Of_Line(Device_Box_Lines[i]) == code) return static_cast<int>(i);
    ADD_FAILURE() << "no list line for code " << code;
    return -1;
  }
  static void Write(const std::string& path, const std::string& text) {
    ASSERT_EQ(common::Write_Whole_File(path, text), "");
  }

  const proglink::Control_State& ui(const std::string& name) { return m->ui[name]; }
  bool Enabled(const char* name) { return m->ui[name].enabled; }
  bool Visible(const char* name) { return m->ui[name].visible; }
  std::vector<uint8_t> Codes() { return proglink::Sent_Codes(*sim); }

  progsim::Programmer* sim = nullptr;
  Mcu9_Host host;
  std::unique_ptr<Mcu9> m;
};

}  // namespace picprog
