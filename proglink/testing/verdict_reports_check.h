// The report a command line gives for each verdict of an operation: its exit status, the verdict
// line on stdout and what stderr adds.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "proglink/outcome.h"

namespace proglink {

struct Expected_Report {
  Verdict verdict;
  int status;
  bool verdict_line;
  const char* note;  // after the program's name on stderr
};

inline constexpr Expected_Report kExpected_Reports[] = {
    {Verdict::Good, 0, true, nullptr},
    {Verdict::Device_Failed, 1, true, nullptr},
    {Verdict::Stopped, 130, false, nullptr},
    {Verdict::Time_Out, 3, true, "the programmer stopped answering"},
    {Verdict::Lost, 3, true, nullptr},
    {Verdict::Refused, 2, false, nullptr},
};

// Each verdict through a fresh session of the command line named `program`.
template <class Session>
void Expect_Verdict_Reports(const std::string& program) {
  for (const Expected_Report& e : kExpected_Reports) {
    SCOPED_TRACE(static_cast<int>(e.verdict));
    std::ostringstream out, err;
    Session s(out, err, false);
    EXPECT_EQ(s.Report({.verdict = e.verdict}, "The verdict...."), e.status);
    EXPECT_EQ(out.str(), e.verdict_line ? "The verdict....\n" : "");
    EXPECT_EQ(err.str(), e.note ? program + ": " + e.note + "\n" : "");
  }
}

}  // namespace proglink
