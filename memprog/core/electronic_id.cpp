#include "memprog/core/electronic_id.h"

#include "memprog/catalogue/device_list.h"
#include "memprog/catalogue/electronic_id.h"
#include "memprog/core/kv9_packets.h"

namespace memprog {

void Identify_Device(Kv9& k) {
  for (uint8_t method : {1, 2, 4, 8, 16}) {
    // A method the part did not answer in time must not make the next one give up unheard.
    if (k.link.Stop_Code == proglink::stop::Time_Out) k.link.Stop_Code = proglink::stop::Go_On;
    Send_Read_Id(k, method);
    Evaluate_Id(k);
    if (k.link.Id_Code != 0) break;
  }
}

void Evaluate_Id(Kv9& k) {
  k.ui.Visible("Mfg", true);
  k.ui.Visible("Dev", true);
  k.Id_Mfg = k.link.Reply()[4];
  k.Id_Dev = k.link.Reply()[5];
  Id_Caption_Texts texts = Id_Texts(static_cast<uint8_t>(k.Id_Mfg), static_cast<uint8_t>(k.Id_Dev));
  Id_Match match = Look_Up_Id(static_cast<uint8_t>(k.Id_Mfg), static_cast<uint8_t>(k.Id_Dev));
  k.ui.Caption("Mfg", texts.mfg);
  k.ui.Caption("Dev", texts.dev);
  k.Id_Name = match.dev_known ? match.name : std::string();
  k.link.Id_Code = match.dev_known ? match.code : 0;
  if (k.link.Id_Code > 0) {
    int line = Find_Line_With_Code(k.link.Id_Code);
    if (line >= 0) {
      k.List_Index = line;
      k.ui.Item_Index("Device_Box1", line);
    }
  }
}

void Auto_IDClick(Kv9& k) {
  k.Auto_ID = k.Auto_ID == 1 ? 0 : 1;
  k.ui.Caption("Auto_ID", k.Auto_ID == 1 ? "Auto ID = On" : "Auto ID = Off");
}

}  // namespace memprog
