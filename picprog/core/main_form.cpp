#include "picprog/core/main_form.h"

#include <cctype>

#include "picprog/core/settings.h"
#include "picprog/diagrams/diagrams.h"

namespace picprog {

void FormCreate(Mcu9& m) {
  m.ui.Caption("Device", "No Device");
  m.link.Write_Len = 8;
  m.link.Reply_Size = 0;
  m.host.Pump_Messages();
}

void FormActivate(Mcu9& m) {
  // Later activations (after a message box closes, say) must not search again.
  if (m.Activated) return;
  m.Activated = true;
  m.host.Pump_Messages();
  m.Fuse_Blank = 0x3FFF;
  m.link.Connection = proglink::connection::None;
  Read_Settings(m);
  m.link.Find_Programmer();
  Enable_Step(m);
  if (m.ui["Device"].caption == "No Device") m.ui.Visible("Device_Box", true);
}

void FormCloseQuery(Mcu9& m) {
  m.link.Stop_Code = proglink::stop::Quit;
  m.host.Set_Timer(false, m.link.Timer_Interval());
  if (m.link.Connection == proglink::connection::Ready) {
    m.link.Reset_Programmer();
    m.link.Close_Programmer();
  }
  // The reset cleared it: an operation whose wait the close interrupted must stop, not go on.
  m.link.Stop_Code = proglink::stop::Quit;
  Write_Settings(m);
  m.host.Pump_Messages();
}

void FormClick(Mcu9& m) {
  Hide_Panels(m);
  m.link.Memo1().Show(false);
}

void Hide_Panels(Mcu9& m) {
  for (std::string_view p : kDiagram_Names) m.ui.Visible(std::string(p), false);
}

void StaticText3Click(Mcu9& m) {
  // A click while an operation waits for a reply would search in the middle of it.
  if (m.Busy) return;
  Busy_State(m);
  m.link.Search_Again();
  Enable_Step(m);
}

bool Start_AddKeyPress(Mcu9& m, char key) {
  if (std::toupper(static_cast<unsigned char>(key)) != kFlash_Update_Key) return false;
  Firmware_Update(m);
  return true;
}

proglink::Outcome Firmware_Update(Mcu9& m) {
  // Without a programmer the update would send nothing and then judge a stale reply.
  if (m.link.Connection != proglink::connection::Ready) return {.verdict = proglink::Verdict::Lost};
  return m.link.Flash_Update();
}

void V_VerifyClick(Mcu9& m, int index) {
  if (index < 0 || index > 2) return;
  m.Verify_Volts = index;
  m.ui.User_Item_Index("V_Verify", index);
}

}  // namespace picprog
