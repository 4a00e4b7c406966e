#include "proglink/console/front_end.h"

#include <ostream>

#include "proglink/console/exit_status.h"
#include "proglink/console/interrupt.h"

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
  link.Op_Kind = 0;
  if (link.Connection == 2) link.Reset_Programmer();
  D2XXUnit::USB_Close();
}

bool Front_End::Find_Programmer(bool show_lines) {
  if (Interrupted()) return false;
  searched_ = true;
  Link& link = Program_Link();
  host.Hold_Lines(true);
  link.Find_Programmer();
  Idle();
  host.Hold_Lines(false);
  bool found = link.Connection == 2;
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

bool Front_End::Run_With_File(const std::string& path, const std::function<void()>& handler) {
  if (Interrupted()) return false;
  size_t boxes = host.Boxes().size();
  host.files.push_back(path);
  Run(handler, std::nullopt);
  return host.Boxes().size() == boxes;
}

int Front_End::Outcome() {
  if (Interrupted()) return kInterrupted;
  const Link& link = Program_Link();
  if (link.Connection != 2) return kNoProgrammer;
  if (Gave_Up()) {
    Err() << Program() << ": the programmer stopped answering\n";
    return kNoProgrammer;
  }
  return link.Status_Tag == 0 ? kGood : kFailed;
}

int Front_End::Verdict() {
  Out() << host.Status() << '\n';
  return Outcome();
}

int Front_End::Final_Status(int status) {
  if (!Interrupted()) return status;
  Err() << Program() << ": stopped by " << Interrupt_Name() << "\n";
  return kStopped_By_Signal + Interrupt_Signal();
}

int Front_End::Probe() {
  if (!Find_Programmer(true)) return kNoProgrammer;
  Out() << host.Status() << '\n';
  return kGood;
}

int Front_End::Firmware_Update(const std::string& file, const std::function<void()>& start) {
  if (!Find_Programmer()) return kNoProgrammer;
  size_t before = host.Boxes().size();
  host.files.push_back(file);
  Run(start, std::nullopt);
  const auto& boxes = host.Boxes();
  std::string box = boxes.size() > before ? boxes.back() : std::string();
  bool good = box == "Good Update...";
  if (!good && box != "Warning: Bad Update...") return kUsage;  // the file was refused
  Out() << box << '\n';
  if (Program_Link().Connection != 2) return kNoProgrammer;
  return good ? kGood : kFailed;
}

}  // namespace proglink::console
