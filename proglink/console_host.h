// The host of the command-line front ends: message-area lines on stdout (the serial numbers of a
// search, mismatch lines), log lines and message boxes on stderr, no questions answered (a
// command line cannot say Yes), file dialogs answered by the paths the command was given, and
// the reply timer on the wall clock.
#pragma once

#include <chrono>
#include <deque>
#include <iosfwd>
#include <string>

#include "proglink/host.h"

namespace proglink {

class Console_Host : public Host {
 public:
  Console_Host(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  std::deque<std::string> files;  // answers to the file dialogs, in order
  std::string Status() const { return status_; }

  void Control_Changed(const std::string& name, const Control_State& state, Field field) override;
  void Memo_Changed(const Message_Area& area, Memo_Event event, const std::string& line) override;
  void Show_Message(const std::string& text, Box kind, Screen_Pos at) override;
  bool Ask_Yes_No(const std::string& text, Screen_Pos at) override;
  std::optional<std::string> Choose_File(const File_Dialog& dialog) override;
  void Pump_Messages() override;
  void Set_Timer(bool enabled, int interval_ms) override;

 private:
  std::ostream& out_;
  std::ostream& err_;
  std::string status_;
  bool timer_on_ = false;
  std::chrono::steady_clock::time_point deadline_;
  std::chrono::milliseconds interval_{0};
};

// Box texts hold "\r\n" line breaks; a terminal wants "\n".
std::string Console_Text(const std::string& text);

}  // namespace proglink
