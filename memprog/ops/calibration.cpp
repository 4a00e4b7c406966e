#include "memprog/ops/calibration.h"

#include "common/hex.h"
#include "memprog/core/kv9_packets.h"

namespace memprog {

namespace stop = proglink::stop;

namespace {

struct Test_Step {
  const char* caption;
  uint8_t vcc_code;  // byte 1
  uint8_t selector;  // byte 3: 20 supply, 31 programming voltage
  uint8_t level;     // byte 4
};

constexpr Test_Step kSteps[8] = {
    {"", 0, 0, 0},  // steps count from 1
    {"Vcc = 3", 0, 20, 0},   {"Vcc = 5", 2, 20, 0},     {"Vcc = 6", 0x42, 20, 0},
    {"Vpp = 12V", 2, 31, 1}, {"Vpp = 12.75", 2, 31, 2}, {"Vpp = 21", 2, 31, 3},
    {"Vpp = 25", 2, 31, 4},
};

void Show_Trim(Kv9& k, uint8_t value) {
  k.ui.Caption("Write_Vpp", "Vpp Value - " + common::Hex(value, 2));
}

// Applies Cal_Value and stores it at once as the trim of the level in use.
void Trim(Kv9& k) {
  k.link.Stop_Code = stop::Go_On;
  Send_Voltage_Test(k, k.link.Vcc_Code, k.Cal_Value, 7, 0);
  if (k.link.Stop_Code != stop::Go_On) {  // not applied: store nothing
    k.Trim_Known = false;
    return;
  }
  Show_Trim(k, k.link.Reply()[6]);
  Send_Store_Calibration(k, 0, 0);
  uint8_t level = k.Test_Step >= 5 ? static_cast<uint8_t>(k.Test_Step - 3) : 1;
  Send_Store_Calibration(k, level, k.Cal_Value);
}

}  // namespace

void Vpp_TestClick(Kv9& k) {
  k.ui.Visible("Vpp_Cal", true);
  k.ui.Visible("Cal_Vpp", true);
  k.ui.Visible("Test", false);
}

void Vxx_TestClick(Kv9& k) {
  k.Test_Step = k.Test_Step % 7 + 1;
  k.Cal_Value = 0;
  k.link.Memo1().Clear();
  k.link.Memo1().Show(false);
  if (k.Test_Step == 1) {
    k.link.Search_Again();
  }
  const Test_Step& s = kSteps[k.Test_Step];
  k.ui.Caption("Vxx_Test", s.caption);
  k.link.Vcc_Code = s.vcc_code;
  k.link.Stop_Code = stop::Go_On;  // each step starts afresh, whatever the last one met
  Send_Voltage_Test(k, s.vcc_code, 0, s.selector, s.level);
  // Only a trim the programmer reported may be stepped and stored: a reply that never came
  // leaves nothing to adjust.
  k.Trim_Known = k.link.Stop_Code == stop::Go_On;
  if (!k.Trim_Known) return;
  k.Cal_Value = k.link.Reply()[6];
  Show_Trim(k, k.Cal_Value);
}

void Vpp_UpClick(Kv9& k) {
  if (!k.Trim_Known) return;
  ++k.Cal_Value;
  Trim(k);
}

void Vpp_DownClick(Kv9& k) {
  if (!k.Trim_Known) return;
  --k.Cal_Value;
  Trim(k);
}

void Test_AdapterClick(Kv9& k) {
  k.link.Memo1().Show(true);
  Send_Adapter_Test(k);
  const uint8_t* r = k.link.Reply();
  k.link.Memo1().Add(std::string("Testing ") + static_cast<char>(r[2]) + " - Pins " +
                     common::Hex(r[3], 2) + " - Gd/Bd " + common::Hex(r[4], 2));
  const char* caption = nullptr;
  if (r[1] == 'B') caption = "Bad Pin";
  if (r[1] == 'B' && r[2] == 'J') caption = "Jumper On";
  if (r[1] == 'B' && r[2] == 'G' && r[4] == 0) caption = "No Adapter";
  if (r[1] == 'P' && r[2] == 'T') caption = "Pass Test OK";
  if (caption) k.ui.Caption("Test_Adapter", caption);
  k.link.Reset_Programmer();
  k.Test_Step = 7;
  k.ui.Caption("Vxx_Test", "Vcc = 0");
}

}  // namespace memprog
