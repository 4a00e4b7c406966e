#include "memprog/cli/session.h"

#include <ostream>

#include "common/hex.h"
#include "memprog/catalogue/device_list.h"
#include "memprog/cli/exit_status.h"
#include "memprog/cli/interrupt.h"
#include "memprog/core/file_buttons.h"
#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"
#include "memprog/core/selection.h"
#include "memprog/ops/program.h"

namespace memprog::cli {

namespace {
std::string Version_Text(int version) {
  int minor = version % 256;
  return std::to_string(version / 256) + "." + (minor < 10 ? "0" : "") + std::to_string(minor);
}
}  // namespace

Session::Session(std::ostream& out, std::ostream& err, bool terminal) : host(out, err), k(host) {
  if (terminal) {
    bar_ = std::make_unique<Progress_Bar>(err);
    host.Set_Progress(bar_.get());
  }
  host.On_Pump = [this] {
    if (!Interrupted() || quit_clicked_) return;
    quit_clicked_ = true;
    Quit_Func_ButClick(k);
  };
  FormCreate(k);
}

Session::~Session() {
  if (bar_) bar_->Stop();
  host.Set_Progress(nullptr);
  if (!searched_) return;
  k.link.Op_Kind = 0;
  if (k.link.Connection == 2) k.link.Reset_Programmer();
  D2XXUnit::USB_Close();
}

void Session::Select(int code) {
  Device_Box1Click(k, Find_Line_With_Code(code));
}

void Session::Apply(const Arguments& a) {
  if (a.split) Prg_TypeClick(k, *a.split);
  if (a.swap) {
    k.ui.User_Checked("Lo_Hi", false);
    k.ui.User_Checked("Hi_Lo", true);
    Flash_x16Click(k);
  }
  for (const Range_Entry& r : a.ranges) {
    Edit_Range_Click(k, r.button);
    k.ui.User_Caption("Edit_Add", r.hex);
    Edit_AddKeyPress(k, '\r');
  }
  // The ranges are cut to the device as the window cuts them; say so when that changed one.
  for (const Range_Entry& r : a.ranges) {
    const std::string& caption = k.ui[r.button].caption;
    if (proglink::Caption_Address(caption) != common::Parse_Hex(r.hex))
      Err() << "kv9: " << r.option << " " << r.hex << " gives " << caption << "\n";
  }
  if (a.no_verify && k.Auto_Verify == 1) Auto_VerifyClick(k);
  if (a.fill) {
    FillClick(k);
    FillBoxClick(k, 2);  // "Fill Buffer With XX"
    k.ui.User_Caption("Fill_Edit", common::Hex(*a.fill, 2));
    Fill_EditKeyPress(k, '\r');
  }
}

bool Session::Load(const std::string& path, File_Type type) {
  if (Interrupted()) return false;
  if (k.File_Type != static_cast<int>(type)) File_TypeClick(k, static_cast<int>(type));
  host.files.push_back(path);
  // What the load notes in the message area explains a failure: stderr, not the results.
  host.Hold_Lines(true);
  Run(Load_ButClick, false);
  host.Hold_Lines(false);
  for (const std::string& line : host.Take_Held_Lines()) Err() << line << '\n';
  return k.ui["StaticText4"].caption == "Last File Loaded in Buffer=" + path;
}

bool Session::Save(const std::string& path, File_Type type) {
  if (Interrupted()) return false;
  if (k.File_Type != static_cast<int>(type)) File_TypeClick(k, static_cast<int>(type));
  size_t boxes = host.Boxes().size();
  host.files.push_back(path);
  Run(Save_ButClick, false);
  return host.Boxes().size() == boxes;
}

bool Session::Find_Programmer(bool show_lines) {
  if (Interrupted()) return false;
  searched_ = true;
  host.Hold_Lines(true);
  k.link.Find_Programmer();
  End_Busy(k);
  host.Hold_Lines(false);
  bool found = k.link.Connection == 2;
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
  const proglink::Variant& v = k.link.variant();
  if (k.link.Fw_Version < v.required_version)
    Err() << "kv9: the programmer's firmware " << Version_Text(k.link.Fw_Version)
          << " is older than the " << v.required_text
          << " this software requires; going on with it (kv9 firmware FILE updates it)\n";
  return true;
}

void Session::Run(const std::function<void(Kv9&)>& handler, bool over_range) {
  if (Interrupted()) return;
  if (bar_) {
    std::optional<std::pair<uint32_t, uint32_t>> range;
    if (over_range)
      range = {static_cast<uint32_t>(k.Dev_Start_Add), static_cast<uint32_t>(k.Dev_End_Add)};
    bar_->Start(range);
  }
  handler(k);
  if (bar_) bar_->Stop();
}

int Session::Outcome() {
  if (Interrupted()) return kInterrupted;
  if (k.link.Connection != 2) return kNoProgrammer;
  if (k.link.Status_Tag == 7) {
    Err() << "kv9: the programmer stopped answering\n";
    return kNoProgrammer;
  }
  return k.link.Status_Tag == 0 ? kGood : kFailed;
}

int Session::Verdict() {
  Out() << host.Status() << '\n';
  return Outcome();
}

}  // namespace memprog::cli
