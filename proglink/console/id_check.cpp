#include "proglink/console/id_check.h"

#include <ostream>

namespace proglink::console {

int Report_Id_Check(Front_End& f, const Id_Answer& answer, const std::string& selected) {
  const int status = f.Report({.verdict = answer.matches ? Verdict::Good : Verdict::Device_Failed},
                              "Electronic ID: " + answer.text, "check-id");
  if (answer.matches) return status;
  if (answer.part.empty())
    f.Err() << f.Program()
            << ": the answer names no part: the socket may hold another part than the " << selected
            << ", or none; nothing was written\n";
  else
    f.Err() << f.Program() << ": the socket holds a " << answer.part << ", not the " << selected
            << "; nothing was written\n";
  return status;
}

}  // namespace proglink::console
