// The host of the command-line front ends: message-area lines on stdout (the serial numbers of a
// search, mismatch lines), log lines and message boxes on stderr, questions answered No unless
// the user said Yes to all of them beforehand, file dialogs answered by the paths the command was
// given, and the reply timer on the wall clock.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "proglink/host.h"

namespace proglink {

// What a front end shows of a running operation: the status text and the address of the Quit
// button's caption as they change. Make_Room runs before any line is written, so that a progress
// line drawn on a terminal can wipe itself first.
class Progress_Display {
 public:
  virtual ~Progress_Display() = default;
  virtual void Status(const std::string& text) = 0;
  virtual void Address(uint32_t address) = 0;
  virtual void Make_Room() = 0;
};

class Console_Host : public Host {
 public:
  Console_Host(std::ostream& out, std::ostream& err) : out_(&out), err_(err) {}

  std::deque<std::string> files;  // answers to the file dialogs, in order
  // Runs at every message pump, before the reply timer: the front end's own events (Ctrl-C, say).
  std::function<void()> On_Pump;
  std::string Status() const { return status_; }

  // Progress of the running operation; none (quiet) until one is set. `text_control` is the
  // control whose caption names the operation while it runs.
  void Set_Progress(Progress_Display* display, std::string text_control = "StaticText3") {
    progress_ = display;
    progress_text_ = std::move(text_control);
  }
  // While held, message-area lines are kept for Take_Held_Lines instead of being printed: the
  // serial numbers and reply dump of a search matter only when it fails.
  void Hold_Lines(bool on) { hold_ = on; }
  std::vector<std::string> Take_Held_Lines();
  // The text of every message box shown, in order.
  const std::vector<std::string>& Boxes() const { return boxes_; }
  // While held, message boxes are kept for Take_Held_Boxes instead of being printed, so that the
  // one that repeats an operation's verdict is not printed twice.
  void Hold_Boxes(bool on) { hold_boxes_ = on; }
  std::vector<std::string> Take_Held_Boxes();
  // At most `max` message-area lines go to stdout from now on (none: all of them); the rest are
  // only counted.
  void Limit_Lines(std::optional<uint64_t> max);
  uint64_t Printed_Lines() const { return printed_; }
  uint64_t Omitted_Lines() const { return omitted_; }
  // The last line not printed.
  const std::string& Last_Omitted_Line() const { return last_omitted_; }
  // From now on the link's log lines are dropped: after Ctrl-C, the reply wait's line about a
  // programmer no longer present is only the stop.
  void Drop_Log_Lines() { drop_log_ = true; }
  // Questions are answered Yes from now on.
  void Answer_Yes() { yes_ = true; }
  // Where stdout's lines go from now on.
  void Redirect_Out(std::ostream& out) { out_ = &out; }
  // The two streams, with the progress line out of the way.
  std::ostream& Out();
  std::ostream& Err();

  void Control_Changed(const std::string& name, const Control_State& state, Field field) override;
  void Memo_Changed(const Message_Area& area, Memo_Event event, const std::string& line) override;
  void Show_Message(const std::string& text, Box kind, Screen_Pos at) override;
  bool Ask_Yes_No(const std::string& text, Screen_Pos at) override;
  std::optional<std::string> Choose_File(const File_Dialog& dialog) override;
  void Pump_Messages() override;
  void Set_Timer(bool enabled, int interval_ms) override;

 private:
  std::ostream* out_;
  std::ostream& err_;
  std::string status_;
  bool timer_on_ = false;
  std::chrono::steady_clock::time_point deadline_;
  std::chrono::milliseconds interval_{0};
  Progress_Display* progress_ = nullptr;
  std::string progress_text_;
  bool hold_ = false;
  std::vector<std::string> held_;
  std::vector<std::string> boxes_;
  bool hold_boxes_ = false;
  std::vector<std::string> held_boxes_;
  std::optional<uint64_t> max_lines_;
  uint64_t printed_ = 0, omitted_ = 0;
  std::string last_omitted_;
  bool drop_log_ = false;
  std::string last_log_;
  bool yes_ = false;
};

// Box texts hold "\r\n" line breaks; a terminal wants "\n".
std::string Console_Text(const std::string& text);

// The address a Quit button's caption shows ("&Quit = 07800", "0F80"): its trailing hex digits.
std::optional<uint32_t> Caption_Address(const std::string& caption);

}  // namespace proglink
