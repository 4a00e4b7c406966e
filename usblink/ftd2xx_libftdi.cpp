// The D2XX calls on libftdi1, for the real programmer. libftdi has no receive-queue count, so
// each handle keeps a host-side FIFO that the queue query fills with one bulk read; that read
// returns after the chip's latency timer when nothing has come, which is what keeps the reply
// wait from spinning. Every device and handle stays in the one libusb context that listed it.
#include "usblink/ftd2xx_libftdi.h"

#include <libftdi1/ftdi.h>
#include <libusb-1.0/libusb.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// A poll returns within the latency timer on a working chip; one that says nothing this long is
// treated as having nothing, so the reply timer and the Quit button still act.
constexpr int kPoll_Timeout_Ms = 50;
constexpr size_t kSerial_Size = 50;

struct Device {
  ftdi_context* ctx = nullptr;
  std::vector<uint8_t> fifo;
  size_t head = 0;
  int read_timeout_ms = 5000;
  int write_timeout_ms = 5000;
  int bus = 0, address = 0;
  std::string serial;

  size_t Queued() const { return fifo.size() - head; }
  void Drop() { fifo.clear(), head = 0; }
};

std::set<Device*>& Open_Devices() {
  static std::set<Device*> devices;
  return devices;
}

// Why the last open of a device failed, by bus and address, for the survey.
std::map<std::pair<int, int>, std::pair<Device_Access, std::string>>& Open_Failures() {
  static std::map<std::pair<int, int>, std::pair<Device_Access, std::string>> failures;
  return failures;
}

Device* Valid(FT_HANDLE h) {
  auto* d = static_cast<Device*>(h);
  return Open_Devices().count(d) ? d : nullptr;
}

std::pair<int, int> Place(libusb_device* dev) {
  return {libusb_get_bus_number(dev), libusb_get_device_address(dev)};
}

// The serial number of a listed device, read through `ctx`.
bool Read_Serial(ftdi_context* ctx, libusb_device* dev, char* out) {
  out[0] = 0;
  if (ftdi_usb_get_strings(ctx, dev, nullptr, 0, nullptr, 0, out, kSerial_Size) >= 0) return true;
  // A failure after the open leaves the handle in the context, where the next device's strings
  // would be read through it.
  if (ctx->usb_dev) {
    libusb_close(ctx->usb_dev);
    ctx->usb_dev = nullptr;
  }
  return false;
}

// Every FTDI device on the bus (vendor 0x0403, the usual product ids), in one context.
struct Listing {
  ftdi_context* ctx = nullptr;
  ftdi_device_list* list = nullptr;
  std::vector<libusb_device*> devices;

  explicit Listing(ftdi_context* context) : ctx(context) {
    if (!ctx || ftdi_usb_find_all(ctx, &list, 0, 0) < 0) return;
    for (ftdi_device_list* p = list; p; p = p->next) devices.push_back(p->dev);
  }
  ~Listing() {
    if (list) ftdi_list_free(&list);
  }
  Listing(const Listing&) = delete;
  Listing& operator=(const Listing&) = delete;
};

struct Context {
  ftdi_context* ctx = ftdi_new();
  ~Context() {
    if (ctx) ftdi_free(ctx);
  }
};

// Takes what libftdi holds and at most one bulk read into the FIFO; false on a USB failure. A
// request of one byte makes libftdi stop after the read that brought data, where a larger one
// would wait a whole latency period more for a second, empty read.
bool Fill(Device* d, int timeout_ms) {
  d->ctx->usb_read_timeout = std::max(1, timeout_ms);
  uint8_t first;
  int n = ftdi_read_data(d->ctx, &first, 1);
  if (n == LIBUSB_ERROR_TIMEOUT || n == 0) return true;
  if (n < 0) return false;
  if (d->head == d->fifo.size()) d->Drop();
  d->fifo.push_back(first);
  auto rest = static_cast<int>(d->ctx->readbuffer_remaining);
  if (rest > 0) {
    size_t at = d->fifo.size();
    d->fifo.resize(at + static_cast<size_t>(rest));
    ftdi_read_data(d->ctx, d->fifo.data() + at, rest);  // from libftdi's buffer: no transfer
  }
  return true;
}

