#include "picprog/cli/session.h"

#include "picprog/cli/device_lookup.h"
#include "picprog/core/checksum_fill.h"
#include "picprog/core/file_buttons.h"
#include "picprog/core/main_form.h"
#include "picprog/core/selection.h"
#include "picprog/ops/pic_ops.h"
#include "proglink/console/interrupt.h"

namespace picprog::cli {

namespace {

constexpr int kQuit_Address_Digits = 4;
constexpr int kFill_Blank = 1;  // "Fill Buffer With FFFF"
constexpr int kFill_Entry = 2;  // "Fill Buffer With XXXX"

}  // namespace

Session::Session(std::ostream& out, std::ostream& err, bool terminal)
    : Front_End(out, err, terminal, {"mcu9", kQuit_Address_Digits, "StaticText2"}), m(host) {
  FormCreate(m);
}

void Session::Idle() {
  Enable_Step(m);
}

void Session::Quit() {
  Quit_AddClick(m);
}

void Session::Select(int code) {
  Device_BoxClick(m, Line_Of_Code(code));
}

void Session::Apply(const Arguments& a) {
  if (a.verify_volts) V_VerifyClick(m, *a.verify_volts);
  m.Refuse_Beyond_Part = !a.wrap;
}

void Session::Fill(const Arguments& a) {
  FillClick(m);
  if (a.fill) {
    FillBoxClick(m, kFill_Entry);
    m.ui.User_Caption("FillEdit", *a.fill);
    FillEditKeyPress(m, '\r');
  } else {
    FillBoxClick(m, kFill_Blank);
  }
  fill_word_ = m.Buf()[0];
}

bool Session::Load(const std::string& path, File_Format format) {
  if (proglink::console::Interrupted()) return false;
  if (m.File_Type != format) File_TypeClick(m, format);
  return Run_With_File(path, [this] { return Load_ButClick(m); });
}

bool Session::Save(const std::string& path, File_Format format) {
  if (proglink::console::Interrupted()) return false;
  if (m.File_Type != format) File_TypeClick(m, format);
  return Run_With_File(path, [this] { return Save_ButClick(m); });
}

proglink::Outcome Session::Run(const std::function<proglink::Outcome(Mcu9&)>& operation,
                               bool over_program) {
  proglink::console::Progress_Range range;
  if (over_program) range = {0, m.Prog_End};
  return Operate([&] { return operation(m); }, range);
}

}  // namespace picprog::cli
