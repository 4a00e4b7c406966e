// Time on the emulated bus: how fast it moves bytes, and the wall clock its transfers keep.
#pragma once

#include <chrono>

namespace usbemu {

struct Bus_Timing {
  double us_per_byte = 0;  // 0: bytes move at once
  // A transfer completes on the next multiple of this (a host controller reports completions
  // once per microframe); 0: at once.
  double completion_us = 0;
  int control_bytes = 0;  // what the setup and status stages of a control transfer take

  // Bytes at once; only the chip's latency timer takes time, so a silent chip is not polled hot.
  static Bus_Timing Instant() { return {}; }
  // A full-speed device on a high-speed host controller: about 1 MB/s each way, completions
  // every 125 us, a control transfer's stages as long as 24 bytes.
  static Bus_Timing Full_Speed() { return {1.0, 125.0, 24}; }
};

class Bus_Clock {
 public:
  Bus_Timing timing = Bus_Timing::Instant();

  // Microseconds since the bus began.
  double Now() const;
  // When a transfer whose last byte moves at `t` completes.
  double Completion(double t) const;
  // Returns at bus time `t`: sleeps, and spins the last stretch, which a sleep would overshoot.
  void Wait_Until(double t) const;

 private:
  std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();
};

}  // namespace usbemu
