// The device operations: the window's buttons, after the programmer has been found; and the
// programmer itself.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/hex.h"
#include "picprog/catalogue/device_ids.h"
#include "picprog/cli/commands.h"
#include "picprog/cli/part_words.h"
#include "picprog/core/checksum_fill.h"
#include "picprog/core/main_form.h"
#include "picprog/fuse/fuse_editor.h"
#include "picprog/ops/pic_ops.h"
#include "picprog/ops/routine_table.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/id_check.h"
#include "proglink/console/program_steps.h"

namespace picprog::cli {

using enum proglink::console::Exit_Status;

namespace {

// The 16F7x and 16F87xA are programmed in program memory only.
bool Writes_Program_Memory_Only(const Mcu9& m) {
  const Family_Routines* r = Find_Routines(m.Family);
  return r && r->program == Program_Routine::P_row;
}

std::string Caption(const Session& s) {
  return s.m.ui["Device"].caption;
}

using Operation = proglink::Outcome (*)(Mcu9&);

int Alone(Session& s, Operation operation) {
  if (!s.Find_Programmer()) return kNoProgrammer;
  return s.Report(s.Run(operation));
}

// An operation on the buffer loaded from the input file, with the part's words kept in it unless
// `keep` is nullopt.
int With_Input(const Arguments& a, Session& s, Operation operation,
               std::optional<Config_Words> keep) {
  if (int status = Load_Input(a, s); status != kGood) return status;
  if (!s.Find_Programmer()) return kNoProgrammer;
  if (keep) {
    int status = Keep_Part_Words(s, a.operands[0], *keep);
    if (status != kGood) return status;
  }
  return s.Report(s.Run(operation));
}

// The window says nothing when an erase went well; it names only the failures.
int Erase_Part(Session& s) {
  const proglink::Outcome outcome = s.Run(Erase_ButClick);
  return s.Report(outcome,
                  outcome.verdict == proglink::Verdict::Good ? std::string() : s.host.Status());
}

// The blank check's verdict for a part it finds erased.
constexpr const char* kErased = "Device is Erased...";

// After an erase, the blank check. The erase of a part with a factory calibration writes that
// word back, and the blank check lists it: that word alone does not leave the part unerased.
int Blank_After_Erase(Session& s) {
  const Mcu9& m = s.m;
  s.host.Hold_Lines(true);
  const proglink::Outcome blank = s.Run(Blank_ChkClick);
  s.host.Hold_Lines(false);
  const std::vector<std::string> lines = s.host.Take_Held_Lines();
  if (blank.verdict == proglink::Verdict::Device_Failed && blank.count == 1 &&
      blank.first_address == m.Prog_End && Holds_Calibration(m.Family)) {
    s.Err() << s.Program() << ": word " << common::Hex(m.Prog_End, 4)
            << " keeps the part's calibration value\n";
    return s.Report({}, kErased);
  }
  for (const std::string& line : lines) s.Out() << line << '\n';
  return s.Report(blank);
}

// The device ID in word 0x2106 of what the part holds against the selected device's.
int Check_Device_Id(Session& s, const Pic_Buf& part) {
  const uint16_t word = part[kDevice_Id_Word];
  const uint16_t id = word & kDevice_Id_Mask;
  const std::string parts = Parts_With_Device_Id(word);
  const std::string shown = "device ID word " + common::Hex(word, 4);
  // An erased word, or none read at all, names no part.
  const bool none = id == 0 || id == kDevice_Id_Mask;
  return proglink::console::Report_Id_Check(
      s,
      {.text = parts.empty() ? shown : parts + " (" + shown + ")",
       .part = none            ? ""
               : parts.empty() ? "part with device ID " + common::Hex(id, 4)
                               : parts,
       .matches = !none && id == Device_Id_Of(Caption(s))},
      Caption(s));
}

}  // namespace

int Read_Command(const Arguments& a, Session& s) {
  s.Fill(a);
  if (!s.Find_Programmer()) return kNoProgrammer;
  // A read that did not reach the end would save a file that looks complete.
  if (int status = s.Report(s.Run(Move_EpromClick)); status != kGood) return status;
  Show_Checksum(s.m);
  s.Show_Checksum(s.m.ui["Chk_Sum_But"].caption, s.m.Chk_Sum);
  return s.Save(a.operands[0], a.out_format) ? kGood : kUsage;
}

int Program_Command(const Arguments& a, Session& s) {
  Mcu9& m = s.m;
  const bool row = Writes_Program_Memory_Only(m);
  // Refused before the file is read or anything sent.
  // A configuration word asked for and silently not programmed would ship wrong parts.
  if (row && a.fuse)
    return Usage_Error(
        s,
        {"--fuse: programming the " + Caption(s) + " does not write its configuration word", {}});
  if (a.steps.erase && m.Erase_Flag == 0)
    return Not_For_Device(s, "cannot be erased electrically: --erase does not apply");
  if (a.steps.check_id && !Device_Id_Of(Caption(s)))
    return Not_For_Device(s, "has no device ID: --check-id cannot tell it from another part");
  if (int status = Load_Input(a, s); status != kGood) return status;
  const bool verify = !a.steps.no_verify;
  const uint16_t config = m.Buf()[kConfig_Word];
  // Protected code reads back as zeros.
  if (verify && !row && Code_Protection_Of(config, m.Family) != Protection::Off)
    return Usage_Error(s, {"the configuration word " + common::Hex(config, 4) +
                               " turns code protection on: the part could not be read back to "
                               "verify it; give --no-verify to program it without the verify",
                           {}});
  if (!s.Find_Programmer()) return kNoProgrammer;

  Part_Read read{kGood, nullptr};
  return proglink::console::Run_Steps({
      [&]() -> int {
        if (!a.steps.check_id) return kGood;
        read = Read_Part(s);
        return read.words ? Check_Device_Id(s, *read.words) : read.status;
      },
      [&]() -> int {
        if (!a.steps.erase) return kGood;
        read.words.reset();  // what was read before the erase is gone
        const int status = Erase_Part(s);
        return status == kGood ? Blank_After_Erase(s) : status;
      },
      // A verify holds the part's own configuration words against the buffer's: those the
      // programming does not write.
      [&] {
        const Config_Words words = !verify ? Config_Words::None
                                   : row   ? Config_Words::All
                                           : Config_Words::Unwritten;
        return Keep_Part_Words(s, a.operands[0], words, read.words.get());
      },
      [&] {
        if (row)
          s.Err() << s.Program() << ": the " << Caption(s)
                  << " is programmed in program memory only: its ID words and configuration word "
                     "keep what they hold\n";
        return s.Report(s.Run(Program_EpromClick));
      },
      [&] { return verify ? s.Report(s.Run(Verify_EpromClick)) : kGood; },
  });
}

int Verify_Command(const Arguments& a, Session& s) {
  return With_Input(a, s, Verify_EpromClick, Config_Words::Unwritten);
}

int Blank_Command(const Arguments&, Session& s) {
  return Alone(s, Blank_ChkClick);
}

int Erase_Command(const Arguments&, Session& s) {
  if (s.m.Erase_Flag == 0) return Not_For_Device(s, "cannot be erased electrically");
  if (!s.Find_Programmer()) return kNoProgrammer;
  return Erase_Part(s);
}

int Program_EE_Command(const Arguments& a, Session& s) {
  if (s.m.EE_Size == 0) return Not_For_Device(s, "has no data EEPROM");
  return With_Input(a, s, Prg_EEClick, std::nullopt);
}

int Verify_EE_Command(const Arguments& a, Session& s) {
  if (s.m.EE_Size == 0) return Not_For_Device(s, "has no data EEPROM");
  return With_Input(a, s, Verify_EEClick, std::nullopt);
}

int Probe_Command(const Arguments&, Session& s) {
  return s.Probe();
}

// The firmware-update key on Start_Add; the command line asks nothing, so the file is the
// dialog's answer.
int Firmware_Command(const Arguments& a, Session& s) {
  return s.Firmware_Update(a.operands[0], [&s] { return Firmware_Update(s.m); });
}

}  // namespace picprog::cli
