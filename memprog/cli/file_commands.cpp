// convert and checksum: the Load and Save buttons without the programmer.
#include <ostream>

#include "memprog/cli/commands.h"
#include "proglink/console/exit_status.h"

namespace memprog::cli {

using enum proglink::console::Exit_Status;

int Convert_Command(const Arguments& a, Session& s) {
  if (!s.Load(a.operands[0], a.in_format)) return kUsage;
  return s.Save(a.operands[1], a.out_format) ? kGood : kUsage;
}

int Checksum_Command(const Arguments& a, Session& s) {
  if (!s.Load(a.operands[0], a.in_format)) return kUsage;
  s.Show_Checksum(s.k.ui["Chk_Sum_But"].caption, s.k.Chk_Sum);
  return kGood;
}

}  // namespace memprog::cli
