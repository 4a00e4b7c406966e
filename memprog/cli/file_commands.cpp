// convert and checksum: the Load and Save buttons without the programmer.
#include <ostream>

#include "memprog/cli/commands.h"
#include "memprog/cli/formats.h"
#include "proglink/console/exit_status.h"

namespace memprog::cli {

using enum proglink::console::Exit_Status;

int Load_Input(const Arguments& a, Session& s) {
  const std::string& path = a.operands.front();
  auto format = proglink::console::Settle_Input_Format(path, static_cast<int>(a.in_format),
                                                       a.in_origin, Content_Rows(), s.Program());
  if (const auto* problem = std::get_if<Usage_Problem>(&format)) return Usage_Error(s, *problem);
  if (s.Load(path, static_cast<File_Type>(std::get<int>(format)))) return kGood;
  if (s.k.Beyond_Part > 0)
    s.Err() << s.Program()
            << ": --wrap loads it as the window does: hex addresses wrap at the part's size, "
               "bytes laid out past it stay in the buffer\n";
  return kUsage;
}

int Convert_Command(const Arguments& a, Session& s) {
  if (int status = Load_Input(a, s); status != kGood) return status;
  return s.Save(a.operands[1], a.out_format) ? kGood : kUsage;
}

int Checksum_Command(const Arguments& a, Session& s) {
  if (int status = Load_Input(a, s); status != kGood) return status;
  s.Show_Checksum(s.k.ui["Chk_Sum_But"].caption, s.k.Chk_Sum);
  return kGood;
}

}  // namespace memprog::cli
