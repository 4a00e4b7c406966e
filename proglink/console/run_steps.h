// The steps of one command run in order, each reporting its own verdict; the first that does not
// end well ends the run, so that nothing is written after a check that failed.
#pragma once

#include <functional>
#include <initializer_list>

#include "proglink/console/exit_status.h"

namespace proglink::console {

// One step: its exit status.
using Step = std::function<int()>;

inline int Run_Steps(std::initializer_list<Step> steps) {
  for (const Step& step : steps)
    if (int status = step(); status != kGood) return status;
  return kGood;
}

}  // namespace proglink::console
