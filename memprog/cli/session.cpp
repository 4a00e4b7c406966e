#include "memprog/cli/session.h"

#include <algorithm>
#include <cstring>
#include <ostream>

#include "common/hex.h"
#include "memprog/catalogue/device_list.h"
#include "memprog/core/buffer.h"
#include "memprog/core/file_buttons.h"
#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"
#include "memprog/core/selection.h"
#include "memprog/ops/program.h"
#include "proglink/console/interrupt.h"

namespace memprog::cli {

using proglink::console::Interrupted;

namespace {

// The buffer as an erased part holds it, as far as the device range and a save of it reach: the
// bytes a file does not cover are then programmed blank, not 00 (which on a one-time part would
// spoil them for good).
void Start_Blank(Kv9& k) {
  const int64_t last_index = int64_t{k.Buf_Start_Add} + k.Dev_End_Add - k.Dev_Start_Add;
  // `| 1`: with the byte order swapped the last byte of the range comes from the index after it.
  const int64_t last = std::min<int64_t>(
      std::max(Range_End_Index(k), Buffer_Position(k.Prg_Type, last_index | 1)), kImage_Size - 1);
  if (last >= 0) std::memset(k.Image_Buffer.get(), k.Blank_Value, static_cast<size_t>(last) + 1);
}

}  // namespace

Session::Session(std::ostream& out, std::ostream& err, bool terminal)
    : Front_End(out, err, terminal, {"kv9", 5, "StaticText3"}), k(host) {
  FormCreate(k);
}

void Session::Idle() {
  End_Busy(k);
}

void Session::Quit() {
  Quit_Func_ButClick(k);
}

void Session::Select(int code) {
  Device_Box1Click(k, Find_Line_With_Code(code));
}

void Session::Apply(const Arguments& a) {
  if (a.split) Prg_TypeClick(k, *a.split);
  if (a.swap) {
    k.ui.User_Checked("Lo_Hi", false);
    k.ui.User_Checked("Hi_Lo", true);
    Flash_x16Click(k);
  }
  for (const Range_Entry& r : a.ranges) {
    Edit_Range_Click(k, r.button);
    k.ui.User_Caption("Edit_Add", r.hex);
    Edit_AddKeyPress(k, '\r');
  }
  // The ranges are cut to the device as the window cuts them; say so when that changed one.
  for (const Range_Entry& r : a.ranges) {
    const int32_t* value = Range_Value(k, r.button);
    if (value && common::Parse_Hex(r.hex) != uint64_t{static_cast<uint32_t>(*value)})
      Err() << "kv9: " << r.option << " " << r.hex << " gives " << k.ui[r.button].caption << "\n";
  }
  if (k.Auto_Verify == 1) Auto_VerifyClick(k);
  Start_Blank(k);
  k.Refuse_Beyond_Part = !a.wrap;
  if (a.fill) {
    FillClick(k);
    FillBoxClick(k, 2);  // "Fill Buffer With XX"
    k.ui.User_Caption("Fill_Edit", common::Hex(*a.fill, 2));
    Fill_EditKeyPress(k, '\r');
  }
}

bool Session::Load(const std::string& path, File_Type type) {
  if (Interrupted()) return false;
  if (k.File_Type != static_cast<int>(type)) File_TypeClick(k, static_cast<int>(type));
  // What the load notes in the message area explains a failure: stderr, not the results, and
  // not again when a box has just said it.
  const size_t boxes = host.Boxes().size();
  host.Hold_Lines(true);
  const bool loaded = Run_With_File(path, [this] { return Load_ButClick(k); });
  host.Hold_Lines(false);
  const std::vector<std::string> said(host.Boxes().begin() + static_cast<long>(boxes),
                                      host.Boxes().end());
  for (const std::string& line : host.Take_Held_Lines())
    if (std::find(said.begin(), said.end(), line) == said.end()) Err() << line << '\n';
  return loaded;
}

bool Session::Save(const std::string& path, File_Type type) {
  if (Interrupted()) return false;
  if (k.File_Type != static_cast<int>(type)) File_TypeClick(k, static_cast<int>(type));
  return Run_With_File(path, [this] { return Save_ButClick(k); });
}

proglink::Outcome Session::Run(const std::function<proglink::Outcome(Kv9&)>& operation,
                               bool over_range) {
  proglink::console::Progress_Range range;
  if (over_range)
    range = {static_cast<uint32_t>(k.Dev_Start_Add), static_cast<uint32_t>(k.Dev_End_Add)};
  return Operate([&] { return operation(k); }, range);
}

}  // namespace memprog::cli
