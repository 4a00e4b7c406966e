#include "proglink/console_host.h"

#include <ostream>

#include "common/hex.h"
#include "proglink/message_area.h"

namespace proglink {

std::string Console_Text(const std::string& text) {
  std::string s;
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) s.push_back(text[i]);
  return s;
}

std::optional<uint32_t> Caption_Address(const std::string& caption) {
  size_t first = caption.size();
  while (first > 0 && common::Hex_Digit(caption[first - 1]) >= 0) --first;
  auto value = common::Parse_Hex(std::string_view(caption).substr(first));
  if (!value || *value > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(*value);
}

std::vector<std::string> Console_Host::Take_Held_Lines() {
  std::vector<std::string> lines;
  lines.swap(held_);
  return lines;
}

std::vector<std::string> Console_Host::Take_Held_Boxes() {
  std::vector<std::string> held;
  held.swap(held_boxes_);
  return held;
}

void Console_Host::Limit_Lines(std::optional<uint64_t> max) {
  max_lines_ = max;
  printed_ = omitted_ = 0;
  last_omitted_.clear();
}

std::ostream& Console_Host::Out() {
  if (progress_) progress_->Make_Room();
  return *out_;
}

std::ostream& Console_Host::Err() {
  if (progress_) progress_->Make_Room();
  return err_;
}

void Console_Host::Control_Changed(const std::string& name, const Control_State& state,
                                   Field field) {
  if (field != Field::Caption) return;
  if (name == "StaticText3") status_ = state.caption;
  if (!progress_) return;
  if (name == progress_text_) {
    progress_->Status(state.caption);
  } else if (name == "Quit_Func_But" || name == "Quit_Add") {
    if (auto address = Caption_Address(state.caption)) progress_->Address(*address);
  }
}

void Console_Host::Memo_Changed(const Message_Area& area, Memo_Event event,
                                const std::string& line) {
  if (event != Memo_Event::Inserted && event != Memo_Event::Added && event != Memo_Event::Logged)
    return;
  // The link's log, in the log area or (Win_Mcu9) among the messages, goes with the errors.
  if (area.Name() == "Memo2" || event == Memo_Event::Logged) {
    // A wait that gave up may give up again at each of the run's closing packets.
    if (!drop_log_ && line != last_log_) Err() << Console_Text(line) << '\n';
    last_log_ = line;
  } else if (hold_) {
    held_.push_back(Console_Text(line));
  } else if (max_lines_ && printed_ >= *max_lines_) {
    ++omitted_;
    last_omitted_ = line;
  } else {
    ++printed_;
    Out() << Console_Text(line) << '\n';
  }
}

void Console_Host::Show_Message(const std::string& text, Box, Screen_Pos) {
  boxes_.push_back(Console_Text(text));
  if (hold_boxes_)
    held_boxes_.push_back(boxes_.back());
  else
    Err() << boxes_.back() << '\n';
}

bool Console_Host::Ask_Yes_No(const std::string& text, Screen_Pos) {
  Err() << Console_Text(text)
        << (yes_ ? "\n(answered Yes: --yes)\n" : "\n(answered No: --yes answers Yes)\n");
  return yes_;
}

std::optional<std::string> Console_Host::Choose_File(const File_Dialog&) {
  if (files.empty()) {
    // A question answered Yes may lead to a dialog no operand answers (the firmware offer's).
    Err() << "(the window would ask for a file here; the command line gave none)\n";
    return std::nullopt;
  }
  std::string f = files.front();
  files.pop_front();
  return f;
}

void Console_Host::Pump_Messages() {
  if (On_Pump) On_Pump();
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
