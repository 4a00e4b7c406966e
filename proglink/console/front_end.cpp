#include "proglink/console/front_end.h"

#include <ostream>

#include "common/hex.h"
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
    : host(out, err), style_(style), out_(out) {
  record_.program = style.program;
  if (terminal) {
    bar_ = std::make_unique<Progress_Bar>(err, style.address_digits);
    host.Set_Progress(bar_.get(), style.progress_text);
  }
  host.On_Pump = [this] {
    if (!Interrupted() || quit_clicked_) return;
    quit_clicked_ = true;
    host.Drop_Log_Lines();
    Quit();
  };
}

void Front_End::Start_Run(const Console_Options& options, std::optional<std::string> device,
                          std::optional<int> device_code) {
  options_ = options;
  record_.command = options.command;
  record_.device = std::move(device);
  record_.device_code = device_code;
  if (options.yes) host.Answer_Yes();
  if (options.json) host.Redirect_Out(kept_out_);
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
  host.Hold_Boxes(true);
  const bool identified = link.Find_Programmer().verdict == Verdict::Good;
  Idle();
  host.Hold_Lines(false);
  host.Hold_Boxes(false);
  // A search Ctrl-C stopped found nothing to tell.
  if (Interrupted()) {
    host.Take_Held_Lines();
    host.Take_Held_Boxes();
    return false;
  }
  Print_Boxes({});
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
  constexpr uint64_t kListed = 20;
  Print_Boxes({});
  for (std::string& line : Take_Output()) record_.output.push_back(std::move(line));
  Outcome outcome{.verdict = Verdict::Stopped};
  host.Limit_Lines(options_.all ? std::nullopt : std::optional(kListed));
  host.Hold_Boxes(true);
  Run([&] { outcome = operation(); }, range);
  host.Hold_Boxes(false);
  return outcome;
}

bool Front_End::Run_With_File(const std::string& path, const std::function<bool()>& handler) {
  if (Interrupted()) return false;
  host.files.push_back(path);
  record_.files.push_back(path);
  bool done = false;
  Run([&] { done = handler(); }, std::nullopt);
  return done;
}

int Front_End::Report(const Outcome& outcome, const std::string& verdict_line,
                      std::string_view step) {
  const Verdict_Report& report = Report_Of(outcome.verdict);
  const bool shown = report.verdict_line && !verdict_line.empty();
  Step_Record r{std::string(step.empty() ? options_.command : step), outcome,
                shown ? verdict_line : std::string(), Take_Output()};
  // More lines than mismatches: the last one closes the list (verify's summary); keep it.
  const uint64_t lines = host.Printed_Lines() + host.Omitted_Lines();
  const bool closing = host.Omitted_Lines() > 0 && lines > outcome.count;
  const uint64_t not_listed = host.Omitted_Lines() - (closing ? 1 : 0);
  if (closing) {
    if (options_.json)
      r.lines.push_back(Console_Text(host.Last_Omitted_Line()));
    else
      Out() << Console_Text(host.Last_Omitted_Line()) << '\n';
  }
  if (!options_.json) {
    if (outcome.count > 0 && outcome.first_address) {
      Out() << outcome.count << (outcome.count == 1 ? " mismatch" : " mismatches")
            << ", the first at " << common::Hex(*outcome.first_address, style_.address_digits);
      if (not_listed > 0) Out() << " (" << not_listed << " not listed: --all lists them)";
      Out() << '\n';
    }
    if (shown) Out() << verdict_line << '\n';
  }
  record_.steps.push_back(std::move(r));
  host.Limit_Lines(std::nullopt);  // its lines are told
  // A box that repeats the verdict line, or the stopped operation's failure, says nothing new.
  Print_Boxes(shown || outcome.verdict == Verdict::Stopped ? verdict_line : std::string());
  if (Interrupted()) return kInterrupted;
  if (report.note) Err() << Program() << ": " << report.note << '\n';
  return report.status;
}

void Front_End::Show_Checksum(const std::string& caption, uint16_t checksum) {
  Out() << caption << '\n';
  record_.checksum = checksum;
}

void Front_End::Print_Boxes(const std::string& verdict_line) {
  for (const std::string& box : host.Take_Held_Boxes())
    if (box != verdict_line) Err() << box << '\n';
}

std::vector<std::string> Front_End::Take_Output() {
  std::vector<std::string> lines = Lines_Of(kept_out_.str());
  kept_out_.str({});
  return lines;
}

int Front_End::Final_Status(int status) {
  Print_Boxes({});
  if (Interrupted()) {
    Err() << Program() << ": stopped by " << Interrupt_Name() << "\n";
    status = kStopped_By_Signal + Interrupt_Signal();
  }
  if (options_.json) {
    for (std::string& line : Take_Output()) record_.output.push_back(std::move(line));
    out_ << record_.Json(status, style_.address_digits) << std::endl;
  }
  return status;
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
  record_.files.push_back(file);
  const Outcome outcome = Operate(start, std::nullopt);
  // Its verdict is the box that ends it.
  return Report(outcome, host.Boxes().empty() ? std::string() : host.Boxes().back());
}

}  // namespace proglink::console
