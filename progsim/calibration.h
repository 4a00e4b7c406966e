// The Vpp calibration of the programmer (commands 0x70 and 0x72): one stored trim value per Vpp
// level, 1 = 12 V, 2 = 12.75 V, 3 = 21 V, 4 = 25 V, as the programmer keeps them in its EEPROM.
#pragma once

#include <array>
#include <cstdint>

namespace progsim {

class Vpp_Calibration {
 public:
  static constexpr uint8_t kFactoryTrim = 0x80;

  // Command 0x70, bytes 1-4 = supply code, trim value, selector, level. Selector 31 switches the
  // level's voltage on with its stored trim, 20 a supply voltage, 7 applies the trim value; any
  // other (the end of the test sends 2, 0, 0, 0) switches the test voltages off. Returns reply
  // byte 6: the trim now in use. A supply step reports level 1's trim, the level an adjustment
  // made then is stored into.
  uint8_t Test(const uint8_t* packet);
  // Command 0x72: 2, 0, 0, 0 opens the EEPROM for one store; 2, 0, level, trim then stores it.
  void Store(const uint8_t* packet);

  uint8_t Stored(int level) const { return stored_.at(level - 1); }
  int Level() const { return level_; }  // 0 while no Vpp level is switched on

 private:
  std::array<uint8_t, 4> stored_{kFactoryTrim, kFactoryTrim, kFactoryTrim, kFactoryTrim};
  uint8_t in_use_ = kFactoryTrim;
  int level_ = 0;
  bool store_open_ = false;
};

}  // namespace progsim