FT_STATUS List_Devices(PVOID arg1, PVOID arg2, DWORD flags) {
  Context context;
  if (!context.ctx) return FT_INSUFFICIENT_RESOURCES;
  Listing listing(context.ctx);
  if (flags & FT_LIST_NUMBER_ONLY) {
    if (!arg1) return FT_INVALID_PARAMETER;
    *static_cast<DWORD*>(arg1) = static_cast<DWORD>(listing.devices.size());
    return FT_OK;
  }
  if ((flags & FT_LIST_BY_INDEX) && (flags & FT_OPEN_BY_SERIAL_NUMBER)) {
    auto index = static_cast<size_t>(reinterpret_cast<uintptr_t>(arg1));
    if (!arg2) return FT_INVALID_PARAMETER;
    if (index >= listing.devices.size()) return FT_DEVICE_NOT_FOUND;
    return Read_Serial(listing.ctx, listing.devices[index], static_cast<char*>(arg2))
               ? FT_OK
               : FT_DEVICE_NOT_FOUND;
  }
  return FT_INVALID_PARAMETER;
}

// How libftdi's open failures read to a user: -5 the interface is claimed by another program,
// -8 the system refused this user.
Device_Access Open_Failure(int code) {
  return code == -5   ? Device_Access::Busy
         : code == -8 ? Device_Access::No_Permission
                      : Device_Access::Failed;
}

FT_STATUS Open_Ex(PVOID arg1, DWORD flags, FT_HANDLE* handle) {
  if (!handle || !arg1 || flags != FT_OPEN_BY_SERIAL_NUMBER) return FT_INVALID_PARAMETER;
  const char* wanted = static_cast<const char*>(arg1);
  auto d = std::make_unique<Device>();
  d->ctx = ftdi_new();
  if (!d->ctx) return FT_INSUFFICIENT_RESOURCES;
  FT_STATUS status = FT_DEVICE_NOT_FOUND;
  {
    Listing listing(d->ctx);
    for (libusb_device* dev : listing.devices) {
      char serial[kSerial_Size];
      if (!Read_Serial(d->ctx, dev, serial) || std::strcmp(serial, wanted) != 0) continue;
      auto place = Place(dev);
      int code = ftdi_usb_open_dev(d->ctx, dev);
      if (code == 0 && ftdi_set_latency_timer(d->ctx, kLibftdi_Latency_Ms) < 0) {
        ftdi_usb_close(d->ctx);
        code = -100;
      }
      if (code < 0) {
        Open_Failures()[place] = {Open_Failure(code), ftdi_get_error_string(d->ctx)};
        status = FT_DEVICE_NOT_OPENED;
        break;
      }
      Open_Failures().erase(place);
      std::tie(d->bus, d->address) = place;
      d->serial = serial;
      status = FT_OK;
      break;
    }
  }
  if (status != FT_OK) {
    ftdi_free(d->ctx);
    return status;
  }
  *handle = d.get();
  Open_Devices().insert(d.release());
  return FT_OK;
}

FT_STATUS Close(FT_HANDLE h) {
  Device* d = Valid(h);
  if (!d) return FT_INVALID_HANDLE;
  ftdi_usb_close(d->ctx);
  ftdi_free(d->ctx);
  Open_Devices().erase(d);
  delete d;
  return FT_OK;
}

FT_STATUS Reset_Device(FT_HANDLE h) {
  Device* d = Valid(h);
  if (!d) return FT_INVALID_HANDLE;
  d->Drop();
  if (ftdi_usb_reset(d->ctx) < 0) return FT_IO_ERROR;
  // Whether a reset keeps the latency timer is not documented; every reply waits on it.
  return ftdi_set_latency_timer(d->ctx, kLibftdi_Latency_Ms) < 0 ? FT_IO_ERROR : FT_OK;
}

FT_STATUS Purge(FT_HANDLE h, ULONG mask) {
  Device* d = Valid(h);
  if (!d) return FT_INVALID_HANDLE;
  if (mask & FT_PURGE_RX) {
    d->Drop();
    if (ftdi_tciflush(d->ctx) < 0) return FT_IO_ERROR;
  }
  if ((mask & FT_PURGE_TX) && ftdi_tcoflush(d->ctx) < 0) return FT_IO_ERROR;
  return FT_OK;
}

FT_STATUS Set_Timeouts(FT_HANDLE h, ULONG read_ms, ULONG write_ms) {
  Device* d = Valid(h);
  if (!d) return FT_INVALID_HANDLE;
  d->read_timeout_ms = static_cast<int>(std::min<ULONG>(read_ms, INT32_MAX));
  d->write_timeout_ms = static_cast<int>(std::min<ULONG>(write_ms, INT32_MAX));
  return FT_OK;
}

