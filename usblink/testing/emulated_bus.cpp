#include "usblink/testing/emulated_bus.h"

#include <cstdio>

namespace usbemu {

Bus& Bus::Get() {
  static Bus bus;
  return bus;
}

Emulated_Chip& Bus::Plug(Chip_Config config) {
  chips_.push_back(std::make_unique<Emulated_Chip>(std::move(config), next_address_++, clock));
  chips_.back()->violation = [this](const std::string& what) { Violation(what); };
  return *chips_.back();
}

void Bus::Clear() {
  for (auto& chip : chips_) chip->Unplug();
  // The objects stay: a libusb device of the program may still point at one.
  clock.timing = Bus_Timing::Instant();
}

std::vector<Emulated_Chip*> Bus::Present() {
  std::vector<Emulated_Chip*> present;
  for (auto& chip : chips_)
    if (!chip->Gone()) present.push_back(chip.get());
  return present;
}

void Bus::Violation(const std::string& what) {
  std::fprintf(stderr, "emulated USB: %s\n", what.c_str());
  violations_.push_back(what);
}

std::vector<std::string> Bus::Take_Violations() {
  std::vector<std::string> v;
  v.swap(violations_);
  return v;
}

}  // namespace usbemu
