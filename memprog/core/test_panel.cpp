#include "memprog/core/test_panel.h"

#include <cctype>

#include "memprog/core/kv9_packets.h"
#include "memprog/core/main_form.h"

namespace memprog {

bool Vpp_ButKeyPress(Kv9& k, char key) {
  if (std::toupper(static_cast<unsigned char>(key)) != kTest_Panel_Key) return false;
  Begin_Busy(k);
  k.ui.Visible("Test", true);
  k.ui.Visible("Panel6", false);
  k.ui.Caption("Chg_Pass", "Program Pass=" + std::to_string(k.Prog_Pass));
  k.ui.Caption("Program_Pulse", "Program Pulse=" + std::to_string(k.Prog_Pulse));
  k.ui.Caption("Auto_ID", k.Auto_ID == 1 ? "Auto ID = On" : "Auto ID = Off");
  return true;
}

void Quit_TestClick(Kv9& k) {
  Send_Voltage_Test(k, 2, 0, 0, 0);
  for (const char* c : {"Cal_Vpp", "Vpp_Cal", "Test", "Edit_Add"}) k.ui.Visible(c, false);
  k.ui.Visible("Panel6", true);
  End_Busy(k);
}

}  // namespace memprog

namespace memprog {

proglink::Outcome FlashClick(Kv9& k) {
  proglink::Outcome outcome = k.link.Flash_Update();
  k.ui.Enabled("Flash", true);
  return outcome;
}

}  // namespace memprog
