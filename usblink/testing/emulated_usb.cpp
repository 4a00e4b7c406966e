#include "usblink/testing/emulated_usb.h"

#include <gtest/gtest.h>

#include "usblink/ftd2xx_libftdi.h"

namespace usbemu {

Emulated_Usb::Emulated_Usb() : bus(Bus::Get()), previous_(Ftd2xx_Installed()) {
  bus.Clear();
  bus.Take_Violations();
  Ftd2xx_Install(Libftdi_Backend());
}

Emulated_Usb::~Emulated_Usb() {
  for (const std::string& v : bus.Take_Violations()) ADD_FAILURE() << "emulated USB: " << v;
  bus.Clear();
  Ftd2xx_Install(previous_);
}

}  // namespace usbemu
