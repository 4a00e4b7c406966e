#include "memprog/core/selection.h"

#include "memprog/catalogue/catalogue.h"
#include "memprog/catalogue/device_list.h"
#include "memprog/catalogue/erase_kinds.h"
#include "memprog/core/electronic_id.h"
#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"
#include "memprog/diagrams/diagrams.h"

namespace memprog {

proglink::Outcome DeviceClick(Kv9& k) {
  k.ui.Visible("Flash_x16", false);
  Begin_Busy(k);
  if (k.Auto_ID == 1 && k.link.Connection == proglink::connection::Ready) Identify_Device(k);
  k.ui.Visible("Device_Box1", true);
  // A part named stays named, even when an ID method before the one that named it went unheard.
  if (k.link.Id_Code > 0 && Find_Line_With_Code(k.link.Id_Code) >= 0)
    return {.device_code = k.link.Id_Code};
  return {.verdict = k.link.Run_Verdict(proglink::Verdict::Device_Failed)};
}

void Device_Box1Click(Kv9& k, int index) {
  const auto& lines = Device_List_Lines();
  if (index < 0 || index >= static_cast<int>(lines.size())) return;
  k.List_Index = index;
  k.Device_Code = Code_Of_Line(lines[index]);
  k.ui.Visible("Device_Box1", false);
  Select_Device(k);
  End_Busy(k);
}

void Select_Device(Kv9& k) {
  Hide_Sockets(k);
  k.ui.Visible("Read_Time", false);

  k.Erase_Type = Erase_Type::No_Erase;
  k.Protect_Type = Protect_Type::No_Protect;
  k.Prog_Pulse = kResetProgPulse;
  k.ui.Visible("T_Keeper", false);
  k.Byte_Order = 0;
  k.Id_Last = kResetIdLast;
  k.ui.Visible("Prg_Time", false);
  k.Clock_Type = Clock_Type::No_Clock;
  k.High_Address_Bits = 0;
  k.Prom_Adapter = false;
  k.Dev_Start_Add = 0;
  k.Blank_Value = kResetBlankValue;
  k.ui.Visible("Prog_ID", false);
  k.Security_Type = Security_Type::No_Security;
  k.Family = 0;

  if (const Catalogue_Entry* e = Find_Entry(k.Device_Code)) {
    k.Family = e->family;
    k.Dev_End_Add = e->last;
    k.ui.Caption("Device", std::string(e->caption));
    k.Vpp_Select = e->vpp;
    if (e->pulse) k.Prog_Pulse = *e->pulse;
    if (e->blank) k.Blank_Value = *e->blank;
    if (e->page) k.Page_Size = *e->page;
    if (e->id_last) k.Id_Last = *e->id_last;
    k.Erase_Type = e->erase;
    k.Security_Type = e->security;
    k.Protect_Type = e->protect;
    k.Clock_Type = e->clock;
    k.High_Address_Bits = static_cast<uint8_t>(e->address);
    k.Prom_Adapter =
        e->family >= kProm_Adapter_First_Family && e->family <= kProm_Adapter_Last_Family;
  }

  if (k.Family == 0) {
    k.ui.Caption("Device", "No Device");
    k.host.Show_Message("No Device Was Selected.", proglink::Box::Information, {});
  } else {
    if (const char* diagram = Diagram_For_Family(k.Family)) k.ui.Visible(diagram, true);
    if (Shows_Flash_x16(k.Family)) k.ui.Visible("Flash_x16", true);
  }

  for (const char* b : {"Erase_But2", "Protect", "Security", "Erase_But", "Prog_ID"})
    k.ui.Visible(b, false);
  k.ui.Height("Panel7", 28);
  k.Dev_Last_Add = k.Dev_End_Add;
  if (k.Clock_Type != Clock_Type::No_Clock) {
    k.ui.Visible("T_Keeper", true);
    k.ui.Height("Panel7", 68);
    k.ui.Visible("Prg_Time", true);
    k.ui.Visible("Read_Time", true);
  }
  if (k.Security_Type != Security_Type::No_Security) {
    k.ui.Height("Panel7", 48);
    k.ui.Visible("Security", true);
  }
  if (k.Erase_Type != Erase_Type::No_Erase) {
    k.ui.Height("Panel7", 48);
    k.ui.Visible("Erase_But", true);
  }
  if (const Erase_Kind* erase = Find_Erase_Kind(k.Erase_Type); erase && erase->second_button) {
    k.ui.Height("Panel7", 68);
    k.ui.Visible("Erase_But", false);
    k.ui.Visible("Erase_But2", true);
  }
  k.Byte_Order = k.ui["Lo_Hi"].checked ? 0 : 1;
  Show_Ranges(k);
  k.link.Op_Kind = proglink::op_kind::None;
  k.link.Set_Vpp();
}

void Vpp_ButClick(Kv9& k) {
  // Only the three EPROM voltages cycle; the caption follows at the next Set_Vpp.
  if (k.Vpp_Select >= 1 && k.Vpp_Select <= 3) k.Vpp_Select = k.Vpp_Select % 3 + 1;
}

const char* Prg_Type_Caption(Program_Type prg_type) {
  switch (prg_type) {
    case Program_Type::Word_Even_High:
      return "Word Even/High";
    case Program_Type::Word_Odd_Low:
      return "Word Odd/Low";
    default:
      return "Byte Program";
  }
}

void Prg_Type_ButClick(Kv9& k) {
  Begin_Busy(k);
  k.ui.Visible("Prg_Type", true);
}

void Prg_TypeClick(Kv9& k, int index) {
  Begin_Busy(k);
  k.Prg_Type = static_cast<Program_Type>(index);
  k.ui.Visible("Prg_Type", false);
  k.ui.Caption("Prg_Type_But", Prg_Type_Caption(k.Prg_Type));
  End_Busy(k);
}

void Flash_x16Click(Kv9& k) {
  for (const char* d : {"Pin_8", "Pin_24", "Pin_28", "Pin_32", "Pin_40", "Pin_40A", "Pin_40B"})
    k.ui.Visible(d, false);
  k.Byte_Order = k.ui["Lo_Hi"].checked ? 0 : 1;
}

}  // namespace memprog
