// The fixture of every test that reaches the simulated programmer as a user with the box does:
// through libftdi1 and libusb to an emulated FT245R on the emulated bus, the programmer's core
// behind its FIFO.
#pragma once

#include <memory>

#include "progsim/testing/programmer_peer.h"
#include "usblink/testing/emulated_usb.h"

namespace progsim {

struct Programmer_On_Usb {
  // Plugs `programmer` in behind a chip configured as `chip` (serial FTKV9USB unless it says
  // otherwise), in place of the one plugged before: a test replaces its programmer between runs.
  usbemu::Emulated_Chip& Plug(Programmer& programmer, usbemu::Chip_Config chip = {}) {
    if (plugged) plugged->Unplug();
    peers.push_back(std::make_unique<Programmer_Peer>(programmer));
    chip.peer = peers.back().get();
    plugged = &usb.Plug(std::move(chip));
    return *plugged;
  }

  usbemu::Emulated_Usb usb;
  std::vector<std::unique_ptr<Programmer_Peer>> peers;
  usbemu::Emulated_Chip* plugged = nullptr;
};

}  // namespace progsim
