// The device operations: the window's buttons, after the programmer has been found.
#include <ostream>

#include "memprog/cli/commands.h"
#include "memprog/core/file_buttons.h"
#include "memprog/ops/erase.h"
#include "memprog/ops/program.h"
#include "memprog/ops/read_ops.h"
#include "proglink/console/exit_status.h"

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

}  // namespace

int Read_Command(const Arguments& a, Session& s) {
  File_TypeClick(s.k, static_cast<int>(a.out_format));
  if (!s.Find_Programmer()) return kNoProgrammer;
  // A read that did not reach the end of the range would save a file that looks complete.
  if (int status = s.Report(s.Run(Move_EpromClick)); status != kGood) return status;
  s.Out() << s.k.ui["Chk_Sum_But"].caption << '\n';
  return s.Save(a.operands[0], a.out_format) ? kGood : kUsage;
}

int Program_Command(const Arguments& a, Session& s) {
  return With_Input(a, s, Program_EpromClick);
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
  if (s.k.Erase_Type == Erase_Type::No_Erase)
    return Not_For_Device(s, "cannot be erased electrically");
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
