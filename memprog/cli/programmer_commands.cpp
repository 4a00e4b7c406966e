// probe, id, clock and firmware: the programmer itself, the electronic ID and the timekeepers'
// clock.
#include <ostream>

#include "memprog/catalogue/device_list.h"
#include "memprog/cli/commands.h"
#include "memprog/core/main_form.h"
#include "memprog/core/selection.h"
#include "memprog/core/test_panel.h"
#include "memprog/ops/clock.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/id_check.h"

namespace memprog::cli {

using enum proglink::console::Exit_Status;

namespace {

// The clock fields in the order of `clock write` and of what `clock read` prints.
struct Clock_Field {
  const char* key;
  const char* control;
};
constexpr Clock_Field kClock_Fields[9] = {
    {"Year", "Time_8"},    {"Month", "Time_7"},       {"Date", "Time_6"},
    {"Day", "Time_5"},     {"Hours", "Time_4"},       {"Minutes", "Time_3"},
    {"Seconds", "Time_2"}, {"Calibration", "Time_1"}, {"Century", "Time_9"}};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The Device button with Auto ID on, the list then left alone: the ID methods are tried on the
// selected device's set-up.
proglink::Outcome Read_Id(Session& s) {
  return End_Busy(s.k, s.Run(DeviceClick, false));
}

}  // namespace

int Probe_Command(const Arguments&, Session& s) {
  return s.Probe();
}

// The Device button with Auto ID on: the ID methods are tried and the matching line of the
// device list pre-selected; the user would then click it.
int Id_Command(const Arguments&, Session& s) {
  if (!s.Find_Programmer()) return kNoProgrammer;
  Kv9& k = s.k;
  const proglink::Outcome id = Read_Id(s);
  s.Out() << k.ui["Mfg"].caption << '\n' << k.ui["Dev"].caption << '\n';
  if (id.verdict == proglink::Verdict::Good) {
    s.Out() << Device_List_Lines()[Find_Line_With_Code(*id.device_code)] << '\n';
    return kGood;
  }
  if (id.verdict != proglink::Verdict::Device_Failed) return s.Report(id, "");
  s.Err() << "kv9: no line of the device list goes with this ID\n";
  return kFailed;
}

int Check_Id(Session& s) {
  const Kv9& k = s.k;
  const proglink::Outcome id = Read_Id(s);
  if (id.verdict != proglink::Verdict::Good && id.verdict != proglink::Verdict::Device_Failed)
    return s.Report(id);
  return proglink::console::Report_Id_Check(
      s,
      {.text = k.ui["Mfg"].caption + " " + k.ui["Dev"].caption,
       .part = k.Id_Name,
       .matches = id.verdict == proglink::Verdict::Good && id.device_code == k.Device_Code},
      k.ui["Device"].caption);
}

int Clock_Command(const Arguments& a, Session& s) {
  Kv9& k = s.k;
  if (k.Clock_Type == Clock_Type::No_Clock) return Not_For_Device(s, "has no clock");
  bool write = a.operands[0] == "write";
  if (write)
    for (int i = 0; i < 9; ++i)
      k.ui.User_Caption(kClock_Fields[i].control, Upper(a.operands[i + 1]));
  if (!s.Find_Programmer()) return kNoProgrammer;
  const int status = s.Report(s.Run(write ? Prg_TimeClick : Read_TimeClick, false));
  if (write || status != kGood) return status;
  std::string line;
  for (const Clock_Field& f : kClock_Fields)
    line += (line.empty() ? "" : " ") + std::string(f.key) + "=" + k.ui[f.control].caption;
  s.Out() << line << '\n';
  return kGood;
}

// The Flash Update button; the command line asks nothing, so the file is the dialog's answer.
int Firmware_Command(const Arguments& a, Session& s) {
  return s.Firmware_Update(a.operands[0], [&s] { return FlashClick(s.k); });
}

}  // namespace memprog::cli
