// A host for logic tests: records what the logic shows, answers questions and file dialogs as
// scripted, and runs the reply timer on a count of message pumps instead of the clock, so that a
// time-out takes microseconds.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "proglink/host.h"

namespace proglink {

class Recording_Host : public Host {
 public:
  struct Message {
    std::string text;
    Box kind;
    Screen_Pos at;
  };
  struct Question {
    std::string text;
    Screen_Pos at;
  };

  // ---- script
  std::deque<bool> answers;  // Yes/No answers in order; `default_answer` when they run out
  bool default_answer = false;
  std::deque<std::optional<std::string>> files;  // file dialog results; cancel when they run out
  std::function<void(int pump)> on_pump;         // runs inside every pump (a click, say)
  int timer_fires_after = 3;                     // pumps while the timer runs

  // ---- record
  std::vector<Message> messages;
  std::vector<Question> questions;
  std::vector<File_Dialog> dialogs;
  int pumps = 0;
  bool timer_running = false;
  int timer_interval = 0;
  int timer_fired = 0;
  bool window_closed = false;
  Window_Geometry geometry{703, 514, 100, 100};

  void Control_Changed(const std::string& name, const Control_State& state, Field field) override;
  void Memo_Changed(const Message_Area&, Memo_Event, const std::string&) override {}
  void Show_Message(const std::string& text, Box kind, Screen_Pos at) override;
  bool Ask_Yes_No(const std::string& text, Screen_Pos at) override;
  std::optional<std::string> Choose_File(const File_Dialog& dialog) override;
  void Pump_Messages() override;
  void Set_Timer(bool enabled, int interval_ms) override;
  void Close_Window() override { window_closed = true; }
  Window_Geometry Geometry() const override { return geometry; }
  void Set_Geometry(const Window_Geometry& g) override { geometry = g; }

  std::vector<std::string> Message_Texts() const;
  // Every caption a control was given, in order.
  std::vector<std::string> Captions_Of(const std::string& name) const;
  bool record_captions = true;

 private:
  int timer_pumps_ = 0;
  std::vector<std::pair<std::string, std::string>> captions_;
};

}  // namespace proglink
