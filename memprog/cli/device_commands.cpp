// The device operations: the window's buttons, after the programmer has been found.
#include <ostream>

#include "memprog/catalogue/electronic_id.h"
#include "memprog/catalogue/erase_kinds.h"
#include "memprog/cli/commands.h"
#include "memprog/core/file_buttons.h"
#include "memprog/ops/erase.h"
#include "memprog/ops/program.h"
#include "memprog/ops/read_ops.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/program_steps.h"

namespace memprog::cli {

using enum proglink::console::Exit_Status;

namespace {

using Operation = proglink::Outcome (*)(Kv9&);

// An operation on the buffer loaded from the input file.
int With_Input(const Arguments& a, Session& s, Operation operation) {
  if (int status = Load_Input(a, s); status != kGood) return status;
  if (!s.Find_Programmer()) return kNoProgrammer;
  return s.Report(s.Run(operation));
}

int Alone(Session& s, Operation operation) {
  if (!s.Find_Programmer()) return kNoProgrammer;
  return s.Report(s.Run(operation));
}

bool Erases_Electrically(const Kv9& k) {
  const Erase_Kind* kind = Find_Erase_Kind(k.Erase_Type);
  return kind && kind->procedure != Erase_Procedure::Nothing;
}

// --erase: the part erased, then found blank, before anything is programmed into it.
int Erase_First(Session& s) {
  if (int status = s.Report_Step("erase", s.Run(Erase_ButClick)); status != kGood) return status;
  // That erase has read the part back already.
  if (Find_Erase_Kind(s.k.Erase_Type)->procedure == Erase_Procedure::Erase_Then_Check) return kGood;
  return s.Report_Step("blank", s.Run(Blank_ChkClick));
}

}  // namespace

int Read_Command(const Arguments& a, Session& s) {
  File_TypeClick(s.k, static_cast<int>(a.out_format));
  if (!s.Find_Programmer()) return kNoProgrammer;
  // A read that did not reach the end of the range would save a file that looks complete.
  if (int status = s.Report(s.Run(Move_EpromClick)); status != kGood) return status;
  s.Show_Checksum(s.k.ui["Chk_Sum_But"].caption, s.k.Chk_Sum);
  return s.Save(a.operands[0], a.out_format) ? kGood : kUsage;
}

// Programming and its verify are two steps, each with its own verdict: the window's auto-verify
// is off on the command line (Session::Apply).
int Program_Command(const Arguments& a, Session& s) {
  // Refused before the file is read or anything sent.
  if (a.steps.erase && !Erases_Electrically(s.k))
    return Not_For_Device(s,
                          "has no erase command: --erase does not apply (an EEPROM or RAM takes "
                          "any value when programmed, a UV EPROM is erased under ultraviolet "
                          "light, a one-time part not at all)");
  if (a.steps.check_id && !Has_Electronic_Id(s.k.Device_Code))
    return Not_For_Device(s,
                          "answers no electronic ID in the ID tables: --check-id cannot tell it "
                          "from another part");
  if (int status = Load_Input(a, s); status != kGood) return status;
  if (!s.Find_Programmer()) return kNoProgrammer;
  return proglink::console::Run_Steps({
      [&] { return a.steps.check_id ? Check_Id(s) : kGood; },
      [&] { return a.steps.erase ? Erase_First(s) : kGood; },
      [&] { return s.Report_Step("program", s.Run(Program_EpromClick)); },
      [&] { return a.steps.no_verify ? kGood : s.Report_Step("verify", s.Run(Verify_EpromClick)); },
  });
}

int Verify_Command(const Arguments& a, Session& s) {
  return With_Input(a, s, Verify_EpromClick);
}

int Compare_Command(const Arguments& a, Session& s) {
  return With_Input(a, s, CompareClick);
}

int Blank_Command(const Arguments&, Session& s) {
  return Alone(s, Blank_ChkClick);
}

int Erase_Command(const Arguments&, Session& s) {
  if (!Erases_Electrically(s.k)) return Not_For_Device(s, "cannot be erased electrically");
  return Alone(s, Erase_ButClick);
}

int Security_Command(const Arguments& a, Session& s) {
  if (s.k.Security_Type == Security_Type::No_Security)
    return Not_For_Device(s, "has no security bits");
  if (!s.Find_Programmer()) return kNoProgrammer;
  int item = a.operands[0][0] - '1';  // "Program Bit 1" is the first item of the list
  return s.Report(s.Run(
      [item](Kv9& k) {
        SecurityClick(k);
        return Security_ListClick(k, item);
      },
      false));
}

}  // namespace memprog::cli
