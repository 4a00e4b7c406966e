#include "usblink/testing/emulated_chip.h"

#include <libusb-1.0/libusb.h>

#include <algorithm>
#include <limits>

namespace usbemu {

namespace {

constexpr uint8_t kVendor_Out = 0x40;
constexpr uint8_t kVendor_In = 0xC0;
constexpr uint16_t kPort_A = 1;
constexpr uint8_t kModem_Status = 0x01;  // bit 0 is always set
constexpr uint8_t kLine_Status = 0x60;   // transmitter empty

// libftdi1's request codes.
enum Request : uint8_t {
  Reset = 0x00,
  Modem_Ctrl = 0x01,
  Flow_Ctrl = 0x02,
  Baud_Rate = 0x03,
  Data_Format = 0x04,
  Poll_Modem_Status = 0x05,
  Event_Char = 0x06,
  Error_Char = 0x07,
  Set_Latency = 0x09,
  Get_Latency = 0x0A,
  Bit_Mode = 0x0B,
  Read_Pins = 0x0C,
  Read_Eeprom = 0x90,
};
enum Reset_Kind : uint16_t { Sio_Reset = 0, Flush_Host_To_Chip = 1, Flush_Chip_To_Host = 2 };

constexpr int kFull_Data = Emulated_Chip::kPacket - 2;

}  // namespace

Emulated_Chip::Emulated_Chip(Chip_Config config, int address, Bus_Clock& clock)
    : kernel_driver(config.kernel_driver),
      config_(std::move(config)),
      address_(address),
      clock_(clock) {}

double Emulated_Chip::Deadline(double start, unsigned timeout_ms) const {
  return timeout_ms == 0 ? std::numeric_limits<double>::infinity() : start + timeout_ms * 1000.0;
}

int Emulated_Chip::Control(uint8_t type, uint8_t request, uint16_t value, uint16_t index,
                           uint8_t* data, uint16_t length, unsigned) {
  if (Gone()) return LIBUSB_ERROR_NO_DEVICE;
  const Bus_Timing& t = clock_.timing;
  clock_.Wait_Until(clock_.Completion(clock_.Now() + (t.control_bytes + length) * t.us_per_byte));
  int result;
  Usb_Event::Kind kind = Usb_Event::Control_Out;
  if (type == kVendor_Out) {
    result = Vendor_Out(request, value, index, length);
  } else if (type == kVendor_In) {
    kind = Usb_Event::Control_In;
    result = Vendor_In(request, value, index, data, length);
  } else {
    violation("control transfer of request type " + std::to_string(type));
    result = LIBUSB_ERROR_PIPE;
  }
  log.push_back({kind, request, value, index, result > 0 ? result : 0, result, latency_});
  return result;
}

int Emulated_Chip::Vendor_Out(uint8_t request, uint16_t value, uint16_t index, uint16_t length) {
  auto refuse = [&](const std::string& why) {
    violation("vendor request " + std::to_string(request) + ": " + why);
    return LIBUSB_ERROR_PIPE;
  };
  if (length != 0) return refuse("carries data");
  // Baud rate requests carry divisor bits in the index on chips with one port.
  if (request != Baud_Rate && index != kPort_A) return refuse("not for port A");
  switch (request) {
    case Reset:
      if (value == Sio_Reset || value == Flush_Chip_To_Host) {
        if (config_.peer) config_.peer->Drop_Pending();
      } else if (value != Flush_Host_To_Chip) {
        return refuse("unknown reset " + std::to_string(value));
      }
      return 0;  // what the host sends is taken at once: nothing waits to be flushed
    case Set_Latency:
      if ((value & 0xFF) == 0) return refuse("latency 0");
      latency_ = value & 0xFF;
      return 0;
    case Modem_Ctrl:
    case Flow_Ctrl:
    case Baud_Rate:
    case Data_Format:
    case Event_Char:
    case Error_Char:
    case Bit_Mode:
      return 0;
    default:
      return refuse("unknown to the chip");
  }
}

int Emulated_Chip::Vendor_In(uint8_t request, uint16_t, uint16_t index, uint8_t* data,
                             uint16_t length) {
  auto answer = [&](std::initializer_list<uint8_t> bytes) {
    if (length < bytes.size()) {
      violation("vendor request " + std::to_string(request) + ": buffer too short");
      return static_cast<int>(LIBUSB_ERROR_OVERFLOW);
    }
    std::copy(bytes.begin(), bytes.end(), data);
    return static_cast<int>(bytes.size());
  };
  if (index != kPort_A && request != Read_Eeprom) {
    violation("vendor request " + std::to_string(request) + ": not for port A");
    return LIBUSB_ERROR_PIPE;
  }
  switch (request) {
    case Poll_Modem_Status:
      return answer({kModem_Status, kLine_Status});
    case Get_Latency:
      return answer({static_cast<uint8_t>(latency_)});
    case Read_Pins:
      return answer({0xFF});
    case Read_Eeprom:
      return answer({0xFF, 0xFF});
    default:
      violation("vendor request " + std::to_string(request) + " unknown to the chip");
      return LIBUSB_ERROR_PIPE;
  }
}

int Emulated_Chip::Bulk(uint8_t endpoint, uint8_t* data, int length, int* transferred,
                        unsigned timeout_ms) {
  *transferred = 0;
  if (Gone()) return LIBUSB_ERROR_NO_DEVICE;
  if (endpoint == kOut_Endpoint) return Bulk_Out(data, length, transferred, timeout_ms);
  if (endpoint == kIn_Endpoint) return Bulk_In(data, length, transferred, timeout_ms);
  violation("bulk transfer on endpoint " + std::to_string(endpoint));
  return LIBUSB_ERROR_PIPE;
}

int Emulated_Chip::Bulk_Out(const uint8_t* data, int length, int* transferred,
                            unsigned timeout_ms) {
  double start = clock_.Now();
  size_t taken = config_.peer ? config_.peer->From_Host(data, static_cast<size_t>(length))
                              : static_cast<size_t>(length);
  int result = 0;
  if (Gone()) {
    result = LIBUSB_ERROR_NO_DEVICE;
  } else if (taken < static_cast<size_t>(length)) {
    // The chip stops taking bytes: the host waits out its time-out.
    clock_.Wait_Until(Deadline(start, timeout_ms));
    *transferred = static_cast<int>(taken);
    result = LIBUSB_ERROR_TIMEOUT;
  } else {
    clock_.Wait_Until(clock_.Completion(start + length * clock_.timing.us_per_byte));
    *transferred = length;
  }
  log.push_back({Usb_Event::Bulk_Out, 0, 0, 0, *transferred, result, latency_});
  if (result == 0 && after_out) after_out();
  return result;
}

int Emulated_Chip::Put_Packet(uint8_t* out, size_t data_bytes) {
  out[0] = kModem_Status;
  out[1] = kLine_Status;
  size_t n = config_.peer ? config_.peer->Take(out + 2, data_bytes) : 0;
  return static_cast<int>(2 + n);
}

int Emulated_Chip::Bulk_In(uint8_t* data, int length, int* transferred, unsigned timeout_ms) {
  const double start = clock_.Now();
  const double deadline = Deadline(start, timeout_ms);
  const double us_per_byte = clock_.timing.us_per_byte;
  auto end = [&](int result, int data_bytes) {
    log.push_back({Usb_Event::Bulk_In, 0, 0, 0, data_bytes, result, latency_});
    return result;
  };
  if (in_timeouts > 0) {
    --in_timeouts;
    clock_.Wait_Until(deadline);
    return end(LIBUSB_ERROR_TIMEOUT, 0);
  }
  double t = start;
  int n = 0, data_bytes = 0;
  // Full packets go as long as the host asks for them.
  while (length - n >= kPacket && Pending() >= kFull_Data) {
    n += Put_Packet(data + n, kFull_Data);
    data_bytes += kFull_Data;
    t += kPacket * us_per_byte;
    last_send_ = t;
  }
  // What does not fill a packet, or nothing at all, goes when the latency timer runs out.
  if (length - n >= 2) {
    double at = std::max(t, last_send_ + latency_ * 1000.0);
    if (at > deadline) {
      clock_.Wait_Until(deadline);
      *transferred = n;  // libftdi1 drops these, as the real library does
      return end(LIBUSB_ERROR_TIMEOUT, data_bytes);
    }
    size_t room = std::min<size_t>(kFull_Data, static_cast<size_t>(length - n - 2));
    int packet = Put_Packet(data + n, std::min(Pending(), room));
    n += packet;
    data_bytes += packet - 2;
    t = at + packet * us_per_byte;
    last_send_ = t;
  }
  clock_.Wait_Until(clock_.Completion(t));
  *transferred = n;
  return end(0, data_bytes);
}

double Protocol_Floor_Us(const std::vector<Usb_Event>& log, const Bus_Timing& timing) {
  double t = 0, last_send = -1e18;
  auto reply = [&](int bytes, int latency) {
    if (bytes == 0) return;
    int full = bytes / kFull_Data, rest = bytes % kFull_Data;
    t += full * Emulated_Chip::kPacket * timing.us_per_byte;
    if (full > 0) last_send = t;
    if (rest > 0) {
      t = std::max(t, last_send + latency * 1000.0) + (rest + 2) * timing.us_per_byte;
      last_send = t;
    }
  };
  int reply_bytes = 0, latency = Emulated_Chip::kDefault_Latency;
  for (const Usb_Event& e : log) {
    if (e.kind == Usb_Event::Bulk_Out && e.result == 0) {
      reply(reply_bytes, latency);
      reply_bytes = 0;
      t += e.bytes * timing.us_per_byte;
    } else if (e.kind == Usb_Event::Bulk_In) {
      reply_bytes += e.bytes;
      latency = e.latency;
    }
  }
  reply(reply_bytes, latency);
  return t;
}

}  // namespace usbemu
