#include "proglink/console/verdict_reports.h"

#include <algorithm>
#include <array>

namespace proglink::console {

namespace {

// Fields: the verdict; the exit status; whether the verdict text is printed (a refusal has said
// why in its message box, on stderr; after a stop the status text may still be the running one,
// and the run says it stopped); what stderr adds; the name.
constexpr std::array<Verdict_Report, 6> kReports = {{
    {Verdict::Good, kGood, true, nullptr, "good"},
    {Verdict::Device_Failed, kFailed, true, nullptr, "device_failed"},
    {Verdict::Stopped, kInterrupted, false, nullptr, "stopped"},
    {Verdict::Lost, kNoProgrammer, true, nullptr, "lost"},
    {Verdict::Time_Out, kNoProgrammer, true, "the programmer stopped answering", "time_out"},
    {Verdict::Refused, kUsage, false, nullptr, "refused"},
}};

}  // namespace

const Verdict_Report& Report_Of(Verdict verdict) {
  return *std::find_if(kReports.begin(), kReports.end(),
                       [&](const Verdict_Report& r) { return r.verdict == verdict; });
}

Verdict Verdict_Of_Status(int status) {
  if (status > kStopped_By_Signal) return Verdict::Stopped;
  auto r = std::find_if(kReports.begin(), kReports.end(),
                        [&](const Verdict_Report& r) { return r.status == status; });
  return r == kReports.end() ? Verdict::Refused : r->verdict;
}

}  // namespace proglink::console
