// The D2XX calls on libftdi1, for the real programmer. libftdi has no receive-queue count, so
// each handle keeps a host-side FIFO that the queue query fills with a read; that read returns
// after the chip's latency timer when nothing has come, which is what keeps the reply wait from
// spinning.
#include <libftdi1/ftdi.h>
#include <libusb-1.0/libusb.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "usblink/ftd2xx.h"

namespace {

constexpr unsigned char kLatencyMs = 2;
constexpr int kChunk = 4096;

struct Device {
  ftdi_context* ctx = nullptr;
  std::vector<uint8_t> fifo;
  size_t head = 0;
  ULONG read_timeout_ms = 5000;
  ULONG write_timeout_ms = 5000;

  size_t Queued() const { return fifo.size() - head; }
};

std::set<Device*>& Open_Devices() {
  static std::set<Device*> devices;
  return devices;
}

Device* Valid(FT_HANDLE h) {
  auto* d = static_cast<Device*>(h);
  return Open_Devices().count(d) ? d : nullptr;
}

// Every FTDI device on the bus (vendor 0x0403, the usual product ids), each with its serial.
struct Listing {
  ftdi_context* ctx = nullptr;
  ftdi_device_list* list = nullptr;
  std::vector<libusb_device*> devices;

  Listing() {
    ctx = ftdi_new();
    if (!ctx) return;
    if (ftdi_usb_find_all(ctx, &list, 0, 0) < 0) return;
    for (ftdi_device_list* p = list; p; p = p->next) devices.push_back(p->dev);
  }
  ~Listing() {
    if (list) ftdi_list_free(&list);
    if (ctx) ftdi_free(ctx);
  }
  bool Serial(size_t index, char* out, int size) const {
    if (index >= devices.size()) return false;
    return ftdi_usb_get_strings(ctx, devices[index], nullptr, 0, nullptr, 0, out, size) >= 0;
  }
};

// Takes whatever the chip has sent into the FIFO; false on a USB failure.
bool Fill(Device* d) {
  unsigned char chunk[kChunk];
  int n = ftdi_read_data(d->ctx, chunk, kChunk);
  if (n < 0) return false;
  if (d->head == d->fifo.size()) {
    d->fifo.clear();
    d->head = 0;
  }
  d->fifo.insert(d->fifo.end(), chunk, chunk + n);
  return true;
}

FT_STATUS List_Devices(PVOID arg1, PVOID arg2, DWORD flags) {
  Listing listing;
  if (!listing.ctx) return FT_INSUFFICIENT_RESOURCES;
  if (flags & FT_LIST_NUMBER_ONLY) {
    if (!arg1) return FT_INVALID_PARAMETER;
    *static_cast<DWORD*>(arg1) = static_cast<DWORD>(listing.devices.size());
    return FT_OK;
  }
  if ((flags & FT_LIST_BY_INDEX) && (flags & FT_OPEN_BY_SERIAL_NUMBER)) {
    auto index = static_cast<size_t>(reinterpret_cast<uintptr_t>(arg1));
    if (!arg2) return FT_INVALID_PARAMETER;
    return listing.Serial(index, static_cast<char*>(arg2), 50) ? FT_OK : FT_DEVICE_NOT_FOUND;
  }
  return FT_INVALID_PARAMETER;
}

FT_STATUS Open_Ex(PVOID arg1, DWORD flags, FT_HANDLE* handle) {
  if (!handle || !arg1 || flags != FT_OPEN_BY_SERIAL_NUMBER) return FT_INVALID_PARAMETER;
  const char* wanted = static_cast<const char*>(arg1);
  Listing listing;
  for (size_t i = 0; i < listing.devices.size(); ++i) {
    char serial[50] = {};
    if (!listing.Serial(i, serial, sizeof serial) || std::strcmp(serial, wanted) != 0) continue;
    auto d = std::make_unique<Device>();
    d->ctx = ftdi_new();
    if (!d->ctx) return FT_INSUFFICIENT_RESOURCES;
    if (ftdi_usb_open_dev(d->ctx, listing.devices[i]) < 0) {
      ftdi_free(d->ctx);
      return FT_DEVICE_NOT_OPENED;
    }
    // Every command waits for its reply: the 16 ms default latency would cost that per packet.
    ftdi_set_latency_timer(d->ctx, kLatencyMs);
    *handle = d.get();
    Open_Devices().insert(d.release());
    return FT_OK;
  }
  return FT_DEVICE_NOT_FOUND;
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
  d->fifo.clear();
  d->head = 0;
  return ftdi_usb_reset(d->ctx) < 0 ? FT_IO_ERROR : FT_OK;
}

FT_STATUS Purge(FT_HANDLE h, ULONG mask) {
  Device* d = Valid(h);
  if (!d) return FT_INVALID_HANDLE;
  if (mask & FT_PURGE_RX) {
    d->fifo.clear();
    d->head = 0;
    if (ftdi_tciflush(d->ctx) < 0) return FT_IO_ERROR;
  }
  if ((mask & FT_PURGE_TX) && ftdi_tcoflush(d->ctx) < 0) return FT_IO_ERROR;
  return FT_OK;
}

FT_STATUS Set_Timeouts(FT_HANDLE h, ULONG read_ms, ULONG write_ms) {
  Device* d = Valid(h);
  if (!d) return FT_INVALID_HANDLE;
  d->read_timeout_ms = read_ms;
  d->write_timeout_ms = write_ms;
  d->ctx->usb_write_timeout = static_cast<int>(write_ms);
  return FT_OK;
}

FT_STATUS Get_Queue_Status(FT_HANDLE h, DWORD* count) {
  Device* d = Valid(h);
  if (!d || !count) return FT_INVALID_HANDLE;
  if (!Fill(d)) return FT_IO_ERROR;
  *count = static_cast<DWORD>(d->Queued());
  return FT_OK;
}

FT_STATUS Write(FT_HANDLE h, LPVOID buffer, DWORD size, LPDWORD written) {
  if (written) *written = 0;
  Device* d = Valid(h);
  if (!d || !buffer || !written) return FT_INVALID_HANDLE;
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
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(d->read_timeout_ms);
  while (d->Queued() < size && std::chrono::steady_clock::now() < deadline) {
    if (!Fill(d)) return FT_IO_ERROR;
  }
  size_t n = std::min<size_t>(size, d->Queued());
  std::memcpy(buffer, d->fifo.data() + d->head, n);
  d->head += n;
  *got = static_cast<DWORD>(n);
  return FT_OK;
}

}  // namespace

const Ftd2xx_Backend& Libftdi_Backend() {
  static const Ftd2xx_Backend backend = {"libftdi1",   List_Devices, Open_Ex,      Close,
                                         Reset_Device, Purge,        Set_Timeouts, Get_Queue_Status,
                                         Write,        Read};
  return backend;
}
