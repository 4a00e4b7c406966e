#include "proglink/vpp.h"

#include "proglink/commands.h"
#include "proglink/link.h"

namespace proglink {

Vpp_Choice Vpp_For(int selection, bool writing) {
  const uint8_t six_when_writing = writing ? 0x42 : 2;
  switch (selection) {
    case 1:
      return {"Vpp = 25", 4, 0x42};
    case 2:
      return {"Vpp = 21", 3, 0x42};
    case 3:
    case 6:
      return {"Vpp = 12.75", 2, six_when_writing};
    case 5:
      return {"Vpp = 5", 0, 2};
    case 8:
      return {"Vpp = 12", 1, six_when_writing};
    case 9:
      return {"Vpp = 12/3", 1, 0};
    case 10:
      return {"Vpp = 3", 0, 0};
    case 11:
      return {"Vpp = 12.75", 2, 0x42};
    default:
      return {"Vpp = 12", 1, 2};  // 4, 7, 0 and anything above 11
  }
}

void Link::Set_Vpp() {
  Vpp_Choice v = Vpp_For(dev_.Vpp_Select, Op_Kind == op_kind::Programming);
  Vpp_Code = v.vpp_code;
  Vcc_Code = v.vcc_code;
  controls_.Caption("Vpp_But", v.caption);
  uint8_t* p = Packet();
  p[0] = cmd::Set_Voltages;
  p[1] = Vcc_Code;
  p[2] = Vpp_Code;
  p[3] = static_cast<uint8_t>(dev_.Family);
  Send_Packet();
}

}  // namespace proglink
