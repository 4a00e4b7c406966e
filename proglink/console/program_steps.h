// What a front end's program command does around the programming itself, as its options ask,
// and the steps of a command run in order: each reports its own verdict, and the first that does
// not end well ends the run, so that nothing is written after a check that failed.
#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>

#include "proglink/console/exit_status.h"

namespace proglink::console {

struct Step_Options {
  bool no_verify = false;  // --no-verify: the part is not read back after programming
  bool check_id = false;   // --check-id: only the part the ID names as the one selected
  bool erase = false;      // --erase: the part erased and blank-checked first
};

// Takes the option `name`, "--no-verify", "--check-id" or "--erase", into `steps`.
inline void Take_Step_Option(std::string_view name, Step_Options& steps) {
  bool& flag = name == "--no-verify" ? steps.no_verify
               : name == "--erase"   ? steps.erase
                                     : steps.check_id;
  flag = true;
}

// One step: its exit status.
using Step = std::function<int()>;

inline int Run_Steps(std::initializer_list<Step> steps) {
  for (const Step& step : steps)
    if (int status = step(); status != kGood) return status;
  return kGood;
}

}  // namespace proglink::console
