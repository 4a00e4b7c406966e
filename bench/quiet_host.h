// A host for the benchmarks: shows nothing, pumps nothing and gives every question the same
// answer, so that only the logic and the simulated programmer are timed.
#pragma once

#include <optional>
#include <string>

#include "proglink/host.h"

class Quiet_Host : public proglink::Host {
 public:
  explicit Quiet_Host(bool answer) : answer_(answer) {}

  void Control_Changed(const std::string&, const proglink::Control_State&,
                       proglink::Field) override {}
  void Memo_Changed(const proglink::Message_Area&, proglink::Memo_Event,
                    const std::string&) override {}
  void Show_Message(const std::string&, proglink::Box, proglink::Screen_Pos) override {}
  bool Ask_Yes_No(const std::string&, proglink::Screen_Pos) override { return answer_; }
  std::optional<std::string> Choose_File(const proglink::File_Dialog&) override { return {}; }
  void Pump_Messages() override {}
  void Set_Timer(bool, int) override {}

 private:
  bool answer_;
};
