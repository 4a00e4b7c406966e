#include "proglink/console/front_end.h"

#include <ostream>

#include "proglink/console/exit_status.h"
#include "proglink/console/interrupt.h"
#include "proglink/console/verdict_reports.h"
#include "proglink/device_report.h"

namespace proglink::console {

namespace {
std::string Version_Text(int version) {
  int minor = version % 256;
  return std::to_string(version / 256) + "." + (minor < 10 ? "0" : "") + std::to_string(minor);
}
}  // namespace

Front_End::Front_End(std::ostream& out, std::ostream& err, bool terminal,
                     const Front_End_Style& style)
    : host(out, err), style_(style) {
  if (terminal) {
    bar_ = std::make_unique<Progress_Bar>(err, style.address_digits);
    host.Set_Progress(bar_.get(), style.progress_text);
  }
  host.On_Pump = [this] {
    if (!Interrupted() || quit_clicked_) return;
    quit_clicked_ = true;
    Quit();
  };
}

void Front_End::Shut_Down() {
  if (bar_) bar_->Stop();
  host.Set_Progress(nullptr);
  if (!searched_) return;
  Link& link = Program_Link();
  link.Op_Kind = op_kind::None;
  if (link.Connection == connection::Ready) link.Reset_Programmer();
  link.Close_Programmer();
}

bool Front_End::Find_Programmer(bool show_lines) {
  if (Interrupted()) return false;
  searched_ = true;
  Link& link = Program_Link();
  host.Hold_Lines(true);
  const bool identified = link.Find_Programmer().verdict == Verdict::Good;
  Idle();
  host.Hold_Lines(false);
  // The idle step's reset may have lost it again.
  const bool found = identified && link.Connection == connection::Ready;
  for (const std::string& line : host.Take_Held_Lines()) {
    if (show_lines)
      Out() << line << '\n';
    else if (!found)
      Err() << line << '\n';
  }
  if (!found) {
    Out() << host.Status() << '\n';
    return false;
  }
  const Variant& v = link.variant();
  if (link.Fw_Version < v.required_version)
    Err() << Program() << ": the programmer's firmware " << Version_Text(link.Fw_Version)
          << " is older than the " << v.required_text
          << " this software requires; going on with it (" << Program()
          << " firmware FILE updates it)\n";
  return true;
}

void Front_End::Run(const std::function<void()>& handler, Progress_Range range) {
  if (Interrupted()) return;
  if (bar_) bar_->Start(range);
  handler();
  if (bar_) bar_->Stop();
}

Outcome Front_End::Operate(const std::function<Outcome()>& operation, Progress_Range range) {
  Outcome outcome{.verdict = Verdict::Stopped};
  Run([&] { outcome = operation(); }, range);
  return outcome;
}

bool Front_End::Run_With_File(const std::string& path, const std::function<bool()>& handler) {
  if (Interrupted()) return false;
  host.files.push_back(path);
  bool done = false;
  Run([&] { done = handler(); }, std::nullopt);
  return done;
}

int Front_End::Report(const Outcome& outcome, const std::string& verdict_line) {
  const Verdict_Report& report = Report_Of(outcome.verdict);
  if (report.verdict_line && !verdict_line.empty()) Out() << verdict_line << '\n';
  if (Interrupted()) return kInterrupted;
  if (report.note) Err() << Program() << ": " << report.note << '\n';
  return report.status;
}

int Front_End::Final_Status(int status) {
  if (!Interrupted()) return status;
  Err() << Program() << ": stopped by " << Interrupt_Name() << "\n";
  return kStopped_By_Signal + Interrupt_Signal();
}

int Front_End::Probe() {
  bool found = Find_Programmer(true);
  if (found) Out() << host.Status() << '\n';
  for (const std::string& line : Device_Lines(Survey_Devices())) Out() << line << '\n';
  return found ? kGood : kNoProgrammer;
}

int Front_End::Firmware_Update(const std::string& file, const std::function<Outcome()>& start) {
  if (!Find_Programmer()) return kNoProgrammer;
  host.files.push_back(file);
  const Outcome outcome = Operate(start, std::nullopt);
  // Its verdict is the box that ends it.
  return Report(outcome, host.Boxes().empty() ? std::string() : host.Boxes().back());
}

}  // namespace proglink::console
