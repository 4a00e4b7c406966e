#include "usblink/testing/bus_clock.h"

#include <cmath>
#include <thread>

namespace usbemu {

namespace {
constexpr double kSpin_Us = 150;  // a sleep overshoots by up to about this much
}

double Bus_Clock::Now() const {
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - epoch_)
      .count();
}

double Bus_Clock::Completion(double t) const {
  if (timing.completion_us <= 0) return t;
  return std::ceil(t / timing.completion_us) * timing.completion_us;
}

void Bus_Clock::Wait_Until(double t) const {
  bool precise = timing.us_per_byte > 0;
  double left = t - Now();
  if (left > (precise ? kSpin_Us : 0))
    std::this_thread::sleep_for(
        std::chrono::duration<double, std::micro>(left - (precise ? kSpin_Us : 0)));
  while (precise && Now() < t) {
  }
}

}  // namespace usbemu
