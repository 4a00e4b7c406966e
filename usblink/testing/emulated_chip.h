// An FT245R (vendor 0403, product 6001) as libftdi1 sees it through libusb: its descriptors, the
// vendor requests it answers, and its FIFO framed into 64-byte full-speed packets that each begin
// with the two modem-status bytes. Data that does not fill a packet waits until the latency timer
// runs out, counted from the chip's last packet to the host; a packet is sent at once when more
// than one latency period has passed since then. A reset of the chip keeps its latency timer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "usblink/testing/bus_clock.h"
#include "usblink/testing/fifo_peer.h"

namespace usbemu {

struct Chip_Config {
  std::string serial = "FTKV9USB";
  uint16_t vendor = 0x0403;
  uint16_t product = 0x6001;
  uint16_t bcd_device = 0x0600;  // an R chip
  bool kernel_driver = false;    // the kernel's serial driver is bound to it
  bool no_permission = false;    // the operating system refuses to open it for this user
  Fifo_Peer* peer = nullptr;     // what its FIFO is wired to; null: nothing answers
};

// One request the chip saw, in order.
struct Usb_Event {
  enum Kind { Control_Out, Control_In, Bulk_Out, Bulk_In } kind;
  uint8_t request = 0;  // control transfers
  uint16_t value = 0;
  uint16_t index = 0;
  int bytes = 0;    // data bytes moved (a bulk IN: without the status bytes)
  int result = 0;   // what the transfer returned to libusb's caller
  int latency = 0;  // the latency timer when it ran, in ms
};

class Emulated_Chip {
 public:
  static constexpr uint8_t kOut_Endpoint = 0x02;
  static constexpr uint8_t kIn_Endpoint = 0x81;
  static constexpr int kPacket = 64;
  static constexpr int kDefault_Latency = 16;

  Emulated_Chip(Chip_Config config, int address, Bus_Clock& clock);

  const Chip_Config& Config() const { return config_; }
  int Address() const { return address_; }
  // Gone from the bus: pulled out by a test, or the peer went away.
  bool Gone() const { return unplugged_ || (config_.peer && config_.peer->Unplugged()); }
  void Unplug() { unplugged_ = true; }
  int Latency() const { return latency_; }

  // The transfers, with libusb's results; an unknown request is reported through `violation`.
  int Control(uint8_t type, uint8_t request, uint16_t value, uint16_t index, uint8_t* data,
              uint16_t length, unsigned timeout_ms);
  int Bulk(uint8_t endpoint, uint8_t* data, int length, int* transferred, unsigned timeout_ms);

  bool kernel_driver;                // starts as configured; detached by the host
  const void* claimed_by = nullptr;  // the handle that claimed its interface
  int in_timeouts = 0;               // the next N bulk IN transfers time out
  std::function<void()> after_out;   // runs after each bulk OUT (a test's Ctrl-C)
  std::function<void(const std::string&)> violation;
  std::vector<Usb_Event> log;

 private:
  int Bulk_Out(const uint8_t* data, int length, int* transferred, unsigned timeout_ms);
  int Bulk_In(uint8_t* data, int length, int* transferred, unsigned timeout_ms);
  int Vendor_Out(uint8_t request, uint16_t value, uint16_t index, uint16_t length);
  int Vendor_In(uint8_t request, uint16_t value, uint16_t index, uint8_t* data, uint16_t length);
  size_t Pending() const { return config_.peer ? config_.peer->Pending() : 0; }
  int Put_Packet(uint8_t* out, size_t data_bytes);  // status bytes and data; gives its size
  double Deadline(double start, unsigned timeout_ms) const;

  Chip_Config config_;
  int address_;
  Bus_Clock& clock_;
  bool unplugged_ = false;
  int latency_ = kDefault_Latency;
  double last_send_ = -1e18;  // bus time of the last packet to the host, us
};

// The time the protocol needs on this link with a host that costs nothing: the bytes each way at
// the bus rate and, for each reply, the latency-timer wait the chip makes before a packet that is
// not full. Replies are the bulk IN data between two bulk OUTs. In microseconds.
double Protocol_Floor_Us(const std::vector<Usb_Event>& log, const Bus_Timing& timing);

}  // namespace usbemu
