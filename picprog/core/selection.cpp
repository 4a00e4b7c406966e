#include "picprog/core/selection.h"

#include "common/hex.h"
#include "picprog/catalogue/catalogue.h"
#include "picprog/catalogue/device_box.h"
#include "picprog/core/fuse_panel.h"
#include "picprog/core/main_form.h"

namespace picprog {

namespace {

constexpr const char* kEE_Controls[] = {"Prg_EE", "Verify_EE", "EEprom_Begin", "EEprom_End"};

}  // namespace

void DeviceClick(Mcu9& m) {
  Busy_State(m);
  m.ui.Visible("Device_Box", true);
}

void Device_BoxClick(Mcu9& m, int index) {
  if (index < 0 || index >= static_cast<int>(Device_Box_Lines.size())) return;
  m.Device_Code = Device_Code_Of_Line(Device_Box_Lines[static_cast<size_t>(index)]);
  m.ui.Visible("Device_Box", false);
  Select_Device(m);
}

void Select_Device(Mcu9& m) {
  m.Family = 0;
  m.Dev_Start_Add = 0;
  m.EE_Size = 0;
  m.ui.Caption("Device", "No Device");
  m.Erase_Flag = 0;
  m.ui.Visible("Erase_But", false);
  m.ui.Height("StaticText4", 25);

  Hide_Panels(m);
  m.link.Memo1().Show(false);

  if (const Pic_Device* d = Find_Device(m.Device_Code)) {
    m.ui.Caption("Device", std::string(d->caption));
    m.ui.Visible(std::string(Panel_Name(d->panel)), true);
    m.Family = d->family;
    m.Prog_End = d->prog_end;
    m.Pin_Code = d->pin_code;
    m.EE_Size = d->ee_size;
  }
  m.ui.Caption("End_Add", "Device End=" + common::Hex(m.Prog_End, 4));
  if (m.Family == 0) m.host.Show_Message("No Device Was Selected.", proglink::Box::Information, {});

  if (Can_Erase(m.Family)) {
    m.Erase_Flag = 1;
    m.ui.Visible("Erase_But", true);
    m.ui.Height("StaticText4", 46);
  }

  m.EE_End = EE_End(m.EE_Size);
  for (const char* c : kEE_Controls) m.ui.Visible(c, m.EE_Size != 0);
  if (m.EE_Size != 0) {
    m.ui.Caption("EEprom_Begin", "EE Start=2000");
    m.ui.Caption("EEprom_End", "EE End=" + common::Hex(m.EE_End, 4));
  }
  m.ui.Height("StaticText5", m.EE_Size != 0 ? 88 : 46);

  m.Fuse_Blank = Fuse_Blank(m.Family);
  m.Fuse_Word = m.Fuse_Blank & 0x3FFF;
  Decode(m);
  Enable_Step(m);
}

}  // namespace picprog
