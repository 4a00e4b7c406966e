#include "picprog/core/checksum_fill.h"

#include "common/hex.h"
#include "picprog/core/fuse_panel.h"

namespace picprog {

namespace {

// A fill rewrites word 0x2107 too: the fuse editor must show what will now be programmed.
void After_Fill(Mcu9& m, const std::string& status) {
  m.link.Status(status);
  Show_Config_Word(m);
  Show_Checksum(m);
  Enable_Step(m);
}

}  // namespace

void Show_Checksum(Mcu9& m) {
  m.Chk_Sum = Checksum(m.Buf(), m.Prog_End);
  m.ui.Caption("Chk_Sum_But", Checksum_Caption(m.Chk_Sum));
}

void Chk_Sum_ButClick(Mcu9& m) {
  Busy_State(m);
  Show_Checksum(m);
  Enable_Step(m);
}

void FillClick(Mcu9& m) {
  Busy_State(m);
  m.ui.Visible("FillBox", true);
}

void FillBoxClick(Mcu9& m, int item) {
  switch (item) {
    case 0:
      return After_Fill(m, Fill_Zero(m.Buf()));
    case 1:
      return After_Fill(m, Fill_Blank(m.Buf(), m.Fuse_Blank));
    case 2:
      m.Fill_Entry_Spoilt = false;
      m.ui.Caption("FillEdit", "");
      m.ui.Visible("FillEdit", true);
      m.ui.Focus("FillEdit");
      return;
    default:
      Enable_Step(m);
  }
}

bool FillEditKeyPress(Mcu9& m, char key) {
  if (key != '\r') {
    if (key != '\b' && !common::Is_Hex_Entry_Char(key)) m.Fill_Entry_Spoilt = true;
    return false;
  }
  const std::string text = m.ui["FillEdit"].caption;
  if (text.empty()) {
    Enable_Step(m);
  } else if (auto status = Fill_Value(m.Buf(), text)) {
    After_Fill(m, *status);
  } else {
    m.host.Show_Message("'" + text + "' is not a valid hex value", proglink::Box::Error, {});
    Enable_Step(m);
  }
  return true;
}

void FillEditChange(Mcu9& m, const std::string& text) {
  m.ui.User_Caption("FillEdit", text);
  if (!m.Fill_Entry_Spoilt) return;
  m.Fill_Entry_Spoilt = false;
  m.ui.Caption("FillEdit", "");
}

}  // namespace picprog
