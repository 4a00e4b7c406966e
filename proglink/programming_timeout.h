// The reply timer's interval while programming and erasing, when a block can take seconds.
#pragma once

#include "proglink/link.h"

namespace proglink {

inline constexpr int kProgramming_Timeout_Ms = 40000;

// The programming interval for as long as it lives; the interval it found comes back after.
class Programming_Timeout {
 public:
  explicit Programming_Timeout(Link& link) : link_(link), saved_(link.Timer_Interval()) {
    link.Set_Timer_Interval(kProgramming_Timeout_Ms);
  }
  ~Programming_Timeout() { link_.Set_Timer_Interval(saved_); }
  Programming_Timeout(const Programming_Timeout&) = delete;
  Programming_Timeout& operator=(const Programming_Timeout&) = delete;

 private:
  Link& link_;
  int saved_;
};

}  // namespace proglink
