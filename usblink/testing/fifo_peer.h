// What an emulated FTDI chip's FIFO pins are wired to: the programmer's microcontroller, or
// whatever a test puts there.
#pragma once

#include <cstddef>
#include <cstdint>

namespace usbemu {

class Fifo_Peer {
 public:
  virtual ~Fifo_Peer() = default;
  // The host's bytes of one bulk OUT transfer; gives how many were taken (fewer: the chip stops
  // taking bytes and the transfer times out).
  virtual size_t From_Host(const uint8_t* data, size_t n) = 0;
  // Bytes waiting to go to the host.
  virtual size_t Pending() const = 0;
  // Moves up to `n` waiting bytes out; gives how many.
  virtual size_t Take(uint8_t* out, size_t n) = 0;
  // A purge of the chip-to-host buffer, or the chip's reset.
  virtual void Drop_Pending() = 0;
  // The device has gone from the bus.
  virtual bool Unplugged() const { return false; }
  // The host claimed or released the interface: a session begins or ends.
  virtual void Claimed() {}
  virtual void Released() {}
};

}  // namespace usbemu
