// convert and checksum: the Fill, Load and Save buttons without the programmer, and the input
// file every command that takes one loads.
#include <ostream>

#include "picprog/cli/commands.h"
#include "picprog/cli/fuse_word.h"
#include "proglink/console/exit_status.h"

namespace picprog::cli {

using enum proglink::console::Exit_Status;

int Load_Input(const Arguments& a, Session& s) {
  s.Fill(a);
  if (!s.Load(a.operands[0], a.in_format)) return kUsage;
  if (!a.fuse) return kGood;
  const std::string problem = Set_Fuse(s.m, *a.fuse);
  if (problem.empty()) return kGood;
  return Usage_Error(s, {"--fuse: " + problem, {}});
}

int Convert_Command(const Arguments& a, Session& s) {
  if (int status = Load_Input(a, s); status != kGood) return status;
  return s.Save(a.operands[1], a.out_format) ? kGood : kUsage;
}

int Checksum_Command(const Arguments& a, Session& s) {
  if (int status = Load_Input(a, s); status != kGood) return status;
  s.Show_Checksum(s.m.ui["Chk_Sum_But"].caption, s.m.Chk_Sum);
  return kGood;
}

}  // namespace picprog::cli
