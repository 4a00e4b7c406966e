// How the command lines report an operation's outcome: one row per verdict.
#pragma once

#include "proglink/console/exit_status.h"
#include "proglink/outcome.h"

namespace proglink::console {

struct Verdict_Report {
  Verdict verdict;
  Exit_Status status;
  bool verdict_line;  // the operation's verdict text goes to stdout
  const char* note;   // what stderr adds after the program's name; nullptr: nothing
  const char* name;   // the verdict in a --json report
};

// The row of a verdict.
const Verdict_Report& Report_Of(Verdict verdict);

// The verdict a run ended with when no operation's outcome tells it: the first row with that exit
// status (a signal's status: Stopped).
Verdict Verdict_Of_Status(int status);

}  // namespace proglink::console
