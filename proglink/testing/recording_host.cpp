#include "proglink/testing/recording_host.h"

namespace proglink {

void Recording_Host::Control_Changed(const std::string& name, const Control_State& state,
                                     Field field) {
  if (field == Field::Caption && record_captions) captions_.emplace_back(name, state.caption);
}

std::vector<std::string> Recording_Host::Captions_Of(const std::string& name) const {
  std::vector<std::string> out;
  for (const auto& [n, c] : captions_)
    if (n == name) out.push_back(c);
  return out;
}

void Recording_Host::Show_Message(const std::string& text, Box kind, Screen_Pos at) {
  messages.push_back({text, kind, at});
}

bool Recording_Host::Ask_Yes_No(const std::string& text, Screen_Pos at) {
  questions.push_back({text, at});
  if (answers.empty()) return default_answer;
  bool a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> Recording_Host::Choose_File(const File_Dialog& dialog) {
  dialogs.push_back(dialog);
  if (files.empty()) return std::nullopt;
  auto f = files.front();
  files.pop_front();
  return f;
}

void Recording_Host::Pump_Messages() {
  ++pumps;
  if (on_pump) on_pump(pumps);
  if (timer_running && ++timer_pumps_ >= timer_fires_after) {
    timer_pumps_ = 0;
    ++timer_fired;
    if (Timer_Event) Timer_Event();
  }
}

void Recording_Host::Set_Timer(bool enabled, int interval_ms) {
  timer_running = enabled;
  timer_interval = interval_ms;
  timer_pumps_ = 0;
}

std::vector<std::string> Recording_Host::Message_Texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

}  // namespace proglink