FT_STATUS Get_Queue_Status(FT_HANDLE h, DWORD* count) {
  Device* d = Valid(h);
  if (!d || !count) return FT_INVALID_HANDLE;
  if (d->Queued() == 0 && !Fill(d, std::min(kPoll_Timeout_Ms, d->read_timeout_ms)))
    return FT_IO_ERROR;
  *count = static_cast<DWORD>(d->Queued());
  return FT_OK;
}

FT_STATUS Write(FT_HANDLE h, LPVOID buffer, DWORD size, LPDWORD written) {
  if (written) *written = 0;
  Device* d = Valid(h);
  if (!d || !buffer || !written) return FT_INVALID_HANDLE;
  d->ctx->usb_write_timeout = std::max(1, d->write_timeout_ms);
  int n =
      ftdi_write_data(d->ctx, static_cast<const unsigned char*>(buffer), static_cast<int>(size));
  if (n < 0) return FT_IO_ERROR;
  *written = static_cast<DWORD>(n);
  return FT_OK;
}

FT_STATUS Read(FT_HANDLE h, LPVOID buffer, DWORD size, LPDWORD got) {
  if (got) *got = 0;
  Device* d = Valid(h);
  if (!d || !buffer || !got) return FT_INVALID_HANDLE;
  using Clock = std::chrono::steady_clock;
  auto deadline = Clock::now() + std::chrono::milliseconds(d->read_timeout_ms);
  while (d->Queued() < size) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) break;
    if (!Fill(d, static_cast<int>(std::min<int64_t>(left.count(), kPoll_Timeout_Ms))))
      return FT_IO_ERROR;
  }
  size_t n = std::min<size_t>(size, d->Queued());
  std::memcpy(buffer, d->fifo.data() + d->head, n);
  d->head += n;
  *got = static_cast<DWORD>(n);
  return FT_OK;
}

// What a device this backend has not opened says to an open of its own.
Seen_Device Try_Open(libusb_device* dev, const libusb_device_descriptor& desc) {
  Seen_Device s;
  libusb_device_handle* h = nullptr;
  int code = libusb_open(dev, &h);
  if (code == LIBUSB_ERROR_ACCESS) {
    s.access = Device_Access::No_Permission;
  } else if (code < 0) {
    s.access = Device_Access::Failed;
    s.detail = libusb_error_name(code);
  } else {
    char serial[kSerial_Size];
    if (desc.iSerialNumber != 0 &&
        libusb_get_string_descriptor_ascii(
            h, desc.iSerialNumber, reinterpret_cast<unsigned char*>(serial), sizeof serial) > 0)
      s.serial = serial;
    libusb_close(h);
  }
  return s;
}

std::vector<Seen_Device> Survey() {
  std::vector<Seen_Device> seen;
  Context context;
  if (!context.ctx) return seen;
  Listing listing(context.ctx);
  for (libusb_device* dev : listing.devices) {
    libusb_device_descriptor desc{};
    if (libusb_get_device_descriptor(dev, &desc) < 0) continue;
    auto place = Place(dev);
    Seen_Device s;
    auto here = std::find_if(Open_Devices().begin(), Open_Devices().end(), [&](Device* d) {
      return std::make_pair(d->bus, d->address) == place;
    });
    if (here != Open_Devices().end()) {
      s.access = Device_Access::In_Use_Here;
      s.serial = (*here)->serial;
    } else {
      s = Try_Open(dev, desc);
      auto failed = Open_Failures().find(place);
      if (failed != Open_Failures().end() && s.access == Device_Access::Openable)
        std::tie(s.access, s.detail) = failed->second;
    }
    s.vendor = desc.idVendor;
    s.product = desc.idProduct;
    std::tie(s.bus, s.address) = place;
    seen.push_back(std::move(s));
  }
  return seen;
}

}  // namespace

const Ftd2xx_Backend& Libftdi_Backend() {
  static const Ftd2xx_Backend backend = {"libftdi1",   List_Devices, Open_Ex,      Close,
                                         Reset_Device, Purge,        Set_Timeouts, Get_Queue_Status,
                                         Write,        Read,         Survey};
  return backend;
}
