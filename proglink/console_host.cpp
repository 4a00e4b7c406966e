#include "proglink/console_host.h"

#include <ostream>

#include "proglink/message_area.h"

namespace proglink {

std::string Console_Text(const std::string& text) {
  std::string s;
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) s.push_back(text[i]);
  return s;
}

void Console_Host::Control_Changed(const std::string& name, const Control_State& state,
                                   Field field) {
  if (name == "StaticText3" && field == Field::Caption) status_ = state.caption;
}

void Console_Host::Memo_Changed(const Message_Area& area, Memo_Event event,
                                const std::string& line) {
  if (event != Memo_Event::Inserted && event != Memo_Event::Added) return;
  (area.Name() == "Memo2" ? err_ : out_) << Console_Text(line) << '\n';
}

void Console_Host::Show_Message(const std::string& text, Box, Screen_Pos) {
  err_ << Console_Text(text) << '\n';
}

bool Console_Host::Ask_Yes_No(const std::string& text, Screen_Pos) {
  err_ << Console_Text(text) << "\n(no answer on the command line: No)\n";
  return false;
}

std::optional<std::string> Console_Host::Choose_File(const File_Dialog&) {
  if (files.empty()) return std::nullopt;
  std::string f = files.front();
  files.pop_front();
  return f;
}

void Console_Host::Pump_Messages() {
  if (timer_on_ && std::chrono::steady_clock::now() >= deadline_) {
    deadline_ += interval_;
    if (Timer_Event) Timer_Event();
  }
}

void Console_Host::Set_Timer(bool enabled, int interval_ms) {
  timer_on_ = enabled;
  interval_ = std::chrono::milliseconds(interval_ms);
  deadline_ = std::chrono::steady_clock::now() + interval_;
}

}  // namespace proglink
