// The nine D2XX calls on the simulated programmer.
#include "progsim/ftd2xx_sim.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "progsim/programmer.h"

namespace progsim {

namespace {

Programmer* Valid(FT_HANDLE h) {
  Programmer& p = Current();
  return h == &p && p.Is_Open() ? &p : nullptr;
}

FT_STATUS List_Devices(PVOID arg1, PVOID arg2, DWORD flags) {
  Programmer& p = Current();
  if (flags & FT_LIST_NUMBER_ONLY) {
    if (!arg1) return FT_INVALID_PARAMETER;
    *static_cast<DWORD*>(arg1) = static_cast<DWORD>(p.Device_Count());
    return FT_OK;
  }
  if ((flags & FT_LIST_BY_INDEX) && (flags & FT_OPEN_BY_SERIAL_NUMBER)) {
    if (!arg2) return FT_INVALID_PARAMETER;
    const std::string* serial = p.Serial(static_cast<size_t>(reinterpret_cast<uintptr_t>(arg1)));
    if (!serial) return FT_DEVICE_NOT_FOUND;
    // Like the driver: up to 50 bytes, terminated only when the serial is shorter.
    size_t n = std::min<size_t>(serial->size() + 1, 50);
    std::memcpy(arg2, serial->c_str(), n);
    return FT_OK;
  }
  return FT_INVALID_PARAMETER;
}

FT_STATUS Open_Ex(PVOID arg1, DWORD flags, FT_HANDLE* handle) {
  if (!arg1 || !handle || flags != FT_OPEN_BY_SERIAL_NUMBER) return FT_INVALID_PARAMETER;
  Programmer& p = Current();
  if (!p.Open(static_cast<const char*>(arg1))) return FT_DEVICE_NOT_FOUND;
  *handle = &p;
  return FT_OK;
}

FT_STATUS Close(FT_HANDLE h) {
  Programmer* p = Valid(h);
  return p && p->Close() ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS Reset_Device(FT_HANDLE h) {
  Programmer* p = Valid(h);
  if (!p) return FT_INVALID_HANDLE;
  if (p->Lost()) return FT_IO_ERROR;
  p->Purge_Rx();
  return FT_OK;
}

FT_STATUS Purge(FT_HANDLE h, ULONG mask) {
  Programmer* p = Valid(h);
  if (!p) return FT_INVALID_HANDLE;
  if (p->Lost()) return FT_IO_ERROR;
  if (mask & FT_PURGE_RX) p->Purge_Rx();
  return FT_OK;
}

FT_STATUS Set_Timeouts(FT_HANDLE h, ULONG, ULONG) {
  Programmer* p = Valid(h);
  if (!p) return FT_INVALID_HANDLE;
  return p->Lost() ? FT_IO_ERROR : FT_OK;
}

FT_STATUS Get_Queue_Status(FT_HANDLE h, DWORD* count) {
  Programmer* p = Valid(h);
  if (!p || !count) return FT_INVALID_HANDLE;
  if (p->Lost()) return FT_IO_ERROR;
  *count = static_cast<DWORD>(p->Rx_Queued());
  // An empty queue costs what the USB latency costs a real poll, so a reply that never comes is
  // waited for without spinning.
  if (*count == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return FT_OK;
}

FT_STATUS Write(FT_HANDLE h, LPVOID buffer, DWORD size, LPDWORD written) {
  if (written) *written = 0;
  Programmer* p = Valid(h);
  if (!p || !buffer || !written) return FT_INVALID_HANDLE;
  *written = static_cast<DWORD>(p->Write(static_cast<const uint8_t*>(buffer), size));
  return *written == size ? FT_OK : FT_IO_ERROR;
}

FT_STATUS Read(FT_HANDLE h, LPVOID buffer, DWORD size, LPDWORD got) {
  if (got) *got = 0;
  Programmer* p = Valid(h);
  if (!p || !buffer || !got) return FT_INVALID_HANDLE;
  if (p->Lost()) return FT_IO_ERROR;
  // The simulated reply is complete the moment it exists: no point waiting for the rest.
  *got = static_cast<DWORD>(p->Read(static_cast<uint8_t*>(buffer), size));
  return FT_OK;
}

// The simulated bus shows its devices as FT245Rs, the programmer in use once it is open.
std::vector<Seen_Device> Survey() {
  Programmer& p = Current();
  std::vector<Seen_Device> seen;
  for (size_t i = 0; i < p.Device_Count(); ++i) {
    Seen_Device s;
    s.vendor = 0x0403;
    s.product = 0x6001;
    s.serial = *p.Serial(i);
    s.access = p.Is_Open() && s.serial == Programmer::kSerial ? Device_Access::In_Use_Here
                                                              : Device_Access::Openable;
    seen.push_back(s);
  }
  return seen;
}

}  // namespace

const Ftd2xx_Backend& Backend() {
  static const Ftd2xx_Backend backend = {"sim",        List_Devices, Open_Ex,      Close,
                                         Reset_Device, Purge,        Set_Timeouts, Get_Queue_Status,
                                         Write,        Read,         Survey};
  return backend;
}

}  // namespace progsim
