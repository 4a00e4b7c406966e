// A test's emulated USB bus under the real libftdi1: the libftdi1 backend installed for the
// test's life (the backend before it back afterwards), the bus empty at both ends, and any misuse
// the emulated chips saw failing the test.
#pragma once

#include "usblink/ftd2xx.h"
#include "usblink/testing/emulated_bus.h"

namespace usbemu {

class Emulated_Usb {
 public:
  Emulated_Usb();
  ~Emulated_Usb();
  Emulated_Usb(const Emulated_Usb&) = delete;
  Emulated_Usb& operator=(const Emulated_Usb&) = delete;

  Emulated_Chip& Plug(Chip_Config config = {}) { return bus.Plug(std::move(config)); }

  Bus& bus;

 private:
  const Ftd2xx_Backend& previous_;
};

}  // namespace usbemu
