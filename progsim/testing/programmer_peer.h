// The simulated programmer wired to an emulated FTDI chip's FIFO, so that the programs reach it
// through libftdi1 and libusb as they reach the real box: a claim of the chip's interface opens
// it, a release closes it (and writes its chip file back).
#pragma once

#include "progsim/programmer.h"
#include "usblink/testing/fifo_peer.h"

namespace progsim {

class Programmer_Peer : public usbemu::Fifo_Peer {
 public:
  explicit Programmer_Peer(Programmer& programmer) : p_(programmer) {}

  size_t From_Host(const uint8_t* data, size_t n) override { return p_.Write(data, n); }
  size_t Pending() const override { return p_.Rx_Queued(); }
  size_t Take(uint8_t* out, size_t n) override { return p_.Read(out, n); }
  void Drop_Pending() override { p_.Purge_Rx(); }
  bool Unplugged() const override { return p_.Lost(); }
  void Claimed() override { p_.Open(Programmer::kSerial); }
  void Released() override { p_.Close(); }

 private:
  Programmer& p_;
};

}  // namespace progsim
