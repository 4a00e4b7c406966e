// convert and checksum: the Fill, Load and Save buttons without the programmer, and the input
// file every command that takes one loads.
#include <ostream>

#include "picprog/cli/commands.h"
#include "picprog/cli/fuse_word.h"
#include "proglink/console/exit_status.h"

namespace picprog::cli {

using enum proglink::console::Exit_Status;

namespace {

using proglink::console::Content_Format;
constexpr proglink::console::Content_Row kContents[] = {
    {Content_Format::Binary, kBinary, "bin", "Binary"},
    {Content_Format::Intel, kIntel_Hex, "hex", "Intel Hex"}};

}  // namespace

int Load_Input(const Arguments& a, Session& s) {
  const std::string& path = a.operands.front();
  auto format = proglink::console::Settle_Input_Format(path, a.in_format, a.in_origin, kContents,
                                                       s.Program());
  if (const auto* problem = std::get_if<Usage_Problem>(&format)) return Usage_Error(s, *problem);
  s.Fill(a);
  if (!s.Load(path, static_cast<File_Format>(std::get<int>(format)))) {
    if (s.m.Beyond_Part > 0)
      s.Err() << s.Program()
              << ": --wrap loads it as the window does: hex addresses from 8000 fold onto the "
                 "words from 0, the rest is left out\n";
    return kUsage;
  }
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
