#include "proglink/console/verdict_reports.h"

#include <algorithm>
#include <array>

namespace proglink::console {

namespace {

// Fields: the verdict; the exit status; whether the verdict text is printed (a refusal has said
// why in its message box, on stderr); what stderr adds.
constexpr std::array<Verdict_Report, 6> kReports = {{
    {Verdict::Good, kGood, true, nullptr},
    {Verdict::Device_Failed, kFailed, true, nullptr},
    {Verdict::Stopped, kInterrupted, true, nullptr},
    {Verdict::Time_Out, kNoProgrammer, true, "the programmer stopped answering"},
    {Verdict::Lost, kNoProgrammer, true, nullptr},
    {Verdict::Refused, kUsage, false, nullptr},
}};

}  // namespace

const Verdict_Report& Report_Of(Verdict verdict) {
  return *std::find_if(kReports.begin(), kReports.end(),
                       [&](const Verdict_Report& r) { return r.verdict == verdict; });
}

}  // namespace proglink::console
