// The device operations: the window's buttons, after the programmer has been found; and the
// programmer itself.
#include <ostream>

#include "picprog/cli/commands.h"
#include "picprog/cli/part_words.h"
#include "picprog/core/checksum_fill.h"
#include "picprog/core/main_form.h"
#include "picprog/ops/pic_ops.h"
#include "picprog/ops/routine_table.h"
#include "proglink/console/exit_status.h"

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

// Whose words the buffer keeps before an operation on the input file.
enum class Keep { File_Only, Part_Words, Part_Config_Words };

// An operation on the buffer loaded from the input file.
int With_Input(const Arguments& a, Session& s, Operation operation, Keep keep,
               const char* note = nullptr) {
  if (int status = Load_Input(a, s); status != kGood) return status;
  if (!s.Find_Programmer()) return kNoProgrammer;
  if (keep != Keep::File_Only) {
    int status = Keep_Part_Words(s, a.operands[0], keep == Keep::Part_Config_Words);
    if (status != kGood) return status;
  }
  if (note) s.Err() << s.Program() << ": " << note << '\n';
  return s.Report(s.Run(operation));
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
  if (!Writes_Program_Memory_Only(s.m))
    return With_Input(a, s, Program_EpromClick, Keep::Part_Words);
  // A configuration word asked for and silently not programmed would ship wrong parts.
  if (a.fuse)
    return Usage_Error(
        s,
        {"--fuse: programming the " + Caption(s) + " does not write its configuration word", {}});
  const std::string note = "the " + Caption(s) +
                           " is programmed in program memory only: its ID words and configuration "
                           "word keep what they hold";
  return With_Input(a, s, Program_EpromClick, Keep::Part_Words, note.c_str());
}

int Verify_Command(const Arguments& a, Session& s) {
  return With_Input(a, s, Verify_EpromClick, Keep::Part_Config_Words);
}

int Blank_Command(const Arguments&, Session& s) {
  return Alone(s, Blank_ChkClick);
}

// The window says nothing when an erase went well; it names only the failures.
int Erase_Command(const Arguments&, Session& s) {
  if (s.m.Erase_Flag == 0) return Not_For_Device(s, "cannot be erased electrically");
  if (!s.Find_Programmer()) return kNoProgrammer;
  const proglink::Outcome outcome = s.Run(Erase_ButClick);
  return s.Report(outcome,
                  outcome.verdict == proglink::Verdict::Good ? std::string() : s.host.Status());
}

int Program_EE_Command(const Arguments& a, Session& s) {
  if (s.m.EE_Size == 0) return Not_For_Device(s, "has no data EEPROM");
  return With_Input(a, s, Prg_EEClick, Keep::File_Only);
}

int Verify_EE_Command(const Arguments& a, Session& s) {
  if (s.m.EE_Size == 0) return Not_For_Device(s, "has no data EEPROM");
  return With_Input(a, s, Verify_EEClick, Keep::File_Only);
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
