// The electronic ID a front end checks before it writes a part: the run goes on only when the
// part in the socket names itself as the one selected. An answer that names no part is never
// taken for the selected one.
#pragma once

#include <string>

#include "proglink/console/front_end.h"

namespace proglink::console {

struct Id_Answer {
  std::string text;      // what the part answered, as the user reads it
  std::string part;      // the part the answer names; empty when it names none
  bool matches = false;  // the answer names the selected part
};

// The answer as the step's verdict line on stdout; unless it matches, stderr says why nothing is
// written. kGood, or kFailed (kInterrupted after Ctrl-C).
int Report_Id_Check(Front_End& f, const Id_Answer& answer, const std::string& selected);

}  // namespace proglink::console
