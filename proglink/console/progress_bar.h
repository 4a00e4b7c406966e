// The progress line a front end draws on a terminal while an operation runs: the status text, a
// bar over the device range and the address the Quit button shows, redrawn in place.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>

#include "proglink/console_host.h"

namespace proglink::console {

class Progress_Bar : public proglink::Progress_Display {
 public:
  // `digits`: the address as the Quit button shows it, at least this many hex digits.
  explicit Progress_Bar(std::ostream& tty, int digits = 5) : tty_(tty), digits_(digits) {}

  // Draws from now on; with a range the bar shows how far through it the address is.
  void Start(std::optional<std::pair<uint32_t, uint32_t>> range);
  // Wipes the line and draws no more.
  void Stop();

  void Status(const std::string& text) override { status_ = text; }
  void Address(uint32_t address) override;
  void Make_Room() override;

 private:
  std::ostream& tty_;
  int digits_;
  bool running_ = false;
  std::optional<std::pair<uint32_t, uint32_t>> range_;
  std::string status_;
  std::string drawn_;  // the line on the terminal; empty when none is
};

}  // namespace proglink::console
