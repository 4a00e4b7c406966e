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
  // otherwise).
  usbemu::Emulated_Chip& Plug(Programmer& programmer, usbemu::Chip_Config chip = {}) {
    peers.push_back(std::make_unique<Programmer_Peer>(programmer));
    chip.peer = peers.back().get();
    return usb.Plug(std::move(chip));
  }

  usbemu::Emulated_Usb usb;
  std::vector<std::unique_ptr<Programmer_Peer>> peers;
};

}  // namespace progsim
