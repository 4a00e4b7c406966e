// The USB bus this process sees through libusb, when the test program links the emulated libusb:
// the chips plugged in, the bus's timing, and the misuse the emulation caught.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "usblink/testing/bus_clock.h"
#include "usblink/testing/emulated_chip.h"

namespace usbemu {

class Bus {
 public:
  static Bus& Get();

  Emulated_Chip& Plug(Chip_Config config);
  // Every chip gone and forgotten; the timing back to instant.
  void Clear();
  // The chips on the bus, in the order libusb lists them.
  std::vector<Emulated_Chip*> Present();

  Bus_Clock clock;

  // Misuse seen: a request the chip would not know, a handle used after its context ended, ...
  void Violation(const std::string& what);
  std::vector<std::string> Take_Violations();

 private:
  std::vector<std::unique_ptr<Emulated_Chip>> chips_;
  int next_address_ = 2;
  std::vector<std::string> violations_;
};

}  // namespace usbemu
